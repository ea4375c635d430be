#include "model/GroupContainment.h"

#include "model/EvaluationLimit.h"

namespace palaver {

namespace {

bool Subset(const std::uint64_t* A, const std::uint64_t* B, std::size_t Words) {
  for (std::size_t I = 0; I < Words; ++I)
    if ((A[I] & ~B[I]) != 0) return false;
  return true;
}

}  // namespace

template <class TCompute>
bool TGroupContainment::Remember(const void* A, const void* B, int Kind, const TCompute& Compute) {
  const TKey Key{A, B, Kind};
  const auto It = Memo.find(Key);
  if (It != Memo.end()) return It->second;
  if (Budget == 0)
    throw TEvaluationLimitReached(TEvaluationLimitReached::TKind::Comparisons, Limit);
  --Budget;
  const bool Result = Compute();
  Memo[Key] = Result;
  return Result;
}

bool TGroupContainment::Contained(const TDialecticalArgument& A, const TDialecticalArgument& B) {
  if (&A == &B) return true;
  const int PA = PositionOf(A);
  if (PA >= 0) {
    const int PB = PositionOf(B);
    if (PB < 0) return false;
    if (!Holds(PB, PA)) return false;
    if (A.Conclusion == B.Conclusion && FewerUsed(PB, PA)) return true;
  }
  return Remember(&A, &B, 0, [&] { return Final(A, B) || InNested(A, B); });
}

bool TGroupContainment::Holds(int PB, int PA) const {
  const std::size_t W = Index.SetWords;
  const std::size_t M = Index.MemberWords;
  return Subset(&Index.Steps[static_cast<std::size_t>(PA) * W],
                &Index.Steps[static_cast<std::size_t>(PB) * W], W) &&
         Subset(&Index.Members[static_cast<std::size_t>(PA) * M],
                &Index.Members[static_cast<std::size_t>(PB) * M], M);
}

bool TGroupContainment::FewerUsed(int PB, int PA) const {
  const std::size_t W = Index.SetWords;
  return Subset(&Index.Used[static_cast<std::size_t>(PB) * W],
                &Index.Used[static_cast<std::size_t>(PA) * W], W);
}

bool TGroupContainment::InNested(const TDialecticalArgument& A, const TDialecticalArgument& B) {
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

bool TGroupContainment::WarrantsFinal(const PDialecticalArgument& A,
                                      const PDialecticalArgument& B) {
  if (!A) return true;
  return B && Final(*A, *B);
}

bool TGroupContainment::UndercutterMatches(const TStep& SA, int K, const TStep& SB) {
  const PDialecticalArgument& E = SA.UndercuttingDialecticalArguments[K];
  const PDialecticalArgument& W = SA.Undercutters[K]->WarrantingDialecticalArgument;
  for (int L = 0; L < SB.Undercutters.Count(); ++L)
    if (SB.UndercuttingDialecticalArguments[L] == E &&
        SB.Undercutters[L]->WarrantingDialecticalArgument == W)
      return true;
  for (int L = 0; L < SB.Undercutters.Count(); ++L)
    if (Final(*E, *SB.UndercuttingDialecticalArguments[L]) &&
        WarrantsFinal(W, SB.Undercutters[L]->WarrantingDialecticalArgument))
      return true;
  return false;
}

bool TGroupContainment::StepMatches(const TStep& SA, const TStep& SB) {
  if (&SA == &SB) return true;
  if (SA.Conclusion != SB.Conclusion || SA.Reason != SB.Reason) return false;
  return Remember(&SA, &SB, 2, [&] {
    if (!WarrantsFinal(SA.WarrantingDialecticalArgument, SB.WarrantingDialecticalArgument))
      return false;
    for (int K = 0; K < SA.Undercutters.Count(); ++K)
      if (!UndercutterMatches(SA, K, SB)) return false;
    return true;
  });
}

bool TGroupContainment::Final(const TDialecticalArgument& A, const TDialecticalArgument& B) {
  if (&A == &B) return true;
  if (A.Conclusion != B.Conclusion) return false;
  const int PA = PositionOf(A);
  const int PB = PA >= 0 ? PositionOf(B) : -1;
  if (PA >= 0 && PB >= 0) {
    if (FewerUsed(PB, PA)) return true;
    if (!Holds(PB, PA)) return false;
  }
  return Remember(&A, &B, 1, [&] {
    for (const PStep& SA : A.Steps) {
      bool Found = false;
      for (const PStep& SB : B.Steps)
        if ((Found = StepMatches(*SA, *SB))) break;
      if (!Found) return false;
    }
    for (const PDialecticalArgument& Initial : A.InitialDialecticalArguments) {
      bool Found = false;
      for (const PDialecticalArgument& Other : B.InitialDialecticalArguments)
        if ((Found = Other == Initial)) break;
      for (int I = 0; !Found && I < B.InitialDialecticalArguments.Count(); ++I)
        Found = Contained(*Initial, *B.InitialDialecticalArguments[I]);
      if (!Found) return false;
    }
    return true;
  });
}

}  // namespace palaver
