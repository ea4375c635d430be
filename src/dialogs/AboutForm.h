#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

namespace palaver {

// The About dialog: the program's name, version and release date, and a note, in a read-only
// text above a bottom panel with the OK button. The text is the same in every language, and
// nothing here writes to the user-action log.
class TAboutForm final : public QDialog {
 public:
  explicit TAboutForm(QWidget* Parent = nullptr);

  // The text of Memo1, line by line; the version and the date are the build's.
  static QStringList AboutLines();

  QPlainTextEdit* Memo1;
  QWidget* Panel1;
  QPushButton* Button1;

  void Button1Click();

 protected:
  void showEvent(QShowEvent* Event) override;
};

}  // namespace palaver
