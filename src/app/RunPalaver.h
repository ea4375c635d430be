#pragma once

#include <functional>
#include <string>

#include "app/ArgIntForm.h"

namespace palaver {

// Start-up once the application object exists: the main window in ProgramDir (whose creation
// reads the settings and opens the log), the handling of SIGTERM and SIGHUP, the window shown,
// then the event loop until the window has closed or a signal has ended the run. Prepare, when
// given, sees the window once it is shown, before the event loop starts. FileToOpen, when not
// empty, is opened as Open would open it, after the restore question of start-up. Returns the
// event loop's exit code.
int RunPalaver(const std::string& ProgramDir, TArgIntFormServices Services = {},
               const std::function<void(TArgIntForm&)>& Prepare = {},
               const std::string& FileToOpen = {});

}  // namespace palaver
