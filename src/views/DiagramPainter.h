#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRect>
#include <array>
#include <memory>
#include <string_view>

#include "views/DiagramPicture.h"
#include "views/TextMeasurer.h"

class QIODevice;
class QPainter;
class QPaintDevice;

namespace palaver {

// The font the diagram is drawn in: the platform's sans-serif font at 8 points. Every measure
// of the drawing is taken from this font as the paint device resolves it.
QFont DiagramFont();

// The font in one of the diagram's styles.
QFont StyledFont(const QFont& Font, TFontStyle Style);

// Measures text in a Qt font, in the logical pixels of the device (the screen when none is
// given), which is what the painter draws in, also on high-resolution screens.
//
// Every measurer of the same font on a device of the same resolution shares one memo, kept for
// the rest of the run: each drawing makes a measurer of its own, and a redrawn diagram asks
// almost only what the last drawing asked already.
class TQtTextMeasurer : public TTextMeasurer {
 public:
  explicit TQtTextMeasurer(const QFont& Font, QPaintDevice* Device = nullptr);

  int TextHeight() const override { return Height; }
  int TextWidth(std::string_view Text, TFontStyle Style) const override;
  TTextMemo* Memo() const override { return TheMemo.get(); }

  // Forgets what every measurer has measured: the next drawing measures everything afresh.
  static void ForgetMeasurements();

 private:
  std::array<QFontMetrics, 3> Metrics;
  int Height = 0;
  std::shared_ptr<TTextMemo> TheMemo;
};

// Paints Exposed white and then the primitives of Picture that meet it, clipped to Exposed,
// shapes without antialiasing. The one drawing routine: the window's paint surface and every
// export go through it.
// A painter that shrinks the picture (a zoom below 100 %) draws its lines one device pixel wide,
// so that they stay sharp and dark.
//
// Glyphs may reach a little past their cells, so primitives just outside Exposed are painted
// too, clipped. A page passes Overhang 0: what lies on the next page must not be painted here,
// even clipped, since a PDF keeps clipped text as text.
void PaintDiagram(QPainter& Painter, const TDiagramPicture& Picture, const QFont& Font,
                  const QRect& Exposed, int Overhang = -1);

// The whole picture in a white image of the picture's size (at least 1 x 1 pixel, so that an
// empty diagram still gives an image that can be saved).
QImage DiagramImage(const TDiagramPicture& Picture, const QFont& Font);
// The same at Scale times the size, drawn at that scale (not an enlarged bitmap), marked with
// Scale times the screen's resolution so that it prints at the same size.
QImage DiagramImage(const TDiagramPicture& Picture, const QFont& Font, int Scale);

// The whole picture as an SVG document or a one-page PDF, sized in the picture's pixels at 96
// dots per inch. False when the device could not be written.
bool WriteDiagramSvg(const TDiagramPicture& Picture, const QFont& Font, QIODevice& Device);
bool WriteDiagramPdf(const TDiagramPicture& Picture, const QFont& Font, QIODevice& Device);

}  // namespace palaver
