#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace palaver {

// The longest line a transcript reader takes, in bytes of UTF-8; a longer line is cut to this
// length, or a little shorter, so that the cut never falls inside a character.
inline constexpr std::size_t MaxTranscriptLineLength = 4096;
// The longest sentence, in bytes of UTF-8, whose statement line (the five characters of its mark,
// "  ?: ", and the sentence) a reader takes whole.
inline constexpr std::size_t MaxSentenceLength = MaxTranscriptLineLength - 5;

// Splits text into lines as the line-of-argumentation view holds them: CR LF, LF or a lone CR
// ends a line; a terminator at the very end does not start another (empty) line, so "a\r\n" is
// one line and "" is none. Each line is cut to at most MaxTranscriptLineLength bytes, after its
// last whole character within them.
std::vector<std::string> SplitTranscriptLines(std::string_view Text);

// The lines a transcript file's bytes hold, as UTF-8. A file in rich-text format gives its plain
// text; any other file is text, UTF-8 when its bytes are valid UTF-8 and Windows-1252 otherwise
// (TextOfFileBytes). Nothing when the file announces rich text but is not well-formed.
std::optional<std::vector<std::string>> TranscriptLinesOfBytes(std::string_view Bytes);

// Reads a transcript file whole, as TranscriptLinesOfBytes. Throws TPlatformError: "Cannot open
// file <path>" when the file cannot be read, "Failed to Load Stream" when it can be read neither
// as rich text nor as plain text.
std::vector<std::string> LoadTranscriptFile(const std::string& Path);

// Writes the lines (UTF-8, as all of the program's text), each followed by CR LF, replacing the
// file safely: a temporary file in the same directory is written and flushed, then renamed over
// Path. On failure the old file is left as it was and TPlatformError "Cannot create file <path>" is
// thrown.
void SaveTranscriptFile(const std::string& Path, const std::vector<std::string>& Lines);

}  // namespace palaver
