#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace palaver {

// Whole-file reading and the one safe way the program replaces a file: the settings file, Save,
// the recovery copy, and palaver-cli's drawings and exports all write through it.

// The bytes of a regular file, or nothing when it is missing, not a regular file or unreadable.
std::optional<std::string> ReadWholeFile(const std::string& Path);

// Replaces the file's content safely: the bytes go to a temporary file of a name of its own in
// the same directory, which is flushed to the disk and then renamed over Path, so a failure (or a
// crash, or a power cut) leaves the old file or the new one, never a part of either, and two
// programs replacing files in one directory at once never write into each other's temporary
// file. The new file keeps the permissions of the old one (a new file gets the usual ones for
// the user's umask). A symbolic link is followed, so the file it points to is replaced (or made,
// when it is not there yet) and the link stays. Returns false on failure; no temporary file is
// left behind.
bool ReplaceFileSafely(const std::string& Path, std::string_view Bytes);

}  // namespace palaver
