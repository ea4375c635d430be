#include "controller/HeadlessPlatform.h"

#include <utility>

namespace palaver {

TAnswer TScriptedMessageBoxes::Ask(TKind Kind, const std::string& Text) {
  Shown.push_back({Kind, Text});
  if (Answers.empty()) return DefaultAnswer;
  const TAnswer Answer = Answers.front();
  Answers.pop_front();
  return Answer;
}

void TScriptedMessageBoxes::Warning(const std::string& Text) {
  Shown.push_back({TKind::Warning, Text});
}

TAnswer TScriptedMessageBoxes::WarningYesNo(const std::string& Text) {
  return Ask(TKind::WarningYesNo, Text);
}

TAnswer TScriptedMessageBoxes::WarningYesNoCancel(const std::string& Text) {
  return Ask(TKind::WarningYesNoCancel, Text);
}

TAnswer TScriptedMessageBoxes::Confirmation(const std::string& Text) {
  return Ask(TKind::Confirmation, Text);
}

void TScriptedMessageBoxes::ShowError(const std::string& Message) {
  Shown.push_back({TKind::Error, Message});
}

namespace {

std::optional<std::string> NextPath(std::deque<std::optional<std::string>>& Answers) {
  if (Answers.empty()) return std::nullopt;
  std::optional<std::string> Path = std::move(Answers.front());
  Answers.pop_front();
  return Path;
}

}  // namespace

std::optional<std::string> THeadlessPlatform::ExecuteOpenDialog(const TFileDialogOptions& Options) {
  OpenDialogsShown.push_back(Options);
  return NextPath(OpenDialogAnswers);
}

std::optional<std::string> THeadlessPlatform::ExecuteSaveDialog(const TFileDialogOptions& Options) {
  SaveDialogsShown.push_back(Options);
  return NextPath(SaveDialogAnswers);
}

void THeadlessPlatform::SetTranscriptViewLines(std::vector<std::string> Lines) {
  ViewLines = std::move(Lines);
}

void THeadlessPlatform::ShowProgressText(const std::string& FirstLine,
                                         const std::string& SecondLine) {
  ++ProgressShows;
  VisibleView = TViewButton::LineOfArgumentation;
  ViewLines = {FirstLine, SecondLine};
}

std::vector<std::string> THeadlessPlatform::TakeTranscriptViewLines(const std::string& FirstLine,
                                                                    const std::string& SecondLine) {
  std::vector<std::string> Lines = std::move(ViewLines);
  ShowProgressText(FirstLine, SecondLine);
  return Lines;
}

void THeadlessPlatform::AddProgressDot() {
  if (ViewLines.size() < 2) ViewLines.resize(2);
  ViewLines[1] += '.';
}

void THeadlessPlatform::ShowDiagram() {
  ++DiagramShows;
  ButtonDown = VisibleView = TViewButton::Arguments;
}

void THeadlessPlatform::ShowStatementsDiagram() {
  ++StatementsDiagramShows;
  ButtonDown = VisibleView = TViewButton::Statements;
}

void THeadlessPlatform::ShowTranscriptView() {
  ++TranscriptViewShows;
  ButtonDown = VisibleView = TViewButton::LineOfArgumentation;
}

}  // namespace palaver
