#include "dialogs/ReasonConclusionForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "controller/MainWindowCore.h"
#include "dialogs/CaptionTable.h"
#include "dialogs/DialogComboBox.h"
#include "dialogs/RadioGroup.h"
#include "model/WarrantSentences.h"
#include "session/ProgramState.h"
#include "session/UserActionLog.h"

namespace palaver {

namespace {

constexpr TCaptionRow Captions[] = {
    {"", "Reason/conclusion", "Reden/conclusie"},
    {"Label2", "Type or choose a conclusion:", "Tik of kies een conclusie:"},
    {"ConclusionTypeRadioGroup", "&Conclusion type", "Type &conclusie"},
    {"Label1", "Type or choose a reason:", "Tik of kies een reden:"},
    {"ReasonTypeRadioGroup", "&Reason type", "Type &reden"},
    {"StepWarrantGroupBox", "Step warrant", "Grond voor de reden/conclusie-stap"},
    {"AddStepWarrantAsIssueCheckBox", "Add as &issue", "Voeg als &kwestie toe"},
    {"AddStepWarrantAsAssumptionCheckBox", "Add as &assumption", "Voeg als &aanname toe"},
    {"DeleteButton", "&Delete", "&Verwijder"},
    {"CancelButton", "Cancel", "Annuleren"},
};

}  // namespace

TReasonConclusionForm::TReasonConclusionForm(TMainWindowCore& Core, QWidget* Parent)
    : TMoveDialog(Core, QSize(552, 313), Parent) {
  setWindowTitle(QStringLiteral("Reason/conclusion"));
  Label2 = NewLabel("Label2", "Type or choose a conclusion:");
  ConclusionComboBox = NewComboBox("ConclusionComboBox", "<conclusion>", Label2);
  ConclusionTypeRadioGroup = NewTypeGroup("ConclusionTypeRadioGroup", "&Conclusion type", 0);
  Label1 = NewLabel("Label1", "Type or choose a reason:");
  ReasonComboBox = NewComboBox("ReasonComboBox", "<reason>", Label1);
  ReasonTypeRadioGroup = NewTypeGroup("ReasonTypeRadioGroup", "&Reason type", 1);
  StepWarrantGroupBox = CheckBoxGroup(
      this, "StepWarrantGroupBox", "Step warrant", AddStepWarrantAsIssueCheckBox,
      "AddStepWarrantAsIssueCheckBox", "Add as &issue", AddStepWarrantAsAssumptionCheckBox,
      "AddStepWarrantAsAssumptionCheckBox", "Add as &assumption");

  auto* Layout = new QGridLayout(this);
  Layout->setContentsMargins(8, 8, 8, 8);
  Layout->setVerticalSpacing(4);
  Layout->setColumnStretch(0, 1);
  Layout->setColumnStretch(1, 1);
  Layout->addWidget(Label2, 0, 0, 1, 2);
  Layout->addWidget(ConclusionComboBox, 1, 0, 1, 2);
  Layout->addWidget(ConclusionTypeRadioGroup, 2, 0);
  Layout->setRowMinimumHeight(3, 6);
  Layout->addWidget(Label1, 4, 0, 1, 2);
  Layout->addWidget(ReasonComboBox, 5, 0, 1, 2);
  Layout->addWidget(ReasonTypeRadioGroup, 6, 0);
  Layout->setRowStretch(7, 1);
  Layout->addLayout(ButtonRow(), 8, 0, Qt::AlignLeft | Qt::AlignBottom);
  Layout->addWidget(StepWarrantGroupBox, 8, 1);
  ApplyTabOrder();

  BindFocus(
      *ConclusionComboBox, [this] { ConclusionComboBoxEnter(); },
      [this] { ConclusionComboBoxExit(); });
  BindFocus(
      *ReasonComboBox, [this] { ReasonComboBoxEnter(); }, [this] { ReasonComboBoxExit(); });
  BindFocus(*ConclusionTypeRadioGroup, {}, {});
  BindFocus(*ReasonTypeRadioGroup, {}, {});
  BindFocus(*StepWarrantGroupBox, {}, [this] { StepWarrantGroupBoxExit(); });
  Bind(ConclusionComboBox, &TDialogComboBox::Change, [this] { ConclusionComboBoxChange(); });
  Bind(ConclusionComboBox, &TDialogComboBox::DropDown, [this] { ConclusionComboBoxDropDown(); });
  Bind(ReasonComboBox, &TDialogComboBox::Change, [this] { ReasonComboBoxChange(); });
  Bind(ReasonComboBox, &TDialogComboBox::DropDown, [this] { ReasonComboBoxDropDown(); });
  Bind(ConclusionTypeRadioGroup, &TRadioGroup::Click, [this] { ConclusionTypeRadioGroupClick(); });
  Bind(ReasonTypeRadioGroup, &TRadioGroup::Click, [this] { ReasonTypeRadioGroupClick(); });
  Bind(AddStepWarrantAsIssueCheckBox, &QCheckBox::toggled,
       [this] { AddStepWarrantAsIssueCheckBoxClick(); });
  Bind(AddStepWarrantAsAssumptionCheckBox, &QCheckBox::toggled,
       [this] { AddStepWarrantAsAssumptionCheckBoxClick(); });
}

void TReasonConclusionForm::ApplyCaptions(TLanguage Language) {
  ApplyCaptionTable(*this, Captions, Language);
  ApplyTabOrder();
}

void TReasonConclusionForm::ApplyTabOrder() {
  // The conclusion comes first, and both texts before both types.
  SetTabOrder({ConclusionComboBox, ReasonComboBox, ConclusionTypeRadioGroup, ReasonTypeRadioGroup,
               AddStepWarrantAsIssueCheckBox, AddStepWarrantAsAssumptionCheckBox, OKButton,
               CancelButton, DeleteButton});
}

void TReasonConclusionForm::FormShow() {
  LogUserAction("");
  LogUserAction("REASON/CONCLUSION FORM");
  const bool Dutch = State().Language == TLanguage::Dutch;
  ConclusionComboBox->SetSentence(Dutch ? "<conclusie>" : "<conclusion>");
  ReasonComboBox->SetSentence(Dutch ? "<reden>" : "<reason>");
  ReasonTypeRadioGroup->SetItemIndex(1);
  ConclusionTypeRadioGroup->SetItemIndex(0);
  FillWithStatements(*ConclusionComboBox);
  FillWithStatements(*ReasonComboBox);
  ConclusionComboBox->setFocus(Qt::OtherFocusReason);
  AddStepWarrantAsIssueCheckBox->setChecked(false);
  AddStepWarrantAsAssumptionCheckBox->setChecked(false);
}

void TReasonConclusionForm::FormClose() {
  LogUserAction("    Conclusion: " + ItemMark(*ConclusionTypeRadioGroup) + ": " +
                ConclusionComboBox->Sentence());
  LogUserAction("    Reason:     " + ItemMark(*ReasonTypeRadioGroup) + ": " +
                ReasonComboBox->Sentence());
  LogUserAction("");
}

void TReasonConclusionForm::ConclusionComboBoxEnter() {
  ConclusionComboBox->SelectWholeText();
}

// The conclusion's type is the user's: an existing conclusion of another type is settled by
// the move's overruling question, not here.
void TReasonConclusionForm::ConclusionComboBoxChange() {}

void TReasonConclusionForm::ConclusionComboBoxExit() {
  LogUserAction("Conclusion (combobox): " + ConclusionComboBox->Sentence());
}

void TReasonConclusionForm::ConclusionComboBoxDropDown() {
  LogUserAction("Conclusion combobox: drop down");
}

void TReasonConclusionForm::ReasonComboBoxEnter() {
  ReasonComboBox->SelectWholeText();
}

void TReasonConclusionForm::ReasonComboBoxChange() {
  PresetType(*ReasonComboBox, *ReasonTypeRadioGroup);
}

void TReasonConclusionForm::ReasonComboBoxExit() {
  LogUserAction("Reason (combobox): " + ReasonComboBox->Sentence());
  PresetType(*ReasonComboBox, *ReasonTypeRadioGroup);
}

void TReasonConclusionForm::ReasonComboBoxDropDown() {
  LogUserAction("Reason combobox: drop down");
}

void TReasonConclusionForm::ConclusionTypeRadioGroupClick() {
  LogUserAction("Conclusion type (radiogroup): " + ItemMark(*ConclusionTypeRadioGroup));
}

void TReasonConclusionForm::ReasonTypeRadioGroupClick() {
  LogUserAction("Reason type (radiogroup): " + ItemMark(*ReasonTypeRadioGroup));
}

// Checking one box unchecks the other, whose own click then follows.
void TReasonConclusionForm::AddStepWarrantAsIssueCheckBoxClick() {
  LogUserAction("Add Step Warrant As Issue (checkbox)");
  if (AddStepWarrantAsIssueCheckBox->isChecked() && AddStepWarrantAsAssumptionCheckBox->isChecked())
    AddStepWarrantAsAssumptionCheckBox->setChecked(false);
}

void TReasonConclusionForm::AddStepWarrantAsAssumptionCheckBoxClick() {
  LogUserAction("Add Step Warrant As Assumption (checkbox)");
  if (AddStepWarrantAsIssueCheckBox->isChecked() && AddStepWarrantAsAssumptionCheckBox->isChecked())
    AddStepWarrantAsIssueCheckBox->setChecked(false);
}

void TReasonConclusionForm::StepWarrantGroupBoxExit() {
  if (AddStepWarrantAsAssumptionCheckBox->isChecked())
    LogUserAction("Step warrant: add as assumption (groupbox)");
  if (AddStepWarrantAsIssueCheckBox->isChecked())
    LogUserAction("Step warrant: add as issue (groupbox)");
}

void TReasonConclusionForm::OKButtonClick() {
  LogUserAction("OK (button)");
  PReasonConclusion Connection = NewReasonConclusion();
  Connection->Reason = NewStatement(ReasonComboBox->Sentence(), TypeOfItem(*ReasonTypeRadioGroup));
  Connection->Conclusion =
      NewStatement(ConclusionComboBox->Sentence(), TypeOfItem(*ConclusionTypeRadioGroup));
  const bool AsIssue = AddStepWarrantAsIssueCheckBox->isChecked();
  const bool AsAssumption = AddStepWarrantAsAssumptionCheckBox->isChecked();
  const std::string Warrant =
      StepWarrantSentence(Connection->Reason->Sentence, Connection->Conclusion->Sentence,
                          Connection->ConnectionKind, State().Language);
  // Every sentence that OK would write must fit, the warrant asked for too, before anything is
  // made: OK does all it was asked or nothing.
  std::vector<TSentenceToCheck> Sentences{
      {TSentenceRole::Conclusion, Connection->Conclusion->Sentence},
      {TSentenceRole::Reason, Connection->Reason->Sentence}};
  if (AsIssue || AsAssumption) Sentences.push_back({TSentenceRole::StepWarrant, Warrant});
  if (!SentencesFit(Sentences)) return;
  MarkToClose(Accepted);
  Core.ReasonConclusionMove(Connection);

  // Offered whether or not the connection was made: the warrant is a statement of its own.
  if (AsIssue) Core.StatementMove(NewStatement(Warrant, TStatementType::Issue));
  if (AsAssumption) Core.StatementMove(NewStatement(Warrant, TStatementType::Assumption));
}

void TReasonConclusionForm::DeleteButtonClick() {
  LogUserAction("Delete (button)");
  TReasonConclusion Connection;
  Connection.Reason->Sentence = ReasonComboBox->Sentence();
  Connection.Conclusion->Sentence = ConclusionComboBox->Sentence();
  if (Core.RemoveReasonConclusion(Connection)) MarkToClose(Accepted);
}

}  // namespace palaver
