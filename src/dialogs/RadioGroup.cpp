#include "dialogs/RadioGroup.h"

#include <QGridLayout>
#include <QRadioButton>

namespace palaver {

TRadioGroup::TRadioGroup(const QString& Caption, QWidget* Parent)
    : QGroupBox(Caption, Parent), Grid(new QGridLayout(this)) {
  Grid->setContentsMargins(8, 2, 8, 4);
  Grid->setVerticalSpacing(2);
  Group.setExclusive(true);
  connect(&Group, &QButtonGroup::idToggled, this, &TRadioGroup::ButtonToggled);
}

void TRadioGroup::SetItems(const QStringList& Items) {
  Rebuilding = true;
  for (QRadioButton* B : Buttons) {
    Group.removeButton(B);
    delete B;
  }
  Buttons.clear();
  Selected = -1;
  for (const QString& Item : Items) {
    const int Index = Count();
    auto* B = new QRadioButton(Item, this);
    Group.addButton(B, Index);
    Grid->addWidget(B, Index / 2, Index % 2);
    Buttons.push_back(B);
  }
  Rebuilding = false;
  UpdateTabStops();
}

QStringList TRadioGroup::Items() const {
  QStringList Result;
  for (const QRadioButton* B : Buttons)
    Result.push_back(B->text());
  return Result;
}

QRadioButton* TRadioGroup::Button(int Index) const {
  return Index >= 0 && Index < Count() ? Buttons[static_cast<std::size_t>(Index)] : nullptr;
}

void TRadioGroup::SetItemIndex(int Index) {
  if (QRadioButton* B = Button(Index)) {
    B->setChecked(true);  // a change reaches ButtonToggled, which emits Click
    return;
  }
  if (Selected < 0) return;
  // An exclusive group keeps one button checked; it lets go only while it is not exclusive.
  Rebuilding = true;
  Group.setExclusive(false);
  Button(Selected)->setChecked(false);
  Group.setExclusive(true);
  Selected = -1;
  Rebuilding = false;
  UpdateTabStops();
}

void TRadioGroup::ButtonToggled(int Index, bool Checked) {
  if (!Checked || Rebuilding || Index == Selected) return;
  Selected = Index;
  UpdateTabStops();
  emit Click();
}

void TRadioGroup::UpdateTabStops() {
  for (int I = 0; I < Count(); ++I) {
    const bool Stop = Selected < 0 || I == Selected;
    Buttons[static_cast<std::size_t>(I)]->setFocusPolicy(Stop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

}  // namespace palaver
