#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QWidget;

namespace palaver {

// The focus-entry and focus-exit events of a dialog's controls.
//
// Qt reports the focus per widget, and also when it goes to another window. A control of the
// dialog is entered and left only when the focus moves between the dialog's own controls while
// the dialog is showing:
// - a control is an area: a combo box (its own drop-down list included, so opening the list is
//   not leaving it), a group box with its check boxes, a radio group with its items, a button;
// - the focus going to another window (a message box over the dialog, the window behind it when
//   the dialog closes) leaves nothing, and its coming back enters nothing;
// - a mouse press gives the focus before the click, so leaving a combo box for the OK button
//   is reported before the button's click.
class TFocusAreas final : public QObject {
 public:
  explicit TFocusAreas(QWidget& Form);

  // Enter and Exit may be empty.
  void Add(QWidget& Area, std::function<void()> Enter, std::function<void()> Exit);
  // The dialog is showing: no control is active until the focus arrives in one.
  void Start();
  // The dialog is closing: nothing is reported from now on.
  void Stop();

 private:
  struct TArea {
    QWidget* Widget;
    std::function<void()> Enter;
    std::function<void()> Exit;
  };

  void FocusChanged(QWidget* Now);
  // The area holding Widget; the form itself for a widget of the form in no area; nullptr
  // for a widget of another window.
  QWidget* AreaOf(QWidget* Widget) const;
  const TArea* Find(const QWidget* Widget) const;

  QWidget& Form;
  std::vector<TArea> Areas;
  QPointer<QWidget> Active;
  bool Running = false;
};

}  // namespace palaver
