#include <gtest/gtest.h>

#include <filesystem>

#include "../session/TemporaryDirectory.h"
#include "ControllerTestSupport.h"
#include "session/PlatformError.h"

namespace palaver::test {
namespace {

class FileCommandsTest : public TranscriptTest {
 protected:
  FileCommandsTest() { Core.StatementMove(Issue("a")); }

  // Runs Command and returns the message of the platform error it ends with.
  template <class F>
  static std::string ErrorOf(F Command) {
    try {
      Command();
    } catch (const TPlatformError& Error) {
      return Error.what();
    }
    return "(no error)";
  }
  std::vector<std::string> SaveQuestions() const {
    std::vector<std::string> Texts;
    for (const auto& Box : Platform.Boxes.Shown)
      if (Box.Kind == TScriptedMessageBoxes::TKind::WarningYesNoCancel) Texts.push_back(Box.Text);
    return Texts;
  }
};

TEST_F(FileCommandsTest, NewStartsAFreshUnnamedLineInEitherLanguage) {
  Platform.Boxes.Answers = {TAnswer::No};
  State().ForwardLines = {"STATEMENT", "  ?: b", ""};
  Platform.ForwardEnabled = Platform.BackEnabled = true;
  Core.New1Click();
  EXPECT_EQ(Line().ArgumentationMoves.Count(), 0);
  EXPECT_EQ(Line().FileName, "New.lin");
  EXPECT_FALSE(Line().Changed);
  EXPECT_TRUE(State().ForwardLines.empty());
  EXPECT_FALSE(Platform.BackEnabled || Platform.ForwardEnabled);
  EXPECT_EQ(Platform.Title, "Palaver - New line of argumentation");
  EXPECT_EQ(SaveQuestions(),
            (TLines{"Do you want to save the changes \r\nto the current line of argumentation?"}));
  EXPECT_EQ(Log.Texts(), (TLines{"File new (menu)", "Message: Save changes; Answer: No"}));

  State().Language = TLanguage::Dutch;
  Core.StatementMove(Issue("a"));
  Platform.Boxes.Answers = {TAnswer::No};
  Core.New1Click();
  EXPECT_EQ(Platform.Title, "Palaver - Nieuw betoog");
  EXPECT_EQ(SaveQuestions()[1], "Wilt u de veranderingen \r\naan het huidige betoog bewaren?");
}

TEST_F(FileCommandsTest, CancelOrClosingTheQuestionStopsTheCommand) {
  const TLineOfArgumentation* Before = &Line();
  Platform.Boxes.Answers = {TAnswer::Cancel, TAnswer::None, TAnswer::Cancel};
  Core.New1Click();
  Core.Open1Click();
  EXPECT_FALSE(Core.FormCloseQuery());
  EXPECT_EQ(&Line(), Before);
  EXPECT_TRUE(Line().Changed);
  EXPECT_TRUE(Platform.OpenDialogsShown.empty());
  EXPECT_EQ(Log.Texts(), (TLines{"File new (menu)", "File open (menu)"}));
}

TEST_F(FileCommandsTest, YesSavesANamedLineAndTheCommandGoesOn) {
  Line().FileName = PathOf("named.lin");
  Core.New1Click();
  EXPECT_EQ(ReadBytes(PathOf("named.lin")), "STATEMENT\r\n  ?: a\r\n\r\nCURRENT POSITION\r\n\r\n");
  EXPECT_EQ(Line().FileName, "New.lin");
  EXPECT_EQ(Log.Texts(), (TLines{"File new (menu)", "Message: Save changes; Answer: Yes",
                                 "Save file: " + PathOf("named.lin")}));
  // Nothing has changed since: no question.
  EXPECT_TRUE(Core.FormCloseQuery());
  EXPECT_EQ(SaveQuestions().size(), 1u);
}

TEST_F(FileCommandsTest, CancellingSaveAsAfterYesKeepsTheChangesAndStopsTheCommand) {
  const TLineOfArgumentation* Before = &Line();
  Core.New1Click();
  Core.Open1Click();
  EXPECT_FALSE(Core.FormCloseQuery());
  EXPECT_EQ(&Line(), Before);
  EXPECT_TRUE(Line().Changed);
  EXPECT_EQ(Line().ArgumentationMoves.Count(), 1);
  EXPECT_EQ(Platform.SaveDialogsShown.size(), 3u);
  EXPECT_TRUE(Platform.OpenDialogsShown.empty());
  EXPECT_EQ(Log.Texts(),
            (TLines{"File new (menu)", "Message: Save changes; Answer: Yes", "File open (menu)",
                    "Message: Save changes; Answer: Yes", "Message: Save changes; Answer: Yes"}));
}

TEST_F(FileCommandsTest, NoQuestionWhenSavingIsNotAllowed) {
  State().SavingAllowed = false;
  Line().FileName = PathOf("never.lin");
  Core.Save1Click();
  EXPECT_TRUE(Core.FormCloseQuery());
  Core.New1Click();
  EXPECT_TRUE(Platform.Boxes.Shown.empty());
  EXPECT_FALSE(std::filesystem::exists(PathOf("never.lin")));
}

TEST_F(FileCommandsTest, SaveWritesOnlyAChangedLineAndSaveAsAlways) {
  Line().Changed = false;
  Core.Save1Click();
  EXPECT_TRUE(Platform.SaveDialogsShown.empty());

  Platform.SaveDialogAnswers = {PathOf("dir.x/as.lin")};
  std::filesystem::create_directory(PathOf("dir.x"));
  Core.SaveAs1Click();
  EXPECT_EQ(ReadBytes(PathOf("dir.x/as.lin")),
            "STATEMENT\r\n  ?: a\r\n\r\nCURRENT POSITION\r\n\r\n");
  EXPECT_EQ(Platform.Title, "Palaver - as.lin");
  EXPECT_EQ(Line().FileName, PathOf("dir.x/as.lin"));
  const TFileDialogOptions& Options = Platform.SaveDialogsShown.at(0);
  EXPECT_EQ(Options.Filters[0].Description, "Lines of argumentation (*.lin)");
  EXPECT_EQ(Options.Filters[1].Pattern, "*.*");
  EXPECT_EQ(Options.DefaultExtension, "lin");
  EXPECT_TRUE(Options.PromptOverwrite);

  Core.StatementMove(Issue("b"));
  Core.Save1Click();
  EXPECT_FALSE(Line().Changed);
  EXPECT_EQ(Log.Texts(), (TLines{"File save (menu)", "File save as (menu)",
                                 "Save file as: " + PathOf("dir.x/as.lin"), "File save (menu)",
                                 "Save file: " + PathOf("dir.x/as.lin")}));

  State().Language = TLanguage::Dutch;
  Core.SaveAs1Click();  // cancelled: nothing logged, nothing changed
  EXPECT_EQ(Platform.SaveDialogsShown.back().Filters[1].Description, "Ale bestanden (*.*)");
  EXPECT_EQ(Platform.SaveDialogsShown.back().DefaultExtension, "lin");
  EXPECT_EQ(Log.Texts().back(), "File save as (menu)");
}

TEST_F(FileCommandsTest, AFailedSaveKeepsTheOldFileTheNameAndTheChanges) {
  const std::string Old = PathOf("old.lin");
  const std::string OldContent = testing::MakeUnreplaceable(Old);
  Line().FileName = Old;
  EXPECT_EQ(ErrorOf([&] { Core.Save1Click(); }), "Cannot create file " + Old);
  EXPECT_EQ(ReadBytes(Old), OldContent);
  EXPECT_TRUE(Line().Changed);

  const std::string Missing = PathOf("no/such/dir.lin");
  Platform.SaveDialogAnswers = {Missing};
  Platform.Title = "before";
  EXPECT_EQ(ErrorOf([&] { Core.SaveAs1Click(); }), "Cannot create file " + Missing);
  EXPECT_EQ(Line().FileName, Old);
  EXPECT_TRUE(Line().Changed);
  EXPECT_EQ(Platform.Title, "before");

  // The command that asked does not go on either.
  const TLineOfArgumentation* Before = &Line();
  EXPECT_EQ(ErrorOf([&] { Core.New1Click(); }), "Cannot create file " + Old);
  EXPECT_EQ(&Line(), Before);
}

TEST_F(FileCommandsTest, OpeningAnUnreadableFileLeavesEverythingAsItWas) {
  Line().Changed = false;
  Platform.Title = "Palaver - current.lin";
  const TLineOfArgumentation* Before = &Line();
  const std::string Missing = PathOf("missing.lin");
  Platform.OpenDialogAnswers = {Missing};
  EXPECT_EQ(ErrorOf([&] { Core.Open1Click(); }), "Cannot open file " + Missing);
  EXPECT_EQ(&Line(), Before);
  EXPECT_EQ(Platform.Title, "Palaver - current.lin");
  EXPECT_TRUE(Platform.BackEnabled);
  EXPECT_EQ(Log.Texts(), (TLines{"File open (menu)", "Open file: " + Missing}));
}

TEST_F(FileCommandsTest, OpenReadsRichTextAndStartsUnchanged) {
  Line().Changed = false;
  State().Language = TLanguage::Dutch;
  Platform.OpenDialogAnswers = {DataFile("transcript-rich-text.rtf")};
  Core.Open1Click();
  EXPECT_EQ(Statements(), (TLines{"?rich"}));
  EXPECT_EQ(State().ForwardLines, (TLines{"STATEMENT", "  !: later", ""}));
  EXPECT_TRUE(Platform.ForwardEnabled && Platform.BackEnabled);
  EXPECT_FALSE(Line().Changed);
  EXPECT_EQ(Line().FileName, DataFile("transcript-rich-text.rtf"));
  EXPECT_EQ(Platform.OpenDialogsShown[0].Filters[0].Description, "Betogen (*.btg;*.lin)");
  EXPECT_EQ(Platform.OpenDialogsShown[0].Filters[0].Pattern, "*.btg;*.lin");
  EXPECT_EQ(Platform.OpenDialogsShown[0].Filters[1].Description, "Alle bestanden (*.*)");
  EXPECT_EQ(Platform.OpenDialogsShown[0].Title, "");
}

TEST_F(FileCommandsTest, AppendAddsTheMovesButKeepsTheCurrentForwardLines) {
  State().ForwardLines = {"free text"};
  Line().Changed = false;
  Platform.OpenDialogAnswers = {DataFile("transcript-worked-example.lin"), std::nullopt};
  Core.Append1Click();
  EXPECT_EQ(Statements(), (TLines{"?a", "?<statement>", "?<conclusion>", "!<reason>"}));
  EXPECT_EQ(State().ForwardLines, (TLines{"free text"}));
  EXPECT_FALSE(Platform.ForwardEnabled);
  EXPECT_TRUE(Line().Changed);
  EXPECT_EQ(Line().FileName, "New.lin");
  EXPECT_EQ(Platform.OpenDialogsShown[0].Title, "Append");
  Core.Append1Click();
  EXPECT_EQ(Log.Texts(), (TLines{"File append (menu)",
                                 "Append file: " + DataFile("transcript-worked-example.lin"),
                                 "File append (menu)"}));
}

TEST_F(FileCommandsTest, AppendingAFileWithoutMovesLeavesChangedAlone) {
  WriteBytes(PathOf("empty.lin"), "\r\n\r\nCURRENT POSITION\r\n\r\nSTATEMENT\r\n  ?: f\r\n");
  Line().Changed = false;
  Platform.OpenDialogAnswers = {PathOf("empty.lin")};
  Core.Append1Click();
  EXPECT_FALSE(Line().Changed);
  EXPECT_TRUE(State().ForwardLines.empty());
  EXPECT_FALSE(Platform.ForwardEnabled);
}

TEST_F(FileCommandsTest, ExitAsksTheWindowToClose) {
  Core.Exit1Click();
  EXPECT_EQ(Platform.CloseRequests, 1);
  EXPECT_EQ(Log.Texts(), (TLines{"File exit (menu)"}));
}

}  // namespace
}  // namespace palaver::test
