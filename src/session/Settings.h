#pragma once

#include <functional>
#include <string>

namespace palaver {

class TProfileFile;

// One key of the settings file. Values are compared exactly and with regard to case: "dutch" is
// not "Dutch", and "on" is not "On".
struct TSettingsKey {
  const char* Section;
  const char* Name;
  // What reading the key at start-up gives when the file, its section or the key is missing.
  const char* Default;
};

namespace SettingsKeys {
// "Dutch": the interface, the messages and the warrant sentences are Dutch; anything else:
// English. Rewritten at close whenever it does not name the current language.
inline constexpr TSettingsKey Language{"Options", "Language", "English"};
// "On": this run writes a user-action log. Written back at close unless edited during the run.
inline constexpr TSettingsKey Logging{"Options", "Logging", "Off"};
// "No": saving is forbidden for the run (Save and Save As disabled, no save-changes question).
// A missing key or "Default" becomes "Yes" at close; other values are left alone.
inline constexpr TSettingsKey SavingOk{"Options", "SavingOk", "Default"};
// Any value but "Default" is the initial directory of the file dialogs. Never written.
inline constexpr TSettingsKey LinesOfArgDir{"Dir", "LinesOfArgDir", "Default"};
}  // namespace SettingsKeys

// What start-up hands on to the main window besides the program-wide state it sets.
struct TStartupSettings {
  // The initial directory of all four file dialogs; empty leaves it to the platform.
  std::string InitialDirectory;
};

// Reads the settings at start-up in their fixed order and applies them to the program-wide
// state: Language, then Logging (calling CreateLog as soon as logging is known to be on, so the
// log exists before anything else is read), then SavingOk, then LinesOfArgDir.
TStartupSettings ReadStartupSettings(TProfileFile& File, const std::function<void()>& CreateLog);

// Writes the settings back when the main window closes: Language, Logging and SavingOk, in that
// order. Throws TPlatformError "Unable to write to <path>" when a write is refused; the keys
// written before it stay written.
void WriteClosingSettings(TProfileFile& File);

}  // namespace palaver
