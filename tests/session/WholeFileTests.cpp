#include "session/WholeFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "TemporaryDirectory.h"

namespace palaver {
namespace {

namespace fs = std::filesystem;
using testing::MakeUnreplaceable;
using testing::ReadBytes;
using testing::TTemporaryDirectory;
using testing::WriteBytes;

// The names in a directory, sorted: what a user listing it would see, hidden files included.
std::vector<std::string> Names(const std::string& Dir) {
  std::vector<std::string> Result;
  for (const auto& Entry : fs::directory_iterator(Dir))
    Result.push_back(Entry.path().filename().string());
  std::sort(Result.begin(), Result.end());
  return Result;
}

fs::perms PermissionsOf(const std::string& Path) {
  return fs::status(Path).permissions();
}

TEST(ReplaceFileSafely, KeepsTheOldFilesPermissionsAndGivesANewOneTheUsualOnes) {
  TTemporaryDirectory Dir;
  const std::string Shared = Dir.File("shared.lin");
  WriteBytes(Shared, "old");
  fs::permissions(Shared, fs::perms(0640));
  ASSERT_TRUE(ReplaceFileSafely(Shared, "new"));
  EXPECT_EQ(ReadBytes(Shared), "new");
  EXPECT_EQ(PermissionsOf(Shared), fs::perms(0640));

  // A new file as any program of the user would create it, whatever the temporary file had.
  const mode_t Mask = ::umask(027);
  const bool Created = ReplaceFileSafely(Dir.File("new.lin"), "first");
  ::umask(Mask);
  ASSERT_TRUE(Created);
  EXPECT_EQ(PermissionsOf(Dir.File("new.lin")), fs::perms(0640));
  EXPECT_EQ(Names(Dir.Path()), (std::vector<std::string>{"new.lin", "shared.lin"}));
}

TEST(ReplaceFileSafely, FollowsASymbolicLinkAndKeepsIt) {
  TTemporaryDirectory Dir;
  fs::create_directory(Dir.File("elsewhere"));
  const std::string Target = Dir.File("elsewhere/Palaver.ini");
  WriteBytes(Target, "old");
  // A relative link, as a user makes one to keep a file in another folder.
  const std::string Link = Dir.File("Palaver.ini");
  fs::create_symlink("elsewhere/Palaver.ini", Link);

  ASSERT_TRUE(ReplaceFileSafely(Link, "new"));
  EXPECT_TRUE(fs::is_symlink(Link));
  EXPECT_EQ(fs::read_symlink(Link), "elsewhere/Palaver.ini");
  EXPECT_EQ(ReadBytes(Target), "new");
  EXPECT_EQ(Names(Dir.Path()), (std::vector<std::string>{"Palaver.ini", "elsewhere"}));
  EXPECT_EQ(Names(Dir.File("elsewhere")), std::vector<std::string>{"Palaver.ini"});

  // A link to a file not yet there, through a second link: the file is made where the links lead.
  fs::create_symlink("elsewhere/later.lin", Dir.File("second link"));
  fs::create_symlink("second link", Dir.File("first link"));
  ASSERT_TRUE(ReplaceFileSafely(Dir.File("first link"), "made"));
  EXPECT_TRUE(fs::is_symlink(Dir.File("first link")));
  EXPECT_EQ(ReadBytes(Dir.File("elsewhere/later.lin")), "made");
  EXPECT_EQ(Names(Dir.File("elsewhere")), (std::vector<std::string>{"Palaver.ini", "later.lin"}));
}

TEST(ReplaceFileSafely, LeavesTheOldFileAndNothingElseWhenItFails) {
  TTemporaryDirectory Dir;
  // The temporary file is written and then cannot take the place of a directory.
  const std::string Occupied = Dir.File("occupied.lin");
  fs::create_directory(Occupied);
  EXPECT_FALSE(ReplaceFileSafely(Occupied, "new"));
  EXPECT_TRUE(fs::is_directory(Occupied));

  // No temporary file can be made beside a file nobody can replace.
  const std::string Unreplaceable = Dir.File("kernel.lin");
  const std::string Old = MakeUnreplaceable(Unreplaceable);
  EXPECT_FALSE(ReplaceFileSafely(Unreplaceable, "new"));
  EXPECT_EQ(ReadBytes(Unreplaceable), Old);

  EXPECT_FALSE(ReplaceFileSafely(Dir.File("no such folder/x.lin"), "new"));
  EXPECT_EQ(Names(Dir.Path()), (std::vector<std::string>{"kernel.lin", "occupied.lin"}));
  EXPECT_TRUE(Names(Occupied).empty());
}

}  // namespace
}  // namespace palaver
