// The maximal dialectical arguments of one version of a history.

#include <unordered_map>
#include <vector>

#include "model/StageHistory.h"

namespace palaver {

namespace {

struct TPairHash {
  std::size_t operator()(const std::pair<const void*, const void*>& P) const {
    return std::hash<const void*>()(P.first) * 31 + std::hash<const void*>()(P.second);
  }
};

// IsContainedIn and IsFinal as the stage defines them, with two short cuts that cannot change
// an answer: a tree is final in itself, and a tree of a cycle-free statement (whose parts are
// all cycle-free, and shared) never contains the tree of a statement that reaches a cycle.
// Answers about shared trees are remembered.
class TContainment {
 public:
  TContainment(const TStageHistory& History, int Version) : History(History), Version(Version) {}

  bool ProperlyContained(const TDialecticalArgument& A, const TDialecticalArgument& B) {
    return Contained(A, B) && !Contained(B, A);
  }

  bool Contained(const TDialecticalArgument& A, const TDialecticalArgument& B) {
    if (&A == &B) return true;
    const bool Shared = !Cyclic(B);
    if (Shared && Cyclic(A)) return false;
    if (Shared) {
      const auto It = Memo.find({&A, &B});
      if (It != Memo.end()) return It->second;
    }
    const bool Result = Final(A, B) || InNested(A, B);
    if (Shared) Memo.emplace(std::make_pair(&A, &B), Result);
    return Result;
  }

 private:
  bool Cyclic(const TDialecticalArgument& D) {
    const int Node = History.NodeOf(D.Conclusion.get());
    return Node >= 0 && History.IsCyclicAt(Node, Version);
  }

  bool InNested(const TDialecticalArgument& A, const TDialecticalArgument& B) {
    for (const PStep& T : B.Steps) {
      if (T->WarrantingDialecticalArgument && Contained(A, *T->WarrantingDialecticalArgument))
        return true;
      for (int J = 0; J < T->Undercutters.Count(); ++J) {
        const PDialecticalArgument& Warrant = T->Undercutters[J]->WarrantingDialecticalArgument;
        if (Warrant && Contained(A, *Warrant)) return true;
        if (Contained(A, *T->UndercuttingDialecticalArguments[J])) return true;
      }
    }
    for (const PDialecticalArgument& Initial : B.InitialDialecticalArguments)
      if (Contained(A, *Initial)) return true;
    return false;
  }

  bool WarrantsFinal(const PDialecticalArgument& A, const PDialecticalArgument& B) {
    if (!A) return true;
    return B && Final(*A, *B);
  }

  bool StepMatches(const TStep& SA, const TStep& SB) {
    if (SA.Conclusion != SB.Conclusion || SA.Reason != SB.Reason) return false;
    if (!WarrantsFinal(SA.WarrantingDialecticalArgument, SB.WarrantingDialecticalArgument))
      return false;
    for (int K = 0; K < SA.Undercutters.Count(); ++K) {
      bool Found = false;
      for (int L = 0; L < SB.Undercutters.Count() && !Found; ++L)
        Found = Final(*SA.UndercuttingDialecticalArguments[K],
                      *SB.UndercuttingDialecticalArguments[L]) &&
                WarrantsFinal(SA.Undercutters[K]->WarrantingDialecticalArgument,
                              SB.Undercutters[L]->WarrantingDialecticalArgument);
      if (!Found) return false;
    }
    return true;
  }

  bool Final(const TDialecticalArgument& A, const TDialecticalArgument& B) {
    if (&A == &B) return true;
    if (A.Conclusion != B.Conclusion) return false;
    for (const PStep& SA : A.Steps) {
      bool Found = false;
      for (const PStep& SB : B.Steps) {
        if (StepMatches(*SA, *SB)) {
          Found = true;
          break;
        }
      }
      if (!Found) return false;
    }
    for (const PDialecticalArgument& Initial : A.InitialDialecticalArguments) {
      bool Found = false;
      for (const PDialecticalArgument& Other : B.InitialDialecticalArguments) {
        if (Contained(*Initial, *Other)) {
          Found = true;
          break;
        }
      }
      if (!Found) return false;
    }
    return true;
  }

  const TStageHistory& History;
  const int Version;
  std::unordered_map<std::pair<const void*, const void*>, bool, TPairHash> Memo;
};

}  // namespace

// A cycle-free statement's tree is contained in another exactly when that one's statement
// reaches it, and then properly (the other cannot reach back): it is maximal exactly when no
// statement takes it in. A statement that reaches a cycle can only be contained in the tree of
// another such statement that reaches it; those are compared as the selection defines, in the
// same order, among themselves.
TDialecticalArguments TStageHistory::MaximalAt(int Version,
                                               const TDialecticalArguments& All) const {
  const int Count = All.Count();
  std::vector<int> Cyclic;
  std::vector<int> Position(static_cast<std::size_t>(Count), -1);
  for (int I = 0; I < Count; ++I) {
    if (IsCyclicAt(I, Version)) {
      Position[static_cast<std::size_t>(I)] = static_cast<int>(Cyclic.size());
      Cyclic.push_back(I);
    }
  }

  std::vector<char> Maximal(Cyclic.size());
  if (!Cyclic.empty()) {
    // Which of them reaches which, through edges of this version.
    const std::size_t K = Cyclic.size();
    std::vector<std::vector<char>> Reach(K, std::vector<char>(K));
    for (std::size_t A = 0; A < K; ++A) {
      std::vector<int> Stack{Cyclic[A]};
      std::vector<char>& Seen = Reach[A];
      while (!Stack.empty()) {
        const int N = Stack.back();
        Stack.pop_back();
        for (const TEdge& E : NodeList[N].Children) {
          if (E.Version > Version) continue;
          const int P = Position[static_cast<std::size_t>(E.Node)];
          if (P < 0 || Seen[static_cast<std::size_t>(P)]) continue;
          Seen[static_cast<std::size_t>(P)] = 1;
          Stack.push_back(E.Node);
        }
      }
    }
    TContainment Containment(*this, Version);
    std::vector<std::size_t> Selected;
    for (std::size_t A = 0; A < K; ++A) {
      const TDialecticalArgument& D = *All[Cyclic[A]];
      bool InLater = false;
      for (std::size_t B = A + 1; B < K && !InLater; ++B)
        InLater = Reach[B][A] && Containment.ProperlyContained(D, *All[Cyclic[B]]);
      bool InSelected = false;
      for (std::size_t J = 0; J < Selected.size() && !InSelected; ++J)
        InSelected =
            Reach[Selected[J]][A] && Containment.ProperlyContained(D, *All[Cyclic[Selected[J]]]);
      if (!InLater && !InSelected) {
        Maximal[A] = 1;
        Selected.push_back(A);
      }
    }
  }

  TDialecticalArguments List;
  for (int I = 0; I < Count; ++I) {
    const int P = Position[static_cast<std::size_t>(I)];
    if (P >= 0 ? Maximal[static_cast<std::size_t>(P)] != 0 : NodeList[I].ParentSince > Version)
      List.Add(All[I]);
  }
  return List;
}

}  // namespace palaver
