#include "session/ProfileFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "session/PlatformError.h"
#include "session/TextEncoding.h"
#include "session/WholeFile.h"

namespace palaver {

namespace fs = std::filesystem;

namespace {

std::string_view TrimBlanks(std::string_view Text) {
  const auto First = Text.find_first_not_of(" \t");
  if (First == std::string_view::npos) return {};
  const auto Last = Text.find_last_not_of(" \t");
  return Text.substr(First, Last - First + 1);
}

bool SameIgnoringCase(std::string_view A, std::string_view B) {
  const auto Lower = [](char C) { return (C >= 'A' && C <= 'Z') ? char(C - 'A' + 'a') : C; };
  return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(),
                                            [&](char X, char Y) { return Lower(X) == Lower(Y); });
}

std::vector<std::string> SplitLines(std::string_view Text) {
  std::vector<std::string> Lines;
  std::size_t Start = 0;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (Text[I] != '\r' && Text[I] != '\n') continue;
    Lines.emplace_back(Text.substr(Start, I - Start));
    if (Text[I] == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n') ++I;
    Start = I + 1;
  }
  if (Start < Text.size()) Lines.emplace_back(Text.substr(Start));
  return Lines;
}

// One line of the file as the profile rules see it.
struct TProfileLine {
  enum class TKind { Other, Section, Key } Kind = TKind::Other;
  std::string_view Name;   // the section's or the key's name, trimmed
  std::string_view Value;  // the key's value, trimmed
};

TProfileLine ClassifyLine(std::string_view Line) {
  const auto Text = TrimBlanks(Line);
  if (Text.empty() || Text.front() == ';') return {};
  if (Text.front() == '[') {
    const auto Close = Text.find(']');
    const auto Inner = Text.substr(1, Close == std::string_view::npos ? Text.npos : Close - 1);
    return {TProfileLine::TKind::Section, TrimBlanks(Inner), {}};
  }
  const auto Equals = Text.find('=');
  if (Equals == std::string_view::npos || Equals == 0) return {};
  return {TProfileLine::TKind::Key, TrimBlanks(Text.substr(0, Equals)),
          TrimBlanks(Text.substr(Equals + 1))};
}

// Where a section lies among the lines: its header and the first line after its body.
struct TSectionRange {
  std::size_t Header = 0;
  std::size_t End = 0;
};

std::optional<TSectionRange> FindSection(const std::vector<std::string>& Lines,
                                         std::string_view Section) {
  for (std::size_t I = 0; I < Lines.size(); ++I) {
    const auto Line = ClassifyLine(Lines[I]);
    if (Line.Kind != TProfileLine::TKind::Section || !SameIgnoringCase(Line.Name, Section))
      continue;
    std::size_t End = I + 1;
    while (End < Lines.size() && ClassifyLine(Lines[End]).Kind != TProfileLine::TKind::Section)
      ++End;
    return TSectionRange{I, End};
  }
  return std::nullopt;
}

}  // namespace

std::string TProfileFile::ReadString(std::string_view Section, std::string_view Key,
                                     std::string_view Default) const {
  const auto Bytes = ReadWholeFile(FilePath);
  if (!Bytes) return std::string(Default);
  const auto Lines = SplitLines(TextOfFileBytes(*Bytes));
  const auto Range = FindSection(Lines, Section);
  if (!Range) return std::string(Default);
  for (std::size_t I = Range->Header + 1; I < Range->End; ++I) {
    const auto Line = ClassifyLine(Lines[I]);
    if (Line.Kind == TProfileLine::TKind::Key && SameIgnoringCase(Line.Name, Key))
      return std::string(
          Line.Value.substr(0, WholeCharacterPrefixLength(Line.Value, MaxProfileValueLength)));
  }
  return std::string(Default);
}

void TProfileFile::WriteString(std::string_view Section, std::string_view Key,
                               std::string_view Value) {
  std::vector<std::string> Lines;
  if (const auto Bytes = ReadWholeFile(FilePath)) {
    // A file edited on Windows may be in its code page; it is written back as UTF-8, whole.
    Lines = SplitLines(TextOfFileBytes(*Bytes));
  } else {
    // Something that exists but cannot be read (a directory, no permission) must not be
    // overwritten by a file holding this one key.
    std::error_code Error;
    if (fs::exists(fs::path(FilePath), Error) || Error)
      throw TPlatformError(UnableToWriteToMessage(FilePath));
  }

  const std::string NewKeyLine = std::string(Key) + "=" + std::string(Value);
  if (const auto Range = FindSection(Lines, Section)) {
    std::size_t InsertAt = Range->Header + 1;
    bool Replaced = false;
    for (std::size_t I = Range->Header + 1; I < Range->End && !Replaced; ++I) {
      const auto Line = ClassifyLine(Lines[I]);
      if (Line.Kind != TProfileLine::TKind::Key) continue;
      if (SameIgnoringCase(Line.Name, Key)) {
        // The key keeps the spelling the file gave it.
        Lines[I] = std::string(Line.Name) + "=" + std::string(Value);
        Replaced = true;
      }
      InsertAt = I + 1;
    }
    if (!Replaced) Lines.insert(Lines.begin() + static_cast<std::ptrdiff_t>(InsertAt), NewKeyLine);
  } else {
    if (!Lines.empty() && !TrimBlanks(Lines.back()).empty()) Lines.emplace_back();
    // Appended piece by piece: "[" + std::string(...) makes g++ 12 at -O3 report a false
    // overlap (-Wrestrict).
    std::string Header = "[";
    Header.append(Section).append("]");
    Lines.push_back(std::move(Header));
    Lines.push_back(NewKeyLine);
  }

  std::string Bytes;
  for (const auto& Line : Lines)
    Bytes += Line + "\r\n";
  if (!ReplaceFileSafely(FilePath, Bytes)) throw TPlatformError(UnableToWriteToMessage(FilePath));
}

}  // namespace palaver
