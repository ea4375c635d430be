#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "DiagramPrinting.h"
#include "DiagramTrees.h"
#include "FixedMeasurer.h"
#include "views/DiagramLayout.h"

namespace palaver {
namespace {

using namespace test;

// th = 13, so a row is d = 28 pixels high; every character is 6 pixels wide.
const TFixedMeasurer Measurer;
constexpr TDiagramPen BluePen{BlueColour, TPenStyle::Solid};
constexpr TDiagramPen TealPen{TealColour, TPenStyle::Solid};
constexpr TDiagramPen RedPen{RedColour, TPenStyle::Solid};
constexpr TDiagramPen GreyDotted{GreyColour, TPenStyle::Dotted};
constexpr TDiagramPen BlackPen{BlackColour, TPenStyle::Solid};

std::vector<TDiagramPrimitive> OfKind(const TDiagramPicture& Picture, TPrimitiveKind Kind) {
  std::vector<TDiagramPrimitive> Result;
  for (const TDiagramPrimitive& P : Picture.Primitives())
    if (P.Kind == Kind) Result.push_back(P);
  return Result;
}

struct TLine {
  TDiagramPoint From, To;
  TDiagramPen Pen;
  friend bool operator==(const TLine&, const TLine&) = default;
};

void PrintTo(const TLine& L, std::ostream* Out) {
  *Out << "(" << L.From.X << "," << L.From.Y << ")->(" << L.To.X << "," << L.To.Y << ") colour "
       << int(L.Pen.Colour.Red) << "/" << int(L.Pen.Colour.Green) << "/" << int(L.Pen.Colour.Blue)
       << (L.Pen.Style == TPenStyle::Dotted ? " dotted" : " solid");
}

std::vector<TLine> LinesOf(const TDiagramPicture& Picture) {
  std::vector<TLine> Result;
  for (const TDiagramPrimitive& P : OfKind(Picture, TPrimitiveKind::Line))
    Result.push_back({P.From, P.To, P.Pen});
  return Result;
}

// The lines of a connector that leaves a reason's box at From, runs left and then up to Tip on
// the conclusion's box, and ends there in an arrowhead. The test works out both points by hand.
std::vector<TLine> Arrow(TDiagramPoint From, TDiagramPoint Tip, TDiagramPen Pen) {
  const TDiagramPoint Corner{Tip.X, From.Y};
  return {{From, Corner, Pen},
          {Corner, Tip, Pen},
          {Tip, {Tip.X - 5, Tip.Y + 5}, Pen},
          {Tip, {Tip.X + 5, Tip.Y + 5}, Pen}};
}

std::vector<TLine> Cross(int X, int Y, TDiagramPen Pen) {
  return {{{X - 3, Y - 3}, {X + 4, Y + 4}, Pen}, {{X - 3, Y + 3}, {X + 4, Y - 4}, Pen}};
}

std::vector<TLine> Join(std::vector<TLine> A, const std::vector<TLine>& B) {
  A.insert(A.end(), B.begin(), B.end());
  return A;
}

TDiagramPicture Draw(const TDialecticalArguments& Arguments, int Width = 400,
                     bool StructureOnly = false) {
  TDiagramLayout Layout(Measurer, Width, StructureOnly);
  Layout.DrawDiagram(Arguments);
  return Layout.Picture;
}

TEST(DiagramLayout, EmptyStageDrawsOnlyTheClear) {
  const TDiagramPicture Picture = Draw({});
  ASSERT_EQ(Picture.Primitives().size(), 1u);
  EXPECT_EQ(Picture.Primitives()[0].Kind, TPrimitiveKind::Clear);
  EXPECT_EQ(Picture.Primitives()[0].Bounds, (TDiagramRect{0, 0, 400, 0}));
  EXPECT_EQ(Picture.Height, 0);
}

TEST(DiagramLayout, SingleIssueIsOneTealItalicBoxWithTheQuestionMark) {
  const TDiagramPicture Picture = Draw(ListOf({Dial(Issue("Is it?"))}));  // 36 pixels of text
  const auto Boxes = OfKind(Picture, TPrimitiveKind::Box);
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0].Bounds, (TDiagramRect{2, 2, 66, 24}));
  EXPECT_EQ(Boxes[0].Pen, TealPen);

