#pragma once

#include <string>

#include "session/UserActionLog.h"

namespace palaver::test {

// The clock of every test that reads a log: the same time and date whatever the hour, so that a
// log line can be compared whole. A test may set it to another time between two actions.
class TFixedClock final : public TClock {
 public:
  std::string Time = "12:34:56";
  std::string Date = "01-02-2003";

  std::string TimeText() const override { return Time; }
  std::string DateText() const override { return Date; }

  // A logged line without the stamp this clock gives it now ("[12:34:56]  "); a line without
  // that stamp (an empty line, a header line) as it is.
  std::string Unstamped(const std::string& Line) const {
    const std::string Stamp = "[" + Time + "]  ";
    return Line.rfind(Stamp, 0) == 0 ? Line.substr(Stamp.size()) : Line;
  }
};

}  // namespace palaver::test
