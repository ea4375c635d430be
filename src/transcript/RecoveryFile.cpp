#include "transcript/RecoveryFile.h"

#include "transcript/TranscriptFile.h"

namespace palaver {

namespace {

constexpr std::string_view Heading = "PALAVER RECOVERY";
constexpr std::string_view FileNameLabel = "FileName: ";

std::string Escaped(const std::string& Text) {
  std::string Result;
  for (const char C : Text) {
    if (C == '\\')
      Result += "\\\\";
    else if (C == '\r')
      Result += "\\r";
    else if (C == '\n')
      Result += "\\n";
    else
      Result += C;
  }
  return Result;
}

std::optional<std::string> Unescaped(std::string_view Text) {
  std::string Result;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (Text[I] != '\\') {
      Result += Text[I];
      continue;
    }
    if (++I == Text.size()) return std::nullopt;
    switch (Text[I]) {
      case '\\':
        Result += '\\';
        break;
      case 'r':
        Result += '\r';
        break;
      case 'n':
        Result += '\n';
        break;
      default:
        return std::nullopt;
    }
  }
  return Result;
}

// The next CR LF-ended line of Text from Start; nothing when no CR LF follows.
std::optional<std::string_view> HeaderLine(std::string_view Text, std::size_t& Start) {
  const std::size_t End = Text.find("\r\n", Start);
  if (End == std::string_view::npos) return std::nullopt;
  const std::string_view Line = Text.substr(Start, End - Start);
  Start = End + 2;
  return Line;
}

}  // namespace

std::string RecoveryFileText(const std::string& FileName, const std::vector<std::string>& Lines) {
  std::string Text;
  Text.reserve(64 + FileName.size() + Lines.size() * 24);
  Text.append(Heading).append("\r\n");
  Text.append(FileNameLabel).append(Escaped(FileName)).append("\r\n\r\n");
  for (const std::string& Line : Lines)
    Text.append(Line).append("\r\n");
  return Text;
}

std::optional<TRecoveredLine> ReadRecoveryFileText(std::string_view Text) {
  std::size_t Start = 0;
  const auto First = HeaderLine(Text, Start);
  const auto Second = HeaderLine(Text, Start);
  const auto Third = HeaderLine(Text, Start);
  if (!First || *First != Heading || !Second || !Second->starts_with(FileNameLabel) || !Third ||
      !Third->empty())
    return std::nullopt;
  std::optional<std::string> FileName = Unescaped(Second->substr(FileNameLabel.size()));
  if (!FileName || FileName->empty()) return std::nullopt;
  return TRecoveredLine{std::move(*FileName), SplitTranscriptLines(Text.substr(Start))};
}

}  // namespace palaver
