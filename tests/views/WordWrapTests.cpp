#include <gtest/gtest.h>

#include "FixedMeasurer.h"
#include "views/WordWrap.h"

namespace palaver {
namespace {

using Lines = std::vector<std::string>;
const test::TFixedMeasurer Measurer;  // 6 pixels a character

Lines Wrap(std::string_view Text, int Characters, TFontStyle Style = TFontStyle::Regular) {
  return WrapText(Text, Characters * 6, Style, Measurer);
}

TEST(WordWrap, BreaksAtSpacesSoThatEveryLineFits) {
  EXPECT_EQ(Wrap("aaaa bbbb cccc dddd eeee", 10), (Lines{"aaaa bbbb", "cccc dddd", "eeee"}));
  // A line exactly as wide as the width fits.
  EXPECT_EQ(Wrap("aaaa bbbbb cc", 10), (Lines{"aaaa bbbbb", "cc"}));
  EXPECT_EQ(Wrap("short", 10), (Lines{"short"}));
}

TEST(WordWrap, DropsTheSpacesAtABreakButKeepsThoseInsideALine) {
  EXPECT_EQ(Wrap("aa  bb     cc", 6), (Lines{"aa  bb", "cc"}));
  EXPECT_EQ(Wrap("  indented text", 10), (Lines{"  indented", "text"}));
  EXPECT_EQ(Wrap("trailing   ", 20), (Lines{"trailing"}));
}

TEST(WordWrap, BreaksAWordLongerThanALineBetweenCharacters) {
  EXPECT_EQ(Wrap("abcdefghijkl mn", 5), (Lines{"abcde", "fghij", "kl mn"}));
  // Nothing fits at all: still one character a line, so wrapping ends.
  EXPECT_EQ(Wrap("abc", 0), (Lines{"a", "b", "c"}));
  EXPECT_EQ(WrapText("ab", -40, TFontStyle::Regular, Measurer), (Lines{"a", "b"}));
}

TEST(WordWrap, NeverSplitsAMultiByteCharacter) {
  // "é" is two bytes of UTF-8 but one character.
  EXPECT_EQ(Wrap("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 3),
            (Lines{"\xC3\xA9\xC3\xA9\xC3\xA9", "\xC3\xA9"}));
}

TEST(WordWrap, KeepsExplicitLineBreaks) {
  EXPECT_EQ(Wrap("one\r\ntwo\nthree\rfour", 20), (Lines{"one", "two", "three", "four"}));
  EXPECT_EQ(Wrap("one\n\nthree", 20), (Lines{"one", "", "three"}));
  // A break at the very end opens no further line.
  EXPECT_EQ(Wrap("one\r\n", 20), (Lines{"one"}));
}

TEST(WordWrap, AnEmptyTextIsOneEmptyLine) {
  EXPECT_EQ(Wrap("", 10), (Lines{""}));
  EXPECT_EQ(Wrap("   ", 10), (Lines{""}));
}

TEST(WordWrap, MeasuresInTheGivenStyle) {
  const test::TFixedMeasurer WideBold(6, 8);
  EXPECT_EQ(WrapText("aaaa bbbb", 54, TFontStyle::Regular, WideBold), (Lines{"aaaa bbbb"}));
  EXPECT_EQ(WrapText("aaaa bbbb", 54, TFontStyle::Bold, WideBold), (Lines{"aaaa", "bbbb"}));
}

}  // namespace
}  // namespace palaver
