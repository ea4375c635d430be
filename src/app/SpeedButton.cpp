#include "app/SpeedButton.h"

namespace palaver {

TSpeedButton::TSpeedButton(QWidget* Parent) : QToolButton(Parent) {
  setCheckable(true);
  setFocusPolicy(Qt::NoFocus);
  setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void TSpeedButtonGroup::SetDown(TSpeedButton* Button) {
  for (TSpeedButton* Each : Buttons)
    Each->setChecked(Each == Button);
}

TSpeedButton* TSpeedButtonGroup::DownButton() const {
  for (TSpeedButton* Each : Buttons)
    if (Each->Down()) return Each;
  return nullptr;
}

}  // namespace palaver
