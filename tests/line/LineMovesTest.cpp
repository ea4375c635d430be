#include <gtest/gtest.h>

#include "LineTestSupport.h"

namespace palaver::test {
namespace {

class LineMovesTest : public ::testing::Test {
 protected:
  TLines MoveLines(int Index) const { return Line.ArgumentationMoves[Index]->Move; }
  TStatementType TypeOf(const std::string& Sentence) const {
    PStatement Existing;
    EXPECT_FALSE(Line.CurrentStage->IsNewStatement(TStatement(Sentence, {}), Existing));
    return Existing ? Existing->StatementType : TStatementType::Issue;
  }

  TCleanState Clean;
  TLogCapture Log;
  TRecordingHost Host;
  TLineOfArgumentation Line{Host};
};

TEST_F(LineMovesTest, StatementMoveRecordsItsEntryAndChainsTheStages) {
  EXPECT_TRUE(Line.DoStatementMove(Issue("a")));
  EXPECT_TRUE(Line.DoStatementMove(Assumption("  b ")));
  ASSERT_EQ(Line.ArgumentationMoves.Count(), 2);
  ASSERT_EQ(Line.ArgumentationStages.Count(), 3);
  EXPECT_EQ(MoveLines(0), (TLines{"STATEMENT", "  ?: a", ""}));
  EXPECT_EQ(MoveLines(1), (TLines{"STATEMENT", "  !:   b ", ""}));
  for (int K = 0; K < 2; ++K) {
    EXPECT_EQ(Line.ArgumentationMoves[K]->PreStage, Line.ArgumentationStages[K]);
    EXPECT_EQ(Line.ArgumentationMoves[K]->PostStage, Line.ArgumentationStages[K + 1]);
  }
  EXPECT_EQ(Line.CurrentStage, Line.ArgumentationStages[2]);
  EXPECT_TRUE(Line.Changed);
  EXPECT_TRUE(Host.Boxes.Texts.empty());
}

TEST_F(LineMovesTest, RepeatedStatementOfTheSameTypeIsRefusedWithAWarning) {
  Line.DoStatementMove(Issue("a"));
  Line.Changed = false;
  EXPECT_FALSE(Line.DoStatementMove(Issue("a")));
  EXPECT_EQ(Line.ArgumentationMoves.Count(), 1);
  EXPECT_FALSE(Line.Changed);
  ASSERT_EQ(Host.Boxes.Kinds, (TLines{"Warning"}));
  EXPECT_EQ(Host.Boxes.Texts[0],
            "\r\nThe statement 'a' already exists. \r\nIt cannot be added again. ");
  EXPECT_EQ(Log.Texts(), (TLines{"Message: Re-adding statement"}));

  State().Language = TLanguage::Dutch;
  Line.DoStatementMove(Issue("a"));
  EXPECT_EQ(Host.Boxes.Texts[1],
            "\r\nDe bewering 'a' bestaat al. \r\nOpnieuw toevoegen kan niet. ");
}

TEST_F(LineMovesTest, OverrulingAStatementTypeAsksAndObeysTheAnswer) {
  Line.DoStatementMove(Issue("a"));
  Host.Boxes.Answers = {TAnswer::No, TAnswer::None, TAnswer::Yes};
  EXPECT_FALSE(Line.DoStatementMove(Assumption("a")));
  EXPECT_FALSE(Line.DoStatementMove(Assumption("a")));  // closing the box counts as No
  EXPECT_EQ(Line.ArgumentationMoves.Count(), 1);
  EXPECT_EQ(TypeOf("a"), TStatementType::Issue);
  EXPECT_TRUE(Line.DoStatementMove(Assumption("a")));
  EXPECT_EQ(MoveLines(1), (TLines{"STATEMENT", "  !: a", ""}));
  EXPECT_EQ(TypeOf("a"), TStatementType::Assumption);

  EXPECT_EQ(Host.Boxes.Kinds[0], "Confirmation");
  EXPECT_EQ(Host.Boxes.Texts[0],
            "\r\nThe statement 'a' already exists. \r\nIts type was different and will be "
            "overruled. \r\nDo you really want to add it again? ");
  EXPECT_EQ(Log.Texts(), (TLines{"Message: Statement type overruling; Answer: No",
                                 "Message: Statement type overruling; Answer: No",
                                 "Message: Statement type overruling; Answer: Yes"}));

  State().Language = TLanguage::Dutch;
  Host.Boxes.Answers = {TAnswer::No};
  Line.DoStatementMove(Issue("a"));
  EXPECT_EQ(Host.Boxes.Texts.back(),
            "\r\nDe bewering 'a' bestaat al. \r\nDe bewering had een ander type dat zal worden "
            "aangepast. \r\nWilt u de bewering opnieuw toevoegen? ");
}

TEST_F(LineMovesTest, ReasonConclusionMoveWritesConclusionFirstAndAsksOnlyAboutOtherTypes) {
  Line.DoStatementMove(Assumption("r"));
  Line.DoStatementMove(Issue("c"));
  // Both already there with the types of the move: no question.
  Line.DoReasonConclusionMove(Connection(Assumption("r"), Issue("c")));
  EXPECT_TRUE(Host.Boxes.Texts.empty());
  EXPECT_EQ(MoveLines(2), (TLines{"CONCLUSION", "  ?: c", "REASON", "  !: r", ""}));

  // Only the conclusion differs: the note starts at once with it.
  Host.Boxes.Answers = {TAnswer::No};
  Line.DoReasonConclusionMove(Connection(Assumption("r"), Assumption("c")));
  EXPECT_EQ(Host.Boxes.Texts[0],
            "The conclusion 'c' already exists. \r\nIts type was different and will be "
            "overruled. \r\nDo you really want to add the reason and the conclusion?");
  EXPECT_EQ(Line.ArgumentationMoves.Count(), 3);
  EXPECT_EQ(TypeOf("c"), TStatementType::Issue);

  State().Language = TLanguage::Dutch;
  Host.Boxes.Answers = {TAnswer::Yes};
  Line.DoReasonConclusionMove(Connection(Issue("r"), Assumption("c")));
  EXPECT_EQ(Host.Boxes.Texts[1],
            "De reden 'r' bestaat al. \r\nHet type was anders en zal worden aangepast\r\n"
            "De conclusie 'c' bestaat al. \r\nHet type was anders en zal worden aangepast\r\n"
            "Wilt u de reden en conclusie toevoegen?");
  EXPECT_EQ(MoveLines(3), (TLines{"CONCLUSION", "  !: c", "REASON", "  ?: r", ""}));
  EXPECT_EQ(TypeOf("r"), TStatementType::Issue);
  EXPECT_EQ(Log.Texts(), (TLines{"Message: Reason/conclusion type overruling; Answer: No",
                                 "Message: Reason/conclusion type overruling; Answer: Yes"}));
}

TEST_F(LineMovesTest, RefusedConnectionMoveAddsNoneOfItsStatements) {
  Line.DoStatementMove(Issue("c"));
  Host.Boxes.Answers = {TAnswer::No};
  Line.DoReasonConclusionMove(Connection(Issue("new reason"), Assumption("c")));
  EXPECT_EQ(Line.ArgumentationMoves.Count(), 1);
  EXPECT_EQ(Line.CurrentStage->Statements.Count(), 1);
  EXPECT_TRUE(Line.CurrentStage->ReasonConclusions.Empty());
}

TEST_F(LineMovesTest, ExceptionMoveNotesRunExceptionReasonConclusion) {
  Line.DoStatementMove(Issue("c"));
  Line.DoStatementMove(Issue("r"));
  Line.DoStatementMove(Issue("x"));
  Host.Boxes.Answers = {TAnswer::No, TAnswer::Yes};
  Line.DoExceptionMove(ExceptionConnection(Assumption("x"), Assumption("r"), Assumption("c")));
  EXPECT_EQ(Host.Boxes.Texts[0],
            "The exception 'x' already exists. \r\nIts type was different and will be "
            "overruled. \r\nThe reason 'r' already exists. \r\nIts type was different and will "
            "be overruled. \r\nThe conclusion 'c' already exists. \r\nIts type was different and "
            "will be overruled. \r\nDo you really want to add the exception, the reason and the "
            "conclusion?");
  EXPECT_EQ(Line.ArgumentationMoves.Count(), 3);

  State().Language = TLanguage::Dutch;
  Line.DoExceptionMove(ExceptionConnection(Assumption("x"), Issue("r"), Issue("c")));
  EXPECT_EQ(Host.Boxes.Texts[1],
            "De uitzondering 'x' bestaat al. \r\nHet type was anders en zal worden aangepast. "
            "\r\nWilt u de uitzondering, de reden en de conclusie invoeren?");
  EXPECT_EQ(MoveLines(3),
            (TLines{"EXCEPTION", "  !: x", "CONCLUSION", "  ?: c", "REASON", "  ?: r", ""}));
  EXPECT_EQ(Log.Texts(),
            (TLines{"Message: Exception/reason/conclusion type overruling; Answer: No",
                    "Message: Exception/reason/conclusion type overruling; Answer: Yes"}));
}

TEST_F(LineMovesTest, DuringReplayNothingIsAskedAndEveryMoveIsMade) {
  Line.DoStatementMove(Issue("a"));
  State().InteractiveMoves = false;
  EXPECT_TRUE(Line.DoStatementMove(Issue("a")));
  EXPECT_TRUE(Line.DoStatementMove(Assumption("a")));
  Line.DoReasonConclusionMove(Connection(Issue("a"), Issue("b")));
  Line.DoExceptionMove(ExceptionConnection(Assumption("b"), Assumption("a"), Issue("c")));
  EXPECT_EQ(Line.ArgumentationMoves.Count(), 5);
  EXPECT_TRUE(Host.Boxes.Texts.empty());
  EXPECT_TRUE(Log.Texts().empty());
  EXPECT_EQ(MoveLines(4),
            (TLines{"EXCEPTION", "  !: b", "CONCLUSION", "  ?: c", "REASON", "  !: a", ""}));
}

}  // namespace
}  // namespace palaver::test
