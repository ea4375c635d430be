#include <string>

#include "model/ArgumentationStage.h"
#include "model/WarrantSentences.h"

namespace palaver {

namespace {

PDialecticalArgument NewDialecticalArgument(const TArgumentationStage& Stage, const PStatement& S,
                                            const TReasonConclusions& L) {
  auto D = std::make_shared<TDialecticalArgument>();
  Stage.ComputeDialecticalArgument(S, *D, L);
  return D;
}

}  // namespace

void TArgumentationStage::RecomputeDialecticalArguments() {
  DialecticalArguments.Clear();
  MaximalDialecticalArguments.Clear();
  for (const PStatement& S : Statements)
    DialecticalArguments.Add(NewDialecticalArgument(*this, S, ReasonConclusions));

  // Only the pairs named here are compared: later elements, and the ones already selected. An
  // earlier element that was not selected is never looked at again. Each search stops at its
  // first hit, but both are made.
  const int Count = DialecticalArguments.Count();
  for (int I = 0; I < Count; ++I) {
    const TDialecticalArgument& D = *DialecticalArguments[I];
    bool InLater = false;
    for (int J = I + 1; J < Count && !InLater; ++J)
      InLater = IsProperlyContainedIn(D, *DialecticalArguments[J]);
    bool InSelected = false;
    for (int K = 0; K < MaximalDialecticalArguments.Count() && !InSelected; ++K)
      InSelected = IsProperlyContainedIn(D, *MaximalDialecticalArguments[K]);
    if (!InLater && !InSelected) MaximalDialecticalArguments.Add(DialecticalArguments[I]);
  }

  // The statements are shared with older stages, which therefore show these statuses too.
  for (int I = 0; I < Statements.Count(); ++I) {
    const TJustificationStatus Status = DialecticalArguments[I]->Status;
    if (Status == TJustificationStatus::Justified || Status == TJustificationStatus::Unjustified)
      DialecticalArguments[I]->Conclusion->JustificationStatus = Status;
  }
}

// Every branch works on its own copy of the connections, less the one it has used, so no branch
// uses a connection twice and cycles end. Warrant statements are looked up among all statements
// of the stage, reachable or not, in the stage's language.
void TArgumentationStage::ComputeDialecticalArgument(const PStatement& S, TDialecticalArgument& D,
                                                     const TReasonConclusions& L) const {
  const TLanguage Language = Evaluation.Language;
  D.Conclusion = S;
  for (const PReasonConclusion& C : L) {
    if (C->Conclusion->Sentence != S->Sentence) continue;
    TReasonConclusions Rest;
    Rest.Assign(L);
    Rest.Remove(C.get());

    auto T = std::make_shared<TStep>();
    T->Conclusion = S;
    T->Reason = C->Reason;
    T->ConnectionKind = C->ConnectionKind;
    D.Steps.Add(T);
    D.InitialDialecticalArguments.Add(NewDialecticalArgument(*this, C->Reason, Rest));

    PStatement W;
    const std::string StepWarrant = StepWarrantSentence(
        T->Reason->Sentence, T->Conclusion->Sentence, T->ConnectionKind, Language);
    if (SentenceIsStatementSentence(StepWarrant, W)) {
      T->WarrantingDialecticalArgument = NewDialecticalArgument(*this, W, Rest);
      T->WarrantUnjustified =
          T->WarrantingDialecticalArgument->Status != TJustificationStatus::Justified;
    }

    for (const PStatement& X : C->Exceptions) {
      auto U = std::make_shared<TUndercutter>();
      U->Exception = X;
      U->Conclusion = T->Conclusion;
      U->Reason = T->Reason;
      T->Undercutters.Add(U);
      const std::string UndercutterWarrant = UndercutterWarrantSentence(
          X->Sentence, T->Reason->Sentence, T->Conclusion->Sentence, Language);
      if (SentenceIsStatementSentence(UndercutterWarrant, W)) {
        U->WarrantingDialecticalArgument = NewDialecticalArgument(*this, W, Rest);
        U->WarrantUnjustified =
            U->WarrantingDialecticalArgument->Status != TJustificationStatus::Justified;
      }
      T->UndercuttingDialecticalArguments.Add(NewDialecticalArgument(*this, X, Rest));
    }
  }
  ComputeStatusDialecticalArgument(D);
}

// Bottom-up: the nested dialectical arguments are evaluated again on the way (they were already
// evaluated when built, and give the same values). The WarrantUnjustified flags were set when the
// tree was built and are only read here.
void TArgumentationStage::ComputeStatusDialecticalArgument(TDialecticalArgument& D) const {
  if (D.Conclusion->StatementType == TStatementType::Assumption) {
    // Whatever is said against an assumption, it stays justified.
    D.Status = TJustificationStatus::Justified;
    return;
  }
  if (D.Conclusion->StatementType != TStatementType::Issue) return;

  D.Status = TJustificationStatus::Unjustified;
  for (int I = 0; I < D.Steps.Count(); ++I) {
    TStep& T = *D.Steps[I];
    if (T.WarrantingDialecticalArgument)
      ComputeStatusDialecticalArgument(*T.WarrantingDialecticalArgument);
    if (T.WarrantUnjustified) continue;

    TDialecticalArgument& R = *D.InitialDialecticalArguments[I];
    ComputeStatusDialecticalArgument(R);
    if (R.Status != TJustificationStatus::Justified) continue;

    bool Undercut = false;
    for (int J = 0; J < T.Undercutters.Count(); ++J) {
      TUndercutter& U = *T.Undercutters[J];
      if (U.WarrantingDialecticalArgument)
        ComputeStatusDialecticalArgument(*U.WarrantingDialecticalArgument);
      if (U.WarrantUnjustified) continue;
      TDialecticalArgument& E = *T.UndercuttingDialecticalArguments[J];
      ComputeStatusDialecticalArgument(E);
      if (E.Status == TJustificationStatus::Justified) Undercut = true;
    }
    // Later steps are still visited, but none of them takes the status back.
    if (!Undercut) D.Status = TJustificationStatus::Justified;
  }
}

}  // namespace palaver
