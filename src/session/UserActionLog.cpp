#include "session/UserActionLog.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <numeric>

#include "session/MessageBoxes.h"
#include "session/PlatformError.h"
#include "session/ProgramState.h"

namespace palaver {

namespace fs = std::filesystem;

namespace {

const TClock* InstalledClock = nullptr;
TMessageBoxes* InstalledBoxes = nullptr;

const TClock& LogClock() {
  static const TSystemClock SystemClock;
  return InstalledClock != nullptr ? *InstalledClock : SystemClock;
}

std::tm LocalNow() {
  const std::time_t Now = std::time(nullptr);
  std::tm Local{};
#ifdef _WIN32
  localtime_s(&Local, &Now);
#else
  localtime_r(&Now, &Local);
#endif
  return Local;
}

std::string FormatTime(const char* Format, const std::tm& Time) {
  char Buffer[128];
  const auto Length = std::strftime(Buffer, sizeof Buffer, Format, &Time);
  return std::string(Buffer, Length);
}

// The size the log file has when it holds exactly these lines.
std::uintmax_t FileSizeOf(const std::vector<std::string>& Lines) {
  return std::accumulate(
      Lines.begin(), Lines.end(), std::uintmax_t{0},
      [](std::uintmax_t Sum, const std::string& Line) { return Sum + Line.size() + 2; });
}

bool WriteLines(std::FILE* File, const std::vector<std::string>& Lines) {
  bool Ok = true;
  for (const auto& Line : Lines) {
    Ok = Ok && std::fwrite(Line.data(), 1, Line.size(), File) == Line.size();
    Ok = Ok && std::fwrite("\r\n", 1, 2, File) == 2;
  }
  Ok = std::fflush(File) == 0 && Ok;
  return std::fclose(File) == 0 && Ok;
}

// A log that cannot be written is reported once; clearing the file name ends logging for the
// rest of the run while LoggingOn keeps saying what the settings asked for.
void GiveUpLog(const std::string& Path) {
  State().LogFileName.clear();
  if (InstalledBoxes == nullptr) return;
  try {
    InstalledBoxes->ShowError(CannotCreateFileMessage(Path));
  } catch (...) {
    // Reporting is all we can do; the action being logged must go on regardless.
  }
}

// "[hh:mm:ss]  text", or an empty line for an empty text. Built by appending to one string: the
// chain of operator+ on temporaries makes g++ 12 at -O3 report a false overlap (-Wrestrict).
std::string TimedLogLine(const std::string& Text) {
  std::string Line;
  if (Text.empty()) return Line;
  const std::string Time = LogClock().TimeText();
  Line.reserve(Time.size() + Text.size() + 4);
  Line.append("[").append(Time).append("]  ").append(Text);
  return Line;
}

}  // namespace

std::string TSystemClock::TimeText() const {
  return FormatTime("%H:%M:%S", LocalNow());
}

std::string TSystemClock::DateText() const {
  // The user's date format comes from the environment's LC_TIME; the rest of the process keeps
  // the "C" locale so that nothing else (number formatting in particular) changes under us.
  static const bool LocaleSet = [] {
    std::setlocale(LC_TIME, "");
    return true;
  }();
  (void)LocaleSet;
  return FormatTime("%x", LocalNow());
}

void SetLogServices(const TClock* Clock, TMessageBoxes* Boxes) {
  InstalledClock = Clock;
  InstalledBoxes = Boxes;
}

void CreateLogFile(const std::string& ProgramDir) {
  auto& Program = State();
  std::string Name;
  try {
    const std::string Prefix =
        ProgramDir + (ProgramDir.ends_with('/') ? "" : "/") + "PalaverUserAction";
    std::FILE* File = nullptr;
    unsigned long Number = 0;
    for (;; ++Number) {
      Name = Prefix + std::to_string(Number) + ".log";
      std::error_code Error;
      if (fs::exists(fs::path(Name), Error)) continue;
      // Created exclusively, so a file that appeared since the look (another run starting, a
      // dangling link) is never taken over: it counts as present and the search goes on.
      File = std::fopen(Name.c_str(), "wbx");
      if (File != nullptr || errno != EEXIST) break;
    }
    if (File == nullptr) return GiveUpLog(Name);

    Program.LogLines = {"USER ACTION LOGS of the Palaver program", "",
                        "Date: " + LogClock().DateText(), ""};
    if (!WriteLines(File, Program.LogLines)) {
      std::error_code Error;
      fs::remove(fs::path(Name), Error);
      return GiveUpLog(Name);
    }
    Program.LogFileName = Name;

    const unsigned long Count = Number + 1;
    if (Count > 24 && InstalledBoxes != nullptr) {
      InstalledBoxes->Warning("There are currently " + std::to_string(Count) +
                              " log files in the program directory (" + ProgramDir + ").");
    }
  } catch (...) {
    GiveUpLog(Name);
  }
}

void LogUserAction(const std::string& Text) {
  auto& Program = State();
  if (!Program.LoggingOn || Program.LogFileName.empty()) return;
  const std::string Path = Program.LogFileName;
  try {
    const std::string Line = TimedLogLine(Text);
    const auto SizeBefore = FileSizeOf(Program.LogLines);
    Program.LogLines.push_back(Line);

    // Appending keeps a long run cheap. When the file is no longer what we wrote (removed or
    // changed behind our back), it is written whole, so it still holds exactly LogLines.
    std::error_code Error;
    const bool Intact = fs::file_size(fs::path(Path), Error) == SizeBefore && !Error;
    std::FILE* File = std::fopen(Path.c_str(), Intact ? "ab" : "wb");
    const bool Written =
        File != nullptr && (Intact ? WriteLines(File, {Line}) : WriteLines(File, Program.LogLines));
    if (!Written) GiveUpLog(Path);
  } catch (...) {
    GiveUpLog(Path);
  }
}

}  // namespace palaver
