#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "line/LineOfArgumentation.h"
#include "line/MoveLines.h"
#include "model/Statement.h"

namespace palaver {

// The marker between the replayed moves and the forward lines.
inline constexpr const char* CurrentPositionKeyword = "CURRENT POSITION";
// Keywords only read, for transcripts typed by hand.
inline constexpr const char* IfKeyword = "IF";
inline constexpr const char* ThenKeyword = "THEN";
inline constexpr const char* DefeatedKeyword = "IT IS DEFEATED THAT";
inline constexpr const char* UnlessKeyword = "UNLESS";
inline constexpr const char* StepWarrantKeyword = "STEP WARRANT";
inline constexpr const char* UndercutterWarrantKeyword = "UNDERCUTTER WARRANT";

// A new statement read from a statement line: the type from the third character ('?' Issue,
// '!' Assumption, anything else the default of the line's place), the sentence from the sixth
// character on, whatever the first five are.
PStatement ReadStatementLine(const std::string& Line, TStatementType DefaultType);

// The line without characters of codes 0 to 32 at either end.
std::string TrimControlCharacters(std::string_view Line);

// The sentence of a statement line as the deletions compare it: leading characters of codes
// 0 to 32 taken off, then three more (mark, colon, blank). Agrees with ReadStatementLine for
// every line the moves write.
std::string DeletionSentence(std::string_view Line);

// "STATEMENT", "CONCLUSION" or "EXCEPTION": the lines that make something to go forward to.
bool IsEntryKeyword(const std::string& Line);
bool HoldsEntryKeyword(const std::vector<std::string>& Lines);

// The Move lines of every move of the line, in move order.
std::vector<std::string> TranscriptOfLine(const TLineOfArgumentation& Line);

// What a transcript file holds: the moves' lines, "CURRENT POSITION", an empty line and the
// forward lines. Forward lines that are the unreplayed rest of a text follow the moves directly:
// they hold the text's own marker, if any.
std::vector<std::string> TranscriptFileLines(const TLineOfArgumentation& Line,
                                             const std::vector<std::string>& ForwardLines,
                                             bool ForwardLinesAreRest = false);

// The file-name part of a path: the text after its last path separator.
std::string FileNamePart(const std::string& Path);

}  // namespace palaver
