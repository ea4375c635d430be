#pragma once

#include <QToolButton>
#include <vector>

namespace palaver {

// A button that stays down once put down, as the view buttons do. A click does not toggle it:
// its handler shows the view, and showing the view is what puts the button down. It takes no
// focus, so the keyboard focus stays where the user left it.
class TSpeedButton final : public QToolButton {
 public:
  explicit TSpeedButton(QWidget* Parent);

  bool Down() const { return isChecked(); }

 protected:
  void nextCheckState() override {}
};

// The speed buttons of one box. Putting one down releases the others of the group, and only
// those: the buttons of another group keep their state. All may be up.
class TSpeedButtonGroup {
 public:
  void Add(TSpeedButton* Button) { Buttons.push_back(Button); }
  void SetDown(TSpeedButton* Button);
  // The button that is down, or null when all are up.
  TSpeedButton* DownButton() const;

 private:
  std::vector<TSpeedButton*> Buttons;
};

}  // namespace palaver
