#include "transcript/RtfReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "session/TextEncoding.h"

namespace palaver {

namespace {

// Real documents nest a few dozen groups at most; anything deeper is refused rather than
// followed, which also bounds the memory a hostile file can make us spend on group states.
constexpr std::size_t MaxGroupDepth = 256;

// Parameters beyond this are clamped: no document needs more, and it keeps arithmetic safe.
constexpr long MaxParameter = 1'000'000'000;

constexpr char32_t ReplacementCharacter = 0xFFFD;

// Destinations whose text is not document text. Any group marked with \* is skipped as well,
// since this reader knows none of the optional destinations.
constexpr std::array<std::string_view, 46> SkippedDestinations = {
    "annotation", "atnauthor", "atnid",        "author",
    "bkmkend",    "bkmkstart", "buptim",       "colortbl",
    "comment",    "company",   "creatim",      "datastore",
    "doccomm",    "docvar",    "falt",         "filetbl",
    "fldinst",    "fonttbl",   "footer",       "footerf",
    "footerl",    "footerr",   "footnote",     "generator",
    "header",     "headerf",   "headerl",      "headerr",
    "info",       "keywords",  "latentstyles", "listoverridetable",
    "listtable",  "listtext",  "nonshppict",   "object",
    "operator",   "pict",      "pntext",       "printim",
    "revtbl",     "revtim",    "rsidtbl",      "stylesheet",
    "subject",    "title"};

bool IsLetter(char C) {
  return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z');
}
bool IsDigit(char C) {
  return C >= '0' && C <= '9';
}

int HexValue(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  return -1;
}

// What a group inherits from its parent and may change for itself.
struct TGroupState {
  bool Skipped = false;
  // Fallback characters that follow each \uN (set by \ucN).
  long UnicodeFallback = 1;
};

// A single pass over the bytes with an explicit group stack: no recursion, and every step
// consumes at least one byte, so time is linear in the input.
class TRtfParser {
 public:
  explicit TRtfParser(std::string_view Bytes) : In(Bytes) {}

  std::optional<std::string> Run() {
    Pos = In.find('{');
    while (Pos < In.size()) {
      const char C = In[Pos];
      if (C == '{') {
        if (Groups.size() >= MaxGroupDepth) return std::nullopt;
        Groups.push_back(Groups.empty() ? TGroupState{} : Groups.back());
        FallbackLeft = 0;
        ++Pos;
      } else if (C == '}') {
        Groups.pop_back();
        FallbackLeft = 0;
        ++Pos;
        // Whatever follows the document's closing brace is not part of it.
        if (Groups.empty()) return FinishedText();
      } else if (C == '\\') {
        ++Pos;
        ReadControl();
      } else {
        ++Pos;
        // Line ends in the source are formatting of the file, not text.
        if (C != '\r' && C != '\n') TextByte(static_cast<unsigned char>(C));
      }
    }
    // The input ended inside a group.
    return std::nullopt;
  }

 private:
  std::string_view In;
  std::size_t Pos = 0;
  std::string Out;
  std::vector<TGroupState> Groups;
  long FallbackLeft = 0;
  char32_t HighSurrogate = 0;
  bool Utf8CodePage = false;
  std::string Utf8Bytes;

  TGroupState& Group() { return Groups.back(); }

  std::string FinishedText() {
    FlushSurrogate();
    return std::move(Out);
  }

  // In a document whose code page is UTF-8 the bytes of one character may come as separate
  // \'hh escapes, so they are gathered and checked as a run. A run that is not UTF-8 after all
  // is read as Windows-1252, so the text we hand on is always UTF-8.
  void FlushUtf8Bytes() {
    if (Utf8Bytes.empty()) return;
    Out += IsValidUtf8(Utf8Bytes) ? Utf8Bytes : Windows1252ToUtf8(Utf8Bytes);
    Utf8Bytes.clear();
  }

  void FlushSurrogate() {
    FlushUtf8Bytes();
    if (HighSurrogate == 0) return;
    HighSurrogate = 0;
    AppendUtf8(Out, ReplacementCharacter);
  }

  // True when the character at hand is document text, false when it is swallowed: inside a
  // skipped destination or as one of the fallback characters of a \uN.
  bool TakesCharacter() {
    if (Group().Skipped) return false;
    if (FallbackLeft > 0) {
      --FallbackLeft;
      return false;
    }
    return true;
  }

  void Emit(char32_t C) {
    FlushSurrogate();
    AppendUtf8(Out, C);
  }

  void TextByte(unsigned char Byte) {
    if (!TakesCharacter()) return;
    if (Byte < 0x20 && Byte != '\t') return;
    if (Byte < 0x80) return Emit(Byte);
    if (Utf8CodePage) {
      if (HighSurrogate != 0) FlushSurrogate();
      Utf8Bytes += static_cast<char>(Byte);
      return;
    }
    Emit(Windows1252Character(Byte));
  }

  void Character(char32_t C) {
    if (TakesCharacter()) Emit(C);
  }

