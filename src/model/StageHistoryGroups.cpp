// The statements that reach each other: one expansion of their dialectical arguments, shared by
// all of them, and which of them contains which.

#include <algorithm>

#include "model/EvaluationLimit.h"
#include "model/GroupContainment.h"
#include "model/StageHistory.h"
#include "model/UsedSetExpansion.h"

namespace palaver {

namespace {

// The dialectical argument's children of one step: 0 the reason, 1 the step warrant, then per
// exception the exception and its undercutter warrant; -1 where there is none.
int SlotCount(const TStageHistory::TStepRecipe& R) {
  return 2 + 2 * R.Exceptions;
}

int SlotNode(const TStageHistory::TConnection& K, const TStageHistory::TStepRecipe& R, int Slot) {
  if (Slot == 0) return K.Reason;
  if (Slot == 1) return R.StepWarrantNode;
  const auto J = static_cast<std::size_t>((Slot - 2) / 2);
  return Slot % 2 == 0 ? K.ExceptionNodes[J] : R.UndercutterWarrantNodes[J];
}

}  // namespace

// The group's members with their steps as they stood at Version, and the group's shape.
TStageHistory::PCycleGroup TStageHistory::NewCycleGroup(std::vector<int> Members,
                                                        int Version) const {
  auto G = std::make_shared<TCycleGroup>();
  G->Version = Version;
  G->Members = std::move(Members);
  G->Types.reserve(G->Members.size());
  G->Steps.resize(G->Members.size());
  const auto PositionOf = [&G](int Node) -> int {
    if (Node < 0) return -1;
    const auto It = std::lower_bound(G->Members.begin(), G->Members.end(), Node);
    return It != G->Members.end() && *It == Node ? static_cast<int>(It - G->Members.begin()) : -1;
  };
  for (std::size_t M = 0; M < G->Members.size(); ++M) {
    const int Node = G->Members[M];
    G->Types.push_back(TypeAt(Node, Version));
    for (int C : NodeList[static_cast<std::size_t>(Node)].Concluding) {
      const TConnection& K = ConnectionList[static_cast<std::size_t>(C)];
      if (K.Version > Version) break;
      TStepRecipe R{C, G->Bits++, K.StepWarrantSince <= Version ? K.StepWarrantNode : -1, 0, {}};
      while (static_cast<std::size_t>(R.Exceptions) < K.ExceptionSince.size() &&
             K.ExceptionSince[static_cast<std::size_t>(R.Exceptions)] <= Version) {
        const auto J = static_cast<std::size_t>(R.Exceptions++);
        R.UndercutterWarrantNodes.push_back(
            K.UndercutterWarrantSince[J] <= Version ? K.UndercutterWarrantNodes[J] : -1);
      }
      // Children outside the group play no part in the shape: an exception or a warrant from
      // outside adds an undercutter or a warrant to the same dialectical arguments, which match
      // one another in it as they did without it.
      G->Shape.push_back(C);
      for (int Slot = 0; Slot < SlotCount(R); ++Slot) {
        const int Position = PositionOf(SlotNode(K, R, Slot));
        if (Position < 0) continue;
        G->Shape.push_back(Slot);
        G->Shape.push_back(Position);
      }
      G->Shape.push_back(-1);
      G->Steps[M].push_back(std::move(R));
    }
  }
  return G;
}

std::uint64_t TStageHistory::TGroupIndex::Hash(const TDialecticalArgument* D) {
  const auto Key = reinterpret_cast<std::uintptr_t>(D) >> 4;
  return (Key * 0x9E3779B97F4A7C15ULL) >> 20;
}

int TStageHistory::TGroupIndex::PositionOf(const TDialecticalArgument* D) const {
  return static_cast<int>(
      Positions.Find(Hash(D), [D](const TDialecticalArgument* E) { return E == D; }));
}

void TStageHistory::TGroupIndex::Add(const TDialecticalArgument* D) {
  Positions.Insert(Hash(D), D);
}

// Every (member, set of the group's connections used on the way to it) that a branch from a
// member meets gets one dialectical argument.
void TStageHistory::ExpandCycleGroup(TCycleGroup& G,
                                     const std::function<PDialecticalArgument(int)>& ChildTree,
                                     std::size_t Allowance, TGroupIndex* Index) const {
  const auto PositionOf = [&G](int Node) -> int {
    if (Node < 0) return -1;
    const auto It = std::lower_bound(G.Members.begin(), G.Members.end(), Node);
    return It != G.Members.end() && *It == Node ? static_cast<int>(It - G.Members.begin()) : -1;
  };
  TExpansionSteps Walk;
  for (const std::vector<TStepRecipe>& Recipes : G.Steps) {
    for (const TStepRecipe& R : Recipes) {
      Walk.AddStep(R.Bit);
      const TConnection& K = ConnectionList[static_cast<std::size_t>(R.Connection)];
      for (int Slot = 0; Slot < SlotCount(R); ++Slot) {
        const int P = PositionOf(SlotNode(K, R, Slot));
        if (P >= 0) Walk.AddChild(P);
      }
    }
    Walk.EndMember();
  }
  struct TBuilt {
    PDialecticalArgument D;
    std::uint32_t Position;
  };
  TUsedSetExpansion<TBuilt> Expansion(G.Bits);
  const std::size_t Words = Expansion.WordCount();
  const std::size_t MemberWords = (G.Members.size() + 63) / 64;
  if (Index) {
    Index->SetWords = Words;
    Index->MemberWords = MemberWords;
  }

  // A step whose warrant, exceptions and undercutter warrants all lie outside the group is the
  // same in every dialectical argument of its member that has it: without an index (when nobody
  // counts the comparisons) it is built once and shared, which saves most of the objects of a
  // group whose connections carry exceptions from outside.
  std::vector<char> Shareable;
  std::vector<PStep> SharedSteps;
  if (!Index) {
    Shareable.assign(static_cast<std::size_t>(G.Bits), 0);
    SharedSteps.resize(static_cast<std::size_t>(G.Bits));
    for (const std::vector<TStepRecipe>& Recipes : G.Steps)
      for (const TStepRecipe& R : Recipes) {
        const TConnection& K = ConnectionList[static_cast<std::size_t>(R.Connection)];
        bool Outside = true;
        for (int Slot = 1; Slot < SlotCount(R) && Outside; ++Slot)
          Outside = PositionOf(SlotNode(K, R, Slot)) < 0;
        Shareable[static_cast<std::size_t>(R.Bit)] = Outside;
      }
  }

  // The dialectical argument of member M with Set used, its children all built; with an index,
  // also what the comparisons need of it: its own, and what its children in the group hold.
  const auto Build = [&](int M, const std::uint64_t* Set) -> TBuilt {
    if (Expansion.Size() >= Allowance)
      throw TEvaluationLimitReached(TEvaluationLimitReached::TKind::DialecticalArguments,
                                    Context.Limits.DialecticalArguments);
    const auto Position = static_cast<std::uint32_t>(Expansion.Size());
    const std::vector<TStepRecipe>& Recipes = G.Steps[static_cast<std::size_t>(M)];
    int Open = 0;
    for (const TStepRecipe& R : Recipes)
      Open += Expansion.Has(Set, R.Bit) ? 0 : 1;
    auto D = std::make_shared<TDialecticalArgument>();
    D->Conclusion =
        NodeList[static_cast<std::size_t>(G.Members[static_cast<std::size_t>(M)])].Statement;
    if (Open > 0) {
      D->Steps.Reserve(Open);
      D->InitialDialecticalArguments.Reserve(Open);
    }
    std::uint64_t* Steps = nullptr;
    std::uint64_t* Members = nullptr;
    if (Index) {
      Index->Used.insert(Index->Used.end(), Set, Set + Words);
      Index->Steps.resize(Index->Steps.size() + Words);
      Index->Members.resize(Index->Members.size() + MemberWords);
      Steps = &Index->Steps[Position * Words];
      Members = &Index->Members[Position * MemberWords];
      Members[M / 64] |= std::uint64_t{1} << (M % 64);
    }
    for (const TStepRecipe& R : Recipes) {
      if (Expansion.Has(Set, R.Bit)) continue;
      const std::uint64_t* ChildSet = Expansion.With(Set, R.Bit);
      if (Steps) Steps[R.Bit / 64] |= std::uint64_t{1} << (R.Bit % 64);
      const auto Child = [&](int Node) -> PDialecticalArgument {
        const int P = PositionOf(Node);
        if (P < 0) return ChildTree(Node);
        const TBuilt& Built = *Expansion.Find(P, ChildSet);
        if (Steps) {
          for (std::size_t I = 0; I < Words; ++I)
            Steps[I] |= Index->Steps[Built.Position * Words + I];
          for (std::size_t I = 0; I < MemberWords; ++I)
            Members[I] |= Index->Members[Built.Position * MemberWords + I];
        }
        return Built.D;
      };
      const TConnection& K = ConnectionList[static_cast<std::size_t>(R.Connection)];
      const TReasonConclusion& C = *K.Connection;
      D->InitialDialecticalArguments.Add(Child(K.Reason));
      PStep* Shared = nullptr;
      if (!SharedSteps.empty() && Shareable[static_cast<std::size_t>(R.Bit)]) {
        Shared = &SharedSteps[static_cast<std::size_t>(R.Bit)];
        if (*Shared) {
          D->Steps.Add(*Shared);
          continue;
        }
      }
      auto T = std::make_shared<TStep>();
      T->Conclusion = D->Conclusion;
      T->Reason = C.Reason;
      T->ConnectionKind = C.ConnectionKind;
      if (R.StepWarrantNode >= 0) {
        T->WarrantingDialecticalArgument = Child(R.StepWarrantNode);
        T->WarrantUnjustified =
            T->WarrantingDialecticalArgument->Status != TJustificationStatus::Justified;
      }
      for (int J = 0; J < R.Exceptions; ++J) {
        auto U = std::make_shared<TUndercutter>();
        U->Exception = C.Exceptions[J];
        U->Conclusion = T->Conclusion;
        U->Reason = T->Reason;
        const int W = R.UndercutterWarrantNodes[static_cast<std::size_t>(J)];
        if (W >= 0) {
          U->WarrantingDialecticalArgument = Child(W);
          U->WarrantUnjustified =
              U->WarrantingDialecticalArgument->Status != TJustificationStatus::Justified;
        }
        T->Undercutters.Add(std::move(U));
        T->UndercuttingDialecticalArguments.Add(
            Child(K.ExceptionNodes[static_cast<std::size_t>(J)]));
      }
      if (Shared) *Shared = T;
      D->Steps.Add(std::move(T));
    }
    D->Status = EvaluateDialecticalArgument(*D, G.Types[static_cast<std::size_t>(M)]);
    if (Index) Index->Add(D.get());
    return {std::move(D), Position};
  };

  G.Roots.assign(G.Members.size(), nullptr);
  Expansion.Expand(Walk, Build, [&G](int M, const TBuilt& Built) {
    G.Roots[static_cast<std::size_t>(M)] = Built.D;
  });
  G.Count = Expansion.Size();
}

void TStageHistory::CompareMembers(TCycleGroup& G, const TGroupIndex& Index,
                                   std::size_t Limit) const {
  const std::size_t N = G.Members.size();
  TGroupContainment Containment(Index, Limit);
  G.Contains.assign(N * N, 0);
  for (std::size_t A = 0; A < N; ++A) {
    for (std::size_t B = 0; B < N; ++B)
      G.Contains[A * N + B] = A == B || Containment.Contained(*G.Roots[A], *G.Roots[B]);
    Containment.Forget();
  }
}

}  // namespace palaver
