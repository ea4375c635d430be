#pragma once

#include <string>

namespace palaver {

class TMessageBoxes;

// The time of day and today's date as the log writes them.
class TClock {
 public:
  virtual ~TClock() = default;
  // The current time of day as 24-hour "hh:mm:ss".
  virtual std::string TimeText() const = 0;
  // Today's date in the user's short date format.
  virtual std::string DateText() const = 0;
};

// The real clock, formatted by the C library with the user's locale.
class TSystemClock final : public TClock {
 public:
  std::string TimeText() const override;
  std::string DateText() const override;
};

// The clock that stamps log lines and the boxes through which the log reports trouble. The
// window installs its own at start-up; until then a system clock and no boxes are used.
void SetLogServices(const TClock* Clock, TMessageBoxes* Boxes);

// Starts this run's log file in ProgramDir ("PalaverUserAction<n>.log", the first free n, so a
// gap is filled), sets LogFileName and LogLines in the program state and writes the four header
// lines. From the 25th file on it shows the warning about the number of log files. A file that
// cannot be created is reported once ("Cannot create file <path>") and the run goes on without a
// log. Call only when LoggingOn.
void CreateLogFile(const std::string& ProgramDir);

// Writes one user action, stamped with the current time; an empty text writes an empty line.
// Does nothing when logging is off. The file on disk always holds exactly LogLines; a file that
// can no longer be written is reported once and logging stops for the rest of the run. Never
// throws, so the action being logged always goes on.
void LogUserAction(const std::string& Text);

}  // namespace palaver
