// Palaver: start-up. The application's title, then the main window, whose creation starts the
// program's state, reads the settings file and opens the log; then the event loop until the
// main window has closed or the system has ended the program.

#include <QApplication>
#include <QIcon>

#include "app/ProgramDirectory.h"
#include "app/RunPalaver.h"

int main(int argc, char** argv) {
  QApplication Application(argc, argv);
  // The name only: a display name would be appended to every window title by some platforms,
  // and the titles already begin with "Palaver".
  QApplication::setApplicationName(QStringLiteral("Palaver"));
  // Lets the desktop match the window to its menu entry (Wayland uses the desktop file's name).
  QApplication::setDesktopFileName(QStringLiteral("palaver"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/palaver/palaver.svg")));

  return palaver::RunPalaver(palaver::ProgramDirectory());
}
