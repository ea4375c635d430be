#include "dialogs/DialogComboBox.h"

#include <QCollator>
#include <QLineEdit>
#include <QLocale>
#include <algorithm>
#include <numeric>

#include "views/QtText.h"

namespace palaver {

namespace {

// The alphabetical order of the language: accented letters sort with their base letter and
// case plays no part (sentences that differ only in case compare equal).
QCollator SentenceCollator(TLanguage Language) {
  QCollator Collator(Language == TLanguage::Dutch
                         ? QLocale(QLocale::Dutch, QLocale::Netherlands)
                         : QLocale(QLocale::English, QLocale::UnitedStates));
  Collator.setCaseSensitivity(Qt::CaseInsensitive);
  return Collator;
}

}  // namespace

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

void TDialogComboBox::SetSentences(const std::vector<std::string>& Sentences, TLanguage Language) {
  QStringList Texts;
  Texts.reserve(static_cast<qsizetype>(Sentences.size()));
  for (const std::string& S : Sentences)
    Texts.push_back(ToQString(S));
  // One sort key per sentence, so a long list is not collated afresh at every comparison.
  const QCollator Collator = SentenceCollator(Language);
  std::vector<QCollatorSortKey> Keys;
  Keys.reserve(Sentences.size());
  for (const QString& Text : Texts)
    Keys.push_back(Collator.sortKey(Text));
  std::vector<std::size_t> Order(Sentences.size());
  std::iota(Order.begin(), Order.end(), std::size_t{0});
  // Stable, so sentences that compare equal keep the order of the stage.
  std::stable_sort(Order.begin(), Order.end(),
                   [&Keys](std::size_t A, std::size_t B) { return Keys[A].compare(Keys[B]) < 0; });
  QStringList Items;
  Items.reserve(Texts.size());
  for (const std::size_t I : Order)
    Items.push_back(Texts[static_cast<qsizetype>(I)]);

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
  Result.reserve(static_cast<std::size_t>(count()));
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
