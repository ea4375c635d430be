// Containment of one dialectical argument in another, as the computation defines it, for
// TArgumentationStage.

#include "model/ArgumentationStage.h"

namespace palaver {

// Containment compares statement objects, not sentences: every dialectical argument of a stage
// refers to the stage's own statements, so the same statement is the same object throughout.

namespace {

bool WarrantsAreFinal(const TArgumentationStage& Stage, const PDialecticalArgument& A,
                      const PDialecticalArgument& B) {
  if (!A) return true;
  return B && Stage.IsFinal(*A, *B);
}

bool UndercutterMatches(const TArgumentationStage& Stage, const TStep& SA, int K, const TStep& SB) {
  const TUndercutter& UA = *SA.Undercutters[K];
  for (int L = 0; L < SB.Undercutters.Count(); ++L) {
    const TUndercutter& UB = *SB.Undercutters[L];
    if (Stage.IsFinal(*SA.UndercuttingDialecticalArguments[K],
                      *SB.UndercuttingDialecticalArguments[L]) &&
        WarrantsAreFinal(Stage, UA.WarrantingDialecticalArgument, UB.WarrantingDialecticalArgument))
      return true;
  }
  return false;
}

bool StepMatches(const TArgumentationStage& Stage, const TStep& SA, const TStep& SB) {
  if (SA.Conclusion != SB.Conclusion || SA.Reason != SB.Reason) return false;
  if (!WarrantsAreFinal(Stage, SA.WarrantingDialecticalArgument, SB.WarrantingDialecticalArgument))
    return false;
  for (int K = 0; K < SA.Undercutters.Count(); ++K)
    if (!UndercutterMatches(Stage, SA, K, SB)) return false;
  return true;
}

bool ContainedInSome(const TArgumentationStage& Stage, const TDialecticalArgument& A,
                     const TDialecticalArguments& List) {
  for (const PDialecticalArgument& B : List)
    if (Stage.IsContainedIn(A, *B)) return true;
  return false;
}

bool OccursInOne(const TStatement& S, const PDialecticalArgument& D,
                 const TArgumentationStage& Stage) {
  if (!D) return false;
  TDialecticalArguments One;
  One.Add(D);
  return Stage.OccursInDialArguments(S, One);
}

}  // namespace

// A sits at the root of B: same conclusion, each of A's steps (with its warrant and undercutters)
// found among B's, and each of A's reason arguments contained in one of B's.
bool TArgumentationStage::IsFinal(const TDialecticalArgument& A,
                                  const TDialecticalArgument& B) const {
  if (A.Conclusion != B.Conclusion) return false;
  for (const PStep& SA : A.Steps) {
    bool Found = false;
    for (const PStep& SB : B.Steps) {
      if (StepMatches(*this, *SA, *SB)) {
        Found = true;
        break;
      }
    }
    if (!Found) return false;
  }
  for (const PDialecticalArgument& Initial : A.InitialDialecticalArguments)
    if (!ContainedInSome(*this, *Initial, B.InitialDialecticalArguments)) return false;
  return true;
}

bool TArgumentationStage::IsContainedIn(const TDialecticalArgument& A,
                                        const TDialecticalArgument& B) const {
  if (IsFinal(A, B)) return true;
  for (const PStep& T : B.Steps) {
    if (T->WarrantingDialecticalArgument && IsContainedIn(A, *T->WarrantingDialecticalArgument))
      return true;
    for (int J = 0; J < T->Undercutters.Count(); ++J) {
      const PDialecticalArgument& Warrant = T->Undercutters[J]->WarrantingDialecticalArgument;
      if (Warrant && IsContainedIn(A, *Warrant)) return true;
      if (IsContainedIn(A, *T->UndercuttingDialecticalArguments[J])) return true;
    }
  }
  return ContainedInSome(*this, A, B.InitialDialecticalArguments);
}

bool TArgumentationStage::IsProperlyContainedIn(const TDialecticalArgument& A,
                                                const TDialecticalArgument& B) const {
  return IsContainedIn(A, B) && !IsContainedIn(B, A);
}

bool TArgumentationStage::IsException(const TStatement& S, const TReasonConclusions& L) const {
  for (const PReasonConclusion& C : L)
    for (const PStatement& X : C->Exceptions)
      if (X->Sentence == S.Sentence) return true;
  return false;
}

bool TArgumentationStage::OccursInDialArguments(const TStatement& S,
                                                const TDialecticalArguments& List) const {
  for (const PDialecticalArgument& D : List) {
    if (D->Conclusion.get() == &S || OccursInSteps(S, D->Steps) ||
        OccursInDialArguments(S, D->InitialDialecticalArguments))
      return true;
  }
  return false;
}

bool TArgumentationStage::OccursInSteps(const TStatement& S, const TSteps& Steps) const {
  for (const PStep& T : Steps) {
    if (T->Conclusion.get() == &S || T->Reason.get() == &S ||
        OccursInOne(S, T->WarrantingDialecticalArgument, *this) ||
        OccursInUndercutters(S, T->Undercutters) ||
        OccursInDialArguments(S, T->UndercuttingDialecticalArguments))
      return true;
  }
  return false;
}

bool TArgumentationStage::OccursInUndercutters(const TStatement& S,
                                               const TUndercutters& Undercutters) const {
  for (const PUndercutter& U : Undercutters) {
    if (U->Exception.get() == &S || U->Conclusion.get() == &S || U->Reason.get() == &S ||
        OccursInOne(S, U->WarrantingDialecticalArgument, *this))
      return true;
  }
  return false;
}

}  // namespace palaver
