#include "app/QtMessageBoxes.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

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

// Room the box's frame, margins and icon take beside its text, generously.
constexpr int RoomBesideText = 140;
// A line of about this many characters reads well.
constexpr int ReadableCharacters = 80;

// A message box whose text wraps to a readable width, within the screen however long the text
// is: a pasted paragraph is quoted whole, its lines broken between words, and a text taller than
// most of the screen scrolls inside the box, so that the buttons stay in reach. The text can be
// selected and copied.
class TFittedMessageBox final : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void showEvent(QShowEvent* Event) override {
    if (!Fitted) FitText();
    Fitted = true;
    QMessageBox::showEvent(Event);
  }

 private:
  void FitText() {
    // A sentence is shown as typed, even one that looks like markup.
    setTextFormat(Qt::PlainText);
    auto* Label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (Label == nullptr) return;
    Label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    const QScreen* Screen = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    const QRect Available =
        Screen != nullptr ? Screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QFontMetrics Metrics(Label->font());
    const int Widest = std::max(Available.width() - RoomBesideText, 100);
    // QMessageBox wraps only what is wider than its own soft limit (500 pixels at most).
    const int Readable = std::clamp(Metrics.averageCharWidth() * ReadableCharacters, 500, Widest);
    int Natural = 0;
    for (const QString& Line : text().split(QLatin1Char('\n')))
      Natural = std::max(Natural, Metrics.horizontalAdvance(Line));
    if (Natural <= Readable) return;

    Label->setWordWrap(true);
    const int Tallest = Available.height() * 3 / 5;
    int Width = Readable;
    // A text that is too tall at a readable width takes the width of the screen first.
    if (Label->heightForWidth(Width) > Tallest) Width = Widest;
    if (Label->heightForWidth(Width) <= Tallest) {
      Label->setFixedWidth(Width);
      return;
    }
    auto* Grid = qobject_cast<QGridLayout*>(layout());
    const int Index = Grid != nullptr ? Grid->indexOf(Label) : -1;
    if (Index < 0) {
      Label->setFixedWidth(Width);
      return;
    }
    int Row = 0;
    int Column = 0;
    int RowSpan = 1;
    int ColumnSpan = 1;
    Grid->getItemPosition(Index, &Row, &Column, &RowSpan, &ColumnSpan);
    Grid->removeWidget(Label);
    auto* Scroll = new QScrollArea(this);
    Scroll->setObjectName(QStringLiteral("MessageTextScrollArea"));
    Scroll->setFrameShape(QFrame::NoFrame);
    Scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Scroll->setWidgetResizable(true);
    Scroll->setWidget(Label);
    Scroll->setFixedSize(Width, Tallest);
    Label->setFixedWidth(Width - Scroll->verticalScrollBar()->sizeHint().width());
    Grid->addWidget(Scroll, Row, Column, RowSpan, ColumnSpan);
  }

  bool Fitted = false;
};

// Shows a modal box and returns the button that closed it. Escape and the close box both "click"
// the escape button, so the answer is always one of the box's own buttons.
TAnswer Ask(QWidget* Parent, QMessageBox::Icon Icon, const QString& Title, const std::string& Text,
            QMessageBox::StandardButtons Buttons, QMessageBox::StandardButton EscapeButton) {
  TFittedMessageBox Box(Icon, Title, BoxText(Text), Buttons, Parent);
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
  TFittedMessageBox Box(QMessageBox::Critical, QStringLiteral("Palaver"), BoxText(Message),
                        QMessageBox::Ok, Parent);
  Box.setDefaultButton(QMessageBox::Ok);
  Box.setEscapeButton(QMessageBox::Ok);
  Box.exec();
}

}  // namespace palaver
