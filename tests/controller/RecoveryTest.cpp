// The recovery copy of an unsaved line, against the headless core: what is kept when, what the
// next start offers back, and what happens when the copy cannot be read or written.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "../session/TemporaryDirectory.h"
#include "ControllerTestSupport.h"
#include "session/RecoverySlot.h"
#include "transcript/RecoveryFile.h"

namespace palaver::test {
namespace {

namespace fs = std::filesystem;
using TKind = TScriptedMessageBoxes::TKind;

const std::string Heading = "PALAVER RECOVERY\r\nFileName: ";

class RecoveryTest : public TranscriptTest {
 protected:
  RecoveryTest() { Platform.Boxes.DefaultAnswer = TAnswer::Yes; }

  std::string SlotFile(int Number) const {
    return TRecoverySlot::RecoveryFileName(Log.Dir, Number);
  }
  // Runs a command, checks that it told the platform a copy is due, runs the copy as the window
  // would, and returns the copy's text ("" when there is none).
  std::string AfterCommand(const std::function<void()>& Command) {
    const int Before = Platform.RecoveryRequests;
    Command();
    EXPECT_GT(Platform.RecoveryRequests, Before);
    Core.KeepRecovery();
    return fs::exists(Core.RecoveryFilePath()) ? ReadBytes(Core.RecoveryFilePath()) : "";
  }
  std::vector<std::string> BoxTexts(TKind Kind) const {
    std::vector<std::string> Texts;
    for (const auto& Box : Platform.Boxes.Shown)
      if (Box.Kind == Kind) Texts.push_back(Box.Text);
    return Texts;
  }
};

TEST_F(RecoveryTest, TheCopyFollowsEveryChangeOfTheLine) {
  Core.StartRecovery(Log.Dir);
  EXPECT_EQ(Core.RecoveryFilePath(), SlotFile(0));

  EXPECT_EQ(AfterCommand([&] { Core.StatementMove(Issue("a")); }),
            Heading + "New.lin\r\n\r\nSTATEMENT\r\n  ?: a\r\n\r\nCURRENT POSITION\r\n\r\n");
  AfterCommand([&] { Core.ReasonConclusionMove(Connection(Assumption("r"), Issue("a"))); });
  EXPECT_EQ(AfterCommand([&] { Core.BackButtonClick(); }),
            Heading +
                "New.lin\r\n\r\nSTATEMENT\r\n  ?: a\r\n\r\nCURRENT POSITION\r\n\r\n"
                "CONCLUSION\r\n  ?: a\r\nREASON\r\n  !: r\r\n\r\n");
  AfterCommand([&] { Core.ForwardButtonClick(); });

  // Saved: nothing left to recover. Changed again: the copy names the file.
  Platform.SaveDialogAnswers = {PathOf("saved.lin")};
  EXPECT_EQ(AfterCommand([&] { Core.Save1Click(); }), "");
  const std::string Copy = AfterCommand(
      [&] { Core.ExceptionMove(ExceptionConnection(Issue("e"), Assumption("r"), Issue("a"))); });
  EXPECT_EQ(Copy.substr(0, Heading.size() + PathOf("saved.lin").size()),
            Heading + PathOf("saved.lin"));
  // What a Save would write, exactly, follows the header.
  Core.Save1Click();
  const std::string Saved = ReadBytes(PathOf("saved.lin"));
  EXPECT_EQ(Copy.substr(Copy.size() - Saved.size()), Saved);

  Platform.Boxes.Answers = {TAnswer::Yes};
  EXPECT_NE(AfterCommand([&] { Core.RemoveStatement(*Line().CurrentStage->Statements[2]); }), "");
  Platform.Boxes.Answers = {TAnswer::No};
  EXPECT_EQ(AfterCommand([&] { Core.New1Click(); }), "");
  Platform.OpenDialogAnswers = {DataFile("transcript-worked-example.lin")};
  EXPECT_NE(AfterCommand([&] { Core.Append1Click(); }), "");
  Platform.Boxes.Answers = {TAnswer::No};
  Platform.OpenDialogAnswers = {PathOf("saved.lin")};
  EXPECT_EQ(AfterCommand([&] { Core.Open1Click(); }), "");

  // At a normal close the copy goes, whatever the line.
  AfterCommand([&] { Core.StatementMove(Issue("last")); });
  Core.LineClosed();
  EXPECT_FALSE(fs::exists(SlotFile(0)));
}

TEST_F(RecoveryTest, TheCopyIsKeptAlsoWhenSavingIsNotAllowed) {
  State().SavingAllowed = false;
  Core.StartRecovery(Log.Dir);
  EXPECT_NE(AfterCommand([&] { Core.StatementMove(Issue("a")); }), "");
}

TEST_F(RecoveryTest, YesRestoresTheLineAsAnOpenedFileWithUnsavedChanges) {
  WriteBytes(SlotFile(0), Heading + PathOf("kept.lin") +
                              "\r\n\r\nSTATEMENT\r\n  ?: a\r\n\r\nCURRENT POSITION\r\n\r\n"
                              "STATEMENT\r\n  !: b\r\n\r\n");
  Core.StartRecovery(Log.Dir);
  Core.OfferRecovery();

  EXPECT_EQ(BoxTexts(TKind::Confirmation),
            (TLines{"Palaver was not closed normally, and its line of argumentation had unsaved "
                    "changes.\r\nDo you want to restore the unsaved line of argumentation?\r\n\r\n"
                    "File: kept.lin"}));
  EXPECT_EQ(Log.Texts(), (TLines{"Message: Restore; Answer: Yes"}));
  EXPECT_EQ(Statements(), (TLines{"?a"}));
  EXPECT_EQ(State().ForwardLines, (TLines{"STATEMENT", "  !: b", ""}));
  EXPECT_TRUE(Platform.BackEnabled && Platform.ForwardEnabled);
  EXPECT_EQ(Line().FileName, PathOf("kept.lin"));
  EXPECT_EQ(Platform.Title, "Palaver - kept.lin");
  EXPECT_TRUE(Line().Changed);
  // Moved into this program's own copy.
  EXPECT_FALSE(fs::exists(SlotFile(0)));
  EXPECT_EQ(Core.RecoveryFilePath(), SlotFile(1));
  EXPECT_NE(ReadBytes(SlotFile(1)).find("  !: b"), std::string::npos);

  // Asked once: there is nothing more to offer. Closing asks to save.
  Core.OfferRecovery();
  EXPECT_EQ(BoxTexts(TKind::Confirmation).size(), 1u);
  Platform.Boxes.Answers = {TAnswer::Cancel};
  EXPECT_FALSE(Core.FormCloseQuery());
}

TEST_F(RecoveryTest, NoRemovesTheCopyAndTheQuestionIsDutchInDutch) {
  State().Language = TLanguage::Dutch;
  const std::string NeverSaved = Heading + "New.lin\r\n\r\nSTATEMENT\r\n  ?: a\r\n\r\n";
  WriteBytes(SlotFile(0), NeverSaved);
  Core.StartRecovery(Log.Dir);
  Platform.Boxes.Answers = {TAnswer::No};
  Core.OfferRecovery();
  EXPECT_EQ(BoxTexts(TKind::Confirmation),
            (TLines{"Palaver is niet normaal afgesloten, en het betoog had niet bewaarde "
                    "veranderingen.\r\nWilt u het niet bewaarde betoog herstellen?"}));
  EXPECT_EQ(Log.Texts(), (TLines{"Message: Restore; Answer: No"}));
  EXPECT_TRUE(Statements().empty());
  EXPECT_FALSE(Line().Changed);
  EXPECT_FALSE(fs::exists(SlotFile(0)));

  // A line never saved comes back under the new line's title.
  WriteBytes(SlotFile(2), NeverSaved);
  Core.OfferRecovery();
  EXPECT_EQ(Platform.Title, "Palaver - Nieuw betoog");
  EXPECT_EQ(Line().FileName, "New.lin");
  EXPECT_EQ(Statements(), (TLines{"?a"}));
}

TEST_F(RecoveryTest, TheLineOfAProgramStillRunningIsNotOffered) {
  // Another program holds slot 0 and has its copy there.
  auto Running = TRecoverySlot::Claim(Log.Dir, 0);
  ASSERT_TRUE(Running);
  const std::string Theirs = Heading + "New.lin\r\n\r\nSTATEMENT\r\n  ?: theirs\r\n\r\n";
  WriteBytes(SlotFile(0), Theirs);

  Core.StartRecovery(Log.Dir);
  Core.OfferRecovery();
  EXPECT_TRUE(Platform.Boxes.Shown.empty());
  AfterCommand([&] { Core.StatementMove(Issue("mine")); });
  EXPECT_EQ(Core.RecoveryFilePath(), SlotFile(1));
  EXPECT_EQ(ReadBytes(SlotFile(0)), Theirs);

  // Once it has ended, its line is offered.
  Running.reset();
  Platform.Boxes.Answers = {TAnswer::No};
  Core.OfferRecovery();
  EXPECT_EQ(BoxTexts(TKind::Confirmation).size(), 1u);
  EXPECT_FALSE(fs::exists(SlotFile(0)));
  EXPECT_TRUE(fs::exists(SlotFile(1)));
}

TEST_F(RecoveryTest, AnUnreadableCopyIsReportedOnceAndPutAside) {
  WriteBytes(SlotFile(0), "STATEMENT\r\n  ?: not a recovery file\r\n");
  fs::create_directory(SlotFile(1));
  WriteBytes(SlotFile(2), Heading + "New.lin\r\n\r\nSTATEMENT\r\n  ?: good\r\n\r\n");
  Core.StartRecovery(Log.Dir);
  Platform.Boxes.Answers = {TAnswer::No};
  Core.OfferRecovery();

  EXPECT_EQ(BoxTexts(TKind::Warning),
            (TLines{"The recovery file " + SlotFile(0) +
                        " cannot be read, so the unsaved line of argumentation in it cannot be "
                        "restored.\r\nThe file has been renamed to " +
                        PathOf("PalaverRecoveryUnreadable0.txt") + ".",
                    "The recovery file " + SlotFile(1) +
                        " cannot be read, so the unsaved line of argumentation in it cannot be "
                        "restored.\r\nThe file has been renamed to " +
                        PathOf("PalaverRecoveryUnreadable1.txt") + "."}));
  // The program goes on to the copy it can read.
  EXPECT_EQ(BoxTexts(TKind::Confirmation).size(), 1u);
  EXPECT_EQ(ReadBytes(PathOf("PalaverRecoveryUnreadable0.txt")),
            "STATEMENT\r\n  ?: not a recovery file\r\n");

  Core.OfferRecovery();
  EXPECT_EQ(Platform.Boxes.Shown.size(), 3u);
}

TEST_F(RecoveryTest, ACopyThatCannotBeWrittenIsReportedOnceAndTheProgramGoesOn) {
  Core.StartRecovery(Log.Dir);
  // The copy's place is a file that cannot be replaced.
  const std::string Blocker = SlotFile(0);
  testing::MakeUnreplaceable(Blocker);
  const std::string Message = "The unsaved changes cannot be kept in the recovery file " +
                              SlotFile(0) +
                              ".\r\nIf Palaver ends unexpectedly, they are lost unless you save "
                              "them.";
  AfterCommand([&] { Core.StatementMove(Issue("a")); });
  AfterCommand([&] { Core.StatementMove(Issue("b")); });
  EXPECT_EQ(BoxTexts(TKind::Warning), (TLines{Message}));
  EXPECT_EQ(Statements(), (TLines{"?a", "?b"}));

  // Once it works again it is kept; failing again later is reported again.
  fs::remove(Blocker);
  EXPECT_NE(AfterCommand([&] { Core.StatementMove(Issue("c")); }), "");
  fs::remove(Blocker);
  testing::MakeUnreplaceable(Blocker);
  AfterCommand([&] { Core.StatementMove(Issue("d")); });
  EXPECT_EQ(BoxTexts(TKind::Warning).size(), 2u);

  // Without any place for a copy (a program directory that is not there), likewise once.
  TMainWindowCore Other(Platform);
  Other.StartRecovery(PathOf("not-there"));
  Other.StatementMove(Issue("e"));
  Other.KeepRecovery();
  Other.KeepRecovery();
  EXPECT_EQ(BoxTexts(TKind::Warning).size(), 3u);
}

TEST(RecoveryFileTextTest, AnyFileNameComesBackAndADamagedHeaderIsRefused) {
  const std::string Name = "C:\\dir\\odd\r\nname\\n.lin";
  const std::string Text = RecoveryFileText(Name, {"STATEMENT", "  ?: a", ""});
  EXPECT_EQ(Text,
            "PALAVER RECOVERY\r\nFileName: C:\\\\dir\\\\odd\\r\\nname\\\\n.lin\r\n\r\n"
            "STATEMENT\r\n  ?: a\r\n\r\n");
  const auto Read = ReadRecoveryFileText(Text);
  ASSERT_TRUE(Read);
  EXPECT_EQ(Read->FileName, Name);
  EXPECT_EQ(Read->Lines, (TLines{"STATEMENT", "  ?: a", ""}));

  for (const char* Damaged :
       {"", "PALAVER RECOVERY\r\nFileName: a.lin\r\n", "PALAVER RECOVERY\nFileName: a.lin\n\n",
        "PALAVER RECOVERY\r\nFileName: a.lin\r\nSTATEMENT\r\n",
        "PALAVER RECOVERY\r\nName: a\r\n\r\n", "PALAVER RECOVERY\r\nFileName: \r\n\r\n",
        "PALAVER RECOVERY\r\nFileName: a\\x\r\n\r\n",
        "palaver recovery\r\nFileName: a.lin\r\n\r\n"})
    EXPECT_FALSE(ReadRecoveryFileText(Damaged)) << Damaged;
}

}  // namespace
}  // namespace palaver::test
