#include "controller/MainWindowCore.h"

#include <utility>

#include "session/ProgramState.h"
#include "session/UserActionLog.h"
#include "transcript/TranscriptFormat.h"

namespace palaver {

TMainWindowCore::TMainWindowCore(TMainWindowPlatform& Platform) : Platform(Platform) {
  // Every line the window works on is hosted by its core; start-up then resets it properly.
  if (!State().LineOfArgumentation) ReplaceLine("New.lin");
}

TMessageBoxes& TMainWindowCore::MessageBoxes() {
  return Platform.MessageBoxes();
}

void TMainWindowCore::SetEvaluationLimits(const TEvaluationLimits& NewLimits) {
  Limits = NewLimits;
  if (State().LineOfArgumentation) State().LineOfArgumentation->Evaluation.Limits = NewLimits;
}

void TMainWindowCore::ReplaceLine(const std::string& FileName) {
  auto Line = std::make_shared<TLineOfArgumentation>(*this, Limits);
  Line->FileName = FileName;
  State().LineOfArgumentation = std::move(Line);
}

void TMainWindowCore::EnableBackWhenMoves() {
  // Also after a refused move: what counts is that the line holds some move.
  if (!State().LineOfArgumentation->ArgumentationMoves.Empty()) Platform.SetBackEnabled(true);
}

// --- Moves ---------------------------------------------------------------------------------

// A move the user refused (by answering No to a question about it) adds no move to the line and
// has nothing to bring into sight; nor has a move of a replay, which shows nothing until its end.

void TMainWindowCore::RevealMove(const TMoveFocus& Focus) {
  if (State().RefreshViews) Platform.RevealMove(Focus);
}

bool TMainWindowCore::StatementMove(const PStatement& S) {
  const bool Made = State().LineOfArgumentation->DoStatementMove(S);
  RefreshCurrentView();
  EnableBackWhenMoves();
  if (Made) RevealMove({S->Sentence, {}, {}});
  Platform.RecoveryDue();
  return Made;
}

void TMainWindowCore::ReasonConclusionMove(const PReasonConclusion& C) {
  const int Moves = State().LineOfArgumentation->ArgumentationMoves.Count();
  State().LineOfArgumentation->DoReasonConclusionMove(C);
  EnableBackWhenMoves();
  RefreshCurrentView();
  if (State().LineOfArgumentation->ArgumentationMoves.Count() > Moves)
    RevealMove({C->Reason->Sentence, C->Conclusion->Sentence, {}});
  Platform.RecoveryDue();
}

void TMainWindowCore::ExceptionMove(const PReasonConclusion& C) {
  const int Moves = State().LineOfArgumentation->ArgumentationMoves.Count();
  State().LineOfArgumentation->DoExceptionMove(C);
  EnableBackWhenMoves();
  RefreshCurrentView();
  if (State().LineOfArgumentation->ArgumentationMoves.Count() > Moves && !C->Exceptions.Empty())
    RevealMove({C->Exceptions[0]->Sentence, C->Conclusion->Sentence, C->Reason->Sentence});
  Platform.RecoveryDue();
}

// --- Views ---------------------------------------------------------------------------------

void TMainWindowCore::RefreshCurrentView() {
  if (!State().RefreshViews) return;
  // Only the visible view buttons count: a list or the tree shown through a hidden button
  // gives way to the view of the visible button that is still down.
  switch (Platform.ViewButtonDown()) {
    case TViewButton::Statements:
      Platform.ShowStatementsDiagram();
      break;
    case TViewButton::Arguments:
      Platform.ShowDiagram();
      break;
    case TViewButton::LineOfArgumentation:
      ShowLineOfArgumentation();
      break;
    case TViewButton::None:
      break;
  }
}

void TMainWindowCore::ShowLineOfArgumentation() {
  RebuildTranscriptView();
  Platform.ShowTranscriptView();
}

void TMainWindowCore::RebuildTranscriptView() {
  Platform.SetTranscriptViewLines(TranscriptOfLine(*State().LineOfArgumentation));
}

// --- Deletions -----------------------------------------------------------------------------
// The line may replace itself in the program state during the call; the local reference keeps
// it alive until it returns.

bool TMainWindowCore::RemoveStatement(const TStatement& S) {
  const PLineOfArgumentation Line = State().LineOfArgumentation;
  const bool Removed = Line->DeleteStatement(S);
  RefreshCurrentView();
  return Removed;
}

bool TMainWindowCore::RemoveReasonConclusion(const TReasonConclusion& C) {
  const PLineOfArgumentation Line = State().LineOfArgumentation;
  const bool Removed = Line->DeleteReasonConclusion(C);
  RefreshCurrentView();
  return Removed;
}

bool TMainWindowCore::RemoveException(const TReasonConclusion& C) {
  const PLineOfArgumentation Line = State().LineOfArgumentation;
  const bool Removed = Line->DeleteException(C);
  RefreshCurrentView();
  return Removed;
}

// --- Click handlers ------------------------------------------------------------------------

void TMainWindowCore::BackButtonClick() {
  LogUserAction("Back (button)");
  StepBack();
}

void TMainWindowCore::Back2Click() {
  LogUserAction("Back (menu)");
  StepBack();
}

void TMainWindowCore::ForwardButtonClick() {
  LogUserAction("Forward (button)");
  StepForward();
}

void TMainWindowCore::Forward2Click() {
  LogUserAction("Forward (menu)");
  StepForward();
}

void TMainWindowCore::ViewLineOfArgumentationSpeedButtonClick() {
  LogUserAction("View line of arg. (button)");
  ShowLineOfArgumentation();
}

void TMainWindowCore::Lineofargumentation1Click() {
  LogUserAction("View line of arg. (menu)");
  ShowLineOfArgumentation();
}

void TMainWindowCore::ViewStatements2SpeedButtonClick() {
  LogUserAction("View statements (button)");
  Platform.ShowStatementsDiagram();
}

void TMainWindowCore::Statements1Click() {
  LogUserAction("View statements (menu)");
  Platform.ShowStatementsDiagram();
}

void TMainWindowCore::ViewDialArgsSpeedButtonClick() {
  LogUserAction("View arguments (button)");
  Platform.ShowDiagram();
}

void TMainWindowCore::Arguments1Click() {
  LogUserAction("View arguments (menu)");
  Platform.ShowDiagram();
}

void TMainWindowCore::ShowStructureOnlyClick() {
  LogUserAction("Options show structure only (menu)");
  Platform.SetShowStructureOnly(!Platform.ShowStructureOnly());
  RefreshCurrentView();
}

}  // namespace palaver
