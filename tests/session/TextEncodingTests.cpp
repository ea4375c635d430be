#include "session/TextEncoding.h"

#include <gtest/gtest.h>

#include <set>

namespace palaver {
namespace {

TEST(Windows1252, TypographicCharactersOfTheUpperHalf) {
  // Euro sign, single and double curly quotes, dashes, ellipsis, the Š/š Ž/ž Œ/œ Ÿ of names.
  EXPECT_EQ(Windows1252ToUtf8("\x80 \x91x\x92 \x93y\x94 \x96\x97 \x85"), "€ ‘x’ “y” –— …");
  EXPECT_EQ(Windows1252ToUtf8("\x8A\x9A\x8E\x9E\x8C\x9C\x9F"), "ŠšŽžŒœŸ");
  // Dutch accents are Latin-1.
  EXPECT_EQ(Windows1252ToUtf8("\xC9\xE9n caf\xE9 is ge\xEFnteresseerd"),
            "Één café is geïnteresseerd");
  EXPECT_EQ(Windows1252ToUtf8(std::string("a\0\x7F", 3)), std::string("a\0\x7F", 3));
}

TEST(Windows1252, UnassignedBytesBecomeTheirC1ControlsAndNoTwoBytesMeet) {
  for (const unsigned char Byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
    EXPECT_EQ(Windows1252Character(Byte), char32_t{Byte});
  EXPECT_EQ(Windows1252ToUtf8("\x81\x9D"), "\xC2\x81\xC2\x9D");

  // Every byte reads as a character of its own, so a file's text keeps all it held.
  std::set<char32_t> Seen;
  for (int Byte = 0; Byte < 256; ++Byte)
    Seen.insert(Windows1252Character(static_cast<unsigned char>(Byte)));
  EXPECT_EQ(Seen.size(), 256u);
  std::string All;
  for (int Byte = 0; Byte < 256; ++Byte)
    All += static_cast<char>(Byte);
  EXPECT_TRUE(IsValidUtf8(Windows1252ToUtf8(All)));
}

TEST(IsValidUtf8, OnlyShortestFormsOfRealCharacters) {
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x99\x82 \xF4\x8F\xBF\xBF"));
  EXPECT_FALSE(IsValidUtf8("caf\xE9"));           // a Windows-1252 byte
  EXPECT_FALSE(IsValidUtf8("\xC3"));              // cut short
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong '/'
  EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));      // overlong, three bytes
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // a surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\x80"));              // a lone continuation byte
}

TEST(TextOfFileBytes, AFileIsOneEncodingAsAWhole) {
  EXPECT_EQ(TextOfFileBytes("café €"), "café €");
  EXPECT_EQ(TextOfFileBytes("caf\xE9 \x80"), "café €");
  // One byte that is not UTF-8 makes the whole file Windows-1252, its UTF-8-looking pairs too.
  EXPECT_EQ(TextOfFileBytes("\xC3\xA9 \xE9"), "Ã© é");
  EXPECT_EQ(TextOfFileBytes("plain"), "plain");
}

TEST(TextOfFileBytes, ByteOrderMarkIsNoText) {
  EXPECT_EQ(TextOfFileBytes("\xEF\xBB\xBFSTATEMENT"), "STATEMENT");
  EXPECT_EQ(TextOfFileBytes("\xEF\xBB\xBFkoffie \xE9\xE9n"), "koffie één");
  // Only at the start.
  EXPECT_EQ(TextOfFileBytes("a\xEF\xBB\xBF"), "a\xEF\xBB\xBF");
}

TEST(WholeCharacterPrefixLength, NeverEndsInsideACharacter) {
  EXPECT_EQ(WholeCharacterPrefixLength("abc", 5), 3u);
  EXPECT_EQ(WholeCharacterPrefixLength("abcdef", 3), 3u);
  // "é" (2 bytes), "€" (3), a 4-byte character, each straddling the cut after 3 bytes.
  EXPECT_EQ(WholeCharacterPrefixLength("ab\xC3\xA9", 3), 2u);
  EXPECT_EQ(WholeCharacterPrefixLength("ab\xC3\xA9z", 4), 4u);
  EXPECT_EQ(WholeCharacterPrefixLength("a\xE2\x82\xAC", 3), 1u);
  EXPECT_EQ(WholeCharacterPrefixLength("a\xE2\x82\xAC", 2), 1u);
  EXPECT_EQ(WholeCharacterPrefixLength("\xF0\x9F\x99\x82", 3), 0u);
  EXPECT_EQ(WholeCharacterPrefixLength("x\xF0\x9F\x99\x82", 4), 1u);
  // Bytes that are no character are cut where the limit says.
  EXPECT_EQ(WholeCharacterPrefixLength("ab\x80\x80\x80\x80\x80", 6), 6u);
}

}  // namespace
}  // namespace palaver
