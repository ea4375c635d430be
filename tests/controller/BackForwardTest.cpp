#include <gtest/gtest.h>

#include "ControllerTestSupport.h"
#include "model/WarrantSentences.h"

namespace palaver::test {
namespace {

class BackForwardTest : public TranscriptTest {
 protected:
  BackForwardTest() {
    Line().FileName = "/lines/a.lin";
    Core.StatementMove(Issue("s"));
    Core.ReasonConclusionMove(Connection(Assumption("r"), Issue("c")));
    Core.StatementMove(
        Issue(StepWarrantSentence("r", "c", TConnectionKind::Supporting, TLanguage::English)));
    Line().Changed = false;
  }
};

TEST_F(BackForwardTest, MovesAndStatesFollowBackAndForward) {
  const TLines All = Transcript();
  // The warrant the dialog added after its connection goes back first, then the connection.
  Core.BackButtonClick();
  EXPECT_EQ(Line().ArgumentationMoves.Count(), 2);
  EXPECT_EQ(State().ForwardLines, (TLines{"STATEMENT", "  ?: (IF r, THEN c)", ""}));
  EXPECT_TRUE(Platform.ForwardEnabled);
  EXPECT_TRUE(Platform.BackEnabled);
  EXPECT_TRUE(Line().Changed);
  EXPECT_EQ(Line().FileName, "/lines/a.lin");

  Core.Back2Click();
  EXPECT_EQ(Statements(), (TLines{"?s"}));
  EXPECT_EQ(State().ForwardLines, (TLines{"CONCLUSION", "  ?: c", "REASON", "  !: r", "",
                                          "STATEMENT", "  ?: (IF r, THEN c)", ""}));

  Core.BackButtonClick();
  EXPECT_EQ(Line().ArgumentationMoves.Count(), 0);
  EXPECT_FALSE(Platform.BackEnabled);

  Core.ForwardButtonClick();
  // The moved entry's empty line stays at the front of the forward lines.
  EXPECT_EQ(State().ForwardLines.front(), "");
  Core.Forward2Click();
  Core.Forward2Click();
  EXPECT_EQ(Transcript(), All);
  EXPECT_FALSE(Platform.ForwardEnabled);
  EXPECT_TRUE(Platform.BackEnabled);
  EXPECT_EQ(Log.Texts(), (TLines{"Back (button)", "Back (menu)", "Back (button)",
                                 "Forward (button)", "Forward (menu)", "Forward (menu)"}));
}

TEST_F(BackForwardTest, BackMovesAWholeExceptionEntry) {
  Core.ExceptionMove(ExceptionConnection(Issue("x"), Assumption("r"), Issue("c")));
  Core.StepBack();
  EXPECT_EQ(State().ForwardLines,
            (TLines{"EXCEPTION", "  ?: x", "CONCLUSION", "  ?: c", "REASON", "  !: r", ""}));
  EXPECT_EQ(Line().ArgumentationMoves.Count(), 3);
  Core.StepForward();
  EXPECT_EQ(Line().CurrentStage->ReasonConclusions[0]->Exceptions.Count(), 1);
}

TEST_F(BackForwardTest, ANewMoveAfterBackComesBeforeTheForwardMoves) {
  Core.StepBack();
  Core.StepBack();
  Core.StatementMove(Issue("new"));
  EXPECT_EQ(State().ForwardLines.size(), 8u);
  Core.StepForward();
  Core.StepForward();
  EXPECT_EQ(Statements(), (TLines{"?s", "?new", "?c", "!r", "?(IF r, THEN c)"}));
  // A forward move that now repeats a statement is replayed without a question.
  Core.StepBack();
  Core.StepBack();
  Core.StatementMove(Issue("(IF r, THEN c)"));
  Core.StepForward();
  Core.StepForward();
  EXPECT_EQ(Line().ArgumentationMoves.Count(), 5);
  EXPECT_TRUE(Platform.Boxes.Shown.empty());
}

TEST_F(BackForwardTest, NothingToMoveStillRebuildsAndMarksTheLineChanged) {
  Core.NewLineOfArgumentation();
  Core.StepForward();
  EXPECT_TRUE(Line().Changed);
  Line().Changed = false;
  Core.StepBack();
  EXPECT_TRUE(Line().Changed);
  EXPECT_FALSE(Platform.BackEnabled);
  EXPECT_EQ(Line().FileName, "New.lin");
}

TEST_F(BackForwardTest, ForwardPassesOverLinesThatStartNoCompleteEntry) {
  State().ForwardLines = {"free", "STATEMENT", "  ?: t", "", "CONCLUSION", "  ?: d"};
  Core.StepForward();
  EXPECT_EQ(Statements().back(), "?t");
  EXPECT_EQ(State().ForwardLines, (TLines{"free", "", "CONCLUSION", "  ?: d"}));
  // The keyword alone keeps Forward enabled, though its entry is cut short.
  EXPECT_TRUE(Platform.ForwardEnabled);
  Core.StepForward();
  EXPECT_EQ(Line().ArgumentationMoves.Count(), 4);
  EXPECT_EQ(State().ForwardLines, (TLines{"free", "", "CONCLUSION", "  ?: d"}));
}

TEST_F(BackForwardTest, TheLineViewShowsTheMovesWithoutMarkerOrForwardLines) {
  Platform.ButtonDown = TViewButton::LineOfArgumentation;
  Core.StepBack();
  EXPECT_EQ(Platform.ViewLines, Transcript());
  EXPECT_EQ(Platform.ViewLines.size(), 8u);
}

}  // namespace
}  // namespace palaver::test
