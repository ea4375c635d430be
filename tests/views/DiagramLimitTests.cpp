// Dialectical arguments share their parts, so a drawing of them can be far larger than the
// objects behind it: the layout counts the boxes first and stops at its limit with a last box
// that says how many it leaves out.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "DiagramTrees.h"
#include "FixedMeasurer.h"
#include "views/DiagramLayout.h"

namespace palaver {
namespace {

using namespace test;

// Levels of a chain in which every statement has two reasons that share a reason of their own:
// the top's dialectical argument is 3 * Levels + 1 objects but 2^(Levels + 2) - 3 boxes.
PDialecticalArgument PairedChain(int Levels) {
  PDialecticalArgument Below = Justified(Assumption("c" + std::to_string(Levels)));
  for (int L = Levels; L-- > 0;) {
    PDialecticalArgument A = Justified(Issue("a" + std::to_string(L)));
    PDialecticalArgument B = Justified(Issue("b" + std::to_string(L)));
    AddStep(*A, Below);
    AddStep(*B, Below);
    PDialecticalArgument Top = Justified(Issue("c" + std::to_string(L)));
    AddStep(*Top, A);
    AddStep(*Top, B);
    Below = Top;
  }
  return Below;
}

std::vector<const TDiagramPrimitive*> Boxes(const TDiagramPicture& Picture) {
  std::vector<const TDiagramPrimitive*> Result;
  for (const TDiagramPrimitive& P : Picture.Primitives())
    if (P.Kind == TPrimitiveKind::Box) Result.push_back(&P);
  return Result;
}

std::string LastText(const TDiagramPicture& Picture) {
  std::string Text;
  for (const TDiagramPrimitive& P : Picture.Primitives())
    if (P.Kind == TPrimitiveKind::Text) Text = P.Text;
  return Text;
}

TEST(DiagramLimit, ASixteenLevelChainIsDrawnAsFarAsTheLimitAndSaysWhatIsLeftOut) {
  const TFixedMeasurer Measurer;
  TDiagramLayout Layout(Measurer, StartupSurfaceWidth);
  Layout.DrawDiagram(ListOf({PairedChain(16)}));
  // 2^18 - 3 boxes in full; the first 100,000 are drawn, and one more says the rest.
  const std::vector<const TDiagramPrimitive*> Drawn = Boxes(Layout.Picture);
  ASSERT_EQ(Drawn.size(), DiagramBoxLimit + 1);
  EXPECT_EQ(Layout.BoxesLeftOut, 262141 - DiagramBoxLimit);
  EXPECT_EQ(LastText(Layout.Picture), "\u2026 162,141 more boxes not shown");
  // The note is the last box, below every other one, at the left edge and in grey.
  const TDiagramPrimitive& Note = *Drawn.back();
  EXPECT_EQ(Note.Bounds.Left, 2);
  EXPECT_EQ(Note.Pen.Colour, GreyColour);
  for (const TDiagramPrimitive* Box : Drawn)
    EXPECT_LE(Box->Bounds.Bottom, Note.Bounds.Top + 22);
  EXPECT_EQ(Layout.Picture.Height, Note.Bounds.Bottom + 2);
}

TEST(DiagramLimit, AWholeDrawingHasNoNoteAndAStoppedOneSaysItInTheLanguage) {
  const TFixedMeasurer Measurer;
  TDiagramLayout Layout(Measurer, StartupSurfaceWidth);
  Layout.DrawDiagram(ListOf({PairedChain(2)}));
  EXPECT_EQ(Boxes(Layout.Picture).size(), 13U);
  EXPECT_EQ(Layout.BoxesLeftOut, 0U);
  EXPECT_EQ(LastText(Layout.Picture), "c2");

  Layout.BoxLimit = 4;
  Layout.Language = TLanguage::Dutch;
  Layout.Picture.Height = 0;
  Layout.DrawDiagram(ListOf({PairedChain(2), PairedChain(1)}));
  EXPECT_EQ(Boxes(Layout.Picture).size(), 5U);
  EXPECT_EQ(Layout.BoxesLeftOut, 13U + 5U - 4U);
  EXPECT_EQ(LastText(Layout.Picture), "\u2026 nog 14 vakken niet getoond");
}

TEST(DiagramLimit, NoConnectorIsDrawnWithoutItsReasonsBox) {
  // c0 with reasons a0 and b0, each with the reason c1: boxes in the order c0, b0, c1, a0, c1.
  // Stopping after two boxes must leave no arrow pointing at a box that is not there.
  const TFixedMeasurer Measurer;
  TDiagramLayout Layout(Measurer, StartupSurfaceWidth);
  Layout.BoxLimit = 2;
  Layout.DrawDiagram(ListOf({PairedChain(1)}));
  const std::vector<const TDiagramPrimitive*> Drawn = Boxes(Layout.Picture);
  ASSERT_EQ(Drawn.size(), 3U);
  int Lowest = 0;
  for (std::size_t I = 0; I + 1 < Drawn.size(); ++I)
    Lowest = std::max(Lowest, Drawn[I]->Bounds.Bottom);
  for (const TDiagramPrimitive& P : Layout.Picture.Primitives()) {
    if (P.Kind == TPrimitiveKind::Line) {
      EXPECT_LE(std::max(P.From.Y, P.To.Y), Lowest);
    }
  }
}

TEST(DiagramLimit, TheStatementsDrawingStopsAtTheHeightLimitToo) {
  const TFixedMeasurer Measurer;
  TDiagramLayout Layout(Measurer, StartupSurfaceWidth);
  TStatements Statements;
  for (int I = 0; I < 50; ++I)
    Statements.Add(Assumption("s" + std::to_string(I)));
  // Row i ends at 28 i + 26: the eleventh box takes the drawing past 280 pixels.
  Layout.HeightLimit = 28 * 10;
  Layout.DrawStatements(Statements);
  EXPECT_EQ(Boxes(Layout.Picture).size(), 12U);
  EXPECT_EQ(Layout.BoxesLeftOut, 39U);
  EXPECT_EQ(LastText(Layout.Picture), "\u2026 39 more boxes not shown");
}

}  // namespace
}  // namespace palaver
