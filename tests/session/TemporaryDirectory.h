#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace palaver::testing {

// A fresh directory under the system's temporary directory, removed with everything in it when
// the test ends.
class TTemporaryDirectory {
 public:
  TTemporaryDirectory() {
    std::random_device Random;
    Dir = std::filesystem::temp_directory_path() /
          ("palaver-test-" + std::to_string(Random()) + std::to_string(Random()));
    std::filesystem::create_directories(Dir);
  }
  ~TTemporaryDirectory() {
    std::error_code Error;
    std::filesystem::remove_all(Dir, Error);
  }
  TTemporaryDirectory(const TTemporaryDirectory&) = delete;
  TTemporaryDirectory& operator=(const TTemporaryDirectory&) = delete;

  std::string Path() const { return Dir.string(); }
  std::string File(const std::string& Name) const { return (Dir / Name).string(); }

 private:
  std::filesystem::path Dir;
};

inline std::string ReadBytes(const std::string& Path) {
  std::ifstream In(Path, std::ios::binary);
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& Path, const std::string& Bytes) {
  std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
  Out << Bytes;
}

// Makes Path a file that nobody, root included, can replace: a link to one of the kernel's own
// files, beside which no file can be created. Returns what it reads as.
inline std::string MakeUnreplaceable(const std::string& Path) {
  const std::string Kernel = "/proc/version";
  std::filesystem::create_symlink(Kernel, Path);
  return ReadBytes(Kernel);
}

}  // namespace palaver::testing
