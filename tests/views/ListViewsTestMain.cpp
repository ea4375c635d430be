#include <QApplication>
#include <QTest>
#include <QtGlobal>

#include "ListViewsTestSuites.h"

// Runs the test classes of the lists and the tree in turn. The widgets are real ones; without a
// display the offscreen platform serves.
int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(argc, argv);
  int Failures = 0;
  for (const auto& Make : {palaver::test::MakeListViewsTest, palaver::test::MakeArgumentsTreeTest})
    Failures += QTest::qExec(Make().get(), argc, argv);
  return Failures == 0 ? 0 : 1;
}
