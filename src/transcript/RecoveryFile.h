#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace palaver {

// What a recovery file holds: the name the line had and the lines a Save would have written.
struct TRecoveredLine {
  std::string FileName;
  std::vector<std::string> Lines;
};

// The recovery file's text: "PALAVER RECOVERY", "FileName: " with the line's file name (a
// backslash, CR and LF in it written as "\\", "\r" and "\n", so any name survives), an empty
// line, then the transcript lines; every line ends with CR LF. Past its three header lines it
// is the file a Save writes, so a user can also rescue it by hand.
std::string RecoveryFileText(const std::string& FileName, const std::vector<std::string>& Lines);

// The line a recovery file's text holds; nothing when the text is not one (its header missing
// or damaged). The transcript lines are read as Open reads a file.
std::optional<TRecoveredLine> ReadRecoveryFileText(std::string_view Text);

}  // namespace palaver
