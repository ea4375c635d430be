#include <gtest/gtest.h>

#include "ControllerTestSupport.h"

namespace palaver::test {
namespace {

class InterpreterTest : public TranscriptTest {
 protected:
  InterpreterTest() { Platform.ButtonDown = TViewButton::LineOfArgumentation; }
};

TEST_F(InterpreterTest, EmptyTextGivesNothingAndRefreshesOnce) {
  Platform.ForwardEnabled = true;
  Replay({});
  EXPECT_EQ(Line().ArgumentationMoves.Count(), 0);
  EXPECT_TRUE(State().ForwardLines.empty());
  EXPECT_FALSE(Platform.ForwardEnabled);
  EXPECT_EQ(Platform.TranscriptViewShows, 1);
  EXPECT_TRUE(State().InteractiveMoves);
  EXPECT_TRUE(State().RefreshViews);
}

TEST_F(InterpreterTest, ForwardLinesStartAfterTheMarkerAndOneEmptyLine) {
  Replay({"CURRENT POSITION", "", "STATEMENT", "  ?: a", ""});
  EXPECT_EQ(Line().ArgumentationMoves.Count(), 0);
  EXPECT_EQ(State().ForwardLines, (TLines{"STATEMENT", "  ?: a", ""}));
  EXPECT_TRUE(Platform.ForwardEnabled);

  Replay({"CURRENT POSITION", "", "", "EXCEPTION"});
  EXPECT_EQ(State().ForwardLines, (TLines{"", "EXCEPTION"}));

  Replay({"CURRENT POSITION", ""});
  EXPECT_TRUE(State().ForwardLines.empty());

  Replay({"STATEMENT", "  ?: b", "CURRENT POSITION"});
  EXPECT_TRUE(State().ForwardLines.empty());
  EXPECT_FALSE(Platform.ForwardEnabled);
}

TEST_F(InterpreterTest, TextAfterTheMarkerIsNeverReplayedAndOnlyEntryKeywordsEnableForward) {
  Replay({"a", "CURRENT POSITION", "", "IF", "r", "THEN", "c", "free text", "STATEMENTS"});
  EXPECT_EQ(Statements(), (TLines{"!a"}));
  EXPECT_EQ(State().ForwardLines.size(), 6u);
  EXPECT_FALSE(Platform.ForwardEnabled);
}

TEST_F(InterpreterTest, RepeatedStatementsAreReplayedWithoutQuestions) {
  Replay({"STATEMENT", "  ?: a", "", "STATEMENT", "  ?: a", "", "STATEMENT", "  !: a", ""});
  EXPECT_EQ(Line().ArgumentationMoves.Count(), 3);
  EXPECT_EQ(Statements(), (TLines{"!a"}));
  EXPECT_TRUE(Platform.Boxes.Shown.empty());
  EXPECT_TRUE(Log.Texts().empty());
}

TEST_F(InterpreterTest, IfFormsBuildWarrantsAndConnectionsFromTrimmedSentences) {
  Replay({"IF", " \tr1 ", "THEN", "c1 ", "",                // supporting
          "IF", "r2", "THEN", "IT IS DEFEATED THAT", "c2",  // defeating
          "IF", "r3", "THEN", "c3", "UNLESS", "  x3"});     // exception, no warrant
  EXPECT_EQ(Statements(),
            (TLines{"!(IF r1, THEN c1)", "?c1", "?r1", "!(IF r2, THEN IT IS DEFEATED THAT c2)",
                    "?c2", "?r2", "?x3", "?c3", "?r3"}));
  const auto& Connections = Line().CurrentStage->ReasonConclusions;
  ASSERT_EQ(Connections.Count(), 3);
  EXPECT_EQ(Connections[1]->ConnectionKind, TConnectionKind::Defeating);
  EXPECT_EQ(Connections[2]->Exceptions[0]->Sentence, "x3");
  // The defeating kind is not written down, so it does not survive the transcript.
  const TLines Written = Transcript();
  Core.NewLineOfArgumentation();
  Replay(Written);
  EXPECT_EQ(Line().CurrentStage->ReasonConclusions[1]->ConnectionKind, TConnectionKind::Supporting);
  EXPECT_EQ(Statements()[3], "!(IF r2, THEN IT IS DEFEATED THAT c2)");
}

TEST_F(InterpreterTest, DutchIfFormsUseDutchWarrants) {
  State().Language = TLanguage::Dutch;
  Replay({"IF", "r", "THEN", "c"});
  EXPECT_EQ(Statements()[0], "!(ALS r, DAN c)");
}

TEST_F(InterpreterTest, IncompleteEntriesPassOverTheirFirstLineOnly) {
  Replay({"IF", "r", "CONCLUSION", "STEP WARRANT", "anything", "UNDERCUTTER WARRANT", "skipped",
          "EXCEPTION", "  ?: x", "CONCLUSION", "  ?: c", "STATEMENT", "  ?: s"});
  // "IF" without "THEN", "CONCLUSION" without "REASON", "EXCEPTION" whose "REASON" is missing;
  // a warrant keyword takes the line after it along.
  EXPECT_EQ(Statements(), (TLines{"!r", "!?: x", "!?: c", "?s"}));
}

TEST_F(InterpreterTest, EntriesCutShortByTheEndOfTheTextAreIncomplete) {
  const TLines Cut[] = {{"STATEMENT"},
                        {"CONCLUSION", "  ?: c", "REASON"},
                        {"EXCEPTION", "  ?: x", "CONCLUSION", "  ?: c", "REASON"},
                        {"IF", "r", "THEN"},
                        {"IF", "r", "THEN", "IT IS DEFEATED THAT"},
                        {"IF", "r", "THEN", "c", "UNLESS"},
                        {"STEP WARRANT"}};
  const TLines Expected[] = {{},
                             {"!?: c", "!REASON"},
                             {"!?: x", "!?: c", "!REASON"},
                             {"!r", "!THEN"},
                             {"!r", "!THEN", "!IT IS DEFEATED THAT"},
                             {"!r", "!THEN", "!c", "!UNLESS"},
                             {}};
  for (std::size_t K = 0; K < std::size(Cut); ++K) {
    Core.NewLineOfArgumentation();
    Replay(Cut[K]);
    EXPECT_EQ(Statements(), Expected[K]) << "case " << K;
    EXPECT_TRUE(State().InteractiveMoves && State().RefreshViews);
  }
}

TEST_F(InterpreterTest, ProgressGrowsByADotPerEntryStartingAtATenthLine) {
  Platform.ButtonDown = TViewButton::Arguments;
  Platform.DiagramShows = 0;
  TLines Text;
  for (int K = 0; K < 25; ++K)
    Text.push_back("s" + std::to_string(K));
  Replay(Text);
  EXPECT_EQ(Platform.ViewLines, (TLines{"Interpreting file", "...."}));
  // A STATEMENT entry over line 10 skips its dot.
  Replay({"a", "b", "c", "d", "e", "f", "g", "h", "i", "STATEMENT", "  ?: j", "k"});
  EXPECT_EQ(Platform.ViewLines, (TLines{"Interpreting file", ".."}));
  EXPECT_EQ(Platform.DiagramShows, 2);
}

}  // namespace
}  // namespace palaver::test
