#include "transcript/TranscriptFile.h"

#include "session/PlatformError.h"
#include "session/ProfileFile.h"
#include "session/TextEncoding.h"
#include "session/WholeFile.h"
#include "transcript/RtfReader.h"

namespace palaver {

std::vector<std::string> SplitTranscriptLines(std::string_view Text) {
  std::vector<std::string> Lines;
  const auto Take = [&Lines](std::string_view Line) {
    Lines.emplace_back(Line.substr(0, WholeCharacterPrefixLength(Line, MaxTranscriptLineLength)));
  };
  std::size_t Start = 0;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (Text[I] != '\r' && Text[I] != '\n') continue;
    Take(Text.substr(Start, I - Start));
    if (Text[I] == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n') ++I;
    Start = I + 1;
  }
  if (Start < Text.size()) Take(Text.substr(Start));
  return Lines;
}

std::optional<std::vector<std::string>> TranscriptLinesOfBytes(std::string_view Bytes) {
  // The whole file is decoded before it is split, so that every line of it is read in the one
  // encoding the file has and the line cut sees whole characters.
  if (!LooksLikeRtf(Bytes)) return SplitTranscriptLines(TextOfFileBytes(Bytes));
  // A file that announces rich text but is not well-formed rich text is refused as a whole
  // rather than shown as its raw markup.
  const auto Text = RtfToPlainText(Bytes);
  if (!Text) return std::nullopt;
  return SplitTranscriptLines(*Text);
}

std::vector<std::string> LoadTranscriptFile(const std::string& Path) {
  const auto Bytes = ReadWholeFile(Path);
  if (!Bytes) throw TPlatformError(CannotOpenFileMessage(Path));
  auto Lines = TranscriptLinesOfBytes(*Bytes);
  if (!Lines) throw TPlatformError(FailedToLoadStreamMessage());
  return std::move(*Lines);
}

void SaveTranscriptFile(const std::string& Path, const std::vector<std::string>& Lines) {
  std::string Bytes;
  for (const auto& Line : Lines) {
    Bytes += Line;
    Bytes += "\r\n";
  }
  if (!ReplaceFileSafely(Path, Bytes)) throw TPlatformError(CannotCreateFileMessage(Path));
}

}  // namespace palaver
