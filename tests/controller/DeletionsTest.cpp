#include <gtest/gtest.h>

#include "ControllerTestSupport.h"

namespace palaver::test {
namespace {

class DeletionsTest : public TranscriptTest {
 protected:
  // A line replayed from Text, named, with forward lines that a deletion must drop.
  void Start(const TLines& Text) {
    Line().FileName = "/lines/d.lin";
    Replay(Text);
    State().ForwardLines = {"STATEMENT", "  ?: later", ""};
    Platform.ForwardEnabled = true;
    Line().Changed = false;
  }
  void ExpectRebuiltAfterYes(const char* ActionText) {
    EXPECT_TRUE(Line().Changed);
    EXPECT_EQ(Line().FileName, "/lines/d.lin");
    EXPECT_TRUE(State().ForwardLines.empty());
    EXPECT_FALSE(Platform.ForwardEnabled);
    EXPECT_EQ(Log.Texts(), (TLines{"Message: Deletion; Answer: Yes", ActionText}));
  }
};

TEST_F(DeletionsTest, StatementIsTakenOutOfEveryKindOfEntryInOnePass) {
  Start({"STATEMENT",  "  ?: s",  "",                           //
         "CONCLUSION", "  ?: s",  "REASON",     "  ?: r1", "",  // conclusion
         "CONCLUSION", "  ?: c2", "REASON",     "  ?: s",  "",  // reason
         "EXCEPTION",  "  ?: s",  "CONCLUSION", "  ?: c3", "REASON", "  ?: r3", "",
         "EXCEPTION",  "  ?: x4", "CONCLUSION", "  ?: s",  "REASON", "  ?: r4", "",
         "EXCEPTION",  "  ?: x5", "CONCLUSION", "  ?: c5", "REASON", "  ?: s",  ""});
  EXPECT_TRUE(Core.RemoveStatement(*Issue("s")));
  EXPECT_EQ(Transcript(),
            (TLines{"STATEMENT",  "  ?: r1", "",          "STATEMENT", "  ?: c2", "",
                    "CONCLUSION", "  ?: c3", "REASON",    "  ?: r3",   "",        "STATEMENT",
                    "  ?: x4",    "",        "STATEMENT", "  ?: r4",   "",        "STATEMENT",
                    "  ?: x5",    "",        "STATEMENT", "  ?: c5",   ""}));
  ExpectRebuiltAfterYes("Delete statement");
}

TEST_F(DeletionsTest, ConnectionLosesItsWarrantInTheCurrentLanguageOnly) {
  Start({"CONCLUSION", "  ?: c",
         "REASON",     "  !: r",
         "",  //
         "STATEMENT",  "  !: (IF r, THEN c)",
         "",  //
         "STATEMENT",  "  !: (ALS r, DAN c)",
         "",  //
         "EXCEPTION",  "  ?: x",
         "CONCLUSION", "  ?: c",
         "REASON",     "  !: r",
         "",           "CONCLUSION",
         "  ?: c",     "REASON",
         "  ?: other", ""});
  EXPECT_TRUE(Core.RemoveReasonConclusion(*Connection(Issue("r"), Issue("c"))));
  EXPECT_EQ(Transcript(), (TLines{"STATEMENT",  "  ?: c",
                                  "",           "STATEMENT",
                                  "  !: r",     "",  //
                                  "STATEMENT",  "  !: (ALS r, DAN c)",
                                  "",  //
                                  "STATEMENT",  "  ?: x",
                                  "",           "STATEMENT",
                                  "  ?: c",     "",
                                  "STATEMENT",  "  !: r",
                                  "",           "CONCLUSION",
                                  "  ?: c",     "REASON",
                                  "  ?: other", ""}));
  ASSERT_EQ(Line().CurrentStage->ReasonConclusions.Count(), 1);
  EXPECT_EQ(Line().CurrentStage->ReasonConclusions[0]->Reason->Sentence, "other");
  ExpectRebuiltAfterYes("Delete reason/conclusion");
}

TEST_F(DeletionsTest, ExceptionBecomesAStatementBeforeItsConnection) {
  Start({"EXCEPTION", "  ?: x", "CONCLUSION", "  ?: c", "REASON", "  ?: r", "", "STATEMENT",
         "  !: (THE STATEMENT THAT x, IS AN EXCEPTION TO THE RULE THAT, IF r, THEN c)", "",
         "EXCEPTION", "  ?: y", "CONCLUSION", "  ?: c", "REASON", "  ?: r", ""});
  EXPECT_TRUE(Core.RemoveException(*ExceptionConnection(Issue("x"), Issue("r"), Issue("c"))));
  EXPECT_EQ(Transcript(),
            (TLines{"STATEMENT", "  ?: x", "", "CONCLUSION", "  ?: c", "REASON", "  ?: r", "",
                    "EXCEPTION", "  ?: y", "CONCLUSION", "  ?: c", "REASON", "  ?: r", ""}));
  const auto& Exceptions = Line().CurrentStage->ReasonConclusions[0]->Exceptions;
  ASSERT_EQ(Exceptions.Count(), 1);
  EXPECT_EQ(Exceptions[0]->Sentence, "y");
  ExpectRebuiltAfterYes("Delete exception");
}

TEST_F(DeletionsTest, ARefusedDeletionChangesNothingButTheViewIsRefreshed) {
  Start({"STATEMENT", "  ?: s", ""});
  Platform.ButtonDown = TViewButton::LineOfArgumentation;
  Platform.Boxes.Answers = {TAnswer::No};
  const TLineOfArgumentation* Before = &Line();
  EXPECT_FALSE(Core.RemoveStatement(*Issue("s")));
  EXPECT_EQ(&Line(), Before);
  EXPECT_FALSE(Line().Changed);
  EXPECT_EQ(State().ForwardLines.size(), 3u);
  EXPECT_EQ(Platform.TranscriptViewShows, 1);
}

}  // namespace
}  // namespace palaver::test
