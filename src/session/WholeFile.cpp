#include "session/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <vector>

namespace palaver {

namespace fs = std::filesystem;

namespace {

bool WriteAll(int File, std::string_view Bytes) {
  while (!Bytes.empty()) {
    const ssize_t Written = ::write(File, Bytes.data(), Bytes.size());
    if (Written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    Bytes.remove_prefix(static_cast<std::size_t>(Written));
  }
  return true;
}

// The permissions a file created the ordinary way would get: read and write for all, less the
// umask. The umask can only be read by setting it; the program has one thread.
mode_t NewFilePermissions() {
  const mode_t Mask = ::umask(0);
  ::umask(Mask);
  return static_cast<mode_t>(0666 & ~Mask);
}

// The directory entry of the rename reaches the disk too; a file system that cannot sync a
// directory has nothing to lose by it.
void SyncDirectory(const fs::path& Directory) {
  const int Handle = ::open(Directory.empty() ? "." : Directory.c_str(), O_RDONLY | O_DIRECTORY);
  if (Handle < 0) return;
  ::fsync(Handle);
  ::close(Handle);
}

// The file that Path names once its symbolic links are followed, one by one, so that a link to a
// file not yet there leads to where that file is to be. A loop of links, or a link that cannot be
// read, stops the search at the link reached.
fs::path FollowLinks(fs::path Path) {
  for (int Hops = 0; Hops < 40; ++Hops) {
    std::error_code Error;
    if (!fs::is_symlink(Path, Error)) break;
    const fs::path Next = fs::read_symlink(Path, Error);
    if (Error) break;
    Path = Next.is_absolute() ? Next : Path.parent_path() / Next;
  }
  return Path;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& Path) {
  std::error_code Error;
  // Only regular files: a directory or a device would read as nonsense or never end.
  if (!fs::is_regular_file(fs::path(Path), Error)) return std::nullopt;
  std::ifstream In(fs::path(Path), std::ios::binary);
  if (!In) return std::nullopt;
  std::string Bytes;
  std::vector<char> Buffer(65536);
  while (In.read(Buffer.data(), static_cast<std::streamsize>(Buffer.size())) || In.gcount() > 0)
    Bytes.append(Buffer.data(), static_cast<std::size_t>(In.gcount()));
  if (In.bad()) return std::nullopt;
  return Bytes;
}

bool ReplaceFileSafely(const std::string& Path, std::string_view Bytes) {
  const fs::path Target = FollowLinks(Path);
  // A hidden name beside the target, made unique by mkstemp, which also creates the file.
  fs::path Pattern = Target.parent_path() / ("." + Target.filename().string() + ".XXXXXX");
  std::string Temporary = Pattern.string();
  const int File = ::mkstemp(Temporary.data());
  if (File < 0) return false;

  struct stat Old {};
  const mode_t Permissions =
      ::stat(Target.c_str(), &Old) == 0 ? (Old.st_mode & 07777) : NewFilePermissions();
  bool Written = WriteAll(File, Bytes) && ::fchmod(File, Permissions) == 0 && ::fsync(File) == 0;
  Written = (::close(File) == 0) && Written;
  if (Written) Written = ::rename(Temporary.c_str(), Target.c_str()) == 0;
  if (!Written) {
    ::unlink(Temporary.c_str());
    return false;
  }
  SyncDirectory(Target.parent_path());
  return true;
}

}  // namespace palaver
