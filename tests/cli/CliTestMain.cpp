#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QtGlobal>

// The drawings need a GUI application; without a display the offscreen platform serves.
int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QGuiApplication App(argc, argv);
  return RUN_ALL_TESTS();
}
