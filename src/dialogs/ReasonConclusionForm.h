#pragma once

#include "dialogs/MoveDialog.h"
#include "session/Language.h"

class QCheckBox;
class QGroupBox;
class QLabel;

namespace palaver {

class TDialogComboBox;
class TRadioGroup;

// The reason/conclusion dialog: a reason and a conclusion, each typed or picked and typed as
// Issue or Assumption, and OK for the reason/conclusion move, optionally followed by a
// statement move of the step's warrant; Delete deletes the connection. Only the reason's type
// is preset from the stage: a mismatch with an existing conclusion is the move's question.
class TReasonConclusionForm final : public TMoveDialog {
 public:
  explicit TReasonConclusionForm(TMainWindowCore& Core, QWidget* Parent = nullptr);

  QLabel* Label2;
  TDialogComboBox* ConclusionComboBox;
  TRadioGroup* ConclusionTypeRadioGroup;
  QLabel* Label1;
  TDialogComboBox* ReasonComboBox;
  TRadioGroup* ReasonTypeRadioGroup;
  QGroupBox* StepWarrantGroupBox;
  QCheckBox* AddStepWarrantAsIssueCheckBox;
  QCheckBox* AddStepWarrantAsAssumptionCheckBox;

  void ApplyCaptions(TLanguage Language);

  void FormShow() override;
  void FormClose() override;
  void ConclusionComboBoxEnter();
  void ConclusionComboBoxChange();
  void ConclusionComboBoxExit();
  void ConclusionComboBoxDropDown();
  void ReasonComboBoxEnter();
  void ReasonComboBoxChange();
  void ReasonComboBoxExit();
  void ReasonComboBoxDropDown();
  void ConclusionTypeRadioGroupClick();
  void ReasonTypeRadioGroupClick();
  void AddStepWarrantAsIssueCheckBoxClick();
  void AddStepWarrantAsAssumptionCheckBoxClick();
  void StepWarrantGroupBoxExit();
  void OKButtonClick() override;
  void DeleteButtonClick() override;

 private:
  void ApplyTabOrder();
};

}  // namespace palaver
