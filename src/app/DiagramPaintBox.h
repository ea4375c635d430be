#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/ArgumentationStage.h"
#include "views/DiagramLayout.h"
#include "views/DiagramPainter.h"

class QPainter;

namespace palaver {

// The paint surface of the diagram and of the statements drawing (DialArgsPaintBox). It keeps
// the last layout: the drawing calls lay the picture out, growing the surface as they go, and a
// paint request paints only the primitives that meet the exposed area. The widget's size is the
// surface's: width as set, height as drawn.
//
// The surface keeps the stage it drew from, so that the boxes of its picture, which point into
// that stage, can be asked what they show for as long as the picture is there.
class TDiagramPaintBox final : public QWidget {
 public:
  explicit TDiagramPaintBox(QWidget* Parent);
  ~TDiagramPaintBox() override;

  // The surface's size on the screen. At a zoom other than 100 % the picture is laid out at the
  // width the surface has at that zoom (its width divided by the zoom), so that it still fits,
  // and painted at the zoom's scale: drawn at that size, not an enlarged bitmap.
  int SurfaceWidth() const { return ScreenWidth; }
  int SurfaceHeight() const;
  void SetSurfaceWidth(int Width);
  void SetSurfaceHeight(int Height);
  // The width the picture is laid out at.
  int LayoutWidth() const { return Layout->Picture.Width; }

  // The zoom in percent; 100 draws exactly the picture's own pixels. Setting it keeps the
  // surface's width on the screen; the next drawing lays the picture out anew.
  int ZoomPercent() const { return Zoom; }
  void SetZoomPercent(int Percent);
  // A rectangle of the picture as it lies on the surface, and a point of the surface in the
  // picture.
  QRect ScreenRect(const TDiagramRect& Rect) const;
  QPoint PicturePoint(QPoint ScreenPoint) const;

  // The boxes a search found (indices into the picture's Boxes), ringed over the picture, and
  // the one it is at, ringed more strongly; -1 for none. Drawing anew clears them.
  void SetMarks(std::vector<std::size_t> Boxes, int Current);
  void SetCurrentMark(int Current);
  const std::vector<std::size_t>& MarkedBoxes() const { return Marked; }
  int CurrentMark() const { return Current; }
  // Counts the drawings, so that what was computed from one picture is known to be stale.
  unsigned long Generation() const { return Drawings; }

  // Clear the surface and draw the whole picture from the stage.
  void DrawDiagram(const PArgumentationStage& Stage, bool ShowStructureOnly);
  void DrawStatements(const PArgumentationStage& Stage, bool ShowStructureOnly);
  // The stage the picture was drawn from; none once the picture is dropped.
  const PArgumentationStage& DrawnStage() const { return Stage; }

  const TDiagramPicture& Picture() const { return Layout->Picture; }
  // Drops the picture, so the surface shows white at its present size until the next drawing.
  void ClearPicture();

  // Whether a paint request shows the picture: only while the drawing it holds is the selected
  // view. Unset, it always does.
  std::function<bool()> PaintsPicture;
  // The tooltip of a box of the picture (UTF-8, lines separated by "\n"); empty for none.
  std::function<std::string(const TDiagramBox&)> BoxToolTip;

 protected:
  bool event(QEvent* Event) override;
  void paintEvent(QPaintEvent* Event) override;

 private:
  // Measures come from the font the surface actually paints with, in the logical pixels of the
  // screen it is on now; each drawing takes them afresh, and the layout (which keeps its
  // measurer) is renewed with them.
  void RenewMeasurer();
  void SyncWidgetSize();

  // Where the marks of a search are painted, on top of the picture.
  // Exposed is in the picture's pixels.
  void PaintMarks(QPainter& Painter, const TDiagramRect& Exposed) const;
  void AfterDrawing();

  int ScreenWidth = 0;
  int Zoom = 100;
  std::vector<std::size_t> Marked;
  int Current = -1;
  unsigned long Drawings = 0;
  std::unique_ptr<TQtTextMeasurer> Measurer;
  std::unique_ptr<TDiagramLayout> Layout;
  PArgumentationStage Stage;
  // The dialectical arguments drawn, held here as well: a stage that is no longer the newest one
  // may let go of its own list, and the picture's boxes point into them.
  TDialecticalArguments Drawn;
};

}  // namespace palaver
