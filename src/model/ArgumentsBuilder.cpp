// The arguments of a stage, built once per statement off cycles of reasons and once per set of
// used connections inside a group of statements that reach each other.

#include "model/ArgumentsBuilder.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/ArgumentationStage.h"
#include "model/StrongComponents.h"
#include "model/UsedSetExpansion.h"

namespace palaver {

namespace {

PArgument NewSupportedArgument(const TArgumentationStage& Stage, const PStatement& S,
                               const TReasonConclusions& L) {
  auto A = std::make_shared<TArgument>(S);
  Stage.ComputeSupportingArguments(S, A->InitialArguments, L);
  return A;
}

// The arguments as RecomputeArguments defines them, built the long way: only for connections
// whose ends are not statements of the list, which no move ever makes.
TArguments StraightforwardArguments(const TStatements& Statements,
                                    const TReasonConclusions& Connections) {
  TArgumentationStage Stage;
  Stage.Statements = Statements;
  Stage.ReasonConclusions = Connections;
  TArguments List;
  for (const PStatement& S : Statements)
    if (Stage.IsFinalConclusion(*S, Connections))
      List.Add(NewSupportedArgument(Stage, S, Connections));
  for (const PStatement& S : Statements)
    if (!Stage.OccursInArgument(*S, List)) List.Add(NewSupportedArgument(Stage, S, Connections));
  return List;
}

// An argument follows the connections the branches above it have not used, but a used
// connection can only come back further down inside a group of statements that reach each other
// through connections. So the argument of a statement on no such cycle is built once and shared
// by every argument it occurs in; within a group, the argument of a statement is built once per
// set of the group's connections used on the way to it, and shared likewise.
class TArgumentsBuilder {
 public:
  TArgumentsBuilder(const TStatements& Statements, const TReasonConclusions& Connections)
      : Statements(Statements), Connections(Connections) {}

  // With Ends, the statements' indexes of every connection's reason and conclusion are known
  // already (from the line's history); otherwise they are looked up by sentence.
  bool Build(TArguments& List, const std::vector<std::pair<int, int>>* Ends = nullptr) {
    const int N = Statements.Count();
    const int M = Connections.Count();
    std::vector<std::pair<int, int>> Found;
    if (!Ends) {
      std::unordered_map<std::string_view, int> Index;
      Index.reserve(static_cast<std::size_t>(N));
      for (int I = 0; I < N; ++I)
        Index.emplace(Statements[I]->Sentence, I);
      Found.reserve(static_cast<std::size_t>(M));
      for (int C = 0; C < M; ++C) {
        const TReasonConclusion& K = *Connections[C];
        const auto R = Index.find(K.Reason->Sentence);
        const auto D = Index.find(K.Conclusion->Sentence);
        if (R == Index.end() || D == Index.end()) return false;
        Found.emplace_back(R->second, D->second);
      }
      Ends = &Found;
    }
    // The connections that conclude each statement, in connection order, one after another.
    ReasonOf.resize(static_cast<std::size_t>(M));
    ConcludingStart.assign(static_cast<std::size_t>(N) + 1, 0);
    std::vector<char> IsReason(static_cast<std::size_t>(N));
    for (int C = 0; C < M; ++C) {
      const auto [R, D] = (*Ends)[static_cast<std::size_t>(C)];
      if (Statements[R] != Connections[C]->Reason) return false;
      ReasonOf[static_cast<std::size_t>(C)] = R;
      ++ConcludingStart[static_cast<std::size_t>(D) + 1];
      IsReason[static_cast<std::size_t>(R)] = 1;
    }
    for (int S = 0; S < N; ++S)
      ConcludingStart[static_cast<std::size_t>(S) + 1] +=
          ConcludingStart[static_cast<std::size_t>(S)];
    ConcludingList.resize(static_cast<std::size_t>(M));
    std::vector<int> Next(ConcludingStart.begin(), ConcludingStart.end() - 1);
    for (int C = 0; C < M; ++C)
      ConcludingList[static_cast<std::size_t>(
          Next[static_cast<std::size_t>((*Ends)[static_cast<std::size_t>(C)].second)]++)] = C;
    Shared.resize(static_cast<std::size_t>(N));
    Bit.resize(static_cast<std::size_t>(M));
    BuildInGroups();

    // Final conclusions first, then whatever none of the arguments so far reaches.
    std::vector<char> Covered(static_cast<std::size_t>(N));
    for (int S = 0; S < N; ++S) {
      if (IsReason[static_cast<std::size_t>(S)]) continue;
      List.Add(Shared[static_cast<std::size_t>(S)]);
      Cover(S, Covered);
    }
    for (int S = 0; S < N; ++S) {
      if (Covered[static_cast<std::size_t>(S)]) continue;
      List.Add(Shared[static_cast<std::size_t>(S)]);
      Cover(S, Covered);
    }
    return true;
  }

