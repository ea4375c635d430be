#pragma once

#include <algorithm>
#include <climits>
#include <cstddef>
#include <iterator>
#include <span>
#include <utility>
#include <vector>

namespace palaver {

// The strongly connected components of (part of) a graph whose nodes are numbered from 0:
// Tarjan's walk, with explicit stacks, since chains of statements can be long.
//
// A component is handed out only once every component it reaches has been, so a caller that
// builds each component from what it reaches finds all of that built already. The lists are kept
// from one walk to the next: a walk resets only the nodes the walk before it visited, so that
// many small walks over a large graph cost what they visit.
class TStrongComponents {
 public:
  // Walks from every node of Starts that no earlier start has reached, among the first Nodes
  // nodes. Children(N) is a range of N's edges and Target(Edge) the node an edge leads to, or -1
  // for an edge the walk does not follow. Component(std::span<const int>) receives each
  // component's nodes in the order the walk leaves them. When Component throws, the walk stops,
  // and the next walk starts afresh.
  template <class TStarts, class TChildren, class TTarget, class TComponent>
  void Walk(std::size_t Nodes, const TStarts& Starts, const TChildren& Children,
            const TTarget& Target, const TComponent& Component) {
    Reset(Nodes);
    for (const int Start : Starts) {
      if (Order[static_cast<std::size_t>(Start)].Number != Unvisited) continue;
      Enter(Start);
      while (!Stack.empty()) {
        const int N = Stack.back().first;
        const auto& Edges = Children(N);
        if (Stack.back().second < std::size(Edges)) {
          const int Child = Target(*(std::begin(Edges) + Stack.back().second++));
          if (Child < 0) continue;
          const TOrder& Of = Order[static_cast<std::size_t>(Child)];
          if (Of.Number == Unvisited) {
            Enter(Child);
          } else if (Of.Number != Done) {
            int& Low = Order[static_cast<std::size_t>(N)].Low;
            Low = std::min(Low, Of.Number);
          }
          continue;
        }
        Stack.pop_back();
        const TOrder Of = Order[static_cast<std::size_t>(N)];
        if (!Stack.empty()) {
          int& ParentLow = Order[static_cast<std::size_t>(Stack.back().first)].Low;
          ParentLow = std::min(ParentLow, Of.Low);
        }
        if (Of.Low != Of.Number) continue;
        // N and everything above it on the path form N's component.
        std::size_t First = Path.size();
        do
          --First;
        while (Path[First] != N);
        Members.assign(Path.rbegin(), Path.rend() - static_cast<std::ptrdiff_t>(First));
        Path.resize(First);
        for (const int M : Members)
          Order[static_cast<std::size_t>(M)].Number = Done;
        Component(std::span<const int>(Members));
      }
    }
  }

 private:
  static constexpr int Unvisited = -1;
  // Handed out with its component.
  static constexpr int Done = INT_MAX;
  struct TOrder {
    int Number = Unvisited;
    int Low = 0;
  };

  // Makes room for Nodes nodes and forgets what the previous walk visited.
  void Reset(std::size_t Nodes);
  void Enter(int N) {
    Order[static_cast<std::size_t>(N)] = {Counter, Counter};
    ++Counter;
    Visited.push_back(N);
    Path.push_back(N);
    Stack.emplace_back(N, 0);
  }

  std::vector<TOrder> Order;
  int Counter = 0;
  std::vector<int> Visited;
  std::vector<int> Path;
  // The walk: per node on it, the next of its edges to follow.
  std::vector<std::pair<int, std::size_t>> Stack;
  std::vector<int> Members;
};

}  // namespace palaver
