#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <ostream>
#include <string>
#include <vector>

#include "FixedMeasurer.h"
#include "views/DiagramPainter.h"
#include "views/TextMeasurer.h"
#include "views/WordWrap.h"

namespace palaver {

void PrintTo(const TWrappedLine& Line, std::ostream* Out) {
  *Out << "{" << Line.Start << ", " << Line.Length << ", " << Line.Width << "}";
}

namespace {

using Lines = std::vector<std::string>;

// The fixed measurer, counting the questions it is asked.
class TCountingMeasurer : public test::TFixedMeasurer {
 public:
  TCountingMeasurer() : TFixedMeasurer(6, 8) {}
  int TextWidth(std::string_view Text, TFontStyle Style) const override {
    ++Asked;
    return TFixedMeasurer::TextWidth(Text, Style);
  }
  mutable int Asked = 0;
};

TEST(TextMemo, AsksEachTextOnceInEachStyle) {
  const TCountingMeasurer Counting;
  TTextMemo Memo;
  const TMemoizingTextMeasurer Measurer(Counting, Memo);
  EXPECT_EQ(Measurer.TextWidth("abc", TFontStyle::Regular), 18);
  EXPECT_EQ(Measurer.TextWidth("abc", TFontStyle::Regular), 18);
  EXPECT_EQ(Counting.Asked, 1);
  // The same text in another style is another question.
  EXPECT_EQ(Measurer.TextWidth("abc", TFontStyle::Bold), 24);
  EXPECT_EQ(Measurer.TextWidth("abc", TFontStyle::Italic), 18);
  EXPECT_EQ(Counting.Asked, 3);
  EXPECT_EQ(Measurer.TextWidth("ab", TFontStyle::Regular), 12);
  EXPECT_EQ(Counting.Asked, 4);
}

TEST(TextMemo, RemembersWrappedTextsByWidthAndStyle) {
  const TCountingMeasurer Counting;
  TTextMemo Memo;
  const TMemoizingTextMeasurer Measurer(Counting, Memo);
  const std::string Text = "aaaa bbbb cccc";
  EXPECT_EQ(WrapText(Text, 60, TFontStyle::Regular, Measurer), (Lines{"aaaa bbbb", "cccc"}));
  const int AskedOnce = Counting.Asked;
  EXPECT_EQ(WrapText(Text, 60, TFontStyle::Regular, Measurer), (Lines{"aaaa bbbb", "cccc"}));
  EXPECT_EQ(Counting.Asked, AskedOnce);
  // Another width or style is wrapped anew, and remembered beside the first.
  EXPECT_EQ(WrapText(Text, 53, TFontStyle::Regular, Measurer), (Lines{"aaaa", "bbbb", "cccc"}));
  EXPECT_EQ(WrapText(Text, 60, TFontStyle::Bold, Measurer), (Lines{"aaaa", "bbbb", "cccc"}));
  ASSERT_NE(Memo.FindLines(Text, 60, TFontStyle::Regular), nullptr);
  ASSERT_NE(Memo.FindLines(Text, 53, TFontStyle::Regular), nullptr);
  EXPECT_EQ(Memo.FindLines(Text, 60, TFontStyle::Italic), nullptr);
  EXPECT_EQ(Memo.FindLines("aaaa bbbb", 60, TFontStyle::Regular), nullptr);
}

TEST(TextMemo, ForgetsEverythingWhenFull) {
  const TCountingMeasurer Counting;
  TTextMemo Memo(3, 2);
  const TMemoizingTextMeasurer Measurer(Counting, Memo);
  for (const char* Text : {"a", "bb", "ccc"})
    Measurer.TextWidth(Text, TFontStyle::Regular);
  ASSERT_NE(Memo.FindWidth("a", TFontStyle::Regular), nullptr);
  EXPECT_EQ(Measurer.TextWidth("dddd", TFontStyle::Regular), 24);
  EXPECT_EQ(Memo.FindWidth("a", TFontStyle::Regular), nullptr);
  ASSERT_NE(Memo.FindWidth("dddd", TFontStyle::Regular), nullptr);
  EXPECT_EQ(*Memo.FindWidth("dddd", TFontStyle::Regular), 24);

  WrapTextLines("x y", 100, TFontStyle::Regular, Measurer);
  WrapTextLines("x y", 3, TFontStyle::Regular, Measurer);
  WrapTextLines("z", 100, TFontStyle::Regular, Measurer);
  EXPECT_EQ(Memo.FindLines("x y", 100, TFontStyle::Regular), nullptr);
  EXPECT_NE(Memo.FindLines("z", 100, TFontStyle::Regular), nullptr);
  // Whatever was forgotten, the answers stay right.
  EXPECT_EQ(WrapText("x y", 3, TFontStyle::Regular, Measurer), (Lines{"x", "y"}));
}

TEST(WrappedLines, AreCutFromTheTextWithTheirWidths) {
  const test::TFixedMeasurer Measurer;
  const TWrappedLines Wrapped =
      WrapTextLines("  aaaa bbbb\r\n\ncc dddddd", 36, TFontStyle::Regular, Measurer);
  // "  aaaa" keeps its leading spaces; the empty paragraph is an empty line.
  const TWrappedLines Expected = {{0, 6, 36}, {7, 4, 24}, {13, 0, 0}, {14, 2, 12}, {17, 6, 36}};
  EXPECT_EQ(Wrapped, Expected);
  // A single character that does not fit still has its own width.
  EXPECT_EQ(WrapTextLines("ab", 3, TFontStyle::Regular, Measurer),
            (TWrappedLines{{0, 1, 6}, {1, 1, 6}}));
}

// Measures nothing itself: counts the bytes it is asked to measure.
class TByteCountingMeasurer : public test::TFixedMeasurer {
 public:
  int TextWidth(std::string_view Text, TFontStyle Style) const override {
    Bytes += Text.size();
    return TFixedMeasurer::TextWidth(Text, Style);
  }
  mutable std::size_t Bytes = 0;
};

TEST(WrappedLines, AWordLongerThanManyLinesIsNotMeasuredWholeForEveryLine) {
  const TByteCountingMeasurer Measurer;
  const std::string Word(100000, 'x');
  const TWrappedLines Wrapped = WrapTextLines("a " + Word, 600, TFontStyle::Regular, Measurer);
  ASSERT_EQ(Wrapped.size(), 1001u);
  EXPECT_EQ(Wrapped[0], (TWrappedLine{0, 1, 6}));
  for (std::size_t I = 1; I < Wrapped.size(); ++I)
    ASSERT_EQ(Wrapped[I], (TWrappedLine{2 + 100 * (I - 1), 100, 600})) << I;
  // Measuring the rest of the word on every line would take some 50 million bytes.
  EXPECT_LT(Measurer.Bytes, 100 * Word.size());
}

TEST(QtTextMeasurer, SharesOneMemoPerFontAndMeasuresAsQtDoes) {
  TQtTextMeasurer::ForgetMeasurements();
  const QFont Font = DiagramFont();
  const TQtTextMeasurer First(Font);
  const TQtTextMeasurer Second(Font);
  EXPECT_EQ(First.Memo(), Second.Memo());
  QFont Larger = Font;
  Larger.setPointSize(Font.pointSize() * 2);
  const TQtTextMeasurer Other(Larger);
  EXPECT_NE(Other.Memo(), First.Memo());

  const std::string Text = "Traffic in the town centre (has doubled)";
  const int Width = First.TextWidth(Text, TFontStyle::Italic);
  EXPECT_EQ(Width, QFontMetrics(StyledFont(Font, TFontStyle::Italic))
                       .horizontalAdvance(QString::fromUtf8(Text.c_str())));
  ASSERT_NE(Second.Memo()->FindWidth(Text, TFontStyle::Italic), nullptr);
  EXPECT_EQ(Second.TextWidth(Text, TFontStyle::Italic), Width);
  EXPECT_EQ(Second.Memo()->FindWidth(Text, TFontStyle::Bold), nullptr);
  EXPECT_GT(Other.TextWidth(Text, TFontStyle::Italic), Width);

  TQtTextMeasurer::ForgetMeasurements();
  const TQtTextMeasurer Afresh(Font);
  EXPECT_EQ(Afresh.Memo()->FindWidth(Text, TFontStyle::Italic), nullptr);
  EXPECT_EQ(Afresh.TextWidth(Text, TFontStyle::Italic), Width);
}

}  // namespace
}  // namespace palaver
