#pragma once

#include <QScrollArea>
#include <functional>

namespace palaver {

// The white scroll area that holds the main window's views. Its views are children of one
// contents widget, placed at its top left; the contents always encloses the views that are
// visible, so the scroll bars reach all of them. Views that fill the area are sized to the whole
// area (FillSize), so they bring no scroll bars of their own making.
class TScrollBox final : public QScrollArea {
 public:
  explicit TScrollBox(QWidget* Parent);

  QWidget* Contents() const { return widget(); }
  // The size of the area without scroll bars: what a filling view is given.
  QSize FillSize() const { return maximumViewportSize(); }
  // Sizes the contents to the extent of its visible children; call after showing, hiding or
  // resizing a view.
  void FitContents();

  // Runs after every change of the area's own size.
  std::function<void()> OnResize;
  // The wheel turned with Ctrl held, by Steps notches (positive away from the user), over Where
  // in the viewport; true when it was taken, and then the area does not scroll.
  std::function<bool(int Steps, QPoint Where)> OnCtrlWheel;
  // The context menu asked for (right button or the Menu key) at Where, in global coordinates;
  // true when one was shown.
  std::function<bool(QPoint Where)> OnContextMenu;

 protected:
  void resizeEvent(QResizeEvent* Event) override;
  void wheelEvent(QWheelEvent* Event) override;
  void contextMenuEvent(QContextMenuEvent* Event) override;

 private:
  // Eighths of a degree turned with Ctrl held that make no whole notch yet (fine-grained wheels
  // and touchpads send small amounts).
  int CtrlWheelRest = 0;
};

}  // namespace palaver