  const auto Texts = OfKind(Picture, TPrimitiveKind::Text);
  ASSERT_EQ(Texts.size(), 1u);
  EXPECT_EQ(Texts[0].Text, "Is it?");
  EXPECT_EQ(Texts[0].Bounds, (TDiagramRect{23, 5, 59, 18}));
  EXPECT_EQ(Texts[0].Font, (TDiagramFont{TealColour, TFontStyle::Italic}));

  const auto Icons = OfKind(Picture, TPrimitiveKind::Icon);
  ASSERT_EQ(Icons.size(), 1u);
  EXPECT_EQ(Icons[0].ImageIndex, IssueImage);
  EXPECT_EQ(Icons[0].Bounds, (TDiagramRect{5, 5, 21, 21}));

  EXPECT_TRUE(LinesOf(Picture).empty());
  EXPECT_EQ(Picture.Height, 26);
}

TEST(DiagramLayout, AssumptionWithTwoReasons) {
  auto C = Justified(Assumption("c"));
  AddStep(*C, Justified(Assumption("first")));
  AddStep(*C, Justified(Assumption("second")));
  const TFixedMeasurer Narrow(2, 2);
  TDiagramLayout Layout(Narrow, 400);
  Layout.DrawDiagram(ListOf({C}));
  const TDiagramPicture& Picture = Layout.Picture;

  const auto Boxes = OfKind(Picture, TPrimitiveKind::Box);
  ASSERT_EQ(Boxes.size(), 3u);
  // "c" alone would give a box 2 + 28 wide; it must reach over both connectors.
  EXPECT_EQ(Boxes[0].Bounds, (TDiagramRect{2, 2, 35, 24}));
  EXPECT_EQ(Boxes[0].Pen, BluePen);
  EXPECT_EQ(Boxes[1].Bounds.Left, 38);  // the first reason at indent 2, row 1
  EXPECT_EQ(Boxes[1].Bounds.Top, 30);
  EXPECT_EQ(Boxes[2].Bounds.Left, 20);  // the second at indent 1, row 2
  EXPECT_EQ(Boxes[2].Bounds.Top, 58);
  // The first connector leaves its box (indent 2, row 1) 10 pixels below the top, at x 37, and
  // rises at x 27 to the conclusion's bottom; the second does the same from indent 1, row 2.
  EXPECT_EQ(LinesOf(Picture),
            Join(Arrow({37, 40}, {27, 24}, BluePen), Arrow({19, 68}, {9, 24}, BluePen)));
  EXPECT_EQ(Picture.Height, 82);

  const auto Texts = OfKind(Picture, TPrimitiveKind::Text);
  ASSERT_EQ(Texts.size(), 3u);
  EXPECT_EQ(Texts[1].Font, (TDiagramFont{BlueColour, TFontStyle::Bold}));
  EXPECT_EQ(OfKind(Picture, TPrimitiveKind::Icon)[1].ImageIndex, AssumptionImage);
}

TEST(DiagramLayout, ArgumentsFollowOneAnotherWithoutAGap) {
  const TDiagramPicture Picture = Draw(ListOf({Dial(Issue("a")), Dial(Issue("b"))}));
  const auto Boxes = OfKind(Picture, TPrimitiveKind::Box);
  ASSERT_EQ(Boxes.size(), 2u);
  EXPECT_EQ(Boxes[1].Bounds, (TDiagramRect{2, 30, 36, 52}));
}

TEST(DiagramLayout, ParenthesesAreStrippedOnlyWhenBothEndsHaveThem) {
  EXPECT_EQ(BoxText("(IF a, THEN b)"), "IF a, THEN b");
  EXPECT_EQ(BoxText("(only the start"), "(only the start");
  EXPECT_EQ(BoxText("only the end)"), "only the end)");
  EXPECT_EQ(BoxText("(a) and (b)"), "a) and (b");
  EXPECT_EQ(BoxText("("), "(");
  EXPECT_EQ(BoxText("()"), "");

  const TDiagramPicture Picture = Draw(ListOf({Dial(Issue("(warrant)"))}));
  EXPECT_EQ(OfKind(Picture, TPrimitiveKind::Text)[0].Text, "warrant");
  EXPECT_EQ(OfKind(Picture, TPrimitiveKind::Box)[0].Bounds.Right, 2 + 42 + 28);
}

