// Reading an older version of a history: the dialectical arguments that are still the same are
// the newest version's; the others are worked out again from the graph as it stood at the
// version.

#include <algorithm>
#include <cassert>
#include <limits>
#include <memory>
#include <span>
#include <unordered_map>

#include "model/ArgumentsBuilder.h"
#include "model/StageHistory.h"

namespace palaver {

namespace {

constexpr std::size_t Unlimited = std::numeric_limits<std::size_t>::max();

// Calls Visit(slot, node) for the children a connection's step had at Version: 0 the reason,
// 1 the step warrant, then per exception 2 + 2j the exception and 3 + 2j its undercutter warrant.
template <class TVisit>
void ForEachChildAt(const TStageHistory::TConnection& K, int Version, const TVisit& Visit) {
  Visit(0, K.Reason);
  if (K.StepWarrantSince <= Version) Visit(1, K.StepWarrantNode);
  for (std::size_t J = 0; J < K.ExceptionNodes.size() && K.ExceptionSince[J] <= Version; ++J) {
    Visit(static_cast<int>(2 + 2 * J), K.ExceptionNodes[J]);
    if (K.UndercutterWarrantSince[J] <= Version)
      Visit(static_cast<int>(3 + 2 * J), K.UndercutterWarrantNodes[J]);
  }
}

}  // namespace

// The component of the graph at the version that holds the statement: it is handed out last,
// once everything the statement reaches has been.
std::vector<int> TStageHistory::GroupMembersAt(int Node, int Version) const {
  std::vector<int> Members;
  TStrongComponents Components;
  const int Start[] = {Node};
  Components.Walk(
      NodeList.size(), Start,
      [this](int N) -> const std::vector<TEdge>& {
        return NodeList[static_cast<std::size_t>(N)].Children;
      },
      [Version](const TEdge& E) { return E.Version <= Version ? E.Node : -1; },
      [&Members](std::span<const int> Component) {
        Members.assign(Component.begin(), Component.end());
      });
  std::sort(Members.begin(), Members.end());
  return Members;
}

PDialecticalArgument TStageHistory::TreeAt(int Node, int Version) const {
  TVersionRead Read(Version);
  return OldTree(Node, Read);
}

PDialecticalArgument TStageHistory::OldTree(int Node, TVersionRead& Read) const {
  const int Version = Read.Version;
  // What needs no building: a dialectical argument that has not changed since the version, or
  // one this reading has built already.
  const auto Direct = [&](int N) -> PDialecticalArgument {
    if (NodeList[static_cast<std::size_t>(N)].BuiltAt <= Version) return Current(N);
    const auto It = Read.Known.find(N);
    return It == Read.Known.end() ? nullptr : It->second;
  };
  const auto Ready = [&](int N) {
    const auto It = Read.Known.find(N);
    return It != Read.Known.end() ? It->second : Direct(N);
  };
  const auto ForEachChild = [&](int N, const auto& Visit) {
    for (int C : NodeList[static_cast<std::size_t>(N)].Concluding) {
      const TConnection& K = ConnectionList[static_cast<std::size_t>(C)];
      if (K.Version > Version) break;
      ForEachChildAt(K, Version, Visit);
    }
  };

  if (PDialecticalArgument D = Direct(Node)) return D;
  // Children first, with a stack of its own: chains of statements can be long. A cycle group of
  // the version is built as a whole once what it takes in from outside is built.
  std::vector<std::pair<int, bool>> Stack{{Node, false}};
  std::unordered_map<int, PCycleGroup> Waiting;
  while (!Stack.empty()) {
    const auto [N, Expanded] = Stack.back();
    if (Read.Known.count(N) || NodeList[static_cast<std::size_t>(N)].BuiltAt <= Version) {
      Stack.pop_back();
      continue;
    }
    const TNode& Of = NodeList[static_cast<std::size_t>(N)];
    const bool Cyclic = Of.CyclicSince <= Version;
    if (!Expanded) {
      Stack.back().second = true;
      if (Cyclic) {
        PCycleGroup G = NewCycleGroup(GroupMembersAt(N, Version), Version);
        for (int M : G->Members)
          ForEachChild(M, [&](int, int Child) {
            if (Child >= 0 && !std::binary_search(G->Members.begin(), G->Members.end(), Child) &&
                !Direct(Child))
              Stack.emplace_back(Child, false);
          });
        Waiting[N] = std::move(G);
      } else {
        ForEachChild(N, [&](int, int Child) {
          if (!Direct(Child)) Stack.emplace_back(Child, false);
        });
      }
      continue;
    }
    Stack.pop_back();
    if (Cyclic) {
      const PCycleGroup G = std::move(Waiting.at(N));
      Waiting.erase(N);
      TGroupIndex Index;
      ExpandCycleGroup(*G, Ready, Unlimited, &Index);
      CompareMembers(*G, Index, Unlimited);
      for (std::size_t M = 0; M < G->Members.size(); ++M) {
        Read.Known.emplace(G->Members[M], G->Roots[M]);
        Read.GroupOf.emplace(G->Members[M], std::make_pair(G, static_cast<int>(M)));
      }
      continue;
    }
    auto D = std::make_shared<TDialecticalArgument>();
    D->Conclusion = Of.Statement;
    for (int C : Of.Concluding) {
      const TConnection& K = ConnectionList[static_cast<std::size_t>(C)];
      if (K.Version > Version) break;
      const TReasonConclusion& Connection = *K.Connection;
      auto T = std::make_shared<TStep>();
      T->Conclusion = Of.Statement;
      T->Reason = Connection.Reason;
      T->ConnectionKind = Connection.ConnectionKind;
      PUndercutter U;
      ForEachChildAt(K, Version, [&](int Slot, int Child) {
        PDialecticalArgument Tree = Ready(Child);
        if (Slot == 0) {
          D->InitialDialecticalArguments.Add(std::move(Tree));
        } else if (Slot == 1) {
          T->WarrantUnjustified = Tree->Status != TJustificationStatus::Justified;
          T->WarrantingDialecticalArgument = std::move(Tree);
        } else if (Slot % 2 == 0) {
          U = std::make_shared<TUndercutter>();
          U->Exception = Connection.Exceptions[(Slot - 2) / 2];
          U->Conclusion = T->Conclusion;
          U->Reason = T->Reason;
          T->Undercutters.Add(U);
          T->UndercuttingDialecticalArguments.Add(std::move(Tree));
        } else {
          U->WarrantUnjustified = Tree->Status != TJustificationStatus::Justified;
          U->WarrantingDialecticalArgument = std::move(Tree);
        }
      });
      D->Steps.Add(std::move(T));
    }
    D->Status = EvaluateDialecticalArgument(*D, TypeAt(N, Version));
    Read.Known.emplace(N, std::move(D));
  }
  return Ready(Node);
}

TDialecticalArguments TStageHistory::DialecticalArgumentsAt(int Version, int Count) const {
  TVersionRead Read(Version);
  return DialecticalArgumentsAt(Read, Count);
}

TDialecticalArguments TStageHistory::DialecticalArgumentsAt(TVersionRead& Read, int Count) const {
  TDialecticalArguments List;
  List.Reserve(Count);
  // One old version's dialectical arguments share what they have in common, as they did.
  for (int I = 0; I < Count; ++I)
    List.Add(OldTree(I, Read));
  // The list holds them now; the reading keeps only the groups, for the maximal selection.
  Read.Known.clear();
  return List;
}

// The statements whose dialectical argument is no longer the newest version's, and that lay on a
// cycle at the version, need their group of the version: it is worked out again for them.
TDialecticalArguments TStageHistory::MaximalAt(int Version,
                                               const TDialecticalArguments& All) const {
  TVersionRead Read(Version);
  for (int I = 0; I < All.Count(); ++I) {
    const TNode& N = NodeList[static_cast<std::size_t>(I)];
    if (N.BuiltAt > Version && N.CyclicSince <= Version) OldTree(I, Read);
  }
  return MaximalAt(Read, All);
}

// The history knows the ends of every connection: the statements need not be looked up again.
TArguments TStageHistory::ArgumentsOf(const TStatements& Statements,
                                      const TReasonConclusions& Connections) const {
  if (Plain || Connections.Count() > static_cast<int>(ConnectionList.size()))
    return BuildArguments(Statements, Connections);
  std::vector<std::pair<int, int>> Ends;
  Ends.reserve(static_cast<std::size_t>(Connections.Count()));
  for (int C = 0; C < Connections.Count(); ++C) {
    const TConnection& K = ConnectionList[static_cast<std::size_t>(C)];
    if (K.Connection != Connections[C] || K.Reason >= Statements.Count() ||
        K.Conclusion >= Statements.Count())
      return BuildArguments(Statements, Connections);
    Ends.emplace_back(K.Reason, K.Conclusion);
  }
  return BuildArguments(Statements, Connections, &Ends);
}

std::size_t TStageHistory::GroupArgumentsAt(int Version) const {
  if (Version == Head) return HeldGroupArguments;
  TVersionRead Read(Version);
  int Count = 0;
  while (Count < static_cast<int>(NodeList.size()) &&
         NodeList[static_cast<std::size_t>(Count)].Since <= Version)
    ++Count;
  for (int N = 0; N < Count; ++N)
    OldTree(N, Read);
  std::vector<const TCycleGroup*> Seen;
  std::size_t Total = 0;
  for (int N = 0; N < Count; ++N) {
    const TNode& Of = NodeList[static_cast<std::size_t>(N)];
    if (Of.CyclicSince > Version) continue;
    const TCycleGroup* G = Of.BuiltAt <= Version ? Of.Group.get() : Read.GroupOf.at(N).first.get();
    if (std::find(Seen.begin(), Seen.end(), G) != Seen.end()) continue;
    Seen.push_back(G);
    Total += G->Count;
  }
  return Total;
}

}  // namespace palaver
