#include "session/ProfileFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TemporaryDirectory.h"
#include "session/PlatformError.h"

namespace palaver {
namespace {

using testing::ReadBytes;
using testing::TTemporaryDirectory;
using testing::WriteBytes;

class ProfileFile : public ::testing::Test {
 protected:
  TTemporaryDirectory Dir;
  std::string Path = Dir.File("Palaver.ini");
  TProfileFile File{Path};
};

// An ini file as someone may have edited it by hand.
const std::string Edited =
    "; settings of Palaver\r\n"
    "[Options]\r\n"
    "Language=English\r\n"
    "Unknown = kept\r\n"
    "\r\n"
    "[Dir]\r\n"
    "LinesOfArgDir=/home/me/lines\r\n";

TEST_F(ProfileFile, MissingFileSectionOrKeyReadsAsTheDefault) {
  EXPECT_EQ(File.ReadString("Options", "Language", "English"), "English");
  WriteBytes(Path, Edited);
  EXPECT_EQ(File.ReadString("Nothing", "Language", "fallback"), "fallback");
  EXPECT_EQ(File.ReadString("Options", "LinesOfArgDir", "Default"), "Default");
  EXPECT_EQ(File.ReadString("Dir", "LinesOfArgDir", "Default"), "/home/me/lines");
}

TEST_F(ProfileFile, SectionsAndKeysMatchWithoutRegardToCaseAndBlanks) {
  WriteBytes(Path, "[ options ]\nLANGUAGE  =  Dutch \t\n  logging=On\n");
  EXPECT_EQ(File.ReadString("Options", "Language", "x"), "Dutch");
  EXPECT_EQ(File.ReadString("OPTIONS", "Logging", "x"), "On");
  // Values themselves keep their case.
  EXPECT_EQ(File.ReadString("options", "language", "x"), "Dutch");
}

TEST_F(ProfileFile, CommentsAndOtherSectionsDoNotMatch) {
  WriteBytes(Path, "[Options]\r;Language=Dutch\r[Other]\rLanguage=Dutch\rLogging=On");
  EXPECT_EQ(File.ReadString("Options", "Language", "English"), "English");
  EXPECT_EQ(File.ReadString("Other", "Logging", ""), "On");
}

TEST_F(ProfileFile, ValueIsCutTo1023Characters) {
  const std::string Long(2000, 'v');
  WriteBytes(Path, "[Dir]\r\nLinesOfArgDir=" + Long + "\r\n");
  EXPECT_EQ(File.ReadString("Dir", "LinesOfArgDir", ""), std::string(1023, 'v'));
  WriteBytes(Path, "[Dir]\r\nLinesOfArgDir=" + std::string(1023, 'w') + "\r\n");
  EXPECT_EQ(File.ReadString("Dir", "LinesOfArgDir", ""), std::string(1023, 'w'));
}

TEST_F(ProfileFile, FileEditedOnWindowsReadsAsItsTextAndIsWrittenBackAsUtf8) {
  // "Café" and "één" in Windows-1252, as Notepad on a Western-European Windows saves them.
  WriteBytes(Path,
             "; instellingen van \xE9\xE9n gebruiker\r\n[Dir]\r\nLinesOfArgDir=/data/Caf\xE9\r\n");
  EXPECT_EQ(File.ReadString("Dir", "LinesOfArgDir", ""), "/data/Caf\xC3\xA9");
  File.WriteString("Options", "Language", "Dutch");
  EXPECT_EQ(ReadBytes(Path),
            "; instellingen van \xC3\xA9\xC3\xA9n gebruiker\r\n"
            "[Dir]\r\nLinesOfArgDir=/data/Caf\xC3\xA9\r\n"
            "\r\n[Options]\r\nLanguage=Dutch\r\n");

  // A UTF-8 file with a byte-order mark still has its first section.
  WriteBytes(Path, "\xEF\xBB\xBF[Options]\r\nLanguage=Dutch\r\n");
  EXPECT_EQ(File.ReadString("Options", "Language", "English"), "Dutch");
}

TEST_F(ProfileFile, ValueCutNeverSplitsACharacter) {
  // 1022 bytes and then "é": the character would end after the 1024th byte, so it is left out.
  WriteBytes(Path, "[Dir]\r\nLinesOfArgDir=" + std::string(1022, 'v') + "\xC3\xA9\r\n");
  EXPECT_EQ(File.ReadString("Dir", "LinesOfArgDir", ""), std::string(1022, 'v'));
}

TEST_F(ProfileFile, FirstWriteCreatesTheFile) {
  File.WriteString("Options", "Language", "English");
  EXPECT_EQ(ReadBytes(Path), "[Options]\r\nLanguage=English\r\n");
  // Nothing else is left in the directory (no temporary file).
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir.Path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(ProfileFile, WritingAnExistingKeyReplacesItInPlace) {
  WriteBytes(Path, Edited);
  File.WriteString("OPTIONS", "language", "Dutch");
  std::string Expected = Edited;
  Expected.replace(Expected.find("Language=English"), 16, "Language=Dutch");
  EXPECT_EQ(ReadBytes(Path), Expected);
}

TEST_F(ProfileFile, NewKeyGoesAfterTheLastKeyOfItsSection) {
  WriteBytes(Path, Edited);
  File.WriteString("Options", "Logging", "Off");
  std::string Expected = Edited;
  Expected.insert(Expected.find("\r\n[Dir]"), "Logging=Off\r\n");
  EXPECT_EQ(ReadBytes(Path), Expected);
}

TEST_F(ProfileFile, NewKeyInASectionWithoutKeysFollowsItsHeader) {
  WriteBytes(Path, "[Options]\r\n\r\n[Dir]\r\n");
  File.WriteString("options", "SavingOk", "Yes");
  EXPECT_EQ(ReadBytes(Path), "[Options]\r\nSavingOk=Yes\r\n\r\n[Dir]\r\n");
}

TEST_F(ProfileFile, NewSectionGoesAtTheEnd) {
  WriteBytes(Path, "[Options]\nLanguage=Dutch");
  File.WriteString("Dir", "LinesOfArgDir", "/tmp");
  EXPECT_EQ(ReadBytes(Path), "[Options]\r\nLanguage=Dutch\r\n\r\n[Dir]\r\nLinesOfArgDir=/tmp\r\n");
  EXPECT_EQ(File.ReadString("dir", "linesofargdir", ""), "/tmp");
}

TEST_F(ProfileFile, EveryReadSeesTheFileAsItIsNow) {
  File.WriteString("Options", "Logging", "Off");
  WriteBytes(Path, "[Options]\r\nLogging=On\r\n");
  EXPECT_EQ(File.ReadString("Options", "Logging", "Off"), "On");
}

TEST_F(ProfileFile, RefusedWriteThrowsWithTheFilesPath) {
  const std::string Unreachable = Dir.File("missing/Palaver.ini");
  TProfileFile Nowhere(Unreachable);
  try {
    Nowhere.WriteString("Options", "Language", "English");
    FAIL() << "no error";
  } catch (const TPlatformError& Error) {
    EXPECT_EQ(std::string(Error.what()), "Unable to write to " + Unreachable);
  }
  EXPECT_EQ(Nowhere.ReadString("Options", "Language", "Default"), "Default");
}

TEST_F(ProfileFile, SomethingUnreadableInTheFilesPlaceIsNotOverwritten) {
  std::filesystem::create_directory(Path);
  WriteBytes(Dir.File("Palaver.ini/inside"), "kept");
  EXPECT_EQ(File.ReadString("Options", "Language", "English"), "English");
  EXPECT_THROW(File.WriteString("Options", "Language", "Dutch"), TPlatformError);
  EXPECT_EQ(ReadBytes(Dir.File("Palaver.ini/inside")), "kept");
}

TEST_F(ProfileFile, WriteThroughALinkReplacesTheLinkedFile) {
  const std::string Target = Dir.File("real.ini");
  WriteBytes(Target, "[Options]\r\nLanguage=English\r\n");
  std::filesystem::create_symlink(Target, Path);
  File.WriteString("Options", "Language", "Dutch");
  EXPECT_TRUE(std::filesystem::is_symlink(Path));
  EXPECT_EQ(ReadBytes(Target), "[Options]\r\nLanguage=Dutch\r\n");
}

}  // namespace
}  // namespace palaver
