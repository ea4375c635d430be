#pragma once

#include <QComboBox>
#include <string>
#include <vector>

#include "session/Language.h"

namespace palaver {

// The editable combo box of the move dialogs: free text plus a drop-down list of sentences.
//
// Change is the user's change of the text (typing, or picking an item from the list); the
// program's own settings of the text and of the list are not changes, so a preset never runs
// because the dialog filled itself in. DropDown comes just before the list opens.
//
// Typing is taken literally: no completion and no insertion into the list on Enter, because a
// sentence is compared byte by byte and a completed text would be a different sentence.
class TDialogComboBox final : public QComboBox {
  Q_OBJECT

 public:
  explicit TDialogComboBox(QWidget* Parent = nullptr);

  // The text as a sentence.
  std::string Sentence() const;
  void SetSentence(const std::string& Text);
  // Replaces the list; it shows the sentences sorted alphabetically, ignoring case, as the
  // language sorts words (so "Één" comes among the E's). The text stays as it was.
  void SetSentences(const std::vector<std::string>& Sentences, TLanguage Language);
  std::vector<std::string> ListedSentences() const;
  void SelectWholeText();

  void showPopup() override;

 signals:
  void Change();
  void DropDown();

 private:
  bool ProgramSetsText = false;
};

}  // namespace palaver
