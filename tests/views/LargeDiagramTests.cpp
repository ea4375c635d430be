// A large generated diagram must come out exactly as the straightforward layout drew it: the
// measurement memory and the shortcuts of the wrapper are there for speed only.

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "DiagramShape.h"
#include "FixedMeasurer.h"
#include "views/DiagramLayout.h"
#include "views/DiagramPainter.h"
#include "views/WordWrap.h"

namespace palaver {
namespace {

// FNV-1a over every field of every primitive and the surface's size: any change of a number, a
// colour or a text changes it.
class TDigest {
 public:
  void Add(std::int64_t Value) {
    for (int I = 0; I < 8; ++I)
      AddByte(static_cast<std::uint8_t>(Value >> (8 * I)));
  }
  void Add(std::string_view Text) {
    Add(static_cast<std::int64_t>(Text.size()));
    for (const char C : Text)
      AddByte(static_cast<std::uint8_t>(C));
  }
  std::uint64_t Value() const { return Hash; }

 private:
  void AddByte(std::uint8_t Byte) { Hash = (Hash ^ Byte) * 0x100000001B3ull; }
  std::uint64_t Hash = 0xCBF29CE484222325ull;
};

void AddColour(TDigest& D, TDiagramColour C) {
  D.Add(C.Red);
  D.Add(C.Green);
  D.Add(C.Blue);
}

std::uint64_t DigestOf(const TDiagramPicture& Picture) {
  TDigest D;
  D.Add(Picture.Width);
  D.Add(Picture.Height);
  for (const TDiagramPrimitive& P : Picture.Primitives()) {
    D.Add(static_cast<int>(P.Kind));
    for (const int V : {P.Bounds.Left, P.Bounds.Top, P.Bounds.Right, P.Bounds.Bottom, P.From.X,
                        P.From.Y, P.To.X, P.To.Y, P.ImageIndex})
      D.Add(V);
    AddColour(D, P.Pen.Colour);
    D.Add(static_cast<int>(P.Pen.Style));
    AddColour(D, P.Font.Colour);
    D.Add(static_cast<int>(P.Font.Style));
    D.Add(P.Text);
  }
  return D.Value();
}

TDiagramPicture Draw(const TTextMeasurer& Measurer, const TDialecticalArguments& Arguments,
                     int Width, bool StructureOnly) {
  TDiagramLayout Layout(Measurer, Width, StructureOnly);
  Layout.DrawDiagram(Arguments);
  return std::move(Layout.Picture);
}

const test::TDiagramShape& Shape() {
  static const test::TDiagramShape Built = test::BuildDiagramShape(2000);
  return Built;
}

TEST(LargeDiagram, LaysOutAsTheStraightforwardLayoutDid) {
  // Bold characters wider than the others, so that a style mix-up shows.
  const test::TFixedMeasurer Fixed(6, 7);
  TTextMemo Memo;
  const TMemoizingTextMeasurer Measurer(Fixed, Memo);
  struct TCase {
    int Width;
    bool StructureOnly;
    std::size_t Primitives;
    int Height;
    std::uint64_t Digest;
  };
  // Taken from the layout before measurements were remembered; 443 is the surface of a
  // 600-pixel window with the vertical scroll bar, 1200 a wide export.
  const TCase Cases[] = {
      {443, false, 23258, 262050, 0x0FB6E5C85589E5CBull},
      {443, true, 18205, 212294, 0x2B0B52D52DFAF05Dull},
      {1200, false, 11539, 63754, 0x9AE03D74B5414725ull},
  };
  // Twice: the second time every text is answered from the memo.
  for (int Time = 1; Time <= 2; ++Time) {
    for (const TCase& Case : Cases) {
      const TDiagramPicture Picture =
          Draw(Measurer, Shape().MaximalDialecticalArguments, Case.Width, Case.StructureOnly);
      SCOPED_TRACE(testing::Message() << "time " << Time << " width " << Case.Width
                                      << " structure only " << Case.StructureOnly);
      EXPECT_EQ(Picture.Primitives().size(), Case.Primitives);
      EXPECT_EQ(Picture.Height, Case.Height);
      EXPECT_EQ(DigestOf(Picture), Case.Digest);
    }
  }
}

// Measures in the diagram's font as Qt does, asking Qt every single time: the straightforward
// measurer the remembered measures must agree with.
class TPlainQtMeasurer : public TTextMeasurer {
 public:
  explicit TPlainQtMeasurer(const QFont& Font)
      : Metrics{QFontMetrics(StyledFont(Font, TFontStyle::Regular)),
                QFontMetrics(StyledFont(Font, TFontStyle::Bold)),
                QFontMetrics(StyledFont(Font, TFontStyle::Italic))},
        Height(TQtTextMeasurer(Font).TextHeight()) {}
  int TextHeight() const override { return Height; }
  int TextWidth(std::string_view Text, TFontStyle Style) const override {
    return Metrics[static_cast<std::size_t>(Style)].horizontalAdvance(
        QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size())));
  }

