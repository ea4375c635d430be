#include "transcript/TranscriptFormat.h"

namespace palaver {

namespace {

bool IsControlOrBlank(char C) {
  return static_cast<unsigned char>(C) <= 32;
}

}  // namespace

PStatement ReadStatementLine(const std::string& Line, TStatementType DefaultType) {
  TStatementType Type = DefaultType;
  if (Line.size() >= 3) {
    if (Line[2] == '?') Type = TStatementType::Issue;
    if (Line[2] == '!') Type = TStatementType::Assumption;
  }
  return NewStatement(Line.size() > 5 ? Line.substr(5) : std::string(), Type);
}

std::string TrimControlCharacters(std::string_view Line) {
  std::size_t First = 0;
  std::size_t Last = Line.size();
  while (First < Last && IsControlOrBlank(Line[First]))
    ++First;
  while (Last > First && IsControlOrBlank(Line[Last - 1]))
    --Last;
  return std::string(Line.substr(First, Last - First));
}

std::string DeletionSentence(std::string_view Line) {
  std::size_t First = 0;
  while (First < Line.size() && IsControlOrBlank(Line[First]))
    ++First;
  First += 3;
  return First < Line.size() ? std::string(Line.substr(First)) : std::string();
}

bool IsEntryKeyword(const std::string& Line) {
  return Line == StatementKeyword || Line == ConclusionKeyword || Line == ExceptionKeyword;
}

bool HoldsEntryKeyword(const std::vector<std::string>& Lines) {
  for (const std::string& Line : Lines)
    if (IsEntryKeyword(Line)) return true;
  return false;
}

std::vector<std::string> TranscriptOfLine(const TLineOfArgumentation& Line) {
  std::vector<std::string> Lines;
  Lines.reserve(static_cast<std::size_t>(Line.ArgumentationMoves.Count()) * 5);
  for (const PArgumentationMove& Move : Line.ArgumentationMoves)
    Lines.insert(Lines.end(), Move->Move.begin(), Move->Move.end());
  return Lines;
}

std::vector<std::string> TranscriptFileLines(const TLineOfArgumentation& Line,
                                             const std::vector<std::string>& ForwardLines,
                                             bool ForwardLinesAreRest) {
  std::vector<std::string> Lines = TranscriptOfLine(Line);
  Lines.reserve(Lines.size() + 2 + ForwardLines.size());
  if (!ForwardLinesAreRest) {
    Lines.emplace_back(CurrentPositionKeyword);
    Lines.emplace_back();
  }
  Lines.insert(Lines.end(), ForwardLines.begin(), ForwardLines.end());
  return Lines;
}

std::string FileNamePart(const std::string& Path) {
#ifdef _WIN32
  const std::size_t Separator = Path.find_last_of("\\/:");
#else
  const std::size_t Separator = Path.rfind('/');
#endif
  return Separator == std::string::npos ? Path : Path.substr(Separator + 1);
}

}  // namespace palaver
