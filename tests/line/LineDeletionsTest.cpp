#include <gtest/gtest.h>

#include "LineTestSupport.h"

namespace palaver::test {
namespace {

class LineDeletionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    State().LineOfArgumentation = std::make_shared<TLineOfArgumentation>(Host);
    // The line x blocks r -> c, and the separate statement s.
    Line().DoStatementMove(Issue("s"));
    Line().DoExceptionMove(ExceptionConnection(Issue("x"), Issue("r"), Issue("c")));
  }

  static TLineOfArgumentation& Line() { return *State().LineOfArgumentation; }

  // Calls a deletion the way the main window does: holding the line for the length of the call.
  template <class F>
  bool Delete(F Operation) {
    const PLineOfArgumentation Held = State().LineOfArgumentation;
    return Operation(*Held);
  }

  TCleanState Clean;
  TLogCapture Log;
  TRecordingHost Host;
};

TEST_F(LineDeletionsTest, ConfirmedDeletionLogsThenHandsOverAndTheLineMayBeReplaced) {
  const TLineOfArgumentation* Before = State().LineOfArgumentation.get();
  EXPECT_TRUE(Delete([](TLineOfArgumentation& L) { return L.DeleteStatement(*Issue("s")); }));
  EXPECT_EQ(Host.Boxes.Kinds, (TLines{"WarningYesNo"}));
  EXPECT_EQ(Host.Boxes.Texts[0],
            "Do you want to delete the statement 's' and all its occurrences?");
  EXPECT_EQ(Host.Deletions, (TLines{"statement s"}));
  // Both lines were written before the transcript deletion started.
  EXPECT_EQ(Log.Texts(), (TLines{"Message: Deletion; Answer: Yes", "Delete statement"}));
  EXPECT_EQ(Host.LogLinesAtDeletion, State().LogLines.size());
  EXPECT_NE(State().LineOfArgumentation.get(), Before);
}

TEST_F(LineDeletionsTest, NoAndClosingTheBoxLeaveEverythingAsItWas) {
  Host.Boxes.Answers = {TAnswer::No, TAnswer::None};
  EXPECT_FALSE(Line().DeleteStatement(*Issue("s")));
  EXPECT_FALSE(Line().DeleteReasonConclusion(*Connection(Issue("r"), Issue("c"))));
  EXPECT_TRUE(Host.Deletions.empty());
  EXPECT_EQ(Log.Texts(), (TLines{"Message: Deletion; Answer: No"}));
  EXPECT_EQ(Line().ArgumentationMoves.Count(), 2);
}

TEST_F(LineDeletionsTest, StatementMustExistExactly) {
  EXPECT_FALSE(Line().DeleteStatement(*Issue("S")));
  EXPECT_EQ(Host.Boxes.Kinds, (TLines{"Warning"}));
  EXPECT_EQ(Host.Boxes.Texts[0], "The statement 'S' has not yet been made and cannot be deleted.");
  State().Language = TLanguage::Dutch;
  EXPECT_FALSE(Line().DeleteStatement(*Issue("s ")));
  EXPECT_EQ(Host.Boxes.Texts[1],
            "De bewering 's ' is nog niet gedaan en kan niet verwijderd worden.");
  EXPECT_EQ(Log.Texts(), (TLines{"Message: Deletion of non-existing statement",
                                 "Message: Deletion of non-existing statement"}));
  EXPECT_TRUE(Host.Deletions.empty());
}

TEST_F(LineDeletionsTest, ConnectionTextsInBothLanguages) {
  EXPECT_FALSE(Line().DeleteReasonConclusion(*Connection(Issue("c"), Issue("r"))));
  EXPECT_EQ(Host.Boxes.Texts[0], "The statement 'c' is not yet a reason for the statement 'r'.");
  EXPECT_EQ(Log.Texts().back(), "Message: Deletion of non-existing reason/conclusion");
  State().Language = TLanguage::Dutch;
  Line().DeleteReasonConclusion(*Connection(Issue("c"), Issue("r")));
  EXPECT_EQ(Host.Boxes.Texts[1], "De bewering 'c' is nog geen reden voor de concluise 'r'.");

  Host.Boxes.Answers = {TAnswer::No};
  Line().DeleteReasonConclusion(*Connection(Issue("r"), Assumption("c")));
  EXPECT_EQ(Host.Boxes.Texts[2],
            "Wilt u de verbinding tussen de reden\r\nr'\r\nen de conclusie 'c' verwijderen?");
  State().Language = TLanguage::English;
  EXPECT_TRUE(Delete([](TLineOfArgumentation& L) {
    return L.DeleteReasonConclusion(*Connection(Issue("r"), Issue("c")));
  }));
  EXPECT_EQ(Host.Boxes.Texts[3],
            "Do you want to delete the connection\r\nbetween the reason 'r'\r\nand the conclusion "
            "'c'?");
  EXPECT_EQ(Host.Deletions, (TLines{"connection r -> c"}));
  EXPECT_EQ(Log.Texts().back(), "Delete reason/conclusion");
}

TEST_F(LineDeletionsTest, ExceptionMustBlockThatVeryConnection) {
  // The connection exists, but s was never an exception to it; and c -> r does not exist.
  EXPECT_FALSE(Line().DeleteException(*ExceptionConnection(Issue("s"), Issue("r"), Issue("c"))));
  EXPECT_FALSE(Line().DeleteException(*ExceptionConnection(Issue("x"), Issue("c"), Issue("r"))));
  EXPECT_EQ(Host.Boxes.Texts[0],
            "The statement 's'\r\nis not yet an exception blocking the connection\r\nbetween the "
            "reason 'r'\r\nand the conclusion c'.");
  EXPECT_EQ(Log.Texts(), (TLines{"Message: Deletion of non-existing undercutter",
                                 "Message: Deletion of non-existing undercutter"}));
  State().Language = TLanguage::Dutch;
  Line().DeleteException(*ExceptionConnection(Issue("s"), Issue("r"), Issue("c")));
  EXPECT_EQ(Host.Boxes.Texts[2],
            "De bewering 's'\r\nis nog geen uitzondering die de verbinding tussen de reden "
            "'r'\r\nen de conclusie c' blokkeert.");

  Host.Boxes.Answers = {TAnswer::No};
  Line().DeleteException(*ExceptionConnection(Assumption("x"), Issue("r"), Issue("c")));
  EXPECT_EQ(Host.Boxes.Texts[3],
            "Wilt u de uitzondering 'x'\r\ndie de verbinding tussen de reden 'r'\r\nen de "
            "conclusie c' blokkeert, verwijderen?");
  State().Language = TLanguage::English;
  EXPECT_TRUE(Delete([](TLineOfArgumentation& L) {
    return L.DeleteException(*ExceptionConnection(Issue("x"), Issue("r"), Issue("c")));
  }));
  EXPECT_EQ(Host.Boxes.Texts[4],
            "Do you want to delete the exception 'x'\r\nblocking the connection between the "
            "reason 'r'\r\nand the conclusion c'?");
  EXPECT_EQ(Host.Deletions, (TLines{"exception x"}));
  EXPECT_EQ(Log.Texts().back(), "Delete exception");
}

}  // namespace
}  // namespace palaver::test
