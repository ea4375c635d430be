#pragma once

#include "cli/CommandLine.h"
#include "controller/HeadlessPlatform.h"
#include "controller/MainWindowCore.h"

namespace palaver {

// The window as palaver-cli runs it: the headless platform, which answers every question with
// Yes and shows nothing, and the window's core on top of it. Creating a session starts from a
// clean program-wide state; ending it resets that state again, so that the lines it built do not
// outlive the core that hosts them.
class TCliSession {
 public:
  explicit TCliSession(TLanguage Language, const TEvaluationLimits& Limits = {});
  ~TCliSession();
  TCliSession(const TCliSession&) = delete;
  TCliSession& operator=(const TCliSession&) = delete;

  // Opens FileName as the window's Open does. Throws TPlatformError when it cannot be read.
  void Open(const std::string& FileName);
  // Makes the edit as the window's Back or Forward button, or a dialog's Delete answered Yes,
  // would. A deletion of something the current stage does not hold changes nothing.
  void Apply(const TEdit& Edit);

  // Starts the program-wide state afresh before the core, which needs a line to host, is made;
  // hence the first member.
  struct TFreshState {
    explicit TFreshState(TLanguage Language);
  };
  TFreshState Fresh;

  THeadlessPlatform Platform;
  TMainWindowCore Core;
};

}  // namespace palaver
