#include <gtest/gtest.h>

#include <vector>

#include "DiagramPrinting.h"
#include "views/DiagramPicture.h"

namespace palaver {
namespace {

constexpr TDiagramPen Pen{BlackColour, TPenStyle::Solid};

TEST(DiagramPicture, LinesLeaveOutTheirEndPoint) {
  EXPECT_EQ(LastLinePoint({37, 40}, {27, 40}), (TDiagramPoint{28, 40}));
  EXPECT_EQ(LastLinePoint({27, 40}, {27, 24}), (TDiagramPoint{27, 25}));
  EXPECT_EQ(LastLinePoint({27, 24}, {22, 29}), (TDiagramPoint{23, 28}));
  EXPECT_EQ(LastLinePoint({6, 43}, {13, 36}), (TDiagramPoint{12, 37}));
  // A line of no 45-degree slope ends on the pixel its longer axis reaches last.
  EXPECT_EQ(LastLinePoint({0, 0}, {10, 3}), (TDiagramPoint{9, 3}));

  EXPECT_EQ(MakeLinePrimitive({27, 40}, {27, 24}, Pen).Bounds, (TDiagramRect{27, 25, 28, 41}));
  EXPECT_EQ(MakeLinePrimitive({6, 43}, {13, 36}, Pen).Bounds, (TDiagramRect{6, 37, 13, 44}));
  EXPECT_TRUE(MakeLinePrimitive({5, 5}, {5, 5}, Pen).Bounds.IsEmpty());
}

// A tall picture: one box every 28 pixels and a connector from the first box to the last.
TDiagramPicture TallPicture(int Boxes) {
  TDiagramPicture Picture;
  Picture.Width = 400;
  for (int I = 0; I < Boxes; ++I)
    Picture.Add(MakeBoxPrimitive({2, 28 * I + 2, 100, 28 * I + 24}, Pen));
  Picture.Add(MakeLinePrimitive({9, 28 * Boxes}, {9, 24}, Pen));
  Picture.Height = 28 * Boxes + 2;
  return Picture;
}

TEST(DiagramPicture, FindsOnlyThePrimitivesMeetingAnAreaInDrawingOrder) {
  const TDiagramPicture Picture = TallPicture(1000);
  // Rows 1000 .. 1099 meet boxes 35 .. 39 and the long connector.
  const std::vector<std::size_t> Found = Picture.PrimitivesIn({0, 1000, 400, 1100});
  EXPECT_EQ(Found, (std::vector<std::size_t>{35, 36, 37, 38, 39, 1000}));
  // The connector lies left of x = 10 only.
  EXPECT_EQ(Picture.PrimitivesIn({10, 1000, 20, 1100}).size(), 5u);
  // An area spanning many bands still lists each primitive once.
  EXPECT_EQ(Picture.PrimitivesIn({0, 0, 400, Picture.Height}).size(), 1001u);
  EXPECT_TRUE(Picture.PrimitivesIn({0, Picture.Height + 10, 400, Picture.Height + 500}).empty());
  EXPECT_TRUE(Picture.PrimitivesIn({0, 100, 400, 100}).empty());
}

TEST(DiagramPicture, ClearingDropsPrimitivesButKeepsTheSize) {
  TDiagramPicture Picture = TallPicture(20);
  Picture.ClearPrimitives();
  EXPECT_TRUE(Picture.Primitives().empty());
  EXPECT_TRUE(Picture.PrimitivesIn({0, 0, 400, 1000}).empty());
  EXPECT_EQ(Picture.Height, 28 * 20 + 2);
}

}  // namespace
}  // namespace palaver
