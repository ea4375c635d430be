#include "dialogs/StatementForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controller/MainWindowCore.h"
#include "dialogs/CaptionTable.h"
#include "dialogs/DialogComboBox.h"
#include "dialogs/RadioGroup.h"
#include "session/ProgramState.h"
#include "session/UserActionLog.h"

namespace palaver {

namespace {

constexpr TCaptionRow Captions[] = {
    {"", "Statement", "Bewering"},
    {"Label1", "Type or choose a statement:", "Tik of kies een bewering:"},
    {"StatementTypeRadioGroup", "&Statement type", "Type &bewering"},
    {"DeleteButton", "&Delete", "&Verwijder"},
    {"CancelButton", "Cancel", "Annuleren"},
};

}  // namespace

TStatementForm::TStatementForm(TMainWindowCore& Core, QWidget* Parent)
    : TMoveDialog(Core, QSize(505, 161), Parent) {
  setWindowTitle(QStringLiteral("Statement"));
  Label1 = NewLabel("Label1", "Type or choose a statement:");
  StatementComboBox = NewComboBox("StatementComboBox", "<statement>", Label1);
  StatementTypeRadioGroup = NewTypeGroup("StatementTypeRadioGroup", "&Statement type", 0);

  auto* Layout = new QGridLayout(this);
  Layout->setContentsMargins(8, 8, 8, 8);
  Layout->setVerticalSpacing(4);
  Layout->addWidget(Label1, 0, 0, 1, 2);
  Layout->addWidget(StatementComboBox, 1, 0, 1, 2);
  Layout->addWidget(StatementTypeRadioGroup, 2, 0);
  Layout->setRowStretch(3, 1);
  Layout->addLayout(ButtonRow(), 4, 0, 1, 2, Qt::AlignRight);
  Layout->setColumnStretch(0, 1);
  Layout->setColumnStretch(1, 1);
  ApplyTabOrder();

  BindFocus(
      *StatementComboBox, [this] { StatementComboBoxEnter(); },
      [this] { StatementComboBoxExit(); });
  BindFocus(*StatementTypeRadioGroup, {}, {});
  Bind(StatementComboBox, &TDialogComboBox::Change, [this] { StatementComboBoxChange(); });
  Bind(StatementComboBox, &TDialogComboBox::DropDown, [this] { StatementComboBoxDropDown(); });
  Bind(StatementTypeRadioGroup, &TRadioGroup::Click, [this] { StatementTypeRadioGroupClick(); });
}

void TStatementForm::ApplyCaptions(TLanguage Language) {
  ApplyCaptionTable(*this, Captions, Language);
  ApplyTabOrder();
}

void TStatementForm::ApplyTabOrder() {
  SetTabOrder({StatementComboBox, StatementTypeRadioGroup, OKButton, CancelButton, DeleteButton});
}

void TStatementForm::FormShow() {
  LogUserAction("");
  LogUserAction("STATEMENT FORM");
  StatementComboBox->SetSentence(State().Language == TLanguage::Dutch ? "<bewering>"
                                                                      : "<statement>");
  StatementTypeRadioGroup->SetItemIndex(0);
  FillWithStatements(*StatementComboBox);
  StatementComboBox->setFocus(Qt::OtherFocusReason);
}

void TStatementForm::FormClose() {
  LogUserAction("    Statement:  " + ItemMark(*StatementTypeRadioGroup) + ": " +
                StatementComboBox->Sentence());
  LogUserAction("");
}

void TStatementForm::StatementComboBoxEnter() {
  StatementComboBox->SelectWholeText();
}

void TStatementForm::StatementComboBoxChange() {
  PresetType(*StatementComboBox, *StatementTypeRadioGroup);
}

void TStatementForm::StatementComboBoxExit() {
  LogUserAction("Statement (combobox): " + StatementComboBox->Sentence());
  PresetType(*StatementComboBox, *StatementTypeRadioGroup);
}

void TStatementForm::StatementComboBoxDropDown() {
  LogUserAction("Statement combobox: drop down");
}

void TStatementForm::StatementTypeRadioGroupClick() {
  LogUserAction("Statement type (radiogroup): " + ItemMark(*StatementTypeRadioGroup));
}

void TStatementForm::OKButtonClick() {
  LogUserAction("OK (button)");
  if (!SentencesFit({{TSentenceRole::Statement, StatementComboBox->Sentence()}})) return;
  MarkToClose(Accepted);
  // The outcome does not matter: a refused move closes the dialog all the same.
  Core.StatementMove(
      NewStatement(StatementComboBox->Sentence(), TypeOfItem(*StatementTypeRadioGroup)));
}

void TStatementForm::DeleteButtonClick() {
  LogUserAction("Delete (button)");
  TStatement Statement;
  Statement.Sentence = StatementComboBox->Sentence();
  if (Core.RemoveStatement(Statement)) MarkToClose(Accepted);
}

}  // namespace palaver