TEST(DiagramLayout, ThreeLineSentenceTakesTwoRows) {
  // Width 90 leaves 60 pixels (10 characters) for the text.
  const TDiagramPicture Picture = Draw(ListOf({Dial(Issue("aaaa bbbb cccc dddd eeee"))}), 90);
  const auto Box = OfKind(Picture, TPrimitiveKind::Box).at(0);
  EXPECT_EQ(Box.Bounds, (TDiagramRect{2, 2, 90, 52}));  // ends at the surface's right edge
  const auto Texts = OfKind(Picture, TPrimitiveKind::Text);
  ASSERT_EQ(Texts.size(), 3u);
  EXPECT_EQ(Texts[0].Bounds.Top, 3);
  EXPECT_EQ(Texts[1].Bounds.Top, 19);
  EXPECT_EQ(Texts[2].Bounds.Top, 35);
  EXPECT_EQ(Texts[2].Text, "eeee");
  EXPECT_EQ(OfKind(Picture, TPrimitiveKind::Icon)[0].Bounds.Top, 19);
  EXPECT_EQ(Picture.Height, 54);
}

TEST(DiagramLayout, BoxTooDeepForOneCharacterStillHoldsItsText) {
  // At indent 5 of a 100-pixel surface the wrap width is negative: one character a line.
  TDiagramLayout Layout(Measurer, 100);
  int Row = 3;
  Layout.DrawStatementBox(*Issue("abc"), Row, 5, 0, TBoxColourMode::AsUnjustified);
  EXPECT_EQ(Row, 5);
  const auto Box = OfKind(Layout.Picture, TPrimitiveKind::Box).at(0);
  EXPECT_EQ(Box.Bounds, (TDiagramRect{92, 86, 92 + 6 + 28, 136}));
  const auto Texts = OfKind(Layout.Picture, TPrimitiveKind::Text);
  ASSERT_EQ(Texts.size(), 3u);
  for (const TDiagramPrimitive& T : Texts)
    EXPECT_LT(T.Bounds.Right, Box.Bounds.Right);
}

TEST(DiagramLayout, ShowStructureOnly) {
  auto C = Dial(Issue("Is it?"));
  AddStep(*C, Justified(Assumption("yes")));
  const TDiagramPicture Normal = Draw(ListOf({C}));
  const TDiagramPicture Plain = Draw(ListOf({C}), 400, true);

  // "Is it?" is 36 pixels: 28 more for the icon column and margins make the box 64 wide, 10 more
  // make the plain one 46.
  EXPECT_TRUE(OfKind(Plain, TPrimitiveKind::Icon).empty());
  EXPECT_EQ(OfKind(Normal, TPrimitiveKind::Box).at(0).Bounds, (TDiagramRect{2, 2, 66, 24}));
  const auto Box = OfKind(Plain, TPrimitiveKind::Box).at(0);
  EXPECT_EQ(Box.Bounds, (TDiagramRect{2, 2, 48, 24}));
  EXPECT_EQ(Box.Pen, BlackPen);
  for (const TDiagramPrimitive& T : OfKind(Plain, TPrimitiveKind::Text)) {
    EXPECT_EQ(T.Font, (TDiagramFont{BlackColour, TFontStyle::Regular}));
  }
  EXPECT_EQ(OfKind(Plain, TPrimitiveKind::Text)[0].Bounds.Left, 6);
  for (const TLine& L : LinesOf(Plain))
    EXPECT_EQ(L.Pen, BlackPen);
}

TEST(DiagramLayout, ShowStructureOnlyWrapsEighteenPixelsLater) {
  // 13 characters: 78 pixels, more than the 60 a normal box has at width 90 but not more than
  // the 78 of a plain one.
  const auto Sentence = ListOf({Dial(Issue("aaaa bbbb ccc"))});
  EXPECT_EQ(OfKind(Draw(Sentence, 90), TPrimitiveKind::Text).size(), 2u);
  const TDiagramPicture Plain = Draw(Sentence, 90, true);
  EXPECT_EQ(OfKind(Plain, TPrimitiveKind::Text).size(), 1u);
  EXPECT_EQ(OfKind(Plain, TPrimitiveKind::Box)[0].Bounds, (TDiagramRect{2, 2, 90, 24}));

  // A box of several lines still ends at the surface's right edge.
  const TDiagramPicture Long =
      Draw(ListOf({Dial(Issue("aaaa bbbb cccc dddd eeee ffff"))}), 90, true);
  EXPECT_EQ(OfKind(Long, TPrimitiveKind::Text).size(), 3u);
  EXPECT_EQ(OfKind(Long, TPrimitiveKind::Box)[0].Bounds.Right, 90);
}

