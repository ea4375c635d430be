#include "session/UserActionLog.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <vector>

#include "TemporaryDirectory.h"
#include "session/MessageBoxes.h"
#include "session/ProgramState.h"
#include "support/FixedClock.h"

namespace palaver {
namespace {

using test::TFixedClock;
using testing::ReadBytes;
using testing::TTemporaryDirectory;
using testing::WriteBytes;

class TRecordingBoxes : public TMessageBoxes {
 public:
  std::vector<std::string> Warnings;
  std::vector<std::string> Errors;
  void Warning(const std::string& Text) override { Warnings.push_back(Text); }
  TAnswer WarningYesNo(const std::string&) override { return TAnswer::None; }
  TAnswer WarningYesNoCancel(const std::string&) override { return TAnswer::None; }
  TAnswer Confirmation(const std::string&) override { return TAnswer::None; }
  void ShowError(const std::string& Message) override { Errors.push_back(Message); }
};

const std::string Header =
    "USER ACTION LOGS of the Palaver program\r\n\r\nDate: 31-12-2024\r\n\r\n";

class UserActionLog : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    Clock.Time = "09:05:07";
    Clock.Date = "31-12-2024";
    SetLogServices(&Clock, &Boxes);
    State().LoggingOn = true;
  }
  void TearDown() override {
    SetLogServices(nullptr, nullptr);
    ResetProgramState();
  }
  std::string LogFile(int Number) const {
    return Dir.File("PalaverUserAction" + std::to_string(Number) + ".log");
  }
  std::size_t FilesInDir() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(Dir.Path()),
                                                  std::filesystem::directory_iterator()));
  }

  TTemporaryDirectory Dir;
  TFixedClock Clock;
  TRecordingBoxes Boxes;
};

TEST_F(UserActionLog, FileHoldsHeaderAndStampedLinesWithCrLf) {
  CreateLogFile(Dir.Path());
  EXPECT_EQ(State().LogFileName, LogFile(0));
  EXPECT_EQ(ReadBytes(LogFile(0)), Header);

  LogUserAction("");
  LogUserAction("PALAVER FORM");
  Clock.Time = "17:00:59";
  LogUserAction("File new (menu)");

  EXPECT_EQ(ReadBytes(LogFile(0)),
            Header + "\r\n[09:05:07]  PALAVER FORM\r\n[17:00:59]  File new (menu)\r\n");
  const std::vector<std::string> Expected = {"USER ACTION LOGS of the Palaver program",
                                             "",
                                             "Date: 31-12-2024",
                                             "",
                                             "",
                                             "[09:05:07]  PALAVER FORM",
                                             "[17:00:59]  File new (menu)"};
  EXPECT_EQ(State().LogLines, Expected);
  EXPECT_TRUE(Boxes.Warnings.empty());
  EXPECT_TRUE(Boxes.Errors.empty());
}

TEST_F(UserActionLog, FileRemovedDuringTheRunIsWrittenWholeAgain) {
  CreateLogFile(Dir.Path());
  LogUserAction("Statement (button)");
  std::filesystem::remove(LogFile(0));
  LogUserAction("Back (button)");
  EXPECT_EQ(ReadBytes(LogFile(0)),
            Header + "[09:05:07]  Statement (button)\r\n[09:05:07]  Back (button)\r\n");
}

TEST_F(UserActionLog, LoggingOffWritesNothing) {
  State().LoggingOn = false;
  LogUserAction("Statement (button)");
  EXPECT_EQ(FilesInDir(), 0u);
  EXPECT_TRUE(State().LogLines.empty());
}

TEST_F(UserActionLog, FirstFreeNumberIsTakenSoAGapIsFilled) {
  WriteBytes(LogFile(0), "old 0");
  WriteBytes(LogFile(2), "old 2");
  CreateLogFile(Dir.Path());
  EXPECT_EQ(State().LogFileName, LogFile(1));
  EXPECT_EQ(ReadBytes(LogFile(1)), Header);
  EXPECT_EQ(ReadBytes(LogFile(0)), "old 0");
  EXPECT_EQ(ReadBytes(LogFile(2)), "old 2");
}

