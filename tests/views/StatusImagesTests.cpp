#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "views/StatusImages.h"

namespace palaver {
namespace {

const QRgb White = qRgb(255, 255, 255);

// The colours an image uses besides white, and the box around the pixels that use them.
struct TInk {
  std::set<QRgb> Colours;
  QRect Extent;
};

TInk InkOf(const QImage& Image) {
  TInk Ink;
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X) {
      const QRgb P = Image.pixel(X, Y) | 0xFF000000;
      if (P == White) continue;
      Ink.Colours.insert(P);
      Ink.Extent |= QRect(X, Y, 1, 1);
    }
  return Ink;
}

TEST(StatusImages, EachImageIsOneColourOnWhite) {
  const QRgb Expected[StatusImageCount] = {
      qRgb(0, 0, 0),       qRgb(0, 0, 0),       qRgb(255, 0, 0), qRgb(0, 128, 0),
      qRgb(128, 128, 128), qRgb(128, 128, 128), qRgb(0, 0, 0),   qRgb(0, 0, 0)};
  for (int I = 0; I < StatusImageCount; ++I) {
    const QImage Image = StatusImage(I);
    ASSERT_EQ(Image.size(), QSize(16, 16)) << I;
    EXPECT_EQ(Image.pixel(0, 0) | 0xFF000000, White) << I;
    EXPECT_EQ(InkOf(Image).Colours, std::set<QRgb>{Expected[I]}) << I;
  }
}

TEST(StatusImages, TheImagesDiffer) {
  for (int I = 0; I < StatusImageCount; ++I)
    for (int J = I + 1; J < StatusImageCount; ++J)
      EXPECT_NE(StatusImage(I), StatusImage(J)) << I << " " << J;
}

TEST(StatusImages, SmallMarksStayInTheLowerLeftCorner) {
  for (const int I : {SmallAssumptionMarkImage, SmallIssueMarkImage}) {
    const QRect Extent = InkOf(StatusImage(I)).Extent;
    EXPECT_LT(Extent.right(), 8) << I;
    EXPECT_GE(Extent.top(), 8) << I;
  }
  // The full-size marks use most of the height.
  EXPECT_GE(InkOf(StatusImage(AssumptionMarkImage)).Extent.height(), 12);
}

TEST(StatusImages, OverlayLaysTheMarkOverTheNodeImage) {
  const QImage Node = StatusImage(JustifiedPlusImage);
  const QImage Mark = StatusImage(OverlayImage(IssueOverlay));
  const QImage Combined = StatusImageWithOverlay(JustifiedPlusImage, OverlayImage(IssueOverlay));
  for (int Y = 0; Y < 16; ++Y)
    for (int X = 0; X < 16; ++X) {
      const QRgb Expected =
          (Mark.pixel(X, Y) | 0xFF000000) != White ? Mark.pixel(X, Y) : Node.pixel(X, Y);
      EXPECT_EQ(Combined.pixel(X, Y), Expected) << X << "," << Y;
    }
  EXPECT_EQ(OverlayImage(AssumptionOverlay), 6);
  EXPECT_EQ(OverlayImage(IssueOverlay), 7);
}

TEST(StatusImages, AnIndexOutsideTheListIsBlank) {
  EXPECT_TRUE(InkOf(StatusImage(-1)).Colours.empty());
  EXPECT_TRUE(InkOf(StatusImage(StatusImageCount)).Colours.empty());
}

}  // namespace
}  // namespace palaver
