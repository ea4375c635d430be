#include "session/Settings.h"

#include <gtest/gtest.h>

#include "TemporaryDirectory.h"
#include "session/PlatformError.h"
#include "session/ProfileFile.h"
#include "session/ProgramState.h"

namespace palaver {
namespace {

using testing::ReadBytes;
using testing::TTemporaryDirectory;
using testing::WriteBytes;

class Settings : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override { ResetProgramState(); }

  // Runs start-up on a file with the given content (none: no file) and counts log creations.
  TStartupSettings Start(const std::string* Content) {
    if (Content != nullptr) WriteBytes(Path, *Content);
    return ReadStartupSettings(File, [this] { ++LogsCreated; });
  }
  TStartupSettings Start(const std::string& Content) { return Start(&Content); }
  std::string Read(const char* Section, const char* Key) {
    return File.ReadString(Section, Key, "<missing>");
  }

  TTemporaryDirectory Dir;
  std::string Path = Dir.File("Palaver.ini");
  TProfileFile File{Path};
  int LogsCreated = 0;
};

TEST_F(Settings, FirstRunWithoutAFile) {
  const auto Startup = Start(nullptr);
  EXPECT_EQ(State().Language, TLanguage::English);
  EXPECT_FALSE(State().LoggingOn);
  EXPECT_TRUE(State().SavingAllowed);
  EXPECT_EQ(Startup.InitialDirectory, "");
  EXPECT_EQ(LogsCreated, 0);

  WriteClosingSettings(File);
  EXPECT_EQ(ReadBytes(Path), "[Options]\r\nLanguage=English\r\nLogging=Off\r\nSavingOk=Yes\r\n");
}

TEST_F(Settings, LanguageIsDutchOnlyWhenSpelledExactly) {
  Start("[Options]\r\nLanguage=Dutch\r\n");
  EXPECT_EQ(State().Language, TLanguage::Dutch);
  Start("[Options]\r\nLanguage=dutch\r\n");
  EXPECT_EQ(State().Language, TLanguage::English);
  Start("[Options]\r\nLanguage=Klingon\r\n");
  EXPECT_EQ(State().Language, TLanguage::English);
}

TEST_F(Settings, LanguageIsRewrittenOnlyWhenItDiffersFromTheCurrentOne) {
  const std::string Dutch = "[Options]\r\nLanguage=Dutch\r\nLogging=Off\r\nSavingOk=Yes\r\n";
  Start(Dutch);
  WriteClosingSettings(File);
  EXPECT_EQ(ReadBytes(Path), Dutch);

  Start("[Options]\r\nLanguage=dutch\r\n");
  WriteClosingSettings(File);
  EXPECT_EQ(Read("Options", "Language"), "English");

  // Switched during the run.
  Start(Dutch);
  State().Language = TLanguage::English;
  WriteClosingSettings(File);
  EXPECT_EQ(Read("Options", "Language"), "English");
}

TEST_F(Settings, LoggingOnlyWhenExactlyOnAndTheLogIsCreatedBeforeReadingOn) {
  const std::string Content = "[Options]\r\nLanguage=Dutch\r\nLogging=On\r\nSavingOk=Yes\r\n";
  WriteBytes(Path, Content);
  TLanguage LanguageAtLogCreation = TLanguage::English;
  ReadStartupSettings(File, [&] {
    LanguageAtLogCreation = State().Language;
    // What the log creation does to the file is seen by the keys read after it.
    WriteBytes(Path, "[Options]\r\nLanguage=Dutch\r\nLogging=On\r\nSavingOk=No\r\n");
  });
  EXPECT_TRUE(State().LoggingOn);
  EXPECT_EQ(LanguageAtLogCreation, TLanguage::Dutch);
  EXPECT_FALSE(State().SavingAllowed);

  Start("[Options]\r\nLogging=on\r\n");
  EXPECT_FALSE(State().LoggingOn);
  EXPECT_EQ(LogsCreated, 0);
  WriteClosingSettings(File);
  EXPECT_EQ(Read("Options", "Logging"), "Off");
}

TEST_F(Settings, LoggingEditedDuringTheRunIsLeftAsEdited) {
  Start("[Options]\r\nLogging=Off\r\n");
  WriteBytes(Path, "[Options]\r\nLogging=On\r\n");
  WriteClosingSettings(File);
  EXPECT_EQ(Read("Options", "Logging"), "On");

  Start("[Options]\r\nLogging=On\r\n");
  EXPECT_EQ(LogsCreated, 1);
  WriteBytes(Path, "[Options]\r\nLogging=Off\r\n");
  WriteClosingSettings(File);
  EXPECT_EQ(Read("Options", "Logging"), "Off");

  Start("[Options]\r\nLogging=On\r\n");
  WriteClosingSettings(File);
  EXPECT_EQ(Read("Options", "Logging"), "On");
}

TEST_F(Settings, SavingOkNoForbidsSavingAndIsKept) {
  Start("[Options]\r\nSavingOk=No\r\n");
  EXPECT_FALSE(State().SavingAllowed);
  WriteClosingSettings(File);
  EXPECT_EQ(Read("Options", "SavingOk"), "No");
}

TEST_F(Settings, SavingOkDefaultOrMissingBecomesYes) {
  for (const std::string Content : {"[Options]\r\nSavingOk=Default\r\n", "[Options]\r\n"}) {
    Start(Content);
    EXPECT_TRUE(State().SavingAllowed) << Content;
    WriteClosingSettings(File);
    EXPECT_EQ(Read("Options", "SavingOk"), "Yes") << Content;
  }
}

TEST_F(Settings, OtherSavingOkValuesAllowSavingAndAreKept) {
  for (const std::string Value : {"no", "Maybe", ""}) {
    Start("[Options]\r\nSavingOk=" + Value + "\r\n");
    EXPECT_TRUE(State().SavingAllowed) << Value;
    WriteClosingSettings(File);
    EXPECT_EQ(Read("Options", "SavingOk"), Value);
  }
}

TEST_F(Settings, LinesOfArgDirOtherThanDefaultIsTheInitialDirectoryAndNeverWritten) {
  EXPECT_EQ(Start("[Dir]\r\nLinesOfArgDir=/no/such/dir\r\n").InitialDirectory, "/no/such/dir");
  EXPECT_EQ(Start("[Dir]\r\nLinesOfArgDir=Default\r\n").InitialDirectory, "");
  EXPECT_EQ(Start("[Dir]\r\n").InitialDirectory, "");
  WriteClosingSettings(File);
  EXPECT_EQ(Read("Dir", "LinesOfArgDir"), "<missing>");
}

TEST_F(Settings, CloseLeavesAFileThatNeedsNoChangeUntouched) {
  // Spacing and bare LF line ends would not survive a rewrite.
  const std::string Content = "[Options]\nLanguage = English\nLogging = Off\nSavingOk = Yes\n";
  Start(Content);
  WriteClosingSettings(File);
  EXPECT_EQ(ReadBytes(Path), Content);
}

TEST_F(Settings, RefusedWriteAtCloseThrows) {
  const std::string Unreachable = Dir.File("missing/Palaver.ini");
  TProfileFile Nowhere(Unreachable);
  ReadStartupSettings(Nowhere, {});
  try {
    WriteClosingSettings(Nowhere);
    FAIL() << "no error";
  } catch (const TPlatformError& Error) {
    EXPECT_EQ(std::string(Error.what()), "Unable to write to " + Unreachable);
  }
}

}  // namespace
}  // namespace palaver
