#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ControllerTestSupport.h"
#include "line/LineTexts.h"
#include "model/EvaluationLimit.h"

namespace palaver::test {
namespace {

// Four Issues, each a reason for each other one: twelve connections whose dialectical
// arguments grow with every one of them. With the limit lowered to what the first few need,
// the later ones pass it.
TLines FullyConnected(int K) {
  TLines Lines;
  for (int C = 1; C <= K; ++C)
    for (int R = 1; R <= K; ++R)
      if (R != C)
        Lines.insert(Lines.end(), {"CONCLUSION", "  ?: s" + std::to_string(C), "REASON",
                                   "  ?: s" + std::to_string(R), ""});
  return Lines;
}

class EvaluationLimitTest : public TranscriptTest {
 protected:
  EvaluationLimitTest() { LimitArguments(200); }

  // The window's lines, the current one included, may hold this many dialectical arguments.
  void LimitArguments(std::size_t Arguments) {
    TEvaluationLimits Limits;
    Limits.DialecticalArguments = Arguments;
    Core.SetEvaluationLimits(Limits);
  }

  int Warnings() const {
    int Count = 0;
    for (const auto& Box : Platform.Boxes.Shown)
      Count += Box.Kind == TScriptedMessageBoxes::TKind::Warning;
    return Count;
  }
  static std::vector<TJustificationStatus> Statuses() {
    std::vector<TJustificationStatus> Result;
    for (const PStatement& S : Line().CurrentStage->Statements)
      Result.push_back(S->JustificationStatus);
    return Result;
  }
  // Makes the connections of FullyConnected(K) one by one until one is refused; returns how
  // many were made.
  int ConnectUntilRefused(int K) {
    int Made = 0;
    for (int C = 1; C <= K; ++C)
      for (int R = 1; R <= K; ++R) {
        if (R == C) continue;
        const int Before = Line().ArgumentationMoves.Count();
        Core.ReasonConclusionMove(Connection("s" + std::to_string(R), "s" + std::to_string(C)));
        if (Line().ArgumentationMoves.Count() == Before) return Made;
        ++Made;
      }
    return Made;
  }
  static PReasonConclusion Connection(const std::string& Reason, const std::string& Conclusion) {
    return test::Connection(Issue(Reason), Issue(Conclusion));
  }
  // A move that fits, so that the next move carries the line's history on again, and then a
  // limit that nothing on the cycles fits into any more.
  void MoveThenTighten(const std::string& Sentence) {
    LimitArguments(200);
    Core.StatementMove(Assumption(Sentence));
    LimitArguments(1);
  }
};

TEST_F(EvaluationLimitTest, AMovePastTheLimitIsRefusedWithAMessageAndLeavesTheLineAsItWas) {
  const int Made = ConnectUntilRefused(4);
  ASSERT_GT(Made, 2);
  ASSERT_LT(Made, 12);
  ASSERT_TRUE(Line().LimitReached);
  EXPECT_EQ(Line().LimitReached->Kind, TEvaluationLimitReached::TKind::DialecticalArguments);

  // The user was told once, in English, and the message logged like the program's others.
  ASSERT_EQ(Warnings(), 1);
  EXPECT_EQ(Platform.Boxes.Shown.back().Text,
            "\r\nThe move was not made: the statements on cycles of reasons would together have "
            "more than 200 dialectical arguments, more than Palaver can evaluate. \r\nThe line of "
            "argumentation is as it was. ");
  EXPECT_EQ(Log.Texts().back(), "Message: Evaluation limit; Answer: OK");

  // Nothing of the refused move is in the line, and what is there is still exact.
  EXPECT_EQ(Line().ArgumentationMoves.Count(), Made);
  EXPECT_EQ(Line().CurrentStage->ReasonConclusions.Count(), Made);
  EXPECT_EQ(Line().CurrentStage->Statements.Count(), 4);
  EXPECT_TRUE(Platform.BackEnabled);
  EXPECT_FALSE(Platform.ForwardEnabled);
  const std::vector<TJustificationStatus> Before = Statuses();

  // The next move that fits is made as usual.
  Core.StatementMove(Assumption("unrelated"));
  EXPECT_EQ(Line().ArgumentationMoves.Count(), Made + 1);
  EXPECT_FALSE(Line().LimitReached);
  std::vector<TJustificationStatus> After = Statuses();
  After.pop_back();
  EXPECT_EQ(After, Before);
}

TEST_F(EvaluationLimitTest, TheMessageSpeaksDutchInDutch) {
  State().Language = TLanguage::Dutch;
  ConnectUntilRefused(4);
  ASSERT_EQ(Warnings(), 1);
  EXPECT_EQ(Platform.Boxes.Shown.back().Text,
            "\r\nDe zet is niet gedaan: de beweringen op cirkels van redenen zouden samen meer "
            "dan 200 dialectische argumenten hebben, meer dan Palaver kan evalueren. \r\nHet "
            "betoog is gebleven zoals het was. ");
  EXPECT_EQ(Log.Texts().back(), "Message: Evaluation limit; Answer: OK");
}

TEST_F(EvaluationLimitTest, ARefusedMovePutsBackTheTypesAndExceptionsItChanged) {
  ConnectUntilRefused(4);
  // Overruling the type of a statement on the cycles rebuilds all of them: refused, and the
  // type the user agreed to change is back.
  MoveThenTighten("one");
  const int Made = Line().ArgumentationMoves.Count();
  Platform.Boxes.Answers = {TAnswer::Yes};
  PStatement S1;
  ASSERT_TRUE(Line().CurrentStage->SentenceIsStatementSentence("s1", S1));
  Core.StatementMove(Assumption("s1"));
  EXPECT_EQ(S1->StatementType, TStatementType::Issue);
  EXPECT_EQ(Line().ArgumentationMoves.Count(), Made);

  // An exception added to a connection that older stages share is taken off again.
  MoveThenTighten("two");
  const PReasonConclusion First = Line().CurrentStage->ReasonConclusions[0];
  PReasonConclusion C = Connection(First->Reason->Sentence, First->Conclusion->Sentence);
  C->Exceptions.Add(Issue("s3"));
  Core.ExceptionMove(C);
  EXPECT_EQ(First->Exceptions.Count(), 0);
  EXPECT_EQ(Line().ArgumentationMoves.Count(), Made + 1);
  EXPECT_EQ(Warnings(), 3);
}

class ReplayLimitTest : public EvaluationLimitTest {
 protected:
  // The fully connected transcript as a saved file, with two forward moves after the marker.
  std::string File() {
    TLines Lines = FullyConnected(4);
    Lines.insert(Lines.end(), {"CURRENT POSITION", "", "STATEMENT", "  !: later", "", "STATEMENT",
                               "  ?: last", ""});
    std::string Bytes;
    for (const std::string& L : Lines)
      Bytes += L + "\r\n";
    std::string Path = PathOf("full.lin");
    WriteBytes(Path, Bytes);
    return Path;
  }
  void Open(const std::string& Path) {
    Platform.OpenDialogAnswers.emplace_back(Path);
    Core.Open1Click();
  }
};

TEST_F(ReplayLimitTest, OpenStopsAtTheMoveAndKeepsTheRestSoSaveWritesTheSameBytes) {
  const std::string Path = File();
  Open(Path);
  ASSERT_TRUE(Core.LastReplayStop);
  const int Made = Line().ArgumentationMoves.Count();
  EXPECT_EQ(Core.LastReplayStop->MovesMade, Made);
  ASSERT_GT(Made, 2);
  ASSERT_LT(Made, 12);

  // The rest of the file, from the refused move's entry to its end, waits as it stands.
  const TLines All = FullyConnected(4);
  TLines Rest(All.begin() + 5 * static_cast<std::ptrdiff_t>(Made), All.end());
  Rest.insert(Rest.end(), {"CURRENT POSITION", "", "STATEMENT", "  !: later", "", "STATEMENT",
                           "  ?: last", ""});
  EXPECT_EQ(State().ForwardLines, Rest);
  EXPECT_TRUE(State().ForwardLinesAreRest);
  EXPECT_TRUE(Platform.ForwardEnabled);
  EXPECT_FALSE(Line().Changed);

  // Told once, after the replay.
  ASSERT_EQ(Warnings(), 1);
  EXPECT_EQ(Platform.Boxes.Shown.back().Text,
            "\r\nThe first " + std::to_string(Made) +
                " moves were made. The next move was not made: the statements on cycles of "
                "reasons would together have more than 200 dialectical arguments, more than "
                "Palaver can evaluate. \r\nThat move and everything after it are kept as the "
                "forward moves; Save writes them back as they were. ");
  EXPECT_EQ(Log.Texts().back(), "Message: Evaluation limit; Answer: OK");

  Platform.SaveDialogAnswers.emplace_back(PathOf("copy.lin"));
  Core.SaveAs1Click();
  EXPECT_EQ(ReadBytes(PathOf("copy.lin")), ReadBytes(Path));
}

TEST_F(ReplayLimitTest, ForwardOnTheRestStopsAgainAndBackGivesOrdinaryForwardLines) {
  Open(File());
  const int Made = Line().ArgumentationMoves.Count();
  const TLines Rest = State().ForwardLines;

  // The refused move is still past the limit: the same rest, told again.
  Core.StepForward();
  EXPECT_EQ(Line().ArgumentationMoves.Count(), Made);
  EXPECT_EQ(State().ForwardLines, Rest);
  EXPECT_TRUE(State().ForwardLinesAreRest);
  EXPECT_EQ(Warnings(), 2);

  // Back puts the last move made in front of the rest, behind a marker of its own.
  Core.StepBack();
  EXPECT_EQ(Line().ArgumentationMoves.Count(), Made - 1);
  EXPECT_FALSE(State().ForwardLinesAreRest);
  const TLines Saved = TranscriptFileLines(Line(), State().ForwardLines);
  const TLines All = FullyConnected(4);
  for (const std::string& Entry : All)
    EXPECT_NE(std::find(Saved.begin(), Saved.end(), Entry), Saved.end()) << Entry;
  EXPECT_EQ(std::count(Saved.begin(), Saved.end(), "CURRENT POSITION"), 2);
}

TEST_F(ReplayLimitTest, ForwardOnTheRestGoesOnToTheFilesOwnMarkerOnceTheMoveFits) {
  Open(File());
  Core.SetEvaluationLimits({});
  Core.StepForward();
  EXPECT_FALSE(Core.LastReplayStop);
  EXPECT_EQ(Line().ArgumentationMoves.Count(), 12);
  EXPECT_EQ(State().ForwardLines,
            (TLines{"STATEMENT", "  !: later", "", "STATEMENT", "  ?: last", ""}));
  EXPECT_FALSE(State().ForwardLinesAreRest);
  EXPECT_TRUE(Line().Changed);
}

TEST_F(ReplayLimitTest, AppendKeepsTheFilesUnmadeMovesBeforeTheCurrentForwardLines) {
  Core.StatementMove(Issue("first"));
  State().ForwardLines = {"STATEMENT", "  ?: kept", ""};
  Platform.OpenDialogAnswers.emplace_back(File());
  Core.Append1Click();
  ASSERT_TRUE(Core.LastReplayStop);
  const int Made = Line().ArgumentationMoves.Count() - 1;
  const TLines All = FullyConnected(4);
  TLines Expected(All.begin() + 5 * static_cast<std::ptrdiff_t>(Made), All.end());
  Expected.insert(Expected.end(), {"STATEMENT", "  ?: kept", ""});
  EXPECT_EQ(State().ForwardLines, Expected);
  EXPECT_FALSE(State().ForwardLinesAreRest);
  EXPECT_EQ(Warnings(), 1);
}

}  // namespace
}  // namespace palaver::test
