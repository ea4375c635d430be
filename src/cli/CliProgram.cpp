#include "cli/CliProgram.h"

#include <QGuiApplication>
#include <QtGlobal>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommands.h"

namespace palaver {

namespace {

// The QGuiApplication that a drawing needs, given palaver-cli's name as its only argument: our
// own arguments are never Qt's, so a sentence such as "-platform" stays a sentence. Qt keeps
// references to argc and argv for the application's whole life, its destruction included; here
// they are members declared before the application, so they outlive it however the object ends.
class TCliGuiApplication {
 public:
  TCliGuiApplication() = default;
  TCliGuiApplication(const TCliGuiApplication&) = delete;
  TCliGuiApplication& operator=(const TCliGuiApplication&) = delete;

 private:
  int Argc = 1;
  char ProgramName[sizeof("palaver-cli")] = "palaver-cli";
  char* Argv[2] = {ProgramName, nullptr};
  QGuiApplication App{Argc, Argv};
};

}  // namespace

int RunPalaverCliProgram(int argc, char** argv, std::ostream& Out, std::ostream& Err,
                         bool LeaveLineToExit) {
  // Our own arguments are read as bytes, before Qt sees any.
  const std::vector<std::string> Arguments(argv + (argc > 0 ? 1 : 0), argv + argc);

  // Only drawing needs the GUI side of Qt; without a display the offscreen platform serves.
  std::optional<TCliGuiApplication> App;
  if (NeedsGuiApplication(Arguments)) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    App.emplace();
  }
  return RunPalaverCli(Arguments, Out, Err, LeaveLineToExit);
}

}  // namespace palaver
