#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace palaver {

// Inside the program every text is UTF-8. Files come from two worlds: the ones we write, which
// are UTF-8, and the ones made by the program on a Western-European Windows, which hold that
// platform's 8-bit code page, Windows-1252. A file is one or the other as a whole: a file whose
// bytes are valid UTF-8 is UTF-8, any other file is Windows-1252. (Plain ASCII reads the same
// either way; a real 1252 file with accents is almost never valid UTF-8 by accident.)

// The length of the valid UTF-8 sequence that starts at Bytes[At], or 0 when none does. Only
// shortest forms of code points up to U+10FFFF, surrogates excluded, count as valid.
std::size_t Utf8SequenceLength(std::string_view Bytes, std::size_t At);

bool IsValidUtf8(std::string_view Bytes);

// Appends the UTF-8 form of one code point (below 0x110000, not a surrogate).
void AppendUtf8(std::string& Out, char32_t Character);

// The character a Windows-1252 byte stands for. 0x00 to 0x7F are ASCII and 0xA0 to 0xFF are
// Latin-1; 0x80 to 0x9F hold the euro sign, the curly quotes, the dashes and the other
// typographic characters. The five bytes the code page leaves unassigned (0x81, 0x8D, 0x8F,
// 0x90 and 0x9D) become the C1 control characters of the same number, as Windows itself
// converts them: no byte is lost or merged with another, and converting back gives the byte.
char32_t Windows1252Character(unsigned char Byte);

// The UTF-8 text of Windows-1252 bytes.
std::string Windows1252ToUtf8(std::string_view Bytes);

// The text a file's bytes hold: the bytes themselves when they are valid UTF-8, else their
// Windows-1252 reading. A UTF-8 byte-order mark at the start (as some editors write) marks the
// encoding and is no text, so it is dropped.
std::string TextOfFileBytes(std::string_view Bytes);

// How many bytes of Text fit in MaxBytes without cutting a character in two: MaxBytes, or less
// when a UTF-8 character would straddle the cut. Bytes that are not UTF-8 count one by one.
std::size_t WholeCharacterPrefixLength(std::string_view Text, std::size_t MaxBytes);

}  // namespace palaver
