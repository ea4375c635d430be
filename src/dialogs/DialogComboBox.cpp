#include "dialogs/DialogComboBox.h"

#include <QLineEdit>
#include <algorithm>

#include "views/QtText.h"

namespace palaver {

TDialogComboBox::TDialogComboBox(QWidget* Parent) : QComboBox(Parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  // A long sentence in the list must not widen a dialog of fixed size.
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(8);
  setMaxVisibleItems(8);
  connect(this, &QComboBox::editTextChanged, this, [this] {
    if (!ProgramSetsText) emit Change();
  });
}

std::string TDialogComboBox::Sentence() const {
  return FromQString(currentText());
}

void TDialogComboBox::SetSentence(const std::string& Text) {
  ProgramSetsText = true;
  setEditText(ToQString(Text));
  ProgramSetsText = false;
}

void TDialogComboBox::SetSentences(const std::vector<std::string>& Sentences) {
  QStringList Items;
  Items.reserve(static_cast<qsizetype>(Sentences.size()));
  for (const std::string& S : Sentences)
    Items.push_back(ToQString(S));
  // Stable, so sentences that differ only in case keep the order of the stage.
  std::stable_sort(Items.begin(), Items.end(), [](const QString& A, const QString& B) {
    return QString::compare(A, B, Qt::CaseInsensitive) < 0;
  });

  // Clearing and filling an editable combo box moves its current item and with it the text;
  // the text the dialog set must survive.
  const QString Text = currentText();
  ProgramSetsText = true;
  clear();
  addItems(Items);
  setCurrentIndex(-1);
  setEditText(Text);
  ProgramSetsText = false;
}

std::vector<std::string> TDialogComboBox::ListedSentences() const {
  std::vector<std::string> Result;
  for (int I = 0; I < count(); ++I)
    Result.push_back(FromQString(itemText(I)));
  return Result;
}

void TDialogComboBox::SelectWholeText() {
  if (QLineEdit* Edit = lineEdit()) Edit->selectAll();
}

void TDialogComboBox::showPopup() {
  emit DropDown();
  QComboBox::showPopup();
}

}  // namespace palaver
