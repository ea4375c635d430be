#include "views/WordWrap.h"

#include <vector>

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

// Candidate lines longer than this many bytes are first tried by their beginning alone.
constexpr std::size_t LongCandidate = 1024;

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

// Wraps the paragraphs of one text. Every line is the last candidate that was measured and
// found to fit, so its width is known without asking again.
class TParagraphWrapper {
 public:
  TParagraphWrapper(int Width, TFontStyle Style, const TTextMeasurer& Measurer,
                    TWrappedLines& Lines)
      : Width(Width), Style(Style), Measurer(Measurer), Lines(Lines) {}

  // Wraps one paragraph (a text without line breaks) that starts at Offset in the whole text.
  // Leading spaces of the paragraph are kept; the spaces at a wrap point and at the paragraph's
  // end are dropped.
  void Wrap(std::string_view Paragraph, std::size_t Offset) {
    std::size_t Start = 0;
    do {
      std::size_t End = Start;
      LineWidth = -1;
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
      const std::string_view Line = Paragraph.substr(Start, End - Start);
      // A single character taken although it does not fit, or an empty line, was not measured.
      if (LineWidth < 0 || LineLength != Line.size()) LineWidth = Measurer.TextWidth(Line, Style);
      Lines.push_back({Offset + Start, Line.size(), LineWidth});
      Start = SkipSpaces(Paragraph, End);
    } while (Start < Paragraph.size());
  }

 private:
  bool Fits(std::string_view Line) {
    // Text never gets narrower as characters are added to it, so when the beginning of a long
    // candidate already overflows the line, the whole of it does too. A word longer than a line
    // (or a text without spaces, such as Chinese) thus costs one short measure a line instead of
    // the rest of the word on every line, which made wrapping it quadratic.
    if (Line.size() > LongCandidate) {
      std::size_t Cut = LongCandidate;
      while (Cut > 0 && (static_cast<unsigned char>(Line[Cut]) & 0xC0) == 0x80)
        --Cut;
      if (Measurer.TextWidth(Line.substr(0, Cut), Style) > Width) return false;
    }
    const int LineWidthNow = Measurer.TextWidth(Line, Style);
    if (LineWidthNow > Width) return false;
    LineWidth = LineWidthNow;
    LineLength = Line.size();
    return true;
  }

  // The end of the longest run of whole characters from Start (before Limit) that fits; at least
  // one character, so that wrapping always makes progress, even when nothing fits at all.
  std::size_t LongestFittingPrefix(std::string_view Text, std::size_t Start, std::size_t Limit) {
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
  TWrappedLines& Lines;
  // The width and length of the longest candidate of the current line found to fit; a width of
  // -1 when none has been.
  int LineWidth = -1;
  std::size_t LineLength = 0;
  // The ends of the words of the rest of the paragraph, from the start of the current line.
  std::vector<std::size_t> WordEnds;
};

TWrappedLines WrapAnew(std::string_view Text, int Width, TFontStyle Style,
                       const TTextMeasurer& Measurer) {
  TWrappedLines Lines;
  TParagraphWrapper Wrapper(Width, Style, Measurer, Lines);
  std::size_t Start = 0;
  for (;;) {
    const std::size_t Break = Text.find_first_of("\r\n", Start);
    if (Break == std::string_view::npos) {
      Wrapper.Wrap(Text.substr(Start), Start);
      break;
    }
    Wrapper.Wrap(Text.substr(Start, Break - Start), Start);
    Start = Break + 1;
    if (Text[Break] == '\r' && Start < Text.size() && Text[Start] == '\n') ++Start;
  }
  // A break at the very end opens no line of its own, as in a text control.
  if (Lines.size() > 1 && Lines.back().Length == 0) Lines.pop_back();
  return Lines;
}

}  // namespace

TWrappedLines WrapTextLines(std::string_view Text, int Width, TFontStyle Style,
                            const TTextMeasurer& Measurer) {
  TTextMemo* Memo = Measurer.Memo();
  if (Memo == nullptr) return WrapAnew(Text, Width, Style, Measurer);
  if (const TWrappedLines* Known = Memo->FindLines(Text, Width, Style)) return *Known;
  TWrappedLines Lines = WrapAnew(Text, Width, Style, Measurer);
  Memo->AddLines(Text, Width, Style, Lines);
  return Lines;
}

std::vector<std::string> WrapText(std::string_view Text, int Width, TFontStyle Style,
                                  const TTextMeasurer& Measurer) {
  std::vector<std::string> Result;
  for (const TWrappedLine& Line : WrapTextLines(Text, Width, Style, Measurer))
    Result.emplace_back(Text.substr(Line.Start, Line.Length));
  return Result;
}

}  // namespace palaver
