#include <gtest/gtest.h>

#include "ControllerTestSupport.h"

namespace palaver::test {
namespace {

using ViewCommandsTest = TranscriptTest;

TEST_F(ViewCommandsTest, EachViewCommandLogsThenShowsItsView) {
  Core.StatementMove(Issue("a"));
  Core.ViewStatements2SpeedButtonClick();
  EXPECT_EQ(Platform.VisibleView, TViewButton::Statements);
  Core.Arguments1Click();
  EXPECT_EQ(Platform.VisibleView, TViewButton::Arguments);
  Core.ViewLineOfArgumentationSpeedButtonClick();
  EXPECT_EQ(Platform.ViewLines, (TLines{"STATEMENT", "  ?: a", ""}));
  EXPECT_EQ(Platform.VisibleView, TViewButton::LineOfArgumentation);
  Core.Statements1Click();
  Core.ViewDialArgsSpeedButtonClick();
  Core.Lineofargumentation1Click();
  EXPECT_EQ(Log.Texts(), (TLines{"View statements (button)", "View arguments (menu)",
                                 "View line of arg. (button)", "View statements (menu)",
                                 "View arguments (button)", "View line of arg. (menu)"}));
}

TEST_F(ViewCommandsTest, RefreshRedrawsTheViewWhoseButtonIsDown) {
  Platform.DiagramShows = 0;
  Core.ShowStructureOnlyClick();
  EXPECT_TRUE(Platform.StructureOnly);
  EXPECT_EQ(Platform.DiagramShows, 1);
  Platform.ButtonDown = TViewButton::Statements;
  Core.ShowStructureOnlyClick();
  EXPECT_FALSE(Platform.StructureOnly);
  EXPECT_EQ(Platform.StatementsDiagramShows, 1);
  EXPECT_EQ(Log.Texts(),
            (TLines{"Options show structure only (menu)", "Options show structure only (menu)"}));
  Platform.ButtonDown = TViewButton::None;
  Core.StatementMove(Issue("a"));
  EXPECT_EQ(Platform.DiagramShows + Platform.StatementsDiagramShows, 2);
}

TEST_F(ViewCommandsTest, BackIsEnabledAfterARefusedMoveWhenTheLineHasMoves) {
  Core.StatementMove(Issue("a"));
  Platform.BackEnabled = false;
  EXPECT_FALSE(Core.StatementMove(Issue("a")));
  EXPECT_TRUE(Platform.BackEnabled);
}

}  // namespace
}  // namespace palaver::test