TEST(DiagramLayout, UnjustifiedReasonGivesATealArrow) {
  auto C = Dial(Issue("c"));
  AddStep(*C, Dial(Issue("r")));
  EXPECT_EQ(LinesOf(Draw(ListOf({C}))), Arrow({19, 40}, {9, 24}, TealPen));
}

TEST(DiagramLayout, UnjustifiedWarrantGivesAGreyDottedArrowAndComesBeforeTheReason) {
  auto C = Dial(Issue("c"));
  TStep& S = AddStep(*C, Justified(Assumption("r")));
  S.WarrantingDialecticalArgument = Dial(Issue("(IF r, THEN c)"));
  S.WarrantUnjustified = true;
  const TDiagramPicture Picture = Draw(ListOf({C}));

  const auto Boxes = OfKind(Picture, TPrimitiveKind::Box);
  ASSERT_EQ(Boxes.size(), 3u);
  EXPECT_EQ(Boxes[1].Bounds.Top, 30);  // the warrant, at the step's indent
  EXPECT_EQ(Boxes[1].Bounds.Left, 20);
  EXPECT_EQ(Boxes[2].Bounds.Top, 58);  // then the reason, which the connector enters
  EXPECT_EQ(LinesOf(Picture), Arrow({19, 68}, {9, 24}, GreyDotted));
}

TEST(DiagramLayout, ActiveExceptionGivesARedUndercutterAndATealArrow) {
  auto C = Dial(Issue("c"));
  TStep& S = AddStep(*C, Justified(Assumption("r")));
  AddUndercutter(S, Justified(Assumption("e")));
  const TDiagramPicture Picture = Draw(ListOf({C}));

  // The undercutter points from the exception's box (row 1) at the step's vertical line.
  const std::vector<TLine> Undercutter = Join({{{19, 40}, {9, 40}, RedPen}}, Cross(9, 40, RedPen));
  EXPECT_EQ(LinesOf(Picture), Join(Undercutter, Arrow({19, 68}, {9, 24}, TealPen)));
  const auto Boxes = OfKind(Picture, TPrimitiveKind::Box);
  ASSERT_EQ(Boxes.size(), 3u);
  EXPECT_EQ(Boxes[1].Bounds.Top, 30);
  EXPECT_EQ(Boxes[2].Bounds.Top, 58);
}

TEST(DiagramLayout, InactiveExceptions) {
  auto C = Justified(Issue("c"));
  TStep& S = AddStep(*C, Justified(Assumption("r")));
  AddUndercutter(S, Dial(Issue("e")));  // unjustified exception
  TUndercutter& U = AddUndercutter(S, Justified(Assumption("f")));
  U.WarrantingDialecticalArgument = Dial(Issue("(THE STATEMENT THAT f, ...)"));
  U.WarrantUnjustified = true;  // justified, but its rule is not
  const std::vector<TLine> Lines = LinesOf(Draw(ListOf({C})));

  ASSERT_EQ(Lines.size(), 3u + 3u + 4u);
  EXPECT_EQ(Lines[0], (TLine{{19, 40}, {9, 40}, TealPen}));
  // The second undercutter comes after the first exception and the second one's warrant.
  EXPECT_EQ(Lines[3], (TLine{{19, 96}, {9, 96}, GreyDotted}));
  // Only the line is dotted: the cross is solid.
  const TDiagramPen GreySolid{GreyColour, TPenStyle::Solid};
  EXPECT_EQ(Lines[4].Pen, GreySolid);
  EXPECT_EQ(Lines[5].Pen, GreySolid);
  // The reason's box is at row 4, below both exceptions and the warrant.
  EXPECT_EQ(std::vector<TLine>(Lines.begin() + 6, Lines.end()), Arrow({19, 124}, {9, 24}, BluePen));
}

