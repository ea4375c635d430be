#include "views/WordWrap.h"

namespace palaver {

namespace {

// The end of the UTF-8 character that starts at Pos: a character is never split, so a long word
// is broken between characters, not between bytes.
std::size_t NextCharacter(std::string_view Text, std::size_t Pos) {
  ++Pos;
  while (Pos < Text.size() && (static_cast<unsigned char>(Text[Pos]) & 0xC0) == 0x80)
    ++Pos;
  return Pos;
}

std::size_t SkipSpaces(std::string_view Text, std::size_t Pos) {
  while (Pos < Text.size() && Text[Pos] == ' ')
    ++Pos;
  return Pos;
}

std::size_t SkipWord(std::string_view Text, std::size_t Pos) {
  while (Pos < Text.size() && Text[Pos] != ' ')
    ++Pos;
  return Pos;
}

class TParagraphWrapper {
 public:
  TParagraphWrapper(int Width, TFontStyle Style, const TTextMeasurer& Measurer,
                    std::vector<std::string>& Lines)
      : Width(Width), Style(Style), Measurer(Measurer), Lines(Lines) {}

  // Wraps one paragraph (a text without line breaks). Leading spaces of the paragraph are kept;
  // the spaces at a wrap point and at the paragraph's end are dropped.
  void Wrap(std::string_view Paragraph) {
    std::size_t Start = 0;
    do {
      std::size_t End = Start;
      // Take whole words while the line still fits.
      for (;;) {
        const std::size_t WordStart = SkipSpaces(Paragraph, End);
        const std::size_t WordEnd = SkipWord(Paragraph, WordStart);
        if (WordEnd == WordStart || !Fits(Paragraph.substr(Start, WordEnd - Start))) break;
        End = WordEnd;
      }
      if (End == Start) {
        const std::size_t WordStart = SkipSpaces(Paragraph, Start);
        const std::size_t WordEnd = SkipWord(Paragraph, WordStart);
        if (WordEnd > WordStart) End = LongestFittingPrefix(Paragraph, Start, WordEnd);
      }
      Lines.emplace_back(Paragraph.substr(Start, End - Start));
      Start = SkipSpaces(Paragraph, End);
    } while (Start < Paragraph.size());
  }

 private:
  bool Fits(std::string_view Line) const { return Measurer.TextWidth(Line, Style) <= Width; }

  // The end of the longest run of whole characters from Start (before Limit) that fits; at least
  // one character, so that wrapping always makes progress, even when nothing fits at all.
  std::size_t LongestFittingPrefix(std::string_view Text, std::size_t Start,
                                   std::size_t Limit) const {
    std::size_t End = NextCharacter(Text, Start);
    while (End < Limit) {
      const std::size_t Next = NextCharacter(Text, End);
      if (!Fits(Text.substr(Start, Next - Start))) break;
      End = Next;
    }
    return End;
  }

  int Width;
  TFontStyle Style;
  const TTextMeasurer& Measurer;
  std::vector<std::string>& Lines;
};

}  // namespace

std::vector<std::string> WrapText(std::string_view Text, int Width, TFontStyle Style,
                                  const TTextMeasurer& Measurer) {
  std::vector<std::string> Lines;
  TParagraphWrapper Wrapper(Width, Style, Measurer, Lines);
  std::size_t Start = 0;
  for (;;) {
    const std::size_t Break = Text.find_first_of("\r\n", Start);
    if (Break == std::string_view::npos) {
      Wrapper.Wrap(Text.substr(Start));
      break;
    }
    Wrapper.Wrap(Text.substr(Start, Break - Start));
    Start = Break + 1;
    if (Text[Break] == '\r' && Start < Text.size() && Text[Start] == '\n') ++Start;
  }
  // A break at the very end opens no line of its own, as in a text control.
  if (Lines.size() > 1 && Lines.back().empty()) Lines.pop_back();
  return Lines;
}

}  // namespace palaver
