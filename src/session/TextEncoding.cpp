#include "session/TextEncoding.h"

#include <array>

namespace palaver {

namespace {

// Windows-1252 from 0x80 to 0x9F; below and above it the code page agrees with Latin-1.
constexpr std::array<char16_t, 32> Cp1252Upper = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsContinuationByte(char C) {
  return (static_cast<unsigned char>(C) & 0xC0) == 0x80;
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view Bytes, std::size_t At) {
  const auto Byte = [&](std::size_t I) { return static_cast<unsigned char>(Bytes[At + I]); };
  const unsigned char Lead = Byte(0);
  if (Lead < 0x80) return 1;
  std::size_t Length = 0;
  unsigned char SecondLow = 0x80;
  unsigned char SecondHigh = 0xBF;
  if (Lead >= 0xC2 && Lead <= 0xDF) {
    Length = 2;
  } else if (Lead >= 0xE0 && Lead <= 0xEF) {
    Length = 3;
    if (Lead == 0xE0) SecondLow = 0xA0;   // no overlong forms
    if (Lead == 0xED) SecondHigh = 0x9F;  // no surrogates
  } else if (Lead >= 0xF0 && Lead <= 0xF4) {
    Length = 4;
    if (Lead == 0xF0) SecondLow = 0x90;   // no overlong forms
    if (Lead == 0xF4) SecondHigh = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (Bytes.size() - At < Length) return 0;
  if (Byte(1) < SecondLow || Byte(1) > SecondHigh) return 0;
  for (std::size_t I = 2; I < Length; ++I)
    if (Byte(I) < 0x80 || Byte(I) > 0xBF) return 0;
  return Length;
}

bool IsValidUtf8(std::string_view Bytes) {
  for (std::size_t At = 0; At < Bytes.size();) {
    // ASCII runs are the common case; step over them a byte at a time without the full check.
    if (static_cast<unsigned char>(Bytes[At]) < 0x80) {
      ++At;
      continue;
    }
    const std::size_t Length = Utf8SequenceLength(Bytes, At);
    if (Length == 0) return false;
    At += Length;
  }
  return true;
}

void AppendUtf8(std::string& Out, char32_t C) {
  if (C < 0x80) {
    Out += static_cast<char>(C);
  } else if (C < 0x800) {
    Out += static_cast<char>(0xC0 | (C >> 6));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  } else if (C < 0x10000) {
    Out += static_cast<char>(0xE0 | (C >> 12));
    Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (C >> 18));
    Out += static_cast<char>(0x80 | ((C >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  }
}

char32_t Windows1252Character(unsigned char Byte) {
  if (Byte >= 0x80 && Byte < 0xA0) return Cp1252Upper[Byte - 0x80];
  return Byte;
}

std::string Windows1252ToUtf8(std::string_view Bytes) {
  std::string Text;
  Text.reserve(Bytes.size() + Bytes.size() / 8);
  for (const char C : Bytes)
    AppendUtf8(Text, Windows1252Character(static_cast<unsigned char>(C)));
  return Text;
}

std::string TextOfFileBytes(std::string_view Bytes) {
  if (Bytes.starts_with(ByteOrderMark)) Bytes.remove_prefix(ByteOrderMark.size());
  if (IsValidUtf8(Bytes)) return std::string(Bytes);
  return Windows1252ToUtf8(Bytes);
}

std::size_t WholeCharacterPrefixLength(std::string_view Text, std::size_t MaxBytes) {
  if (Text.size() <= MaxBytes) return Text.size();
  // The cut falls inside a character when the byte after it continues one. A UTF-8 character
  // has at most three continuation bytes, so a longer run is no character and is cut anywhere.
  std::size_t Cut = MaxBytes;
  while (Cut > 0 && MaxBytes - Cut < 3 && IsContinuationByte(Text[Cut]))
    --Cut;
  if (IsContinuationByte(Text[Cut])) return MaxBytes;
  return Cut;
}

}  // namespace palaver
