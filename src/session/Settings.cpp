#include "session/Settings.h"

#include "session/ProfileFile.h"
#include "session/ProgramState.h"

namespace palaver {

namespace {

std::string Read(const TProfileFile& File, const TSettingsKey& Key, const char* Default) {
  return File.ReadString(Key.Section, Key.Name, Default);
}

void Write(TProfileFile& File, const TSettingsKey& Key, const char* Value) {
  File.WriteString(Key.Section, Key.Name, Value);
}

// At close the keys are read with this default: a missing key then reads like the value
// "Default", which names no language, is not "On" and which SavingOk turns into "Yes".
constexpr const char* NotStored = "Default";

const char* LanguageWord(TLanguage Language) {
  return Language == TLanguage::Dutch ? "Dutch" : "English";
}

}  // namespace

TStartupSettings ReadStartupSettings(TProfileFile& File, const std::function<void()>& CreateLog) {
  using namespace SettingsKeys;
  auto& Program = State();

  Program.Language =
      Read(File, Language, Language.Default) == "Dutch" ? TLanguage::Dutch : TLanguage::English;

  Program.LoggingOn = Read(File, Logging, Logging.Default) == "On";
  if (Program.LoggingOn && CreateLog) CreateLog();

  Program.SavingAllowed = Read(File, SavingOk, SavingOk.Default) != "No";

  TStartupSettings Settings;
  if (auto Dir = Read(File, LinesOfArgDir, LinesOfArgDir.Default); Dir != "Default")
    Settings.InitialDirectory = std::move(Dir);
  return Settings;
}

void WriteClosingSettings(TProfileFile& File) {
  using namespace SettingsKeys;
  const auto& Program = State();

  const char* Word = LanguageWord(Program.Language);
  if (Read(File, Language, NotStored) != Word) Write(File, Language, Word);

  // A stored value that disagrees with how the run started was edited during the run, and the
  // edit wins. A value that already says what we would write is not written again, so that a
  // settings file that cannot be written keeps the window from closing only when something in
  // it really has to change. A missing key counts as off but still has to be written.
  const auto StoredLogging = Read(File, Logging, NotStored);
  const char* LoggingWord = Program.LoggingOn ? "On" : "Off";
  if ((StoredLogging == "On") == Program.LoggingOn && StoredLogging != LoggingWord)
    Write(File, Logging, LoggingWord);

  if (Read(File, SavingOk, NotStored) == NotStored) Write(File, SavingOk, "Yes");
}

}  // namespace palaver
