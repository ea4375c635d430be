#include "model/ArgumentationStage.h"

namespace palaver {

namespace {

// The new stage starts with the old stage's lists, sharing their objects; the old lists are never
// touched again.
void CopyLists(const TArgumentationStage& From, TArgumentationStage& To) {
  To.Arguments.Assign(From.Arguments);
  To.Statements.Assign(From.Statements);
  To.ReasonConclusions.Assign(From.ReasonConclusions);
}

// Replaces End by the stage's statement with the same sentence, when there is one.
void UseStageStatement(const TArgumentationStage& Stage, PStatement& End) {
  PStatement Own;
  if (Stage.SentenceIsStatementSentence(End->Sentence, Own)) End = Own;
}

}  // namespace

PArgumentationStage TArgumentationStage::DoStatementMove(const PStatement& S,
                                                         const TEvaluationContext& Context) const {
  auto New = std::make_shared<TArgumentationStage>(Context);
  CopyLists(*this, *New);
  PStatement Existing;
  if (IsNewStatement(*S, Existing)) {
    // Numbered against this stage, before S joins the new one.
    S->Id = GetNewId();
    New->Arguments.Add(std::make_shared<TArgument>(S));
    New->Statements.Add(S);
  } else {
    // The existing object is shared with older stages, which see the new type as well.
    Existing->Sentence = S->Sentence;
    Existing->StatementType = S->StatementType;
  }
  New->RecomputeDialecticalArguments();
  New->ComputeStatuses();
  return New;
}

PArgumentationStage TArgumentationStage::DoReasonConclusionMove(
    const PReasonConclusion& C, const TEvaluationContext& Context) const {
  TArgumentationStage Start(Context);
  CopyLists(*this, Start);
  // The conclusion first, so a new conclusion is numbered before a new reason.
  PArgumentationStage New =
      Start.DoStatementMove(C->Conclusion, Context)->DoStatementMove(C->Reason, Context);

  // Both ends become statements of the new stage: the old stage's object where the sentence was
  // there already, otherwise the object the statement moves above have just added. The new stage
  // is searched rather than the old one so that a new connection from a statement to itself ends
  // at one object at both ends, not at a second object outside the stage.
  UseStageStatement(*New, C->Reason);
  UseStageStatement(*New, C->Conclusion);

  PReasonConclusion Existing;
  if (IsNewReasonConclusion(*C, Existing)) {
    New->ReasonConclusions.Add(C);
  } else {
    // A repeated connection keeps its own kind and exceptions.
    Existing->Reason->StatementType = C->Reason->StatementType;
    Existing->Conclusion->StatementType = C->Conclusion->StatementType;
  }
  New->RecomputeArguments();
  New->RecomputeDialecticalArguments();
  New->ComputeStatuses();
  return New;
}

PArgumentationStage TArgumentationStage::DoExceptionMove(const PReasonConclusion& C,
                                                         const TEvaluationContext& Context) const {
  // Without an exception there is nothing to add but the connection itself.
  if (C->Exceptions.Empty()) return DoReasonConclusionMove(C, Context);

  TArgumentationStage Start(Context);
  CopyLists(*this, Start);
  PArgumentationStage New = Start.DoStatementMove(C->Exceptions[0], Context);

  PStatement Exception = C->Exceptions[0];
  for (const PStatement& P : Statements) {
    if (P->Sentence == Exception->Sentence) {
      Exception = P;
      break;
    }
  }
  C->Exceptions.Delete(0);
  C->Exceptions.Insert(0, Exception);

  // A new connection enters the stage here, carrying the exception.
  New = New->DoReasonConclusionMove(C, Context);

  PReasonConclusion Existing;
  if (!IsNewReasonConclusion(*C, Existing)) {
    // The existing connection is shared with older stages: they list the new exception too.
    PStatement Known;
    for (const PStatement& X : Existing->Exceptions) {
      if (X->Sentence == Exception->Sentence) {
        Known = X;
        break;
      }
    }
    if (Known)
      Known->StatementType = Exception->StatementType;
    else
      Existing->Exceptions.Add(Exception);
  }
  New->RecomputeDialecticalArguments();
  New->ComputeStatuses();
  return New;
}

}  // namespace palaver
