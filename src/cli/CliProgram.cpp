#include "cli/CliProgram.h"

#include <QGuiApplication>
#include <QtGlobal>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommands.h"

namespace palaver {

int RunPalaverCliProgram(int argc, char** argv, std::ostream& Out, std::ostream& Err,
                         bool LeaveLineToExit) {
  // Our own arguments are read as bytes, before Qt sees any: a sentence such as "-platform"
  // must stay a sentence.
  const std::vector<std::string> Arguments(argv + (argc > 0 ? 1 : 0), argv + argc);

  // Only drawing needs the GUI side of Qt; without a display the offscreen platform serves.
  std::optional<QGuiApplication> App;
  int QtArgc = 1;
  char ProgramName[] = "palaver-cli";
  char* QtArgv[] = {ProgramName, nullptr};
  if (NeedsGuiApplication(Arguments)) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    App.emplace(QtArgc, QtArgv);
  }
  return RunPalaverCli(Arguments, Out, Err, LeaveLineToExit);
}

}  // namespace palaver
