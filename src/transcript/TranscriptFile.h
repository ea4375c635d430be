#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace palaver {

// The longest line a transcript reader takes; a longer line is cut to this length.
inline constexpr std::size_t MaxTranscriptLineLength = 4096;

// Splits text into lines as the line-of-argumentation view holds them: CR LF, LF or a lone CR
// ends a line; a terminator at the very end does not start another (empty) line, so "a\r\n" is
// one line and "" is none. Each line is cut to MaxTranscriptLineLength bytes. Bytes are kept as
// they are (no code-page conversion).
std::vector<std::string> SplitTranscriptLines(std::string_view Text);

// Reads a transcript file whole. A file in rich-text format gives its plain text; any other file
// is read as plain text. Throws TPlatformError: "Cannot open file <path>" when the file cannot
// be read, "Failed to Load Stream" when it can be read neither as rich text nor as plain text.
std::vector<std::string> LoadTranscriptFile(const std::string& Path);

// Writes the lines, each followed by CR LF, replacing the file safely: a temporary file in the
// same directory is written and flushed, then renamed over Path. On failure the old file is left
// as it was and TPlatformError "Cannot create file <path>" is thrown.
void SaveTranscriptFile(const std::string& Path, const std::vector<std::string>& Lines);

}  // namespace palaver
