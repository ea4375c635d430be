// The recovery copy of an unsaved line: kept beside the settings file while the line has
// changes, offered back at the next start when the program ended without closing.

#include <filesystem>
#include <system_error>
#include <utility>

#include "controller/MainWindowCore.h"
#include "line/LineOfArgumentation.h"
#include "session/ProfileFile.h"
#include "session/ProgramState.h"
#include "session/UserActionLog.h"
#include "session/WholeFile.h"
#include "transcript/RecoveryFile.h"
#include "transcript/TranscriptFormat.h"

namespace palaver {

namespace fs = std::filesystem;

namespace {

constexpr const char* NewLineFileName = "New.lin";

bool IsDutch() {
  return State().Language == TLanguage::Dutch;
}

std::string RestoreQuestion(const std::string& FileName) {
  std::string Text =
      IsDutch() ? "Palaver is niet normaal afgesloten, en het betoog had niet bewaarde "
                  "veranderingen.\r\nWilt u het niet bewaarde betoog herstellen?"
                : "Palaver was not closed normally, and its line of argumentation had unsaved "
                  "changes.\r\nDo you want to restore the unsaved line of argumentation?";
  if (FileName != NewLineFileName)
    Text += (IsDutch() ? "\r\n\r\nBestand: " : "\r\n\r\nFile: ") + FileNamePart(FileName);
  return Text;
}

std::string CannotKeepMessage(const std::string& Path) {
  return IsDutch() ? "De niet bewaarde veranderingen kunnen niet in het herstelbestand " + Path +
                         " worden bewaard.\r\nAls Palaver onverwacht stopt, gaan ze verloren als "
                         "u ze niet bewaart."
                   : "The unsaved changes cannot be kept in the recovery file " + Path +
                         ".\r\nIf Palaver ends unexpectedly, they are lost unless you save them.";
}

std::string CannotReadMessage(const std::string& Path, const std::string& PutAside) {
  std::string Text =
      IsDutch() ? "Het herstelbestand " + Path +
                      " kan niet worden gelezen, dus het niet bewaarde betoog erin kan niet worden "
                      "hersteld."
                : "The recovery file " + Path +
                      " cannot be read, so the unsaved line of argumentation in it cannot be "
                      "restored.";
  if (!PutAside.empty())
    Text += IsDutch() ? "\r\nHet bestand heet nu " + PutAside + "."
                      : "\r\nThe file has been renamed to " + PutAside + ".";
  return Text;
}

// Moves an unreadable recovery file out of the way, so that it is reported once and not at every
// start, yet nothing in it is thrown away. The new name, or empty when it could not be renamed.
std::string PutAside(const std::string& Dir, const std::string& Path) {
  std::error_code Error;
  for (int Number = 0; Number < 1000; ++Number) {
    const std::string Name =
        (fs::path(Dir) / ("PalaverRecoveryUnreadable" + std::to_string(Number) + ".txt")).string();
    if (fs::exists(fs::symlink_status(Name, Error))) continue;
    fs::rename(Path, Name, Error);
    return Error ? std::string() : Name;
  }
  return {};
}

}  // namespace

void TMainWindowCore::StartRecovery(const std::string& ProgramDir) {
  RecoveryDirectory = ProgramDir;
  RecoverySlot = TRecoverySlot::ClaimFirstFree(ProgramDir);
  RecoveryFileWritten = false;
  RecoveryFailureReported = false;
}

std::string TMainWindowCore::RecoveryFilePath() const {
  return RecoverySlot ? RecoverySlot->RecoveryPath() : std::string();
}

void TMainWindowCore::KeepRecovery() {
  if (RecoveryDirectory.empty() || !State().LineOfArgumentation) return;
  const TLineOfArgumentation& Line = *State().LineOfArgumentation;
  if (!Line.Changed) {
    if (RecoveryFileWritten) {
      std::error_code Error;
      fs::remove(RecoverySlot->RecoveryPath(), Error);
      RecoveryFileWritten = false;
    }
    return;
  }
  if (RecoverySlot && ReplaceFileSafely(RecoverySlot->RecoveryPath(),
                                        RecoveryFileText(Line.FileName, LinesToSave()))) {
    RecoveryFileWritten = true;
    RecoveryFailureReported = false;
    return;
  }
  if (RecoveryFailureReported) return;
  RecoveryFailureReported = true;
  Platform.MessageBoxes().Warning(
      CannotKeepMessage(RecoverySlot ? RecoverySlot->RecoveryPath()
                                     : TRecoverySlot::RecoveryFileName(RecoveryDirectory, 0)));
}

void TMainWindowCore::OfferRecovery() {
  if (RecoveryDirectory.empty()) return;
  for (const int Number : TRecoverySlot::NumbersWithRecoveryFiles(RecoveryDirectory)) {
    if (RecoverySlot && Number == RecoverySlot->Number()) continue;
    if (OfferRecoveryFile(Number)) return;
  }
}

bool TMainWindowCore::OfferRecoveryFile(int Number) {
  // Held while the question is open, so that a second program starting now does not offer the
  // same line as well.
  const std::unique_ptr<TRecoverySlot> Left = TRecoverySlot::Claim(RecoveryDirectory, Number);
  if (!Left) return false;
  const std::string& Path = Left->RecoveryPath();
  std::error_code Error;
  if (!fs::exists(fs::symlink_status(Path, Error))) return false;

  const std::optional<std::string> Bytes = ReadWholeFile(Path);
  std::optional<TRecoveredLine> Recovered;
  if (Bytes) Recovered = ReadRecoveryFileText(*Bytes);
  if (!Recovered) {
    const std::string NewName = PutAside(RecoveryDirectory, Path);
    Platform.MessageBoxes().Warning(CannotReadMessage(Path, NewName));
    return false;
  }

  switch (Platform.MessageBoxes().Confirmation(RestoreQuestion(Recovered->FileName))) {
    case TAnswer::Yes: {
      LogUserAction("Message: Restore; Answer: Yes");
      ReplayFile(Recovered->FileName, std::move(Recovered->Lines));
      TLineOfArgumentation& Line = *State().LineOfArgumentation;
      if (Line.FileName == NewLineFileName)
        Platform.SetTitle(IsDutch() ? "Palaver - Nieuw betoog"
                                    : "Palaver - New line of argumentation");
      Line.Changed = true;
      // The line now lives in this program's own recovery file; the old one goes only once
      // that is written, so that a failure loses nothing.
      KeepRecovery();
      if (RecoveryFileWritten) fs::remove(Path, Error);
      return true;
    }
    case TAnswer::No:
      LogUserAction("Message: Restore; Answer: No");
      fs::remove(Path, Error);
      return true;
    default:
      // No answer (the program is being ended while the question is open): the file stays for
      // the next start.
      return true;
  }
}

}  // namespace palaver