 private:
  std::array<QFontMetrics, 3> Metrics;
  int Height;
};

TEST(LargeDiagram, RememberedQtMeasuresGiveTheSamePicture) {
  const test::TDiagramShape Small = test::BuildDiagramShape(400, 5);
  const QFont Font = DiagramFont();
  const TPlainQtMeasurer Plain(Font);
  TQtTextMeasurer::ForgetMeasurements();
  // The window's two widths, in both drawings, then a narrow surface that breaks words.
  const std::pair<int, bool> Cases[] = {{456, false}, {443, false}, {443, true}, {160, false}};
  for (int Time = 1; Time <= 2; ++Time) {
    for (const auto& [Width, StructureOnly] : Cases) {
      SCOPED_TRACE(testing::Message() << "time " << Time << " width " << Width);
      const TQtTextMeasurer Remembering(Font);
      const TDiagramPicture Expected =
          Draw(Plain, Small.MaximalDialecticalArguments, Width, StructureOnly);
      const TDiagramPicture Picture =
          Draw(Remembering, Small.MaximalDialecticalArguments, Width, StructureOnly);
      ASSERT_EQ(Picture.Primitives().size(), Expected.Primitives().size());
      EXPECT_EQ(Picture.Height, Expected.Height);
      EXPECT_EQ(DigestOf(Picture), DigestOf(Expected));
    }
  }
}

// The bands find exactly what a look at every primitive finds, also for connectors that run
// through thousands of bands and for areas partly above the surface or below the drawing.
TEST(LargeDiagram, BandsFindWhatEveryPrimitiveWouldTell) {
  const test::TFixedMeasurer Measurer(6, 7);
  TDiagramPicture Picture = Draw(Measurer, Shape().MaximalDialecticalArguments, 443, false);
  std::uint32_t Seed = 12345;
  const auto Draw = [&](int Below) {
    Seed = Seed * 1103515245u + 12345u;
    return static_cast<int>((Seed >> 8) % static_cast<std::uint32_t>(Below));
  };
  for (int I = 0; I < 300; ++I) {
    const int Top = Draw(Picture.Height + 2000) - 1000;
    const int Left = Draw(500) - 20;
    const TDiagramRect Area{Left, Top, Left + Draw(480), Top + Draw(I % 10 == 0 ? 50000 : 600)};
    std::vector<std::size_t> Expected;
    for (std::size_t Index = 0; Index < Picture.Primitives().size(); ++Index) {
      const TDiagramRect& Bounds = Picture.Primitives()[Index].Bounds;
      if (!Bounds.IsEmpty() && !Area.IsEmpty() && Bounds.Intersects(Area) && Area.Bottom > 0 &&
          Bounds.Bottom > 0)
        Expected.push_back(Index);
    }
    ASSERT_EQ(Picture.PrimitivesIn(Area), Expected) << "area " << I;
  }
  // Drawing on after a search: the new primitive is found too.
  const int Bottom = Picture.Height;
  Picture.Add(MakeLinePrimitive({9, Bottom}, {9, 0}, {BlackColour, TPenStyle::Solid}));
  const std::vector<std::size_t> Found = Picture.PrimitivesIn({0, Bottom - 10, 10, Bottom});
  ASSERT_FALSE(Found.empty());
  EXPECT_EQ(Found.back(), Picture.Primitives().size() - 1);
}

}  // namespace
}  // namespace palaver
