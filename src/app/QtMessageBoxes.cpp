#include "app/QtMessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "session/ProgramState.h"
#include "views/QtText.h"

namespace palaver {

namespace {

// The texts mark their line breaks with "\r\n"; Qt breaks at "\n" alone.
QString BoxText(const std::string& Text) {
  QString Result = ToQString(Text);
  Result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return Result;
}

TAnswer AnswerOf(QMessageBox::StandardButton Button) {
  switch (Button) {
    case QMessageBox::Yes:
      return TAnswer::Yes;
    case QMessageBox::No:
      return TAnswer::No;
    case QMessageBox::Cancel:
      return TAnswer::Cancel;
    default:
      return TAnswer::None;
  }
}

// The titles belong with the buttons, which Qt words in the program's language, so they follow
// the language too, at the moment the box is shown.
QString TitleIn(const char* English, const char* Dutch) {
  return QString::fromUtf8(State().Language == TLanguage::Dutch ? Dutch : English);
}

QString WarningTitle() {
  return TitleIn("Warning", "Waarschuwing");
}

QString ConfirmTitle() {
  return TitleIn("Confirm", "Bevestigen");
}

// Shows a modal box and returns the button that closed it. Escape and the close box both "click"
// the escape button, so the answer is always one of the box's own buttons.
TAnswer Ask(QWidget* Parent, QMessageBox::Icon Icon, const QString& Title, const std::string& Text,
            QMessageBox::StandardButtons Buttons, QMessageBox::StandardButton EscapeButton) {
  QMessageBox Box(Icon, Title, BoxText(Text), Buttons, Parent);
  Box.setDefaultButton(Buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
  Box.setEscapeButton(EscapeButton);
  Box.exec();
  return AnswerOf(Box.standardButton(Box.clickedButton()));
}

}  // namespace

void TQtMessageBoxes::Warning(const std::string& Text) {
  Ask(Parent, QMessageBox::Warning, WarningTitle(), Text, QMessageBox::Ok, QMessageBox::Ok);
}

TAnswer TQtMessageBoxes::WarningYesNo(const std::string& Text) {
  return Ask(Parent, QMessageBox::Warning, WarningTitle(), Text, QMessageBox::Yes | QMessageBox::No,
             QMessageBox::No);
}

TAnswer TQtMessageBoxes::WarningYesNoCancel(const std::string& Text) {
  return Ask(Parent, QMessageBox::Warning, WarningTitle(), Text,
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
}

TAnswer TQtMessageBoxes::Confirmation(const std::string& Text) {
  return Ask(Parent, QMessageBox::Question, ConfirmTitle(), Text,
             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

void TQtMessageBoxes::ShowError(const std::string& Message) {
  QMessageBox::critical(Parent, QStringLiteral("Palaver"), BoxText(Message));
}

}  // namespace palaver
