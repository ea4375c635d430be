#pragma once

#include <iosfwd>

namespace palaver {

// palaver-cli as a program: reads the command line (argc and argv as main has them), makes the
// QGuiApplication that a drawing needs, and runs the command (RunPalaverCli), writing to Out
// and Err. The result is the exit status. LeaveLineToExit as for RunPalaverCli: the caller ends
// the process at once afterwards.
int RunPalaverCliProgram(int argc, char** argv, std::ostream& Out, std::ostream& Err,
                         bool LeaveLineToExit);

}  // namespace palaver