TEST(DiagramLayout, DefeatingConnectionEndsInACross) {
  auto C = Justified(Issue("c"));
  AddStep(*C, Justified(Assumption("r")), TConnectionKind::Defeating);
  const std::vector<TLine> Lines = LinesOf(Draw(ListOf({C})));
  EXPECT_EQ(Lines, Join({{{19, 40}, {9, 40}, BluePen}, {{9, 40}, {9, 24}, BluePen}},
                        Cross(9, 24, BluePen)));
}

TEST(DiagramLayout, BoxShowsTheDialecticalArgumentsStatusNotTheStatements) {
  auto Statement = Issue("c");
  Statement->JustificationStatus = TJustificationStatus::Unjustified;
  const TDiagramPicture Picture = Draw(ListOf({Justified(Statement)}));
  EXPECT_EQ(OfKind(Picture, TPrimitiveKind::Box)[0].Pen, BluePen);
}

TEST(DiagramLayout, DeeperConclusionBoxesSendConnectorsFromTheirOwnBottom) {
  // c <- r <- s: the second connector rises to r's box (row 1, bottom 52) from s at indent 2,
  // row 2.
  auto R = Justified(Issue("r"));
  AddStep(*R, Justified(Assumption("s")));
  auto C = Justified(Issue("c"));
  AddStep(*C, R);
  EXPECT_EQ(LinesOf(Draw(ListOf({C}))),
            Join(Arrow({19, 40}, {9, 24}, BluePen), Arrow({37, 68}, {27, 52}, BluePen)));
}

TEST(DiagramLayout, StatementsDrawingUsesEachStatementsOwnStatus) {
  auto A = Assumption("a");
  A->JustificationStatus = TJustificationStatus::Justified;
  auto B = Issue("b");
  B->JustificationStatus = TJustificationStatus::Unjustified;
  TStatements Statements;
  Statements.Add(A);
  Statements.Add(B);

  TDiagramLayout Layout(Measurer, 400);
  Layout.Picture.Height = 300;
  Layout.DrawStatements(Statements);
  const auto Boxes = OfKind(Layout.Picture, TPrimitiveKind::Box);
  ASSERT_EQ(Boxes.size(), 2u);
  EXPECT_EQ(Boxes[0].Pen, BluePen);
  EXPECT_EQ(Boxes[1].Pen, TealPen);
  EXPECT_EQ(Boxes[1].Bounds, (TDiagramRect{2, 30, 36, 52}));
  // The clear covers the surface as it was; the height only grows.
  EXPECT_EQ(Layout.Picture.Primitives()[0].Bounds, (TDiagramRect{0, 0, 400, 300}));
  EXPECT_EQ(Layout.Picture.Height, 300);
}

TEST(DiagramLayout, PenAndFontCarryOverBetweenDrawings) {
  TDiagramLayout Layout(Measurer, 400);
  Layout.DrawDiagram(ListOf({Dial(Issue("a"))}));
  EXPECT_EQ(Layout.Pen, TealPen);
  EXPECT_EQ(Layout.Font, (TDiagramFont{TealColour, TFontStyle::Italic}));

  // A statement that was never evaluated keeps what the last box left; the clear has only
  // changed the pen.
  TStatements Statements;
  Statements.Add(Issue("b"));
  Layout.DrawStatements(Statements);
  const auto Box = OfKind(Layout.Picture, TPrimitiveKind::Box).at(0);
  EXPECT_EQ(Box.Pen.Colour, WhiteColour);
  EXPECT_EQ(OfKind(Layout.Picture, TPrimitiveKind::Text)[0].Font,
            (TDiagramFont{TealColour, TFontStyle::Italic}));
}

TEST(DiagramLayout, MismatchedListsDoNotCrash) {
  auto C = Dial(Issue("c"));
  TStep& S = AddStep(*C, Dial(Issue("r")));
  C->InitialDialecticalArguments.Clear();
  S.Undercutters.Add(std::make_shared<TUndercutter>());
  const TDiagramPicture Picture = Draw(ListOf({C}));
  EXPECT_EQ(OfKind(Picture, TPrimitiveKind::Box).size(), 1u);
  EXPECT_EQ(LinesOf(Picture).size(), 3u + 4u);
}

}  // namespace
}  // namespace palaver
