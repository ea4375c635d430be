#pragma once

#include <string>
#include <string_view>

namespace palaver {

// A Windows-style profile file ("[Section]" lines, then "Key=Value" lines), read and written one
// key at a time, as the settings file is:
// - sections and keys match without regard to ASCII case; blanks around them and around values
//   are not part of them; the first section of a name and its first key of a name count;
// - a missing file, section or key reads as the caller's default; a value is seen up to its
//   first 1023 characters;
// - writing replaces an existing value in place and keeps every other line (comments and keys
//   we do not know included), appends a new key after the last key of its section and a new
//   section at the end of the file; the first write creates the file;
// - the file is read afresh on every call, so edits made by hand during a run are seen.
// Lines are written with CR LF and read with CR LF, LF or a lone CR. The file is read as UTF-8
// when it is valid UTF-8 and as Windows-1252 otherwise (TextOfFileBytes), and written as UTF-8;
// a value's 1023 characters are counted in bytes and never end inside a character.
class TProfileFile {
 public:
  explicit TProfileFile(std::string Path) : FilePath(std::move(Path)) {}

  const std::string& Path() const { return FilePath; }

  std::string ReadString(std::string_view Section, std::string_view Key,
                         std::string_view Default) const;

  // Throws TPlatformError "Unable to write to <path>" when the file cannot be replaced; the old
  // file is then left as it was.
  void WriteString(std::string_view Section, std::string_view Key, std::string_view Value);

 private:
  std::string FilePath;
};

// The longest value a profile read returns: the platform reads into 1024 characters, the last of
// which is the terminator.
inline constexpr std::size_t MaxProfileValueLength = 1023;

}  // namespace palaver
