// TLineOfArgumentation: its moves, its stages and the overruling and confirmation questions.

#include "line/LineOfArgumentation.h"

#include <new>
#include <utility>

#include "line/LineTexts.h"
#include "line/MoveLines.h"
#include "session/MessageBoxes.h"
#include "session/ProgramState.h"
#include "session/UserActionLog.h"

namespace palaver {

namespace {

// Appends the note for one statement of a connection move when the statement is already in
// the stage with another type; notes after the first go on a new line.
void AddOverrulingNote(const TArgumentationStage& Stage, const TStatement& S, TMoveRole Role,
                       bool InExceptionMove, std::string& Notes) {
  PStatement Existing;
  if (Stage.IsNewStatement(S, Existing) || Existing->StatementType == S.StatementType) return;
  if (!Notes.empty()) Notes += "\r\n";
  Notes += OverrulingNote(State().Language, Role, S.Sentence, InExceptionMove);
}

}  // namespace

TLineOfArgumentation::TLineOfArgumentation(TLineOfArgumentationHost& Host, TEvaluationLimits Limits)
    : Evaluation(TLanguage::English, Limits), Host(&Host) {
  CurrentStage = std::make_shared<TArgumentationStage>(Evaluation);
  ArgumentationStages.Add(CurrentStage);
}

template <class TStageMove>
PArgumentationStage TLineOfArgumentation::MakeStage(const TStageMove& StageMove) {
  LimitReached.reset();
  // The warrant sentences are those of the language the program speaks now.
  Evaluation.Language = State().Language;
  // A move the user makes is evaluated at once, whatever a replay left behind.
  if (State().InteractiveMoves) Evaluation.Deferred = false;
  try {
    return StageMove();
  } catch (const TEvaluationLimitReached& Limit) {
    LimitReached = Limit;
  } catch (const std::bad_alloc&) {
    LimitReached = TEvaluationLimitReached(TEvaluationLimitReached::TKind::Memory, 0);
  }
  // The stage move has put back what it changed: the line stays as it was.
  if (State().InteractiveMoves) {
    Host->MessageBoxes().Warning(EvaluationLimitText(State().Language, *LimitReached));
    LogUserAction(EvaluationLimitMessage);
  }
  return nullptr;
}

void TLineOfArgumentation::EvaluateCurrentStage() {
  Evaluation.Deferred = false;
  CurrentStage->EvaluateNow();
}

bool TLineOfArgumentation::CanBeTakenOver(TLanguage Language) const {
  TEvaluationContext Replay = Evaluation;
  Replay.Language = Language;
  return !ArgumentationMoves.Empty() && CurrentStage->IsWholeLineFor(Replay);
}

bool TLineOfArgumentation::MoveIs(int Index, const std::vector<std::string>& Lines,
                                  TConnectionKind Kind) const {
  const TArgumentationMove& M = *ArgumentationMoves[Index];
  if (M.Move != Lines) return false;
  // The entry does not say the kind of the connection the move added.
  const TReasonConclusions& Before = M.PreStage->ReasonConclusions;
  const TReasonConclusions& After = M.PostStage->ReasonConclusions;
  return After.Count() == Before.Count() || After[After.Count() - 1]->ConnectionKind == Kind;
}

std::shared_ptr<TLineOfArgumentation> TLineOfArgumentation::TakeFirstMoves(int Moves) {
  auto Line = std::make_shared<TLineOfArgumentation>(*Host, Evaluation.Limits);
  Line->Evaluation = Evaluation;
  Line->ArgumentationMoves.Clear();
  Line->ArgumentationStages.Clear();
  Line->ArgumentationMoves.Reserve(Moves);
  Line->ArgumentationStages.Reserve(Moves + 1);
  for (int I = 0; I < Moves; ++I)
    Line->ArgumentationMoves.Add(ArgumentationMoves[I]);
  for (int I = 0; I <= Moves; ++I)
    Line->ArgumentationStages.Add(ArgumentationStages[I]);
  Line->CurrentStage = ArgumentationStages[Moves];
  for (int I = Moves + 1; I < ArgumentationStages.Count(); ++I)
    ArgumentationStages[I]->Discard();
  ArgumentationMoves.Clear();
  ArgumentationStages.Clear();
  CurrentStage = nullptr;
  Line->CurrentStage->TakeBackLaterMoves();
  return Line;
}

void TLineOfArgumentation::RecordMove(const PArgumentationStage& NewStage,
                                      std::vector<std::string> Lines) {
  // The stage before is no longer shown: it need not keep its dialectical arguments worked out.
  CurrentStage->ReleaseComputedLists();
  auto Move = std::make_shared<TArgumentationMove>();
  Move->PreStage = CurrentStage;
  Move->PostStage = NewStage;
  Move->Move = std::move(Lines);
  ArgumentationMoves.Add(std::move(Move));
  ArgumentationStages.Add(NewStage);
  CurrentStage = NewStage;
  Changed = true;
}

bool TLineOfArgumentation::ConfirmOverruling(const std::string& Question,
                                             const std::string& Subject) {
  const bool Yes = Host->MessageBoxes().Confirmation(Question) == TAnswer::Yes;
  LogUserAction("Message: " + Subject + "; Answer: " + (Yes ? "Yes" : "No"));
  return Yes;
}

bool TLineOfArgumentation::DoStatementMove(const PStatement& S) {
  PStatement Existing;
  if (State().InteractiveMoves && !CurrentStage->IsNewStatement(*S, Existing)) {
    if (Existing->StatementType == S->StatementType) {
      Host->MessageBoxes().Warning(ReAddingStatementText(State().Language, S->Sentence));
      LogUserAction("Message: Re-adding statement");
      return false;
    }
    if (!ConfirmOverruling(StatementOverrulingQuestion(State().Language, S->Sentence),
                           "Statement type overruling"))
      return false;
  }
  PArgumentationStage NewStage =
      MakeStage([&] { return CurrentStage->DoStatementMove(S, Evaluation); });
  if (!NewStage) return false;
  RecordMove(NewStage, StatementMoveLines(*S));
  return true;
}

void TLineOfArgumentation::DoReasonConclusionMove(const PReasonConclusion& C) {
  // Nothing is asked while a transcript is replayed.
  std::string Notes;
  if (State().InteractiveMoves) {
    AddOverrulingNote(*CurrentStage, *C->Reason, TMoveRole::Reason, false, Notes);
    AddOverrulingNote(*CurrentStage, *C->Conclusion, TMoveRole::Conclusion, false, Notes);
  }
  if (!Notes.empty() &&
      !ConfirmOverruling(ReasonConclusionOverrulingQuestion(State().Language, Notes),
                         "Reason/conclusion type overruling"))
    return;
  PArgumentationStage NewStage =
      MakeStage([&] { return CurrentStage->DoReasonConclusionMove(C, Evaluation); });
  if (!NewStage) return;
  // The stage move may have swapped C's ends for the stage's own statements; the entry is
  // written from what C holds now, which carries the types this move gave them.
  RecordMove(NewStage, ReasonConclusionMoveLines(*C));
}

void TLineOfArgumentation::DoExceptionMove(const PReasonConclusion& C) {
  // An exception move without an exception has nothing to record; the stage move needs one.
  if (C->Exceptions.Empty()) return;
  std::string Notes;
  if (State().InteractiveMoves) {
    AddOverrulingNote(*CurrentStage, *C->Exceptions[0], TMoveRole::Exception, true, Notes);
    AddOverrulingNote(*CurrentStage, *C->Reason, TMoveRole::Reason, true, Notes);
    AddOverrulingNote(*CurrentStage, *C->Conclusion, TMoveRole::Conclusion, true, Notes);
  }
  if (!Notes.empty() && !ConfirmOverruling(ExceptionOverrulingQuestion(State().Language, Notes),
                                           "Exception/reason/conclusion type overruling"))
    return;
  PArgumentationStage NewStage =
      MakeStage([&] { return CurrentStage->DoExceptionMove(C, Evaluation); });
  if (!NewStage) return;
  RecordMove(NewStage, ExceptionMoveLines(*C));
}

}  // namespace palaver
