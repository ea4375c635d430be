#pragma once

#include <string>

namespace palaver {

// The answer a message box gave. None: the box was closed without any of its buttons.
enum class TAnswer { Yes, No, Cancel, None };

// The modal message boxes the program shows. The window implements them with real boxes; tests
// and palaver-cli script the answers. Texts arrive complete ("\r\n" marks a line break).
class TMessageBoxes {
 public:
  virtual ~TMessageBoxes() = default;
  // Warning box with the single button OK.
  virtual void Warning(const std::string& Text) = 0;
  // Warning box with Yes and No; Yes is the default, Escape answers No.
  virtual TAnswer WarningYesNo(const std::string& Text) = 0;
  // Warning box with Yes, No and Cancel; Yes is the default, Escape or closing answers Cancel.
  virtual TAnswer WarningYesNoCancel(const std::string& Text) = 0;
  // Confirmation box with Yes and No; Yes is the default, Escape answers No.
  virtual TAnswer Confirmation(const std::string& Text) = 0;
  // The program's general error display for a platform failure.
  virtual void ShowError(const std::string& Message) = 0;
};

}  // namespace palaver
