// The save-changes answer holds only when the command goes on: every command that asks the
// question, with every answer and every way the command can then end.

#include <gtest/gtest.h>

#include <filesystem>

#include "ControllerTestSupport.h"
#include "session/PlatformError.h"

namespace palaver::test {
namespace {

enum class TCommand { New, Open, Exit };
// NotAsked: the line has no unsaved changes, so there is no question.
enum class TReply { Yes, No, Cancel, NotAsked };
// What follows the answer. Cancelled: the user cancels the dialog the command shows next (Save
// As after Yes for a line never saved; Open's file dialog), or the question itself. Fails: a
// file cannot be written (the save after Yes) or read (Open), or for Exit the rest of the close
// sequence fails (the settings cannot be written), so the window stays open.
enum class TOutcome { GoesOn, Cancelled, Fails };

struct TCase {
  TCommand Command;
  TReply Reply;
  TOutcome Outcome;
  // New and Open: the line was replaced. Exit: the program closed.
  bool WentOn;
  // The line has unsaved changes afterwards, so the next command asks again and the recovery
  // copy is kept.
  bool ChangedAfter;
  // Logged after the command's own text; "<save>" and "<open>" stand for the paths.
  TLines Log;
};

const char* const Yes = "Message: Save changes; Answer: Yes";
const char* const No = "Message: Save changes; Answer: No";

// clang-format off
const TCase Cases[] = {
    {TCommand::New, TReply::Yes, TOutcome::GoesOn, true, false, {Yes, "Save file: <save>"}},
    {TCommand::New, TReply::Yes, TOutcome::Cancelled, false, true, {Yes}},
    {TCommand::New, TReply::Yes, TOutcome::Fails, false, true, {Yes, "Save file: <save>"}},
    {TCommand::New, TReply::No, TOutcome::GoesOn, true, false, {No}},
    {TCommand::New, TReply::NotAsked, TOutcome::GoesOn, true, false, {}},
    {TCommand::New, TReply::Cancel, TOutcome::Cancelled, false, true, {}},

    {TCommand::Open, TReply::Yes, TOutcome::GoesOn, true, false, {Yes, "Save file: <save>", "Open file: <open>"}},
    {TCommand::Open, TReply::Yes, TOutcome::Cancelled, false, false, {Yes, "Save file: <save>"}},
    {TCommand::Open, TReply::Yes, TOutcome::Fails, false, false, {Yes, "Save file: <save>", "Open file: <open>"}},
    {TCommand::Open, TReply::No, TOutcome::GoesOn, true, false, {No, "Open file: <open>"}},
    {TCommand::Open, TReply::No, TOutcome::Cancelled, false, true, {No}},
    {TCommand::Open, TReply::No, TOutcome::Fails, false, true, {No, "Open file: <open>"}},
    {TCommand::Open, TReply::NotAsked, TOutcome::GoesOn, true, false, {"Open file: <open>"}},
    {TCommand::Open, TReply::NotAsked, TOutcome::Cancelled, false, false, {}},
    {TCommand::Open, TReply::NotAsked, TOutcome::Fails, false, false, {"Open file: <open>"}},
    {TCommand::Open, TReply::Cancel, TOutcome::Cancelled, false, true, {}},

    {TCommand::Exit, TReply::Yes, TOutcome::GoesOn, true, false, {Yes, "Save file: <save>"}},
    {TCommand::Exit, TReply::Yes, TOutcome::Cancelled, false, true, {Yes}},
    {TCommand::Exit, TReply::Yes, TOutcome::Fails, false, true, {Yes, "Save file: <save>"}},
    {TCommand::Exit, TReply::No, TOutcome::GoesOn, true, false, {No}},
    {TCommand::Exit, TReply::No, TOutcome::Fails, false, true, {No}},
    {TCommand::Exit, TReply::NotAsked, TOutcome::GoesOn, true, false, {}},
    {TCommand::Exit, TReply::NotAsked, TOutcome::Fails, false, false, {}},
    {TCommand::Exit, TReply::Cancel, TOutcome::Cancelled, false, true, {}},
};
// clang-format on

const char* Name(TCommand C) {
  return C == TCommand::New ? "New" : C == TCommand::Open ? "Open" : "Exit";
}
const char* Name(TReply R) {
  return R == TReply::Yes ? "Yes" : R == TReply::No ? "No" : R == TReply::Cancel ? "Cancel" : "-";
}
const char* Name(TOutcome O) {
  return O == TOutcome::GoesOn ? "goes on" : O == TOutcome::Cancelled ? "cancelled" : "fails";
}

class SaveChangesTest : public TranscriptTest {
 protected:
  int QuestionsAsked() const {
    int Count = 0;
    for (const auto& Box : Platform.Boxes.Shown)
      Count += Box.Kind == TScriptedMessageBoxes::TKind::WarningYesNoCancel ? 1 : 0;
    return Count;
  }
};

TEST_F(SaveChangesTest, TheAnswerHoldsOnlyWhenTheCommandGoesOn) {
  Core.StartRecovery(Log.Dir);
  WriteBytes(PathOf("other.lin"), "STATEMENT\r\n  ?: other\r\n\r\n");
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(std::string(Name(Case.Command)) + " / " + Name(Case.Reply) + " / " +
                 Name(Case.Outcome));
    // A line named "work.lin" with one unsaved move, its recovery copy kept.
    Core.NewLineOfArgumentation();
    Line().FileName = PathOf("work.lin");
    Platform.Title = "Palaver - work.lin";
    Core.StatementMove(Issue("a"));
    Core.KeepRecovery();
    const TLineOfArgumentation* Before = &Line();
    const std::size_t LoggedBefore = Log.Texts().size();

    std::string SavePath = PathOf("work.lin");
    std::string OpenPath = PathOf("other.lin");
    Platform.Boxes.Answers.clear();
    if (Case.Reply == TReply::NotAsked) Line().Changed = false;
    if (Case.Reply == TReply::Yes) Platform.Boxes.Answers = {TAnswer::Yes};
    if (Case.Reply == TReply::No) Platform.Boxes.Answers = {TAnswer::No};
    if (Case.Reply == TReply::Cancel) Platform.Boxes.Answers = {TAnswer::Cancel};
    if (Case.Command != TCommand::Open && Case.Reply == TReply::Yes) {
      if (Case.Outcome == TOutcome::Fails) SavePath = PathOf("no/such/dir/work.lin");
      Line().FileName = Case.Outcome == TOutcome::Cancelled ? "New.lin" : SavePath;
    }
    Platform.SaveDialogAnswers.clear();
    Platform.OpenDialogAnswers.clear();
    if (Case.Command == TCommand::Open && Case.Outcome == TOutcome::Fails)
      OpenPath = PathOf("missing.lin");
    if (Case.Command == TCommand::Open && Case.Outcome != TOutcome::Cancelled)
      Platform.OpenDialogAnswers = {OpenPath};

    try {
      if (Case.Command == TCommand::New) Core.New1Click();
      if (Case.Command == TCommand::Open) Core.Open1Click();
      if (Case.Command == TCommand::Exit) {
        Core.Exit1Click();
        // What the window does with the close request: the question, then the close sequence,
        // which either completes or fails and keeps the window open.
        if (Core.FormCloseQuery() && Case.Outcome == TOutcome::GoesOn) Core.LineClosed();
      }
    } catch (const TPlatformError&) {
      // The window shows the message; the command is abandoned.
    }
    Core.KeepRecovery();

    if (Case.Command != TCommand::Exit) {
      EXPECT_EQ(&Line() != Before, Case.WentOn);
      if (!Case.WentOn) {
        EXPECT_EQ(Platform.Title, "Palaver - work.lin");
      }
    }
    EXPECT_EQ(Line().Changed, Case.ChangedAfter);
    EXPECT_EQ(std::filesystem::exists(Core.RecoveryFilePath()), Case.ChangedAfter);

    TLines Expected = {Case.Command == TCommand::New    ? "File new (menu)"
                       : Case.Command == TCommand::Open ? "File open (menu)"
                                                        : "File exit (menu)"};
    for (std::string Text : Case.Log) {
      if (const auto At = Text.find("<save>"); At != std::string::npos)
        Text.replace(At, 6, SavePath);
      if (const auto At = Text.find("<open>"); At != std::string::npos)
        Text.replace(At, 6, OpenPath);
      Expected.push_back(Text);
    }
    const TLines Logged = Log.Texts();
    EXPECT_EQ(TLines(Logged.begin() + static_cast<long>(LoggedBefore), Logged.end()), Expected);

    // The next command asks again exactly when the changes are still there.
    const int Asked = QuestionsAsked();
    Platform.Boxes.Answers = {TAnswer::Cancel};
    Core.FormCloseQuery();
    EXPECT_EQ(QuestionsAsked() - Asked, Case.ChangedAfter ? 1 : 0);
  }
}

}  // namespace
}  // namespace palaver::test
