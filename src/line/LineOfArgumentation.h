#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "line/LineHost.h"
#include "model/ArgumentationStage.h"
#include "model/EvaluationContext.h"
#include "model/EvaluationLimit.h"
#include "model/ObjectList.h"
#include "model/Statement.h"

namespace palaver {

// One move of a line of argumentation: the stage it was made on, the stage it produced, and its
// entry in the transcript (the lines end with one empty line).
class TArgumentationMove {
 public:
  PArgumentationStage PreStage;
  PArgumentationStage PostStage;
  std::vector<std::string> Move;
};

using PArgumentationMove = std::shared_ptr<TArgumentationMove>;
using TArgumentationMoves = TObjectList<TArgumentationMove>;

// The history of one argumentation. Invariants: there is one stage more than there are moves;
// move k goes from stage k to stage k+1; CurrentStage is the last stage. The line only grows:
// Back, Forward and the deletions build a new line from an edited transcript instead.
//
// The objects handed to the moves are shared, so the caller may keep reading them afterwards
// (the dialogs read the sentences of a connection to build its warrant).
//
// Where its parts live: LineOfArgumentation.cpp the moves and the stages;
// LineOfArgumentationDeletions.cpp the deletions' checks and questions.
class TLineOfArgumentation {
 public:
  // A new line holds one empty stage; the host must outlive every call on the line. Its stages
  // are evaluated within Limits.
  explicit TLineOfArgumentation(TLineOfArgumentationHost& Host, TEvaluationLimits Limits = {});

  TArgumentationMoves ArgumentationMoves;
  TArgumentationStages ArgumentationStages;
  PArgumentationStage CurrentStage;
  // The line has changes that are not saved.
  bool Changed = false;
  // Full name of the transcript file; "New.lin" for a line that was never saved.
  std::string FileName;
  // Set when the last move asked of the line was not made because its stage would pass an
  // evaluation limit. The user is told at once, except during a replay, which stops there and
  // tells afterwards.
  std::optional<TEvaluationLimitReached> LimitReached;
  // What the line's stages are evaluated with: the line's limits, the program's language at the
  // time of each move (for the warrant sentences), and the line's own count of status writes.
  TEvaluationContext Evaluation;

  // True when the move was made. A sentence that is already there with the same type is
  // refused; with another type the user is asked whether to overrule it. Nothing is asked
  // while a transcript is replayed.
  bool DoStatementMove(const PStatement& S);
  // The connection's Reason and Conclusion carry the sentences and types of the move.
  void DoReasonConclusionMove(const PReasonConclusion& C);
  // As DoReasonConclusionMove, with the exception as the first element of C's Exceptions.
  void DoExceptionMove(const PReasonConclusion& C);

  // --- Replays ------------------------------------------------------------------------------
  // While a transcript is replayed into the line, its moves are made with Evaluation.Deferred:
  // they check the limits and are refused past them as ever, but only the stage the replay ends
  // on is evaluated, by this call (older stages when somebody reads them).
  void EvaluateCurrentStage();
  // True when a replay in Language of this line's transcript would make the very stages the
  // line holds: every move was evaluated in Language, with the line's limits, on one history
  // from the first move on.
  bool CanBeTakenOver(TLanguage Language) const;
  // True when move Index wrote these lines, and a connection it added has this kind (which the
  // lines do not say).
  bool MoveIs(int Index, const std::vector<std::string>& Lines, TConnectionKind Kind) const;
  // For a rebuild whose replay begins with this line's first Moves moves (CanBeTakenOver, MoveIs):
  // a new line holding those moves and their stages as they are, with what the later moves
  // changed in the shared objects put back. This line is left empty and its later stages are
  // discarded.
  std::shared_ptr<TLineOfArgumentation> TakeFirstMoves(int Moves);

  // The deletions ask first, then hand the work to the host's transcript deletion, which puts a
  // new line in place of this one. True when the deletion was carried out; the caller must hold
  // its own reference to this line for the length of the call and use the program's current
  // line afterwards.
  bool DeleteStatement(const TStatement& S);
  bool DeleteReasonConclusion(const TReasonConclusion& C);
  bool DeleteException(const TReasonConclusion& C);

 private:
  void RecordMove(const PArgumentationStage& NewStage, std::vector<std::string> Lines);
  // Runs the stage move; null, with LimitReached set (and said), when it passed a limit.
  template <class TStageMove>
  PArgumentationStage MakeStage(const TStageMove& StageMove);
  // Asks a Yes/No confirmation and logs the answer under Subject; true on Yes.
  bool ConfirmOverruling(const std::string& Question, const std::string& Subject);
  // The common course of a deletion once the thing is known to exist.
  bool AskDeletion(const std::string& Question, const char* ActionText);

  TLineOfArgumentationHost* Host;
};

using PLineOfArgumentation = std::shared_ptr<TLineOfArgumentation>;

}  // namespace palaver
