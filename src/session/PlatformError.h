#pragma once

#include <stdexcept>
#include <string>

namespace palaver {

// A failure of the platform (a file that cannot be read, created or written), carrying the
// message the user sees. Model code never throws it; file and settings code does, and the window
// catches it in one place, shows the message and goes on with the next event.
class TPlatformError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline std::string CannotOpenFileMessage(const std::string& Path) {
  return "Cannot open file " + Path;
}
inline std::string CannotCreateFileMessage(const std::string& Path) {
  return "Cannot create file " + Path;
}
inline std::string UnableToWriteToMessage(const std::string& Path) {
  return "Unable to write to " + Path;
}
inline std::string FailedToLoadStreamMessage() {
  return "Failed to Load Stream";
}

}  // namespace palaver
