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
class TStageHistory;
using PArgumentationStage = std::shared_ptr<TArgumentationStage>;
using TArgumentationStages = TObjectList<TArgumentationStage>;

// One state of the argumentation. A stage is complete when the move that built it returns; its
// lists never change afterwards. Moves build a new stage and leave this one's lists as they were,
// but the statement and connection objects are shared, so a re-typed statement or an added
// exception is seen by every stage that holds the object.
//
// A stage made by a move belongs to the history of its line (TStageHistory), which carries the
// dialectical arguments over from one stage to the next and rebuilds only what a move changed.
// Its DialecticalArguments, MaximalDialecticalArguments and Arguments are worked out when they
// are first read, exactly as they were at the stage's move.
//
// A stage is evaluated with the context (language, limits) its move was given; a stage filled in
// by hand, with the one it was made with.
//
// Where its parts live: ArgumentationStage.cpp the look-ups, the numbering and the stage as part
// of its line; ArgumentationStageMoves.cpp the moves; ArgumentationStageArguments.cpp the
// arguments; ArgumentationStageDialectical.cpp the dialectical arguments and statuses;
// ArgumentationStageContainment.cpp containment.
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

  // The language, limits and status count this stage is evaluated with.
  const TEvaluationContext& Context() const { return Evaluation; }

  // Writes the statuses of a stage made by deferred moves into its statements, as its move
  // would have; does nothing for a stage whose move did so.
  void EvaluateNow();
  // True when this stage and all before it are the stages of one line of moves made from an
  // empty stage on and evaluated as moves with Context would evaluate them, so that a replay of
  // those moves with Context would make the very same stages.
  bool IsWholeLineFor(const TEvaluationContext& Context) const;
  // Makes this stage the newest of its line again (IsWholeLineFor must hold): what the later
  // moves changed in the shared objects (statement types, exception lists) is put back, and the
  // statements get this stage's statuses. The later stages must be discarded.
  void TakeBackLaterMoves();
  // The stage is no longer part of its line: its lists are emptied and it keeps nothing of the
  // line alive.
  void Discard();

  // A stage that is no longer the newest of its line need not keep its dialectical arguments
  // worked out: they are worked out again, the same, when read.
  void ReleaseComputedLists();
  // The distinct dialectical arguments the stage's statements on cycles of reasons hold between
  // them: what the evaluation limit counts.
  std::size_t CycleGroupArguments() const;

 private:
  friend class TStageHistory;

  TEvaluationContext Evaluation;
  // The history this stage is a version of, when a move made it or its dialectical arguments
  // were recomputed; none for a stage whose lists were filled by hand.
  std::shared_ptr<TStageHistory> History;
  int Version = 0;
  // The version the dialectical-argument lists' fillers were set for; -1 for none.
  int ListsVersion = -1;
  // The arguments as the last rebuild left them, and the elementary arguments that statement
  // moves have appended since, in order: a statement move's stage shows both.
  bool HasArgumentsBase = false;
  TArguments ArgumentsBase;
  TArguments AppendedArguments;

  // The stage's history when it is the newest stage of it and nothing has changed its lists or
  // the statements' types since; otherwise a new history built from this stage as it is now.
  std::shared_ptr<TStageHistory> HistoryForMove(const TEvaluationContext& Context) const;
  class TSharedChanges;
  // The statement move's entry into New, without its recomputation (the reason/conclusion and
  // exception moves recompute once, at the end). Returns the statement's index in New.
  int EnterStatement(TArgumentationStage& New, TStageHistory& History, const PStatement& S,
                     TSharedChanges& Changes) const;
  // The reason/conclusion move's entries into New, without its recomputation: C's conclusion
  // and reason, then C itself unless New holds that connection already. Returns the index of the
  // connection New held already, or -1.
  int EnterConnection(TArgumentationStage& New, TStageHistory& History, const PReasonConclusion& C,
                      TSharedChanges& Changes) const;
  void InheritArguments(TArgumentationStage& New) const;
  // The arguments as RecomputeArguments leaves them, worked out from the line's history when
  // they are first read.
  void RebuildArgumentsLater(std::shared_ptr<const TStageHistory> Line);
  // The dialectical arguments, the maximal ones and the statuses exactly as the computation
  // defines them, statement by statement: for a stage that a history cannot follow.
  void RecomputeTheLongWay();
};

}  // namespace palaver