 private:
  // The statements in Tarjan's order over their reasons: each group is built as soon as
  // everything it takes in is.
  void BuildInGroups() {
    std::vector<int> Every(Shared.size());
    for (std::size_t S = 0; S < Every.size(); ++S)
      Every[S] = static_cast<int>(S);
    TStrongComponents Components;
    Components.Walk(
        Shared.size(), Every, [this](int S) { return ConcludingOf(S); },
        [this](int C) { return ReasonOf[static_cast<std::size_t>(C)]; },
        [this](std::span<const int> Members) {
          BuildGroup(std::vector<int>(Members.begin(), Members.end()));
        });
  }

  void BuildGroup(std::vector<int> Members) {
    std::sort(Members.begin(), Members.end());
    bool OnItself = false;
    if (Members.size() == 1)
      for (int C : ConcludingOf(Members[0]))
        OnItself = OnItself || ReasonOf[static_cast<std::size_t>(C)] == Members[0];
    if (Members.size() == 1 && !OnItself) {
      const int S = Members[0];
      auto A = std::make_shared<TArgument>(Statements[S]);
      for (int C : ConcludingOf(S))
        A->InitialArguments.Add(
            Shared[static_cast<std::size_t>(ReasonOf[static_cast<std::size_t>(C)])]);
      Shared[static_cast<std::size_t>(S)] = std::move(A);
      return;
    }

    // The group's connections, one bit each, and the group as the expansion walks it: a step per
    // connection, with its reason as its child when that is a member.
    const auto PositionOf = [&Members](int S) -> int {
      const auto It = std::lower_bound(Members.begin(), Members.end(), S);
      return It != Members.end() && *It == S ? static_cast<int>(It - Members.begin()) : -1;
    };
    TExpansionSteps Walk;
    int Bits = 0;
    for (int S : Members) {
      for (int C : ConcludingOf(S)) {
        Bit[static_cast<std::size_t>(C)] = Bits++;
        Walk.AddStep(Bit[static_cast<std::size_t>(C)]);
        const int P = PositionOf(ReasonOf[static_cast<std::size_t>(C)]);
        if (P >= 0) Walk.AddChild(P);
      }
      Walk.EndMember();
    }
    TUsedSetExpansion<PArgument> Expansion(Bits);
    const auto Build = [&](int M, const std::uint64_t* Set) {
      const int S = Members[static_cast<std::size_t>(M)];
      auto A = std::make_shared<TArgument>(Statements[S]);
      for (int C : ConcludingOf(S)) {
        const int B = Bit[static_cast<std::size_t>(C)];
        if (Expansion.Has(Set, B)) continue;
        const int R = ReasonOf[static_cast<std::size_t>(C)];
        const int P = PositionOf(R);
        if (P < 0)
          A->InitialArguments.Add(Shared[static_cast<std::size_t>(R)]);
        else
          A->InitialArguments.Add(*Expansion.Find(P, Expansion.With(Set, B)));
      }
      return A;
    };
    Expansion.Expand(Walk, Build, [&](int M, const PArgument& A) {
      Shared[static_cast<std::size_t>(Members[static_cast<std::size_t>(M)])] = A;
    });
  }

  // Marks everything an argument of S reaches: S and, through the connections, its reasons.
  void Cover(int S, std::vector<char>& Covered) const {
    if (Covered[static_cast<std::size_t>(S)]) return;
    std::vector<int> Stack{S};
    Covered[static_cast<std::size_t>(S)] = 1;
    while (!Stack.empty()) {
      const int N = Stack.back();
      Stack.pop_back();
      for (int C : ConcludingOf(N)) {
        const int R = ReasonOf[static_cast<std::size_t>(C)];
        if (Covered[static_cast<std::size_t>(R)]) continue;
        Covered[static_cast<std::size_t>(R)] = 1;
        Stack.push_back(R);
      }
    }
  }

  const TStatements& Statements;
  const TReasonConclusions& Connections;
  std::span<const int> ConcludingOf(int S) const {
    const auto First = static_cast<std::size_t>(ConcludingStart[static_cast<std::size_t>(S)]);
    const auto Last = static_cast<std::size_t>(ConcludingStart[static_cast<std::size_t>(S) + 1]);
    return {ConcludingList.data() + First, Last - First};
  }

  std::vector<int> ConcludingStart;
  std::vector<int> ConcludingList;
  std::vector<int> ReasonOf;
  // Per connection of the group being built, its bit in the group's sets of used connections.
  std::vector<int> Bit;
  // The argument of each statement as a branch meets it with nothing used up.
  std::vector<PArgument> Shared;
};

}  // namespace

TArguments BuildArguments(const TStatements& Statements, const TReasonConclusions& Connections,
                          const std::vector<std::pair<int, int>>* Ends) {
  TArguments List;
  if (!TArgumentsBuilder(Statements, Connections).Build(List, Ends))
    return StraightforwardArguments(Statements, Connections);
  return List;
}

}  // namespace palaver
