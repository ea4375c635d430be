#pragma once

#include <QDialog>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace palaver {

// The Options dialog: how the arguments tree is filled. The radio group keeps its selection
// from one showing to the next; only OK applies it, and OK also shows the arguments tree. The
// window's close box (or Escape) closes the dialog and changes nothing. The captions are the
// same in every language, and nothing here writes to the user-action log.
class TOptionsForm final : public QDialog {
 public:
  // The window's position and size on the screen, its frame included.
  static constexpr QRect FrameGeometry{280, 134, 212, 158};

  explicit TOptionsForm(QWidget* Parent = nullptr);

  // Shows the arguments tree in the main window; set by the window that owns the dialog.
  std::function<void()> ShowArgumentsTree;

  QGroupBox* ArgumentsViewRadioGroup;
  QPushButton* OKButton;

  // The radio group's items: 0 "Arguments are coordinated", 1 "Arguments are not
  // coordinated". One of them is always selected.
  int ArgumentsViewItemIndex() const;
  void SetArgumentsViewItemIndex(int Index);
  QRadioButton* ArgumentsViewItem(int Index) const;

  void OKButtonClick();

 protected:
  void showEvent(QShowEvent* Event) override;

 private:
  QButtonGroup* ArgumentsViewItems;
};

}  // namespace palaver
