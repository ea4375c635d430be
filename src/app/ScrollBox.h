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

 protected:
  void resizeEvent(QResizeEvent* Event) override;
};

}  // namespace palaver
