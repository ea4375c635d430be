#pragma once

#include "dialogs/MoveDialog.h"
#include "session/Language.h"

class QLabel;

namespace palaver {

class TDialogComboBox;
class TRadioGroup;

// The statement dialog: a sentence typed or picked from the current stage, its type, and OK
// for the statement move or Delete to delete the statement with all its occurrences. Nothing is
// kept from one showing to the next: FormShow presets everything from the current line.
class TStatementForm final : public TMoveDialog {
 public:
  explicit TStatementForm(TMainWindowCore& Core, QWidget* Parent = nullptr);

  QLabel* Label1;
  TDialogComboBox* StatementComboBox;
  TRadioGroup* StatementTypeRadioGroup;

  // The language's captions and type items; the latter leave the type unselected until the
  // dialog next opens.
  void ApplyCaptions(TLanguage Language);

  void FormShow() override;
  void FormClose() override;
  void StatementComboBoxEnter();
  void StatementComboBoxChange();
  void StatementComboBoxExit();
  void StatementComboBoxDropDown();
  void StatementTypeRadioGroupClick();
  void OKButtonClick() override;
  void DeleteButtonClick() override;

 private:
  void ApplyTabOrder();
};

}  // namespace palaver
