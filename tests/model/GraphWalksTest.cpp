// The model's shared graph routines (strongly connected components, the expansion of a group
// over its used connections), on small graphs whose answers are known.

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <stdexcept>
#include <vector>

#include "model/StrongComponents.h"
#include "model/UsedSetExpansion.h"

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

// A ring of Size members, each a reason for the next: member M has one step, its connection's bit
// M, whose child is member M + 1. A branch from a member goes once round the ring.
TExpansionSteps Ring(int Size) {
  TExpansionSteps Steps;
  for (int M = 0; M < Size; ++M) {
    Steps.AddStep(M);
    Steps.AddChild((M + 1) % Size);
    Steps.EndMember();
  }
  return Steps;
}

TEST(UsedSetExpansion, BuildsEachMemberAndSetOnceAfterItsChildren) {
  // Two members that are reasons for each other: from either, the branch meets the other with
  // one connection used and itself again with both, where it ends.
  TUsedSetExpansion<int> Expansion(2);
  std::vector<std::pair<int, std::uint64_t>> Built;
  std::vector<int> Roots(2, -1);
  Expansion.Expand(
      Ring(2),
      [&](int M, const std::uint64_t* Set) {
        int Depth = 0;
        if (!Expansion.Has(Set, M)) {
          const int* Child = Expansion.Find((M + 1) % 2, Expansion.With(Set, M));
          EXPECT_NE(Child, nullptr) << "a child is built before its parent";
          if (Child) Depth = *Child + 1;
        }
        Built.emplace_back(M, Set[0]);
        return Depth;
      },
      [&](int M, const int& Depth) { Roots[static_cast<std::size_t>(M)] = Depth; });
  const std::vector<std::pair<int, std::uint64_t>> Expected{{0, 3}, {1, 1}, {0, 0},
                                                            {1, 3}, {0, 2}, {1, 0}};
  EXPECT_EQ(Built, Expected);
  EXPECT_EQ(Expansion.Size(), 6U);
  EXPECT_EQ(Roots, (std::vector<int>{2, 2}));
}

TEST(UsedSetExpansion, SetsOfMoreThanOneWord) {
  constexpr int Size = 150;
  TUsedSetExpansion<int> Expansion(Size);
  EXPECT_EQ(Expansion.WordCount(), 3U);
  std::vector<int> Roots(Size, -1);
  Expansion.Expand(
      Ring(Size),
      [&](int M, const std::uint64_t* Set) {
        if (Expansion.Has(Set, M)) return 0;
        return *Expansion.Find((M + 1) % Size, Expansion.With(Set, M)) + 1;
      },
      [&](int M, const int& Depth) { Roots[static_cast<std::size_t>(M)] = Depth; });
  // From each member the branch goes Size steps round; every member and set it meets is a value.
  EXPECT_EQ(Expansion.Size(), static_cast<std::size_t>(Size * (Size + 1)));
  EXPECT_EQ(Roots, std::vector<int>(Size, Size));
}

TEST(UsedSetExpansion, ABuildThatThrowsStopsTheWalk) {
  TUsedSetExpansion<int> Expansion(3);
  int Calls = 0;
  EXPECT_THROW(Expansion.Expand(
                   Ring(3),
                   [&](int, const std::uint64_t*) {
                     if (++Calls == 2) throw std::runtime_error("limit");
                     return 0;
                   },
                   [](int, const int&) {}),
               std::runtime_error);
  EXPECT_EQ(Calls, 2);
  EXPECT_EQ(Expansion.Size(), 1U);
}

}  // namespace
}  // namespace palaver
