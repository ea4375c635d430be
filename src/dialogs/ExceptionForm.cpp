#include "dialogs/ExceptionForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <tuple>

#include "controller/MainWindowCore.h"
#include "dialogs/CaptionTable.h"
#include "dialogs/DialogComboBox.h"
#include "dialogs/RadioGroup.h"
#include "model/WarrantSentences.h"
#include "session/ProgramState.h"
#include "session/UserActionLog.h"

namespace palaver {

namespace {

// The English label reads "a exception": the table's text, not the designed "an exception".
constexpr TCaptionRow Captions[] = {
    {"", "Exception", "Uitzondering"},
    {"Label2", "Type or choose a exception:", "Tik of kies een uitzondering:"},
    {"ExceptionTypeRadioGroup", "&Exception type", "Type &uitzondering"},
    {"Label5", "Type or choose a conclusion:", "Tik of kies een conclusie:"},
    {"ConclusionTypeRadioGroup", "&Conclusion type", "Type &conclusie"},
    {"Label4", "Type or choose a reason:", "Tik of kies een reden:"},
    {"ReasonTypeRadioGroup", "&Reason type", "Type &reden"},
    {"UndercutterWarrantGroupBox", "Undercutter warrant", "Grond voor uitzonderingsstap"},
    {"AddUndercutterWarrantAsIssueCheckBox", "Add as &issue", "Voeg als &kwestie toe"},
    {"AddUndercutterWarrantAsAssumptionCheckBox", "Add as &assumption", "Voeg als &aanname toe"},
    {"DeleteButton", "&Delete", "&Verwijder"},
    {"CancelButton", "Cancel", "Annuleren"},
};

}  // namespace

TExceptionForm::TExceptionForm(TMainWindowCore& Core, QWidget* Parent)
    : TMoveDialog(Core, QSize(553, 433), Parent) {
  setWindowTitle(QStringLiteral("Exception"));
  Label2 = NewLabel("Label2", "Type or choose an exception:");
  ExceptionComboBox = NewComboBox("ExceptionComboBox", "<exception>", Label2);
  ExceptionTypeRadioGroup = NewTypeGroup("ExceptionTypeRadioGroup", "&Exception type", 1);
  Label5 = NewLabel("Label5", "Type or choose a conclusion:");
  ConclusionComboBox = NewComboBox("ConclusionComboBox", "<conclusion>", Label5);
  ConclusionTypeRadioGroup = NewTypeGroup("ConclusionTypeRadioGroup", "&Conclusion type", 0);
  Label4 = NewLabel("Label4", "Type or choose a reason:");
  ReasonComboBox = NewComboBox("ReasonComboBox", "<reason>", Label4);
  ReasonTypeRadioGroup = NewTypeGroup("ReasonTypeRadioGroup", "&Reason type", 1);
  UndercutterWarrantGroupBox =
      CheckBoxGroup(this, "UndercutterWarrantGroupBox", "Undercutter warrant",
                    AddUndercutterWarrantAsIssueCheckBox, "AddUndercutterWarrantAsIssueCheckBox",
                    "Add as &issue", AddUndercutterWarrantAsAssumptionCheckBox,
                    "AddUndercutterWarrantAsAssumptionCheckBox", "Add as &assumption");

  auto* Layout = new QGridLayout(this);
  Layout->setContentsMargins(8, 8, 8, 8);
  Layout->setVerticalSpacing(4);
  Layout->setColumnStretch(0, 1);
  Layout->setColumnStretch(1, 1);
  int Row = 0;
  for (auto [Label, Box, Group] : {std::tuple{Label2, ExceptionComboBox, ExceptionTypeRadioGroup},
                                   std::tuple{Label5, ConclusionComboBox, ConclusionTypeRadioGroup},
                                   std::tuple{Label4, ReasonComboBox, ReasonTypeRadioGroup}}) {
    if (Row > 0) Layout->setRowMinimumHeight(Row++, 6);
    Layout->addWidget(Label, Row++, 0, 1, 2);
    Layout->addWidget(Box, Row++, 0, 1, 2);
    Layout->addWidget(Group, Row++, 0);
  }
  Layout->setRowStretch(Row++, 1);
  Layout->addLayout(ButtonRow(), Row, 0, Qt::AlignLeft | Qt::AlignBottom);
  Layout->addWidget(UndercutterWarrantGroupBox, Row, 1);
  ApplyTabOrder();

  // The conclusion and reason boxes have no entry handler; the conclusion has no change one.
  BindFocus(
      *ExceptionComboBox, [this] { ExceptionComboBoxEnter(); },
      [this] { ExceptionComboBoxExit(); });
  BindFocus(*ConclusionComboBox, {}, [this] { ConclusionComboBoxExit(); });
  BindFocus(*ReasonComboBox, {}, [this] { ReasonComboBoxExit(); });
  for (TRadioGroup* Group :
       {ExceptionTypeRadioGroup, ConclusionTypeRadioGroup, ReasonTypeRadioGroup})
    BindFocus(*Group, {}, {});
  BindFocus(*UndercutterWarrantGroupBox, {}, [this] { UndercutterWarrantGroupBoxExit(); });
  Bind(ExceptionComboBox, &TDialogComboBox::Change, [this] { ExceptionComboBoxChange(); });
  Bind(ExceptionComboBox, &TDialogComboBox::DropDown, [this] { ExceptionComboBoxDropDown(); });
  Bind(ConclusionComboBox, &TDialogComboBox::DropDown, [this] { ConclusionComboBoxDropDown(); });
  Bind(ReasonComboBox, &TDialogComboBox::Change, [this] { ReasonComboBoxChange(); });
  Bind(ReasonComboBox, &TDialogComboBox::DropDown, [this] { ReasonComboBoxDropDown(); });
  Bind(ExceptionTypeRadioGroup, &TRadioGroup::Click, [this] { ExceptionTypeRadioGroupClick(); });
  Bind(ConclusionTypeRadioGroup, &TRadioGroup::Click, [this] { ConclusionTypeRadioGroupClick(); });
  Bind(ReasonTypeRadioGroup, &TRadioGroup::Click, [this] { ReasonTypeRadioGroupClick(); });
  Bind(AddUndercutterWarrantAsIssueCheckBox, &QCheckBox::toggled,
       [this] { AddUndercutterWarrantAsIssueCheckBoxClick(); });
  Bind(AddUndercutterWarrantAsAssumptionCheckBox, &QCheckBox::toggled,
       [this] { AddUndercutterWarrantAsAssumptionCheckBoxClick(); });
}

void TExceptionForm::ApplyCaptions(TLanguage Language) {
  ApplyCaptionTable(*this, Captions, Language);
  ApplyTabOrder();
}

void TExceptionForm::ApplyTabOrder() {
  // The three texts first, then the three types.
  SetTabOrder({ExceptionComboBox, ConclusionComboBox, ReasonComboBox, ExceptionTypeRadioGroup,
               ConclusionTypeRadioGroup, ReasonTypeRadioGroup, AddUndercutterWarrantAsIssueCheckBox,
               AddUndercutterWarrantAsAssumptionCheckBox, OKButton, CancelButton, DeleteButton});
}

void TExceptionForm::FormShow() {
  LogUserAction("");
  LogUserAction("EXCEPTION FORM");
  const bool Dutch = State().Language == TLanguage::Dutch;
  ExceptionComboBox->SetSentence(Dutch ? "<uitzondering>" : "<exception>");
  ConclusionComboBox->SetSentence(Dutch ? "<conclusie>" : "<conclusion>");
  ReasonComboBox->SetSentence(Dutch ? "<reden>" : "<reason>");
  ExceptionTypeRadioGroup->SetItemIndex(1);
  ReasonTypeRadioGroup->SetItemIndex(1);
  ConclusionTypeRadioGroup->SetItemIndex(0);
  FillWithStatements(*ExceptionComboBox);
  FillWithStatements(*ConclusionComboBox);
  FillWithStatements(*ReasonComboBox);
  ExceptionComboBox->setFocus(Qt::OtherFocusReason);
  AddUndercutterWarrantAsIssueCheckBox->setChecked(false);
  AddUndercutterWarrantAsAssumptionCheckBox->setChecked(false);
}

void TExceptionForm::FormClose() {
  LogUserAction("    Exception:  " + ItemMark(*ExceptionTypeRadioGroup) + ": " +
                ExceptionComboBox->Sentence());
  LogUserAction("    Conclusion: " + ItemMark(*ConclusionTypeRadioGroup) + ": " +
                ConclusionComboBox->Sentence());
  LogUserAction("    Reason:     " + ItemMark(*ReasonTypeRadioGroup) + ": " +
                ReasonComboBox->Sentence());
  LogUserAction("");
}

void TExceptionForm::ExceptionComboBoxEnter() {
  ExceptionComboBox->SelectWholeText();
}

void TExceptionForm::ExceptionComboBoxChange() {
  PresetType(*ExceptionComboBox, *ExceptionTypeRadioGroup);
}

void TExceptionForm::ExceptionComboBoxExit() {
  LogUserAction("Exception (combobox): " + ExceptionComboBox->Sentence());
  PresetType(*ExceptionComboBox, *ExceptionTypeRadioGroup);
}

void TExceptionForm::ExceptionComboBoxDropDown() {
  LogUserAction("Exception combobox: drop down");
}

void TExceptionForm::ConclusionComboBoxExit() {
  LogUserAction("Conclusion (combobox): " + ConclusionComboBox->Sentence());
}

void TExceptionForm::ConclusionComboBoxDropDown() {
  LogUserAction("Conclusion combobox: drop down");
}

void TExceptionForm::ReasonComboBoxChange() {
  PresetType(*ReasonComboBox, *ReasonTypeRadioGroup);
}

// Unlike the exception, the reason is not preset again on leaving: a type the user chose after
// typing stays.
void TExceptionForm::ReasonComboBoxExit() {
  LogUserAction("Reason (combobox): " + ReasonComboBox->Sentence());
}

void TExceptionForm::ReasonComboBoxDropDown() {
  LogUserAction("Reason combobox: drop down");
}

void TExceptionForm::ExceptionTypeRadioGroupClick() {
  LogUserAction("Exception type (radiogroup): " + ItemMark(*ExceptionTypeRadioGroup));
}

void TExceptionForm::ConclusionTypeRadioGroupClick() {
  LogUserAction("Conclusion type (radiogroup): " + ItemMark(*ConclusionTypeRadioGroup));
}

void TExceptionForm::ReasonTypeRadioGroupClick() {
  LogUserAction("Reason type (radiogroup): " + ItemMark(*ReasonTypeRadioGroup));
}

// Checking one box unchecks the other, whose own click then follows.
void TExceptionForm::AddUndercutterWarrantAsIssueCheckBoxClick() {
  LogUserAction("Add Undercutter Warrant As Issue (checkbox)");
  if (AddUndercutterWarrantAsIssueCheckBox->isChecked() &&
      AddUndercutterWarrantAsAssumptionCheckBox->isChecked())
    AddUndercutterWarrantAsAssumptionCheckBox->setChecked(false);
}

void TExceptionForm::AddUndercutterWarrantAsAssumptionCheckBoxClick() {
  LogUserAction("Add Undercutter Warrant As Assuption (checkbox)");
  if (AddUndercutterWarrantAsIssueCheckBox->isChecked() &&
      AddUndercutterWarrantAsAssumptionCheckBox->isChecked())
    AddUndercutterWarrantAsIssueCheckBox->setChecked(false);
}

void TExceptionForm::UndercutterWarrantGroupBoxExit() {
  if (AddUndercutterWarrantAsAssumptionCheckBox->isChecked())
    LogUserAction("Undercutter warrant: add as assumption (groupbox)");
  if (AddUndercutterWarrantAsIssueCheckBox->isChecked())
    LogUserAction("Undercutter warrant: add as issue (groupbox)");
}

void TExceptionForm::OKButtonClick() {
  LogUserAction("OK (button)");
  PReasonConclusion Connection = NewReasonConclusion();
  Connection->Reason = NewStatement(ReasonComboBox->Sentence(), TypeOfItem(*ReasonTypeRadioGroup));
  Connection->Conclusion =
      NewStatement(ConclusionComboBox->Sentence(), TypeOfItem(*ConclusionTypeRadioGroup));
  const PStatement Exception =
      NewStatement(ExceptionComboBox->Sentence(), TypeOfItem(*ExceptionTypeRadioGroup));
  Connection->Exceptions.Add(Exception);
  const bool AsIssue = AddUndercutterWarrantAsIssueCheckBox->isChecked();
  const bool AsAssumption = AddUndercutterWarrantAsAssumptionCheckBox->isChecked();
  const std::string Warrant =
      UndercutterWarrantSentence(Exception->Sentence, Connection->Reason->Sentence,
                                 Connection->Conclusion->Sentence, State().Language);
  // Every sentence that OK would write must fit, the warrant asked for too, before anything is
  // made: OK does all it was asked or nothing.
  std::vector<TSentenceToCheck> Sentences{
      {TSentenceRole::Exception, Exception->Sentence},
      {TSentenceRole::Conclusion, Connection->Conclusion->Sentence},
      {TSentenceRole::Reason, Connection->Reason->Sentence}};
  if (AsIssue || AsAssumption) Sentences.push_back({TSentenceRole::UndercutterWarrant, Warrant});
  if (!SentencesFit(Sentences)) return;
  MarkToClose(Accepted);
  Core.ExceptionMove(Connection);

  // Offered whether or not the exception was added: the warrant is a statement of its own.
  if (AsIssue) Core.StatementMove(NewStatement(Warrant, TStatementType::Issue));
  if (AsAssumption) Core.StatementMove(NewStatement(Warrant, TStatementType::Assumption));
}

void TExceptionForm::DeleteButtonClick() {
  LogUserAction("Delete (button)");
  TReasonConclusion Connection;
  Connection.Reason->Sentence = ReasonComboBox->Sentence();
  Connection.Conclusion->Sentence = ConclusionComboBox->Sentence();
  Connection.Exceptions.Add(NewStatement(ExceptionComboBox->Sentence(), TStatementType::Issue));
  if (Core.RemoveException(Connection)) MarkToClose(Accepted);
}

}  // namespace palaver