  void Unicode(long Parameter) {
    const long Code = Parameter < 0 ? Parameter + 0x10000 : Parameter;
    if (!Group().Skipped) {
      if (Code < 0 || Code > 0xFFFF) {
        Emit(ReplacementCharacter);
      } else if (Code >= 0xD800 && Code <= 0xDBFF) {
        FlushSurrogate();
        HighSurrogate = static_cast<char32_t>(Code);
      } else if (Code >= 0xDC00 && Code <= 0xDFFF) {
        if (HighSurrogate != 0) {
          const char32_t Combined =
              0x10000 + ((HighSurrogate - 0xD800) << 10) + (static_cast<char32_t>(Code) - 0xDC00);
          HighSurrogate = 0;
          AppendUtf8(Out, Combined);
        } else {
          Emit(ReplacementCharacter);
        }
      } else {
        Emit(static_cast<char32_t>(Code));
      }
    }
    FallbackLeft = Group().UnicodeFallback;
  }

  void ReadControl() {
    if (Pos >= In.size()) return;
    const char C = In[Pos];
    if (IsLetter(C)) return ReadControlWord();
    ++Pos;
    switch (C) {
      case '\\':
      case '{':
      case '}':
        return Character(static_cast<unsigned char>(C));
      case '\'': {
        const int High = Pos < In.size() ? HexValue(In[Pos]) : -1;
        const int Low = Pos + 1 < In.size() ? HexValue(In[Pos + 1]) : -1;
        if (High < 0 || Low < 0) return;
        Pos += 2;
        return TextByte(static_cast<unsigned char>(High * 16 + Low));
      }
      case '~':
        return Character(0x00A0);
      case '_':
        return Character(0x2011);
      case '*':
        Group().Skipped = true;
        return;
      case '\r':
      case '\n':
        return Character('\n');
      case '\t':
        return Character('\t');
      default:
        // \- (optional hyphen), \| and \: and unknown symbols carry no text.
        return;
    }
  }

  void ReadControlWord() {
    const std::size_t Start = Pos;
    while (Pos < In.size() && IsLetter(In[Pos]))
      ++Pos;
    const std::string_view Word = In.substr(Start, Pos - Start);

    bool Negative = false;
    if (Pos + 1 < In.size() && In[Pos] == '-' && IsDigit(In[Pos + 1])) {
      Negative = true;
      ++Pos;
    }
    bool HasParameter = false;
    long Parameter = 0;
    while (Pos < In.size() && IsDigit(In[Pos])) {
      HasParameter = true;
      const long Digit = In[Pos] - '0';
      Parameter = Parameter > (MaxParameter - Digit) / 10 ? MaxParameter : Parameter * 10 + Digit;
      ++Pos;
    }
    if (Negative) Parameter = -Parameter;
    // A blank delimits the control word and belongs to it.
    if (Pos < In.size() && In[Pos] == ' ') ++Pos;

    ControlWord(Word, HasParameter, Parameter);
  }

  void ControlWord(std::string_view Word, bool HasParameter, long Parameter) {
    if (Word == "bin") {
      // Binary data may hold any byte, braces and backslashes included: step over it unread.
      const auto Length = static_cast<std::size_t>(std::max(0L, Parameter));
      Pos += std::min(Length, In.size() - Pos);
      return;
    }
    if (Word == "u" && HasParameter) return Unicode(Parameter);
    if (Word == "uc") {
      Group().UnicodeFallback = HasParameter ? std::max(0L, Parameter) : 1;
      return;
    }
    if (Word == "ansicpg") {
      Utf8CodePage = Parameter == 65001;
      return;
    }
    if (std::find(SkippedDestinations.begin(), SkippedDestinations.end(), Word) !=
        SkippedDestinations.end()) {
      Group().Skipped = true;
      return;
    }
    const char32_t Text = NamedCharacter(Word);
    if (Text != 0) Character(Text);
  }

  static char32_t NamedCharacter(std::string_view Word) {
    struct TNamedCharacter {
      std::string_view Word;
      char32_t Text;
    };
    static constexpr std::array<TNamedCharacter, 17> NamedCharacters = {{{"par", '\n'},
                                                                         {"line", '\n'},
                                                                         {"sect", '\n'},
                                                                         {"page", '\n'},
                                                                         {"row", '\n'},
                                                                         {"tab", '\t'},
                                                                         {"cell", '\t'},
                                                                         {"emdash", 0x2014},
                                                                         {"endash", 0x2013},
                                                                         {"emspace", ' '},
                                                                         {"enspace", ' '},
                                                                         {"qmspace", ' '},
                                                                         {"bullet", 0x2022},
                                                                         {"lquote", 0x2018},
                                                                         {"rquote", 0x2019},
                                                                         {"ldblquote", 0x201C},
                                                                         {"rdblquote", 0x201D}}};
    for (const auto& Named : NamedCharacters)
      if (Named.Word == Word) return Named.Text;
    return 0;
  }
};

}  // namespace

bool LooksLikeRtf(std::string_view Bytes) {
  const auto Start = Bytes.find_first_not_of(" \t\r\n");
  return Start != std::string_view::npos && Bytes.substr(Start).starts_with("{\\rtf");
}

std::optional<std::string> RtfToPlainText(std::string_view Bytes) {
  if (!LooksLikeRtf(Bytes)) return std::nullopt;
  return TRtfParser(Bytes).Run();
}

}  // namespace palaver
