// The model's shared graph routines, on small graphs whose answers are known.

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <stdexcept>
#include <vector>

#include "model/StrongComponents.h"

namespace palaver {
namespace {

using TGraph = std::vector<std::vector<int>>;

// The components a walk from Starts hands out, each sorted, in the order handed out.
std::vector<std::vector<int>> Components(TStrongComponents& Finder, const TGraph& Graph,
                                         const std::vector<int>& Starts) {
  std::vector<std::vector<int>> Found;
  Finder.Walk(
      Graph.size(), Starts,
      [&Graph](int N) -> const std::vector<int>& { return Graph[static_cast<std::size_t>(N)]; },
      [](int Child) { return Child; },
      [&Found](std::span<const int> C) {
        Found.emplace_back(C.begin(), C.end());
        std::sort(Found.back().begin(), Found.back().end());
      });
  return Found;
}

TEST(StrongComponents, HandsOutEachComponentAfterEverythingItReaches) {
  // 0 -> 1 <-> 2 -> 3 -> 4 -> 3, and 5 alone with an edge to itself.
  const TGraph Graph{{1}, {2}, {1, 3}, {4}, {3}, {5}};
  TStrongComponents Finder;
  const auto Found = Components(Finder, Graph, {0, 1, 2, 3, 4, 5});
  const std::vector<std::vector<int>> Expected{{3, 4}, {1, 2}, {0}, {5}};
  EXPECT_EQ(Found, Expected);
}

TEST(StrongComponents, FollowsOnlyTheEdgesTheCallerAllows) {
  // The edge 2 -> 0 closes the cycle; without it every node is a component of its own.
  const TGraph Graph{{1}, {2}, {0}};
  TStrongComponents Finder;
  std::vector<std::vector<int>> Found;
  Finder.Walk(
      Graph.size(), std::vector<int>{0},
      [&Graph](int N) -> const std::vector<int>& { return Graph[static_cast<std::size_t>(N)]; },
      [](int Child) { return Child == 0 ? -1 : Child; },
      [&Found](std::span<const int> C) { Found.emplace_back(C.begin(), C.end()); });
  const std::vector<std::vector<int>> Expected{{2}, {1}, {0}};
  EXPECT_EQ(Found, Expected);
}

TEST(StrongComponents, ALongChainNeedsNoRecursion) {
  constexpr int Length = 200000;
  TGraph Graph(Length);
  for (int N = 0; N + 1 < Length; ++N)
    Graph[static_cast<std::size_t>(N)].push_back(N + 1);
  Graph.back().push_back(0);  // one cycle through all of them
  TStrongComponents Finder;
  const auto Found = Components(Finder, Graph, {0});
  ASSERT_EQ(Found.size(), 1U);
  EXPECT_EQ(Found.front().size(), static_cast<std::size_t>(Length));
}

TEST(StrongComponents, AWalkAfterAnotherOrAfterAFailureStartsAfresh) {
  const TGraph Graph{{1}, {0}, {0}};
  TStrongComponents Finder;
  EXPECT_THROW(
      Finder.Walk(
          Graph.size(), std::vector<int>{2},
          [&Graph](int N) -> const std::vector<int>& { return Graph[static_cast<std::size_t>(N)]; },
          [](int Child) { return Child; },
          [](std::span<const int>) { throw std::runtime_error("stop"); }),
      std::runtime_error);
  const std::vector<std::vector<int>> Cycle{{0, 1}};
  EXPECT_EQ(Components(Finder, Graph, {0}), Cycle);
  // The same finder again, on a larger graph: nothing of the walks before is left.
  const TGraph Larger{{1}, {0}, {0}, {2}};
  const std::vector<std::vector<int>> All{{0, 1}, {2}, {3}};
  EXPECT_EQ(Components(Finder, Larger, {3}), All);
}

}  // namespace
}  // namespace palaver
