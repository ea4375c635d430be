#pragma once

#include "dialogs/MoveDialog.h"
#include "session/Language.h"

class QCheckBox;
class QGroupBox;
class QLabel;

namespace palaver {

class TDialogComboBox;
class TRadioGroup;

// The exception dialog: an exception blocking the connection between a reason and a
// conclusion, each of the three typed or picked and typed as Issue or Assumption, and OK for
// the exception move, optionally followed by a statement move of the undercutter's warrant;
// Delete deletes that exception from the connection. The exception's type is preset on every
// change and on leaving its box, the reason's on every change only, the conclusion's never.
class TExceptionForm final : public TMoveDialog {
 public:
  explicit TExceptionForm(TMainWindowCore& Core, QWidget* Parent = nullptr);

  QLabel* Label2;
  TDialogComboBox* ExceptionComboBox;
  TRadioGroup* ExceptionTypeRadioGroup;
  QLabel* Label5;
  TDialogComboBox* ConclusionComboBox;
  TRadioGroup* ConclusionTypeRadioGroup;
  QLabel* Label4;
  TDialogComboBox* ReasonComboBox;
  TRadioGroup* ReasonTypeRadioGroup;
  QGroupBox* UndercutterWarrantGroupBox;
  QCheckBox* AddUndercutterWarrantAsIssueCheckBox;
  QCheckBox* AddUndercutterWarrantAsAssumptionCheckBox;

  void ApplyCaptions(TLanguage Language);

  void FormShow() override;
  void FormClose() override;
  void ExceptionComboBoxEnter();
  void ExceptionComboBoxChange();
  void ExceptionComboBoxExit();
  void ExceptionComboBoxDropDown();
  void ConclusionComboBoxExit();
  void ConclusionComboBoxDropDown();
  void ReasonComboBoxChange();
  void ReasonComboBoxExit();
  void ReasonComboBoxDropDown();
  void ExceptionTypeRadioGroupClick();
  void ConclusionTypeRadioGroupClick();
  void ReasonTypeRadioGroupClick();
  void AddUndercutterWarrantAsIssueCheckBoxClick();
  void AddUndercutterWarrantAsAssumptionCheckBoxClick();
  void UndercutterWarrantGroupBoxExit();
  void OKButtonClick() override;
  void DeleteButtonClick() override;

 private:
  void ApplyTabOrder();
};

}  // namespace palaver
