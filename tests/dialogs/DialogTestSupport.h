#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "controller/HeadlessPlatform.h"
#include "controller/MainWindowCore.h"
#include "dialogs/DialogComboBox.h"
#include "line/LineOfArgumentation.h"
#include "session/ProgramState.h"
#include "session/UserActionLog.h"
#include "support/FixedClock.h"
#include "support/ModalDialogs.h"
#include "transcript/TranscriptFormat.h"
#include "views/QtText.h"

namespace palaver::test {

// The program as the dialogs meet it: a fresh program state, logging on into a temporary
// directory with a fixed clock, and the main window's core on the headless platform with a new
// line of argumentation. The message boxes answer from Platform.Boxes.Answers (Yes when empty).
class TDialogWorld {
 public:
  TDialogWorld() {
    ResetProgramState();
    SetLogServices(&Clock, &Platform.Boxes);
    State().LoggingOn = true;
    CreateLogFile(FromQString(Dir.path()));
    Platform.ButtonDown = TViewButton::Arguments;
    Core.emplace(Platform);
    Core->NewLineOfArgumentation();
  }
  ~TDialogWorld() {
    SetLogServices(nullptr, nullptr);
    ResetProgramState();
  }
  TDialogWorld(const TDialogWorld&) = delete;
  TDialogWorld& operator=(const TDialogWorld&) = delete;

  // What was logged since the last call, without the time stamps.
  QStringList NewLogLines() {
    QStringList Result;
    const auto& Lines = State().LogLines;
    for (; Seen < Lines.size(); ++Seen)
      Result.push_back(ToQString(Clock.Unstamped(Lines[Seen])));
    return Result;
  }
  void SkipLog() { NewLogLines(); }

  // The current stage's statements as mark and sentence, e.g. "!a", in stage order.
  static QStringList Statements() {
    QStringList Result;
    for (const PStatement& S : State().LineOfArgumentation->CurrentStage->Statements)
      Result.push_back(ToQString(TypeMark(S->StatementType) + S->Sentence));
    return Result;
  }
  static QStringList Transcript() {
    QStringList Result;
    for (const std::string& Line : TranscriptOfLine(*State().LineOfArgumentation))
      Result.push_back(ToQString(Line));
    return Result;
  }
  static int Moves() { return State().LineOfArgumentation->ArgumentationMoves.Count(); }

  // Moves made before the dialog opens, as a replay makes them: without questions.
  void Say(const std::string& Sentence, TStatementType Type) {
    Core->StatementMove(NewStatement(Sentence, Type));
  }
  void Connect(const std::string& Reason, TStatementType ReasonType, const std::string& Conclusion,
               TStatementType ConclusionType) {
    PReasonConclusion C = NewReasonConclusion();
    C->Reason = NewStatement(Reason, ReasonType);
    C->Conclusion = NewStatement(Conclusion, ConclusionType);
    Core->ReasonConclusionMove(C);
  }

  QTemporaryDir Dir;
  TFixedClock Clock;
  THeadlessPlatform Platform;
  std::optional<TMainWindowCore> Core;

 private:
  std::size_t Seen = 0;
};

// --- The user's hands ------------------------------------------------------------------------

// Shows the dialog as the main window does, but without a nested event loop, and waits until it
// is the active window.
inline bool Open(QDialog& Dialog) {
  Dialog.show();
  return QTest::qWaitForWindowActive(&Dialog);
}

inline QWidget* Focused() {
  return QApplication::focusWidget();
}

inline void Type(const QString& Text) {
  QTest::keyClicks(Focused(), Text);
}

inline void Press(Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
  QTest::keyClick(Focused(), Key, Modifiers);
}

// Pastes the text into the focused control with the keyboard, as a user brings in a paragraph.
inline void Paste(const QString& Text) {
  QGuiApplication::clipboard()->setText(Text);
  Press(Qt::Key_V, Qt::ControlModifier);
}

// Opens the list with a click on the combo box's arrow and takes the item with the keyboard.
// (A mouse click on the item can be read as the second half of a double click when the machine
// is slow, and the list then stays open; Enter on the highlighted item is as much a pick.)
inline void Pick(TDialogComboBox* Box, const QString& Item) {
  QStyleOptionComboBox Option;
  Option.initFrom(Box);
  Option.editable = true;
  Option.subControls = QStyle::SC_All;
  const QRect Arrow =
      Box->style()->subControlRect(QStyle::CC_ComboBox, &Option, QStyle::SC_ComboBoxArrow, Box);
  QTest::mouseClick(Box, Qt::LeftButton, Qt::NoModifier, Arrow.center());
  QAbstractItemView* List = Box->view();
  QTRY_VERIFY(List->isVisible());
  const int Row = Box->findText(Item, Qt::MatchExactly | Qt::MatchCaseSensitive);
  QVERIFY(Row >= 0);
  List->setCurrentIndex(List->model()->index(Row, 0));
  QTest::keyClick(List, Qt::Key_Return);
  QTRY_VERIFY(!List->isVisible());
}

}  // namespace palaver::test

// Picks an item in a test function, which stops there when the list misbehaved.
#define PALAVER_PICK(Box, Item)             \
  do {                                      \
    ::palaver::test::Pick(Box, Item);       \
    if (QTest::currentTestFailed()) return; \
  } while (false)
