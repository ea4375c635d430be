#pragma once

#include "session/MessageBoxes.h"

class QWidget;

namespace palaver {

// The program's message boxes as modal QMessageBoxes over the main window: a warning box titled
// "Warning" ("Waarschuwing" in Dutch), a confirmation box titled "Confirm" ("Bevestigen"), each
// with exactly its buttons, Yes as the default and Escape (or closing the box) giving No, or
// Cancel where the box has it. The buttons carry Qt's own words, Dutch while Qt's Dutch
// translation is installed. The general error display is a critical box titled "Palaver".
class TQtMessageBoxes final : public TMessageBoxes {
 public:
  explicit TQtMessageBoxes(QWidget* Parent) : Parent(Parent) {}

  void Warning(const std::string& Text) override;
  TAnswer WarningYesNo(const std::string& Text) override;
  TAnswer WarningYesNoCancel(const std::string& Text) override;
  TAnswer Confirmation(const std::string& Text) override;
  void ShowError(const std::string& Message) override;

 private:
  QWidget* Parent;
};

}  // namespace palaver
