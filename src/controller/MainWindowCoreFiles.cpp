// New, Open, Append, Save, Save As, closing, and the save-changes question they share.

#include <utility>

#include "controller/MainWindowCore.h"
#include "session/ProcessMemory.h"
#include "session/ProgramState.h"
#include "session/UserActionLog.h"
#include "transcript/TranscriptFile.h"
#include "transcript/TranscriptFormat.h"

namespace palaver {

namespace {

// The name of a line that was never saved: Save turns into Save As while a line has it.
constexpr const char* NewLineFileName = "New.lin";

bool IsDutch() {
  return State().Language == TLanguage::Dutch;
}

}  // namespace

void TMainWindowCore::SetTitleFromFileName() {
  Platform.SetTitle("Palaver - " + FileNamePart(State().LineOfArgumentation->FileName));
}

std::vector<std::string> TMainWindowCore::LinesToSave() const {
  return TranscriptFileLines(*State().LineOfArgumentation, State().ForwardLines,
                             State().ForwardLinesAreRest);
}

void TMainWindowCore::WriteTranscriptFile(const std::string& Path) {
  SaveTranscriptFile(Path, LinesToSave());
}

void TMainWindowCore::ReplayFile(const std::string& FileName, std::vector<std::string> Lines) {
  ReplaceLine(FileName);
  Platform.SetTranscriptViewLines(std::move(Lines));
  SetTitleFromFileName();
  State().ForwardLines.clear();
  State().ForwardLinesAreRest = false;
  Platform.SetBackEnabled(false);
  Platform.SetForwardEnabled(false);
  InterpretTranscript();
  ReturnFreeMemory();
}

void TMainWindowCore::NewLineOfArgumentation() {
  ReplaceLine(NewLineFileName);
  RefreshCurrentView();
  Platform.SetTitle(IsDutch() ? "Palaver - Nieuw betoog" : "Palaver - New line of argumentation");
  State().ForwardLines.clear();
  State().ForwardLinesAreRest = false;
  Platform.SetBackEnabled(false);
  Platform.SetForwardEnabled(false);
  Platform.RecoveryDue();
  ReturnFreeMemory();
}

std::optional<TAnswer> TMainWindowCore::AskSaveChanges() {
  TLineOfArgumentation& Line = *State().LineOfArgumentation;
  if (!State().SavingAllowed || !Line.Changed) return std::nullopt;
  const TAnswer Answer = Platform.MessageBoxes().WarningYesNoCancel(
      IsDutch() ? "Wilt u de veranderingen \r\naan het huidige betoog bewaren?"
                : "Do you want to save the changes \r\nto the current line of argumentation?");
  switch (Answer) {
    case TAnswer::Yes:
      LogUserAction("Message: Save changes; Answer: Yes");
      // Cancelling the Save As dialog that Yes leads to keeps the changes: the command that
      // asked must not go on and discard them.
      return SaveLineOfArgumentation() ? TAnswer::Yes : TAnswer::Cancel;
    case TAnswer::No:
      // The changes are given up only once the command goes on: a cancelled or failed Open
      // keeps them, and the next command asks again.
      LogUserAction("Message: Save changes; Answer: No");
      return TAnswer::No;
    default:
      return TAnswer::Cancel;
  }
}

bool TMainWindowCore::SaveLineOfArgumentation() {
  TLineOfArgumentation& Line = *State().LineOfArgumentation;
  if (!State().SavingAllowed || !Line.Changed) return true;
  if (Line.FileName == NewLineFileName) return SaveLineOfArgumentationAs();
  LogUserAction("Save file: " + Line.FileName);
  WriteTranscriptFile(Line.FileName);
  Line.Changed = false;
  Platform.RecoveryDue();
  return true;
}

bool TMainWindowCore::SaveLineOfArgumentationAs() {
  const std::optional<std::string> Path =
      Platform.ExecuteSaveDialog(SaveDialogOptions(State().Language));
  if (!Path) return false;
  LogUserAction("Save file as: " + *Path);
  // A failed write throws before anything changes: name and Changed stay as they were.
  WriteTranscriptFile(*Path);
  TLineOfArgumentation& Line = *State().LineOfArgumentation;
  Line.FileName = *Path;
  Line.Changed = false;
  SetTitleFromFileName();
  Platform.RecoveryDue();
  return true;
}

bool TMainWindowCore::FormCloseQuery() {
  return AskSaveChanges() != TAnswer::Cancel;
}

void TMainWindowCore::LineClosed() {
  State().LineOfArgumentation->Changed = false;
  KeepRecovery();
}

void TMainWindowCore::New1Click() {
  LogUserAction("File new (menu)");
  if (AskSaveChanges() == TAnswer::Cancel) return;
  NewLineOfArgumentation();
}

void TMainWindowCore::Open1Click() {
  LogUserAction("File open (menu)");
  if (AskSaveChanges() == TAnswer::Cancel) return;
  const std::optional<std::string> Path =
      Platform.ExecuteOpenDialog(OpenDialogOptions(State().Language));
  if (!Path) return;
  OpenChosenFile(*Path);
}

bool TMainWindowCore::OpenNamedFile(const std::string& Path) {
  if (AskSaveChanges() == TAnswer::Cancel) return false;
  OpenChosenFile(Path);
  return true;
}

void TMainWindowCore::OpenChosenFile(const std::string& Path) {
  LogUserAction("Open file: " + Path);
  // Read before anything is replaced: a file that cannot be read leaves the current line, the
  // title and the controls as they were.
  std::vector<std::string> Lines = LoadTranscriptFile(Path);
  ReplayFile(Path, std::move(Lines));
  State().LineOfArgumentation->Changed = false;
  Platform.RecoveryDue();
}

void TMainWindowCore::Append1Click() {
  LogUserAction("File append (menu)");
  TFileDialogOptions Options = OpenDialogOptions(State().Language);
  Options.Title = "Append";
  const std::optional<std::string> Path = Platform.ExecuteOpenDialog(Options);
  if (!Path) return;
  LogUserAction("Append file: " + *Path);
  std::vector<std::string> Lines = LoadTranscriptFile(*Path);
  Platform.SetTranscriptViewLines(std::move(Lines));
  // The appended file's own forward lines are dropped; the current ones stay.
  std::vector<std::string> Kept = State().ForwardLines;
  const bool KeptRest = State().ForwardLinesAreRest;
  InterpretTranscript();
  std::vector<std::string> Forward;
  if (LastReplayStop) {
    // The file's moves that could not be made come next, before the current forward lines.
    for (const std::string& Line : State().ForwardLines) {
      if (Line == CurrentPositionKeyword) break;
      Forward.push_back(Line);
    }
  }
  Forward.insert(Forward.end(), Kept.begin(), Kept.end());
  State().ForwardLines = std::move(Forward);
  State().ForwardLinesAreRest = KeptRest;
  Platform.SetForwardEnabled(HoldsEntryKeyword(State().ForwardLines));
  Platform.RecoveryDue();
}

void TMainWindowCore::Save1Click() {
  LogUserAction("File save (menu)");
  SaveLineOfArgumentation();
}

void TMainWindowCore::SaveAs1Click() {
  LogUserAction("File save as (menu)");
  SaveLineOfArgumentationAs();
}

void TMainWindowCore::Exit1Click() {
  LogUserAction("File exit (menu)");
  Platform.CloseMainWindow();
}

}  // namespace palaver
