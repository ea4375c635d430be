// palaver-cli: the window's core without the window, for scripts and tests.

#include <QGuiApplication>
#include <QtGlobal>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommands.h"

// A build with the address sanitizer takes everything apart at the end, so that its leak check
// sees what is left.
#if defined(__SANITIZE_ADDRESS__)
#define PALAVER_FREE_AT_EXIT 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PALAVER_FREE_AT_EXIT 1
#endif
#endif
#ifndef PALAVER_FREE_AT_EXIT
#define PALAVER_FREE_AT_EXIT 0
#endif

int main(int argc, char** argv) {
  // Our own arguments are read as bytes, before Qt sees any: a sentence such as "-platform"
  // must stay a sentence.
  const std::vector<std::string> Arguments(argv + (argc > 0 ? 1 : 0), argv + argc);

  // Only drawing needs the GUI side of Qt; without a display the offscreen platform serves.
  std::optional<QGuiApplication> App;
  int QtArgc = 1;
  char ProgramName[] = "palaver-cli";
  char* QtArgv[] = {ProgramName, nullptr};
  if (palaver::NeedsGuiApplication(Arguments)) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    App.emplace(QtArgc, QtArgv);
  }
  const bool LeaveToExit = PALAVER_FREE_AT_EXIT == 0;
  const int Status = palaver::RunPalaverCli(Arguments, std::cout, std::cerr, LeaveToExit);
  if (!LeaveToExit) return Status;
  // The memory of a large line goes back to the system far faster than object by object.
  std::cout.flush();
  std::cerr.flush();
  std::_Exit(Status);
}
