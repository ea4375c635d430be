#pragma once

#include <memory>
#include <string>
#include <utility>

#include "model/Argument.h"
#include "model/DialecticalArgument.h"
#include "model/EvaluationContext.h"
#include "model/Statement.h"

namespace palaver {

class TArgumentationStage;
using PArgumentationStage = std::shared_ptr<TArgumentationStage>;
using TArgumentationStages = TObjectList<TArgumentationStage>;

// One state of the argumentation. A stage is complete when the move that built it returns; its
// lists never change afterwards. Moves build a new stage and leave this one's lists as they were,
// but the statement and connection objects are shared, so a re-typed statement or an added
// exception is seen by every stage that holds the object.
class TArgumentationStage {
 public:
  TArgumentationStage() = default;
  explicit TArgumentationStage(TEvaluationContext Context) : Evaluation(std::move(Context)) {}

  // In order of first entry; no two with equal sentences.
  TStatements Statements;
  // In order of entry; no two the same connection.
  TReasonConclusions ReasonConclusions;
  // One per statement, at the statement's index.
  TDialecticalArguments DialecticalArguments;
  // The dialectical arguments not properly contained in another, in list order.
  TDialecticalArguments MaximalDialecticalArguments;
  TArguments Arguments;

  // --- Look-ups and numbering -------------------------------------------------------------
  bool IsNewStatement(const TStatement& S) const;
  bool IsNewStatement(const TStatement& S, PStatement& Existing) const;
  bool IsNewReasonConclusion(const TReasonConclusion& C) const;
  bool IsNewReasonConclusion(const TReasonConclusion& C, PReasonConclusion& Existing) const;
  bool SentenceIsStatementSentence(const std::string& Sentence, PStatement& Statement) const;
  std::string GetNewId() const;
  void AttachIds(TReasonConclusion& C) const;
  void ComputeStatuses() {}
  void CleanUp() {}

  // --- Arguments ---------------------------------------------------------------------------
  void RecomputeArguments();
  bool IsFinalConclusion(const TStatement& S, const TReasonConclusions& L) const;
  bool OccursInArgument(const TStatement& S, const TArguments& List) const;
  void ComputeSupportingArguments(const PStatement& S, TArguments& P,
                                  const TReasonConclusions& L) const;
  bool IsArgument(const TArgument& A) const;
  bool IsInitial(const TArgument& A) const;
  bool IsNarrowing(const TArgument& A) const;
  void ComputeDefeatStatus(TArgument&) const {}
  void ResetDefeatStatus(TArgument& A) const;
  bool StepIsWarranted(const TStatement& C, const TArgument& A) const;
  bool IsExceptionAttack(const TArgument& A, TArgument& E) const;

  // --- Dialectical arguments and statuses ---------------------------------------------------
  void RecomputeDialecticalArguments();
  void ComputeDialecticalArgument(const PStatement& S, TDialecticalArgument& D,
                                  const TReasonConclusions& L) const;
  void ComputeStatusDialecticalArgument(TDialecticalArgument& D) const;
  bool IsFinal(const TDialecticalArgument& A, const TDialecticalArgument& B) const;
  bool IsContainedIn(const TDialecticalArgument& A, const TDialecticalArgument& B) const;
  bool IsProperlyContainedIn(const TDialecticalArgument& A, const TDialecticalArgument& B) const;
  void ComputeJustificationStatus() {}
  void SupportedByUndefeatedArgument() {}
  bool IsException(const TStatement& S, const TReasonConclusions& L) const;
  bool OccursInDialArguments(const TStatement& S, const TDialecticalArguments& List) const;
  bool OccursInSteps(const TStatement& S, const TSteps& Steps) const;
  bool OccursInUndercutters(const TStatement& S, const TUndercutters& Undercutters) const;

  // --- Moves: each returns a new stage and leaves this stage's lists unchanged --------------
  // The new stage is evaluated with Context; without one, with this stage's.
  PArgumentationStage DoStatementMove(const PStatement& S, const TEvaluationContext& Context) const;
  PArgumentationStage DoReasonConclusionMove(const PReasonConclusion& C,
                                             const TEvaluationContext& Context) const;
  // C carries the exception at index 0 of its Exceptions.
  PArgumentationStage DoExceptionMove(const PReasonConclusion& C,
                                      const TEvaluationContext& Context) const;
  PArgumentationStage DoStatementMove(const PStatement& S) const {
    return DoStatementMove(S, Evaluation);
  }
  PArgumentationStage DoReasonConclusionMove(const PReasonConclusion& C) const {
    return DoReasonConclusionMove(C, Evaluation);
  }
  PArgumentationStage DoExceptionMove(const PReasonConclusion& C) const {
    return DoExceptionMove(C, Evaluation);
  }
  void DoProsConsMove() {}

  // The language this stage is evaluated in; the straightforward model has no limits and keeps
  // no count of status writes.
  const TEvaluationContext& Context() const { return Evaluation; }
  // The straightforward model evaluates every stage at its move, keeps every list it has worked
  // out, has no limit, and never takes a move back: a rebuild replays every move.
  void EvaluateNow() {}
  bool IsWholeLineFor(const TEvaluationContext&) const { return false; }
  void TakeBackLaterMoves() {}
  void Discard() {}
  void ReleaseComputedLists() {}
  std::size_t CycleGroupArguments() const { return 0; }

 private:
  TEvaluationContext Evaluation;
};

}  // namespace palaver
