#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QString>
#include <QStringList>
#include <vector>

class QGridLayout;
class QRadioButton;

namespace palaver {

// A captioned box of radio items in two columns, at most one of them selected.
//
// Click comes exactly when the selected item changes, whoever changed it: a click on another
// item, an arrow key, or the program selecting an item. Selecting the item that is already
// selected changes nothing and so emits nothing; neither does emptying the items, which leaves
// the group without a selection.
//
// Like a single control, the group is one stop in the tab order: Tab lands on the selected item
// (on every item while none is selected).
class TRadioGroup final : public QGroupBox {
  Q_OBJECT

 public:
  explicit TRadioGroup(const QString& Caption, QWidget* Parent = nullptr);

  // Empties the group, then appends the items in order.
  void SetItems(const QStringList& Items);
  QStringList Items() const;
  int Count() const { return static_cast<int>(Buttons.size()); }
  QRadioButton* Button(int Index) const;

  // -1 when no item is selected.
  int ItemIndex() const { return Selected; }
  // -1 clears the selection (without a Click).
  void SetItemIndex(int Index);

 signals:
  void Click();

 private:
  void ButtonToggled(int Index, bool Checked);
  void UpdateTabStops();

  QButtonGroup Group;
  QGridLayout* Grid;
  std::vector<QRadioButton*> Buttons;
  int Selected = -1;
  bool Rebuilding = false;
};

}  // namespace palaver
