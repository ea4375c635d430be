// Opens a line-of-argumentation file in the real main window and saves a picture of the window:
//   palaver_window_screenshot <file.lin> <picture.png>
// The program directory is a temporary one, so no settings or logs are left behind.

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "app/ArgIntForm.h"
#include "views/QtText.h"

namespace {

// The open dialog answers with the one file to show.
class TFileToOpen final : public palaver::TFileDialogs {
 public:
  explicit TFileToOpen(std::string Path) : Path(std::move(Path)) {}
  std::optional<std::string> Execute(const palaver::TFileDialogRequest&) override { return Path; }

 private:
  std::string Path;
};

void Settle(int Milliseconds) {
  QEventLoop Loop;
  QTimer::singleShot(Milliseconds, &Loop, &QEventLoop::quit);
  Loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication Application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Palaver"));
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <file.lin> <picture.png>\n", argv[0]);
    return 2;
  }
  QTemporaryDir ProgramDir;
  TFileToOpen Dialogs(argv[1]);
  palaver::TArgIntForm Form(palaver::FromQString(ProgramDir.path()), {nullptr, &Dialogs, nullptr});
  Form.show();
  Settle(300);
  Form.Open1->trigger();
  Settle(300);
  if (!Form.grab().save(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
