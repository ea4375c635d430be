#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "model/EvaluationLimit.h"

namespace palaver {

// Exit statuses of palaver-cli.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitPlatformError = 1;
inline constexpr int ExitUsageError = 2;
// A move was past an evaluation limit: the replay stopped before it, the output shows the stage
// reached, and the message is on standard error.
inline constexpr int ExitEvaluationLimit = 3;

// Whether the command line asks for a drawing, which needs a QGuiApplication; evaluate and help
// run without one (and so without any display or platform plugin).
bool NeedsGuiApplication(const std::vector<std::string>& Arguments);

// Runs palaver-cli with the arguments that follow the program name: the JSON, help or usage go
// to Out and Err, and the result is the exit status (ExitSuccess, ExitPlatformError with the
// platform's message on Err, or ExitUsageError with a usage reminder on Err). Uses and finally
// resets the program-wide state. render needs a QGuiApplication to exist.
//
// With LeaveLineToExit the line of argumentation is not taken apart at the end (which for a
// large line takes longer than building it): the caller ends the process at once afterwards and
// leaves the memory to the system. The lines are evaluated within Limits.
int RunPalaverCli(const std::vector<std::string>& Arguments, std::ostream& Out, std::ostream& Err,
                  bool LeaveLineToExit = false, const TEvaluationLimits& Limits = {});

}  // namespace palaver
