#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPainter>

#include "DiagramPrinting.h"
#include "DiagramTrees.h"
#include "FixedMeasurer.h"
#include "views/DiagramLayout.h"
#include "views/DiagramPainter.h"

namespace palaver {
namespace {

using namespace test;

const QRgb White = qRgb(255, 255, 255);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Teal = qRgb(0, 128, 128);
const QRgb Grey = qRgb(128, 128, 128);
const QRgb Red = qRgb(255, 0, 0);

// The geometry comes from the fixed measurer, so the frames and connectors lie where the layout
// tests say; the text is painted in the real font, which never reaches the pixels looked at.
QImage Render(const TDialecticalArguments& Arguments, int Width = 200) {
  const TFixedMeasurer Measurer;
  TDiagramLayout Layout(Measurer, Width);
  Layout.DrawDiagram(Arguments);
  return DiagramImage(Layout.Picture, DiagramFont());
}

QRgb At(const QImage& Image, int X, int Y) {
  return (Image.pixel(X, Y) & 0xFFFFFF) | 0xFF000000;
}

TEST(DiagramPaint, BoxFrameCoversExactlyItsRectangle) {
  const QImage Image = Render(ListOf({Dial(Issue("Is it?"))}));  // box (2, 2) to (66, 24)
  ASSERT_EQ(Image.height(), 26);
  for (const auto& [X, Y] : {std::pair{2, 2}, {65, 2}, {2, 23}, {65, 23}, {30, 2}, {65, 12}}) {
    EXPECT_EQ(At(Image, X, Y), Teal) << X << "," << Y;
  }
  for (const auto& [X, Y] : {std::pair{66, 2}, {65, 24}, {1, 2}, {2, 1}, {66, 23}, {3, 3}}) {
    EXPECT_EQ(At(Image, X, Y), White) << X << "," << Y;
  }
  // The "?" icon sits left of the text, inside the frame.
  bool IconDrawn = false;
  for (int Y = 5; Y < 21; ++Y)
    for (int X = 5; X < 21; ++X)
      IconDrawn |= At(Image, X, Y) == qRgb(0, 0, 0);
  EXPECT_TRUE(IconDrawn);
}

TEST(DiagramPaint, ArrowheadTouchesTheConclusionsBottomEdge) {
  auto C = Justified(Assumption("c"));
  AddStep(*C, Justified(Assumption("first")));
  AddStep(*C, Justified(Assumption("second")));
  const QImage Image = Render(ListOf({C}));
  // Connector at x = 27: from the reason's row (y = 40) up to the tip at y = 24.
  for (int Y = 24; Y <= 40; ++Y)
    EXPECT_EQ(At(Image, 27, Y), Blue) << Y;
  for (int I = 1; I <= 4; ++I) {
    EXPECT_EQ(At(Image, 27 - I, 24 + I), Blue) << I;
    EXPECT_EQ(At(Image, 27 + I, 24 + I), Blue) << I;
  }
  // The arrowheads' end points are left out.
  EXPECT_EQ(At(Image, 22, 29), White);
  EXPECT_EQ(At(Image, 32, 29), White);
  // The horizontal foot runs from just left of the reason's box to the vertical line.
  EXPECT_EQ(At(Image, 37, 40), Blue);
  EXPECT_EQ(At(Image, 28, 40), Blue);
  EXPECT_EQ(At(Image, 37, 39), White);
  EXPECT_EQ(At(Image, 27, 41), White);
  // The second connector, at x = 9, runs from y = 68.
  EXPECT_EQ(At(Image, 9, 68), Blue);
  EXPECT_EQ(At(Image, 9, 69), White);
}

TEST(DiagramPaint, UnjustifiedWarrantConnectorIsGreyAndDotted) {
  auto C = Dial(Issue("c"));
  TStep& S = AddStep(*C, Justified(Assumption("r")));
  S.WarrantingDialecticalArgument = Dial(Issue("w"));
  S.WarrantUnjustified = true;
  const QImage Image = Render(ListOf({C}));
  // The vertical line at x = 9 from y = 68 up to y = 25 (the arrow tip is at 24).
  int GreyPixels = 0, Gaps = 0;
  for (int Y = 25; Y <= 68; ++Y) {
    const QRgb P = At(Image, 9, Y);
    if (P == Grey) ++GreyPixels;
    if (P == White) ++Gaps;
    // The warrant's box (x = 20 on) is not in the way; nothing else is drawn there.
    EXPECT_TRUE(P == Grey || P == White) << Y;
  }
  EXPECT_GT(GreyPixels, 10);
  EXPECT_GT(Gaps, 10);
}

TEST(DiagramPaint, ActiveUndercutterEndsInARedCrossOnTheConnector) {
  auto C = Dial(Issue("c"));
  TStep& S = AddStep(*C, Justified(Assumption("r")));
  AddUndercutter(S, Justified(Assumption("e")));
  const QImage Image = Render(ListOf({C}));
  // Cross centred at (9, 40); the teal connector is drawn over its centre afterwards.
  for (int I = 1; I <= 3; ++I) {
    EXPECT_EQ(At(Image, 9 - I, 40 - I), Red) << I;
    EXPECT_EQ(At(Image, 9 + I, 40 + I), Red) << I;
    EXPECT_EQ(At(Image, 9 - I, 40 + I), Red) << I;
    EXPECT_EQ(At(Image, 9 + I, 40 - I), Red) << I;
  }
  EXPECT_EQ(At(Image, 13, 44), White);
  EXPECT_EQ(At(Image, 13, 36), White);
  EXPECT_EQ(At(Image, 9, 40), Teal);
  EXPECT_EQ(At(Image, 15, 40), Red);  // the undercutter's line
}

TEST(DiagramPaint, PaintsOnlyTheExposedArea) {
  const TFixedMeasurer Measurer;
  TDiagramLayout Layout(Measurer, 200);
  Layout.DrawDiagram(ListOf({Dial(Issue("a")), Dial(Issue("b"))}));
  QImage Image(200, Layout.Picture.Height, QImage::Format_RGB32);
  Image.fill(QColor(255, 0, 255));
  {
    QPainter Painter(&Image);
    PaintDiagram(Painter, Layout.Picture, DiagramFont(), QRect(0, 28, 200, 28));
  }
  EXPECT_EQ(At(Image, 2, 2), qRgb(255, 0, 255));  // first box: not exposed
  EXPECT_EQ(At(Image, 2, 27), qRgb(255, 0, 255));
  EXPECT_EQ(At(Image, 2, 30), Teal);  // second box
  EXPECT_EQ(At(Image, 100, 40), White);
}

TEST(DiagramPaint, HighResolutionImagesAreDrawnInLogicalPixels) {
  const TFixedMeasurer Measurer;
  TDiagramLayout Layout(Measurer, 200);
  Layout.DrawDiagram(ListOf({Dial(Issue("Is it?"))}));
  QImage Image(400, 2 * Layout.Picture.Height, QImage::Format_RGB32);
  Image.setDevicePixelRatio(2);
  Image.fill(Qt::white);
  {
    QPainter Painter(&Image);
    PaintDiagram(Painter, Layout.Picture, DiagramFont(), QRect(0, 0, 200, Layout.Picture.Height));
  }
  EXPECT_EQ(At(Image, 4, 4), Teal);
  EXPECT_EQ(At(Image, 131, 47), Teal);
  EXPECT_EQ(At(Image, 133, 4), White);
  EXPECT_EQ(At(Image, 4, 49), White);
}

TEST(DiagramPaint, TheSameRoutineWritesSvgAndPdf) {
  const TFixedMeasurer Measurer;
  TDiagramLayout Layout(Measurer, 200);
  Layout.DrawDiagram(ListOf({Dial(Issue("Exported sentence"))}));

  QBuffer Svg;
  ASSERT_TRUE(WriteDiagramSvg(Layout.Picture, DiagramFont(), Svg));
  EXPECT_TRUE(Svg.data().contains("<svg"));
  EXPECT_TRUE(Svg.data().contains("Exported sentence"));

  QBuffer Pdf;
  Pdf.open(QIODevice::WriteOnly);
  ASSERT_TRUE(WriteDiagramPdf(Layout.Picture, DiagramFont(), Pdf));
  EXPECT_TRUE(Pdf.data().startsWith("%PDF"));
}

TEST(DiagramPaint, EmptyDiagramStillGivesAnImage) {
  const QImage Image = Render({});
  EXPECT_FALSE(Image.isNull());
  EXPECT_EQ(At(Image, 0, 0), White);
}

TEST(DiagramPaint, QtMeasurerTakesItsMeasuresFromTheFont) {
  const TQtTextMeasurer Measurer(DiagramFont());
  EXPECT_GT(Measurer.TextHeight(), 5);
  EXPECT_LT(Measurer.TextHeight(), 40);
  const int Short = Measurer.TextWidth("abc", TFontStyle::Regular);
  EXPECT_GT(Short, 0);
  EXPECT_GT(Measurer.TextWidth("abcabc", TFontStyle::Regular), Short);
  EXPECT_GE(Measurer.TextWidth("abcabc", TFontStyle::Bold),
            Measurer.TextWidth("abcabc", TFontStyle::Regular));
  EXPECT_EQ(Measurer.TextWidth("", TFontStyle::Italic), 0);
}

}  // namespace
}  // namespace palaver
