#pragma once

#include <QDialog>
#include <QSize>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "dialogs/FocusAreas.h"
#include "dialogs/SentenceLength.h"
#include "model/Statement.h"

class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace palaver {

class TDialogComboBox;
class TMainWindowCore;
class TRadioGroup;

// What the three move dialogs share: a modal window of fixed client size, centred on the
// screen, in the program's 8-point sans-serif font; the buttons OK (the default button, Enter),
// Cancel (Escape) and Delete; FormShow each time it opens and FormClose whenever it closes,
// however that happens. The moves and deletions go to the main window's core.
//
// Every handler runs through Run: a platform failure is handed to the general error display
// and ends that handler, and a dialog marked to close closes once the outermost handler has
// finished, whatever happened in it.
class TMoveDialog : public QDialog {
 public:
  QPushButton* OKButton;
  QPushButton* CancelButton;
  QPushButton* DeleteButton;

  virtual void FormShow() = 0;
  virtual void FormClose() = 0;
  virtual void OKButtonClick() = 0;
  virtual void DeleteButtonClick() = 0;
  // Also Escape.
  void CancelButtonClick();

 protected:
  TMoveDialog(TMainWindowCore& Core, QSize ClientSize, QWidget* Parent);

  void Run(const std::function<void()>& Handler);
  // Connects a signal to a handler that runs through Run.
  template <class TSender, class TSignal>
  void Bind(TSender* Sender, TSignal Signal, std::function<void()> Handler) {
    connect(Sender, Signal, this, [this, Handler = std::move(Handler)] { Run(Handler); });
  }
  // Enter and Exit of a control, each run through Run; either may be empty.
  void BindFocus(QWidget& Area, std::function<void()> Enter, std::function<void()> Exit);
  // The dialog closes when the running handler has finished.
  void MarkToClose(int Result);

  // The controls of a dialog's table, under their names, with their designed captions.
  QLabel* NewLabel(const char* Name, const char* Caption);
  // The label leads to the combo box.
  TDialogComboBox* NewComboBox(const char* Name, const char* Text, QLabel* Label);
  // Items "Issue" and "Assumption", Selected selected.
  TRadioGroup* NewTypeGroup(const char* Name, const char* Caption, int Selected);
  // A row holding OK, Delete and Cancel, in that order on the screen.
  QHBoxLayout* ButtonRow();
  // A group box holding two check boxes, one above the other.
  static QGroupBox* CheckBoxGroup(QWidget* Parent, const char* Name, const char* Caption,
                                  QCheckBox*& First, const char* FirstName,
                                  const char* FirstCaption, QCheckBox*& Second,
                                  const char* SecondName, const char* SecondCaption);
  // The tab order: the controls in turn; a radio group's items take its place.
  static void SetTabOrder(std::initializer_list<QWidget*> Controls);

  // The current stage's sentences into the combo box's list.
  static void FillWithStatements(TDialogComboBox& Box);
  // Type preset: the item of the statement whose sentence equals the text exactly; a text
  // matching no statement leaves the selection as it is.
  static void PresetType(const TDialogComboBox& Box, TRadioGroup& Group);
  // A sentence that OK would put into the line: one the user typed or picked, or a warrant.
  struct TSentenceToCheck {
    TSentenceRole Role;
    std::string Sentence;
  };
  // True when every sentence fits a line of a line-of-argumentation file, so that a save and
  // reopen gives it back whole. Otherwise the first that does not is refused with a notice, logged
  // as the line's messages are: OK makes nothing and the dialog stays open as the user left it,
  // the focus and the text's cursor included.
  bool SentencesFit(const std::vector<TSentenceToCheck>& Sentences);
  // Item 0 stands for Issue, item 1 for Assumption.
  static TStatementType TypeOfItem(const TRadioGroup& Group);
  // "?" or "!" for the selected item, as the log writes it.
  static std::string ItemMark(const TRadioGroup& Group);

  void showEvent(QShowEvent* Event) override;
  void hideEvent(QHideEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void done(int Result) override;

  TMainWindowCore& Core;
  TFocusAreas Focus;

 private:
  void ShowFailure(const std::exception& Failure);

  int RunDepth = 0;
  bool CloseMarked = false;
  int CloseResult = Rejected;
  bool Showing = false;
};

}  // namespace palaver
