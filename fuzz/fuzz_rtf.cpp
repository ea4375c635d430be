// Arbitrary bytes through the rich-text reader and the file reader, as a file that is opened or
// appended would go.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "transcript/RtfReader.h"
#include "transcript/TranscriptFile.h"

namespace {

// Whether Text is well-formed UTF-8, which the reader promises for the text it returns.
bool IsUtf8(std::string_view Text) {
  std::size_t I = 0;
  while (I < Text.size()) {
    const auto Lead = static_cast<unsigned char>(Text[I]);
    std::size_t Length = 1;
    char32_t Code = Lead;
    if (Lead >= 0xF0 && Lead <= 0xF4) {
      Length = 4;
      Code = Lead & 0x07;
    } else if (Lead >= 0xE0 && Lead <= 0xEF) {
      Length = 3;
      Code = Lead & 0x0F;
    } else if (Lead >= 0xC2 && Lead <= 0xDF) {
      Length = 2;
      Code = Lead & 0x1F;
    } else if (Lead >= 0x80) {
      return false;
    }
    if (Text.size() - I < Length) return false;
    for (std::size_t K = 1; K < Length; ++K) {
      const auto Next = static_cast<unsigned char>(Text[I + K]);
      if ((Next & 0xC0) != 0x80) return false;
      Code = (Code << 6) | (Next & 0x3F);
    }
    const bool Overlong = (Length == 3 && Code < 0x800) || (Length == 4 && Code < 0x10000);
    if (Overlong || (Code >= 0xD800 && Code <= 0xDFFF) || Code > 0x10FFFF) return false;
    I += Length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view Bytes(reinterpret_cast<const char*>(Data), Size);
  palaver::LooksLikeRtf(Bytes);
  // Whatever a file holds, rich text or not, its lines are UTF-8 and no cut splits a character.
  if (const auto Lines = palaver::TranscriptLinesOfBytes(Bytes))
    for (const auto& Line : *Lines)
      if (!IsUtf8(Line)) __builtin_trap();
  const auto Text = palaver::RtfToPlainText(Bytes);
  if (!Text) return 0;
  if (!IsUtf8(*Text)) __builtin_trap();
  palaver::SplitTranscriptLines(*Text);
  return 0;
}