TEST_F(UserActionLog, TwentyFifthFileWarnsAndGoesOn) {
  for (int N = 0; N < 23; ++N)
    WriteBytes(LogFile(N), "");
  CreateLogFile(Dir.Path());
  EXPECT_EQ(State().LogFileName, LogFile(23));
  EXPECT_TRUE(Boxes.Warnings.empty());

  CreateLogFile(Dir.Path());
  EXPECT_EQ(State().LogFileName, LogFile(24));
  ASSERT_EQ(Boxes.Warnings.size(), 1u);
  EXPECT_EQ(Boxes.Warnings[0],
            "There are currently 25 log files in the program directory (" + Dir.Path() + ").");
  LogUserAction("PALAVER FORM");
  EXPECT_EQ(ReadBytes(LogFile(24)), Header + "[09:05:07]  PALAVER FORM\r\n");
}

TEST_F(UserActionLog, UncreatableFileIsReportedOnceAndTheRunGoesOn) {
  const std::string PlainFile = Dir.File("plain file");
  WriteBytes(PlainFile, "x");
  for (const std::string& BadDir : {Dir.File("no such dir"), PlainFile}) {
    Boxes.Errors.clear();
    CreateLogFile(BadDir);
    ASSERT_EQ(Boxes.Errors.size(), 1u);
    EXPECT_EQ(Boxes.Errors[0], "Cannot create file " + BadDir + "/PalaverUserAction0.log");

    // The run goes on without a log: nothing is written anywhere, and nothing more is said.
    LogUserAction("PALAVER FORM");
    LogUserAction("");
    EXPECT_EQ(Boxes.Errors.size(), 1u);
    EXPECT_EQ(State().LogFileName, "");
    EXPECT_EQ(FilesInDir(), 1u);
  }
  EXPECT_EQ(ReadBytes(PlainFile), "x");
}

TEST_F(UserActionLog, FileThatCanNoLongerBeWrittenIsReportedOnce) {
  CreateLogFile(Dir.Path());
  // A directory in the file's place cannot be written by any user, root included.
  std::filesystem::remove(LogFile(0));
  std::filesystem::create_directory(LogFile(0));

  LogUserAction("Statement (button)");
  ASSERT_EQ(Boxes.Errors.size(), 1u);
  EXPECT_EQ(Boxes.Errors[0], "Cannot create file " + LogFile(0));
  EXPECT_TRUE(std::filesystem::is_empty(LogFile(0)));

  // Logging has stopped for the rest of the run: a file that could be written again is not.
  std::filesystem::remove(LogFile(0));
  LogUserAction("Back (button)");
  EXPECT_FALSE(std::filesystem::exists(LogFile(0)));
  EXPECT_EQ(Boxes.Errors.size(), 1u);
}

// Lets the process write files up to the given size and no further, until it goes out of scope:
// a full disk that holds for every user, root included. Writing past it fails with EFBIG.
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(std::uintmax_t Bytes) {
    getrlimit(RLIMIT_FSIZE, &Old);
    OldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit Limited = Old;
    Limited.rlim_cur = static_cast<rlim_t>(Bytes);
    setrlimit(RLIMIT_FSIZE, &Limited);
  }
  ~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &Old);
    std::signal(SIGXFSZ, OldHandler);
  }
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

 private:
  rlimit Old{};
  void (*OldHandler)(int) = SIG_DFL;
};

TEST_F(UserActionLog, AFailedWriteLeavesTheFileAsItWasAndEndsLogging) {
  CreateLogFile(Dir.Path());
  LogUserAction("Statement (button)");
  const std::string Before = Header + "[09:05:07]  Statement (button)\r\n";
  ASSERT_EQ(ReadBytes(LogFile(0)), Before);
  {
    const TFileSizeLimit Full(Before.size());
    LogUserAction("Back (button)");
  }
  ASSERT_EQ(Boxes.Errors.size(), 1u);
  EXPECT_EQ(Boxes.Errors[0], "Cannot create file " + LogFile(0));
  EXPECT_EQ(ReadBytes(LogFile(0)), Before);

  // With room again, nothing more is written or reported.
  LogUserAction("Forward (button)");
  EXPECT_EQ(ReadBytes(LogFile(0)), Before);
  EXPECT_EQ(Boxes.Errors.size(), 1u);
}

TEST(SystemClock, TimeIsTwentyFourHourWithSeconds) {
  const TSystemClock Clock;
  const std::string Time = Clock.TimeText();
  ASSERT_EQ(Time.size(), 8u) << Time;
  EXPECT_EQ(Time[2], ':');
  EXPECT_EQ(Time[5], ':');
  EXPECT_LE(std::stoi(Time.substr(0, 2)), 23);
  EXPECT_LE(std::stoi(Time.substr(3, 2)), 59);
  EXPECT_LE(std::stoi(Time.substr(6, 2)), 60);
  EXPECT_FALSE(Clock.DateText().empty());
}

}  // namespace
}  // namespace palaver
