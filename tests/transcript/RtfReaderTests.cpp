#include "transcript/RtfReader.h"

#include <gtest/gtest.h>

#include <random>

namespace palaver {
namespace {

std::string Text(std::string_view Rtf) {
  const auto Plain = RtfToPlainText(Rtf);
  EXPECT_TRUE(Plain.has_value()) << Rtf;
  return Plain.value_or("<malformed>");
}

TEST(LooksLikeRtf, SignatureAfterOptionalBlanks) {
  EXPECT_TRUE(LooksLikeRtf("{\\rtf1\\ansi x}"));
  EXPECT_TRUE(LooksLikeRtf(" \t\r\n{\\rtf"));
  EXPECT_FALSE(LooksLikeRtf(""));
  EXPECT_FALSE(LooksLikeRtf("{\\RTF1}"));
  EXPECT_FALSE(LooksLikeRtf("STATEMENT\r\n{\\rtf1}"));
  EXPECT_FALSE(LooksLikeRtf("{\\rt"));
}

TEST(RtfToPlainText, ParagraphsLinesAndTabs) {
  EXPECT_EQ(Text("{\\rtf1 Hello\\par World}"), "Hello\nWorld");
  EXPECT_EQ(Text("{\\rtf1 a\\line b\\tab c\\par\r\n}"), "a\nb\tc\n");
  // Line ends in the source are no text; a backslash before one is a paragraph.
  EXPECT_EQ(Text("{\\rtf1 a\r\nb\\\nc}"), "ab\nc");
}

TEST(RtfToPlainText, ControlWordDelimiters) {
  EXPECT_EQ(Text("{\\rtf1\\b bold\\b0  plain}"), "bold plain");
  EXPECT_EQ(Text("{\\rtf1\\fs22\\lang1043-x}"), "-x");
  EXPECT_EQ(Text("{\\rtf1\\li-360 x}"), "x");
}

TEST(RtfToPlainText, EscapedCharacters) {
  EXPECT_EQ(Text("{\\rtf1 \\{a\\} \\\\ b}"), "{a} \\ b");
  EXPECT_EQ(Text("{\\rtf1 x\\~y\\-z}"), "x\xC2\xA0yz");
}

TEST(RtfToPlainText, HexBytesAreWindows1252) {
  EXPECT_EQ(Text("{\\rtf1 caf\\'e9 \\'80 \\'93q\\'94}"),
            "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D");
  // An incomplete escape carries no text.
  EXPECT_EQ(Text("{\\rtf1 a\\'zb}"), "azb");
}

TEST(RtfToPlainText, Utf8CodePageBytesThatAreNotUtf8ReadAsWindows1252) {
  // The bytes of one character come as separate escapes.
  EXPECT_EQ(Text("{\\rtf1\\ansicpg65001 caf\\'c3\\'a9 \\'e2\\'82\\'ac}"),
            "caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(Text("{\\rtf1\\ansicpg65001 caf\\'e9 \\'c3\\'a9}"), "caf\xC3\xA9 \xC3\xA9");
  EXPECT_EQ(Text("{\\rtf1\\ansicpg65001 \\'c3\\u8364?}"), "\xC3\x83\xE2\x82\xAC");
}

TEST(RtfToPlainText, UnicodeCharactersSkipTheirFallback) {
  EXPECT_EQ(Text("{\\rtf1 \\u8364?5}"),
            "\xE2\x82\xAC"
            "5");
  EXPECT_EQ(Text("{\\rtf1 \\u8364\\'80x}"),
            "\xE2\x82\xAC"
            "x");
  EXPECT_EQ(Text("{\\rtf1\\uc2 \\u8364EUy}"),
            "\xE2\x82\xAC"
            "y");
  EXPECT_EQ(Text("{\\rtf1\\uc0 \\u8364 y}"),
            "\xE2\x82\xAC"
            "y");
  // Negative numbers stand for the upper half; a surrogate pair makes one character.
  EXPECT_EQ(Text("{\\rtf1 \\u-4064?}"), "\xEF\x80\xA0");
  EXPECT_EQ(Text("{\\rtf1 \\u-10179?\\u-8704?}"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Text("{\\rtf1 \\u-10179?x}"),
            "\xEF\xBF\xBD"
            "x");
}

TEST(RtfToPlainText, GroupsNestAndRestoreTheirState) {
  EXPECT_EQ(Text("{\\rtf1 a{\\b b{\\i c}}d}"), "abcd");
  // \uc set inside a group ends with it.
  EXPECT_EQ(Text("{\\rtf1 {\\uc0 \\u65 }\\u66 xy}"), "ABy");
}

TEST(RtfToPlainText, DestinationsWithoutDocumentTextAreSkipped) {
  EXPECT_EQ(Text("{\\rtf1{\\fonttbl{\\f0\\fnil Calibri;}{\\f1 Arial;}}"
                 "{\\colortbl ;\\red255\\green0\\blue0;}"
                 "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}"
                 "{\\*\\generator Scribe 2.1}{\\*\\anything {nested} text}"
                 "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt shown}}"
                 "body}"),
            "shownbody");
}

TEST(RtfToPlainText, BinaryDataIsSteppedOver) {
  EXPECT_EQ(Text("{\\rtf1{\\pict\\bin4 {}\\}}after}"), "after");
  EXPECT_EQ(Text("{\\rtf1 a\\bin3 }{}b}"), "ab");
}

TEST(RtfToPlainText, WhatFollowsTheDocumentIsIgnored) {
  EXPECT_EQ(Text("{\\rtf1 a}}}xyz{"), "a");
  EXPECT_EQ(Text(std::string("{\\rtf1 a}\r\n\0", 12)), "a");
}

TEST(RtfToPlainText, MalformedDocumentsGiveNothing) {
  EXPECT_FALSE(RtfToPlainText("plain text"));
  EXPECT_FALSE(RtfToPlainText("{\\rtf1 abc"));
  EXPECT_FALSE(RtfToPlainText("{\\rtf1 {abc}"));
  EXPECT_FALSE(RtfToPlainText("{\\rtf1 abc\\"));
  EXPECT_FALSE(RtfToPlainText("{\\rtf1\\bin99999 }"));
}

TEST(RtfToPlainText, NestingHasAHardLimit) {
  const auto Nested = [](std::size_t Depth) {
    return "{\\rtf1" + std::string(Depth, '{') + "x" + std::string(Depth, '}') + "}";
  };
  EXPECT_EQ(Text(Nested(200)), "x");
  EXPECT_FALSE(RtfToPlainText(Nested(100000)));
}

TEST(RtfToPlainText, ArbitraryBytesNeverCrash) {
  const std::string Document =
      R"({\rtf1\ansi{\fonttbl{\f0 A;}}\uc1 a\'e9\u8364?{\*\x y}\bin2 {}\par b})";
  for (std::size_t Cut = 0; Cut <= Document.size(); ++Cut)
    (void)RtfToPlainText(Document.substr(0, Cut));

  std::mt19937 Random(12345);
  const std::string Alphabet = "{}\\'*-0123456789abcdefuxbinpar \r\n\x80\xff";
  for (int Round = 0; Round < 2000; ++Round) {
    std::string Bytes = "{\\rtf";
    const auto Length = Random() % 200;
    for (std::size_t I = 0; I < Length; ++I)
      Bytes += Alphabet[Random() % Alphabet.size()];
    const auto Plain = RtfToPlainText(Bytes);
    if (Plain) {
      EXPECT_LE(Plain->size(), 4 * Bytes.size());
    }
  }
}

TEST(RtfToPlainText, LargeInputsAreReadInOnePass) {
  std::string Many = "{\\rtf1 ";
  for (int I = 0; I < 200000; ++I)
    Many += "\\u8364?{\\b x}";
  Many += "}";
  EXPECT_EQ(Text(Many).size(), 200000u * 4);
  EXPECT_FALSE(RtfToPlainText("{\\rtf1 " + std::string(1'000'000, '\\')));
}

}  // namespace
}  // namespace palaver
