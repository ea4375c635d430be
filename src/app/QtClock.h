#pragma once

#include "session/UserActionLog.h"

namespace palaver {

// The log's clock: the time of day as 24-hour "hh:mm:ss" and today's date in the system
// locale's short format.
class TQtClock final : public TClock {
 public:
  std::string TimeText() const override;
  std::string DateText() const override;
};

}  // namespace palaver
