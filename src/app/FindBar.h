#pragma once

#include <QFrame>
#include <functional>

#include "session/Language.h"

class QLabel;
class QLineEdit;
class QToolButton;

namespace palaver {

// The find bar that opens over the top of the diagram: a box to type in, what was found, and
// buttons for the previous and the next box found and for closing. Typing searches at once;
// Enter goes to the next box, Shift+Enter to the previous one, Escape closes the bar. The window
// does the searching: the bar only says what the user asked for.
class TFindBar final : public QFrame {
 public:
  explicit TFindBar(QWidget* Parent);

  QLineEdit* FindEdit = nullptr;
  QLabel* ResultLabel = nullptr;
  QToolButton* PreviousButton = nullptr;
  QToolButton* NextButton = nullptr;
  QToolButton* CloseButton = nullptr;

  // The text typed has changed.
  std::function<void()> OnTextChanged;
  // Next (true) or previous (false) box found.
  std::function<void(bool Next)> OnStep;
  std::function<void()> OnClose;

  void ApplyLanguage(TLanguage Language);
  // "2 of 5", or "No statement contains "…"" when nothing was found; empty for no text.
  void ShowResult(int Current, int Count, TLanguage Language);

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;
};

}  // namespace palaver
