#include "session/RecoverySlot.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "TemporaryDirectory.h"

namespace palaver {
namespace {

namespace fs = std::filesystem;
using testing::TTemporaryDirectory;
using testing::WriteBytes;
using TClaim = TRecoverySlot::TClaim;

TEST(RecoverySlotTest, EachProgramHasASlotOfItsOwnUntilItLetsGo) {
  TTemporaryDirectory Dir;
  auto First = TRecoverySlot::ClaimFirstFree(Dir.Path());
  auto Second = TRecoverySlot::ClaimFirstFree(Dir.Path());
  ASSERT_TRUE(First && Second);
  EXPECT_EQ(First->Number(), 0);
  EXPECT_EQ(Second->Number(), 1);
  EXPECT_EQ(First->RecoveryPath(), Dir.File("PalaverRecovery0.txt"));

  TClaim Result = TClaim::Claimed;
  EXPECT_FALSE(TRecoverySlot::Claim(Dir.Path(), 0, &Result));
  EXPECT_EQ(Result, TClaim::HeldByAnotherProgram);

  // Letting go removes the lock file; the slot is free again.
  First.reset();
  EXPECT_FALSE(fs::exists(Dir.File("PalaverRecovery0.lock")));
  EXPECT_TRUE(fs::exists(Dir.File("PalaverRecovery1.lock")));
  EXPECT_EQ(TRecoverySlot::ClaimFirstFree(Dir.Path())->Number(), 0);

  // A slot with a copy left in it is not taken for a new program's own.
  WriteBytes(Dir.File("PalaverRecovery0.txt"), "left");
  EXPECT_EQ(TRecoverySlot::ClaimFirstFree(Dir.Path())->Number(), 2);

  EXPECT_FALSE(TRecoverySlot::ClaimFirstFree(Dir.File("not-there")));
  TRecoverySlot::Claim(Dir.File("not-there"), 0, &Result);
  EXPECT_EQ(Result, TClaim::CannotLock);
}

TEST(RecoverySlotTest, AProgramThatWasKilledHoldsNothing) {
  TTemporaryDirectory Dir;
  int Ready[2];
  ASSERT_EQ(pipe(Ready), 0);
  const pid_t Child = fork();
  if (Child == 0) {
    auto Slot = TRecoverySlot::Claim(Dir.Path(), 0);
    const char Byte = Slot ? 1 : 0;
    [[maybe_unused]] auto Written = write(Ready[1], &Byte, 1);
    pause();
    _exit(0);
  }
  char Byte = 0;
  ASSERT_EQ(read(Ready[0], &Byte, 1), 1);
  ASSERT_EQ(Byte, 1);
  EXPECT_FALSE(TRecoverySlot::Claim(Dir.Path(), 0));
  kill(Child, SIGKILL);
  waitpid(Child, nullptr, 0);
  // Its lock file is still there, but the lock went with the process.
  EXPECT_TRUE(fs::exists(Dir.File("PalaverRecovery0.lock")));
  EXPECT_TRUE(TRecoverySlot::Claim(Dir.Path(), 0));
  close(Ready[0]);
  close(Ready[1]);
}

TEST(RecoverySlotTest, OnlyTheProgramsOwnNamesCountAsRecoveryFiles) {
  TTemporaryDirectory Dir;
  for (const char* Name :
       {"PalaverRecovery12.txt", "PalaverRecovery0.txt", "PalaverRecovery01.txt",
        "PalaverRecovery.txt", "PalaverRecoveryUnreadable0.txt", "PalaverRecovery3.txt.tmp~",
        "PalaverRecovery4.lock", "palaverrecovery5.txt"})
    WriteBytes(Dir.File(Name), "");
  EXPECT_EQ(TRecoverySlot::NumbersWithRecoveryFiles(Dir.Path()), (std::vector<int>{0, 12}));
}

}  // namespace
}  // namespace palaver
