#include <QApplication>
#include <QByteArray>
#include <QTest>
#include <QtGlobal>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "DialogTestSuites.h"

namespace {

using TSuiteMaker = std::function<std::unique_ptr<QObject>()>;

const std::map<std::string, TSuiteMaker>& Suites() {
  using namespace palaver::test;
  static const std::map<std::string, TSuiteMaker> All = {
      {"ControlsTest", MakeControlsTest},
      {"StatementFormTest", MakeStatementFormTest},
      {"ReasonConclusionFormTest", MakeReasonConclusionFormTest},
      {"ExceptionFormTest", MakeExceptionFormTest},
  };
  return All;
}

}  // namespace

// Runs one test class, named by the first argument (the rest goes to Qt Test), or all of them.
// The dialogs are real windows; without a display the offscreen platform serves.
int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(argc, argv);
  // A list opened by a click ignores a release that follows within the double-click interval;
  // a short interval lets a test pick an item without waiting for that.
  QApplication::setDoubleClickInterval(20);

  std::vector<char*> Args(argv, argv + argc);
  std::vector<std::string> Chosen;
  if (argc > 1 && Suites().count(argv[1]) != 0) {
    Chosen.emplace_back(argv[1]);
    Args.erase(Args.begin() + 1);
  } else {
    for (const auto& [Name, Make] : Suites())
      Chosen.push_back(Name);
  }
  int Failures = 0;
  for (const std::string& Name : Chosen) {
    const std::unique_ptr<QObject> Suite = Suites().at(Name)();
    Failures += QTest::qExec(Suite.get(), static_cast<int>(Args.size()), Args.data());
  }
  return Failures == 0 ? 0 : 1;
}
