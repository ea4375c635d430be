#include <gtest/gtest.h>

#include "ControllerTestSupport.h"
#include "model/WarrantSentences.h"

namespace palaver::test {
namespace {

using TranscriptFormatTest = TranscriptTest;

TEST_F(TranscriptFormatTest, EveryEntryKindComesBackFromItsFile) {
  Platform.SaveDialogAnswers = {PathOf("all.lin")};
  Platform.OpenDialogAnswers = {PathOf("all.lin")};
  Core.StatementMove(Issue("  leading and trailing  "));
  Core.StatementMove(Assumption("plain"));
  Core.ReasonConclusionMove(Connection(Assumption(" r"), Issue("c ")));
  Core.StatementMove(
      Issue(StepWarrantSentence(" r", "c ", TConnectionKind::Supporting, TLanguage::English)));
  Core.ExceptionMove(ExceptionConnection(Assumption("x"), Issue("r2"), Assumption("plain")));
  Core.StatementMove(Assumption(UndercutterWarrantSentence("x", "r2", "plain", TLanguage::Dutch)));
  Core.StatementMove(
      Issue(StepWarrantSentence("a", "b", TConnectionKind::Defeating, TLanguage::Dutch)));
  const TLines Written = Transcript();
  const TLines Stated = Statements();
  Core.SaveLineOfArgumentationAs();
  Core.NewLineOfArgumentation();
  Core.Open1Click();

  EXPECT_EQ(Transcript(), Written);
  EXPECT_EQ(Statements(), Stated);
  EXPECT_EQ(Line().CurrentStage->ReasonConclusions.Count(), 2);
  EXPECT_EQ(Line().CurrentStage->ReasonConclusions[1]->Exceptions[0]->Sentence, "x");
  EXPECT_EQ(Written[0], "STATEMENT");
  EXPECT_EQ(Written[1], "  ?:   leading and trailing  ");
}

TEST_F(TranscriptFormatTest, WorkedExampleIsWrittenByteForByte) {
  Platform.SaveDialogAnswers = {PathOf("example.lin")};
  Core.StatementMove(Issue("<statement>"));
  Core.ReasonConclusionMove(Connection(Assumption("<reason>"), Issue("<conclusion>")));
  Core.StatementMove(Issue(StepWarrantSentence("<reason>", "<conclusion>",
                                               TConnectionKind::Supporting, TLanguage::English)));
  Core.StepBack();
  Core.SaveLineOfArgumentation();  // a never-saved line: Save turns into Save As
  EXPECT_EQ(ReadBytes(PathOf("example.lin")), ReadBytes(DataFile("transcript-worked-example.lin")));
}

TEST_F(TranscriptFormatTest, WorkedExampleOpensWithItsForwardMove) {
  Platform.OpenDialogAnswers = {DataFile("transcript-worked-example.lin")};
  Core.Open1Click();
  EXPECT_EQ(Line().ArgumentationMoves.Count(), 2);
  EXPECT_EQ(Statements(), (TLines{"?<statement>", "?<conclusion>", "!<reason>"}));
  EXPECT_EQ(State().ForwardLines,
            (TLines{"STATEMENT", "  ?: (IF <reason>, THEN <conclusion>)", ""}));
  EXPECT_TRUE(Platform.ForwardEnabled);
  EXPECT_TRUE(Platform.BackEnabled);
  EXPECT_FALSE(Line().Changed);
  EXPECT_EQ(Platform.Title, "Palaver - transcript-worked-example.lin");
}

TEST_F(TranscriptFormatTest, StatementLinesTakeTheirTypeFromTheThirdCharacterAlone) {
  Replay({"STATEMENT", "xx!: is assumption",  // any first two characters
          "STATEMENT", "  #: default issue",  // unknown mark: the default of the place
          "STATEMENT", "  !",                 // too short for a sentence
          "CONCLUSION", "ab#: conclusion", "REASON", "ab#: reason", "EXCEPTION", "ab#: exception",
          "CONCLUSION", "  ?: c2", "REASON", "  !: r2"});
  EXPECT_EQ(Statements(), (TLines{"!is assumption", "?default issue", "!", "!conclusion", "?reason",
                                  "?exception", "?c2", "!r2"}));
}

TEST_F(TranscriptFormatTest, KeywordsAreWholeLinesCompared) {
  Replay({"STATEMENT ", "Statement", " CONCLUSION"});
  EXPECT_EQ(Statements(), (TLines{"!STATEMENT", "!Statement", "!CONCLUSION"}));
}

TEST_F(TranscriptFormatTest, ConclusionWithoutReasonPassesOverOnlyItsFirstLine) {
  Replay({"CONCLUSION", "  ?: c", "STATEMENT", "  ?: s"});
  EXPECT_EQ(Statements(), (TLines{"!?: c", "?s"}));
}

TEST_F(TranscriptFormatTest, FileNamePartIsTheTextAfterTheLastSlash) {
  EXPECT_EQ(FileNamePart("/home/u/lines/a.lin"), "a.lin");
  EXPECT_EQ(FileNamePart("New.lin"), "New.lin");
  EXPECT_EQ(FileNamePart("/dir/"), "");
}

}  // namespace
}  // namespace palaver::test
