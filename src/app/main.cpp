// Palaver: start-up. The application's title, then the main window, whose creation starts the
// program's state, reads the settings file and opens the log; then the event loop until the
// main window has closed or the system has ended the program. A file named on the command line
// (as the desktop passes a .lin file that was opened from the file manager) opens as Open would
// open it, after the question of start-up about a line left unsaved.

#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <cstdio>

#include "app/ProgramDirectory.h"
#include "app/RunPalaver.h"
#include "session/ProcessMemory.h"
#include "views/QtText.h"

namespace {

constexpr const char* Usage = "Usage: palaver [FILE]\n";

}  // namespace

int main(int argc, char** argv) {
  palaver::TuneAllocator();
  QApplication Application(argc, argv);
  // The name only: a display name would be appended to every window title by some platforms,
  // and the titles already begin with "Palaver".
  QApplication::setApplicationName(QStringLiteral("Palaver"));
  // Lets the desktop match the window to its menu entry (Wayland uses the desktop file's name).
  QApplication::setDesktopFileName(QStringLiteral("palaver"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/palaver/palaver.svg")));

  // Qt has taken its own options; what is left is the program's.
  const QStringList Arguments = QApplication::arguments().mid(1);
  QString File;
  bool OptionsEnd = false;
  for (const QString& Argument : Arguments) {
    if (!OptionsEnd && Argument == QLatin1String("--")) {
      OptionsEnd = true;
    } else if (!OptionsEnd &&
               (Argument == QLatin1String("-h") || Argument == QLatin1String("--help"))) {
      std::fputs(Usage, stdout);
      return 0;
    } else if (!OptionsEnd && Argument.startsWith(QLatin1Char('-')) && Argument.size() > 1) {
      std::fprintf(stderr, "palaver: unknown option %s\n%s", Argument.toLocal8Bit().constData(),
                   Usage);
      return 2;
    } else if (File.isEmpty()) {
      File = Argument;
    } else {
      std::fprintf(stderr, "palaver: one file at a time; %s is not opened\n",
                   Argument.toLocal8Bit().constData());
    }
  }

  return palaver::RunPalaver(palaver::ProgramDirectory(), {}, {}, palaver::FromQString(File));
}
