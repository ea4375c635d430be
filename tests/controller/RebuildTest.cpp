// Back, Forward and the deletions rebuild the line from its edited transcript. The stages of the
// moves the replay makes again are taken over from the line it replaces, and a replay evaluates
// only the stage it ends on: whatever the user can tell of the line must be what a replay of the
// same text into a new line gives, and a replay stopped at a limit must stop where making the
// moves one by one would.

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ControllerTestSupport.h"
#include "model/WarrantSentences.h"
#include "transcript/TranscriptInterpreter.h"

namespace palaver::test {
namespace {

const char* StatusText(TJustificationStatus S) {
  return S == TJustificationStatus::Justified     ? "J"
         : S == TJustificationStatus::Unjustified ? "U"
                                                  : "N";
}

void Tree(const TDialecticalArgument& D, std::string& Out) {
  Out += D.Conclusion->Id + StatusText(D.Status) + "{";
  for (int I = 0; I < D.Steps.Count(); ++I) {
    const TStep& T = *D.Steps[I];
    Out += T.Reason->Id + (T.WarrantUnjustified ? "!" : "") +
           (T.ConnectionKind == TConnectionKind::Defeating ? "d" : "");
    if (T.WarrantingDialecticalArgument) Tree(*T.WarrantingDialecticalArgument, Out += " W=");
    for (int J = 0; J < T.Undercutters.Count(); ++J) {
      Out += " X" + T.Undercutters[J]->Exception->Id +
             (T.Undercutters[J]->WarrantUnjustified ? "!" : "");
      if (T.Undercutters[J]->WarrantingDialecticalArgument)
        Tree(*T.Undercutters[J]->WarrantingDialecticalArgument, Out += " W=");
      Tree(*T.UndercuttingDialecticalArguments[J], Out += " E=");
    }
    Tree(*D.InitialDialecticalArguments[I], Out += " I=");
    Out += ";";
  }
  Out += "}";
}

// What the user can tell of a line: every stage with what it takes of the limits, its
// statements (numbers, types; statuses for the current one), connections (kinds, exceptions),
// dialectical arguments and maximal ones, and the transcript with the forward lines.
std::string Everything(const TLineOfArgumentation& Line) {
  std::string Out;
  for (int S = 0; S < Line.ArgumentationStages.Count(); ++S) {
    const TArgumentationStage& G = *Line.ArgumentationStages[S];
    // How much of the limits the stage takes.
    Out += "stage " + std::to_string(S) + " (" + std::to_string(G.CycleGroupArguments()) + "):";
    for (const PStatement& P : G.Statements) {
      Out += " " + P->Id + TypeMark(P->StatementType) + P->Sentence;
      if (&G == Line.CurrentStage.get()) Out += StatusText(P->JustificationStatus);
    }
    for (const PReasonConclusion& C : G.ReasonConclusions) {
      Out += " " + C->Reason->Id + ">" + C->Conclusion->Id +
             (C->ConnectionKind == TConnectionKind::Defeating ? "d" : "");
      for (const PStatement& X : C->Exceptions)
        Out += "x" + X->Id;
    }
    for (const PDialecticalArgument& D : G.DialecticalArguments)
      Tree(*D, Out += "\n  ");
    Out += "\n  maximal";
    for (const PDialecticalArgument& D : G.MaximalDialecticalArguments)
      Out += " " + std::to_string(G.DialecticalArguments.IndexOf(D.get()));
    Out += "\n";
  }
  for (const std::string& L : TranscriptFileLines(Line, State().ForwardLines))
    Out += "| " + L + "\n";
  return Out;
}

std::string Undercutter(const std::string& E, const std::string& R, const std::string& C) {
  return UndercutterWarrantSentence(E, R, C, TLanguage::English);
}

// Statements that reach each other through reasons and exceptions, warrants put forward (one
// recognised only in Dutch), a defeating connection from the hand-typed form and one after it.
TLines Argumentation() {
  return {"CONCLUSION",
          "  ?: b",
          "REASON",
          "  ?: a",
          "",
          "CONCLUSION",
          "  ?: a",
          "REASON",
          "  ?: b",
          "",
          "STATEMENT",
          "  !: (IF a, THEN b)",
          "",
          "EXCEPTION",
          "  ?: e",
          "CONCLUSION",
          "  ?: b",
          "REASON",
          "  ?: a",
          "",
          "STATEMENT",
          "  ?: " + Undercutter("e", "a", "b"),
          "",
          "CONCLUSION",
          "  ?: e",
          "REASON",
          "  !: a",
          "",
          "STATEMENT",
          "  ?: " + StepWarrantSentence("e", "a", TConnectionKind::Supporting, TLanguage::Dutch),
          "",
          "CONCLUSION",
          "  ?: a",
          "REASON",
          "  ?: e",
          "",
          "EXCEPTION",
          "  !: d",
          "CONCLUSION",
          "  ?: a",
          "REASON",
          "  ?: e",
          "",
          "IF",
          "d",
          "THEN",
          "IT IS DEFEATED THAT",
          "b",
          "STATEMENT",
          "  ?: f",
          ""};
}

class RebuildTest : public TranscriptTest {
 protected:
  RebuildTest() {
    Line().FileName = "/lines/a.lin";
    Replay(Argumentation());
  }

  // What the line shows now must be what a replay of its file into a new line shows.
  void ExpectAsReplayedAfresh() {
    const std::string Shown = Everything(Line());
    const TLines File = TranscriptFileLines(Line(), State().ForwardLines);
    Core.NewLineOfArgumentation();
    Replay(File);
    EXPECT_EQ(Shown, Everything(Line()));
  }
  // The current stage is the very stage the line before the rebuild had (which the test holds,
  // so that no new stage can take its place in memory).
  static bool TakenOver(const PArgumentationStage& Before) { return Line().CurrentStage == Before; }
  static PArgumentationStage StageAfter(int Moves) { return Line().ArgumentationStages[Moves]; }
};

TEST_F(RebuildTest, BackTakesOverTheStagesBeforeTheLastMoveAndShowsWhatAReplayShows) {
  const int Moves = Line().ArgumentationMoves.Count();
  ASSERT_EQ(Moves, 12);
  // The defeating connection of the eleventh move comes back supporting from its entry, as from
  // the file: that move is made again, the ten before it are taken over.
  const PArgumentationStage Ten = StageAfter(10);
  const PArgumentationStage Eleven = StageAfter(11);
  Core.StepBack();
  EXPECT_EQ(Line().ArgumentationMoves.Count(), Moves - 1);
  EXPECT_EQ(StageAfter(10), Ten);
  EXPECT_NE(StageAfter(11), Eleven);
  EXPECT_EQ(Line().CurrentStage->ReasonConclusions[4]->ConnectionKind, TConnectionKind::Supporting);
  EXPECT_TRUE(Line().Changed);
  EXPECT_TRUE(Platform.BackEnabled);
  EXPECT_TRUE(Platform.ForwardEnabled);
  ExpectAsReplayedAfresh();

  // Now every move but the last is taken over.
  const PArgumentationStage NowTen = StageAfter(10);
  Core.StepBack();
  EXPECT_TRUE(TakenOver(NowTen));
  ExpectAsReplayedAfresh();
}

TEST_F(RebuildTest, ForwardTakesOverTheWholeLineAndMakesOneMoveMore) {
  Core.StepBack();
  Core.StepBack();
  const int Moves = Line().ArgumentationMoves.Count();
  const PArgumentationStage Before = StageAfter(Moves);
  Core.StepForward();
  EXPECT_EQ(Line().ArgumentationMoves.Count(), Moves + 1);
  EXPECT_EQ(Line().ArgumentationStages[Moves], Before);
  // The defeating connection comes back supporting, as from the file.
  EXPECT_EQ(Line().CurrentStage->ReasonConclusions.Count(), 5);
  EXPECT_EQ(Line().CurrentStage->ReasonConclusions[4]->ConnectionKind, TConnectionKind::Supporting);
  ExpectAsReplayedAfresh();
}

TEST_F(RebuildTest, DeletionsTakeOverTheMovesBeforeTheFirstOneTheyChange) {
  Platform.Boxes.DefaultAnswer = TAnswer::Yes;
  const PArgumentationStage First = StageAfter(1);
  PStatement F;
  ASSERT_TRUE(Line().CurrentStage->SentenceIsStatementSentence("f", F));
  Core.RemoveStatement(*F);
  EXPECT_EQ(StageAfter(1), First);
  ExpectAsReplayedAfresh();

  Core.NewLineOfArgumentation();
  Replay(Argumentation());
  const PArgumentationStage Again = StageAfter(1);
  const PReasonConclusion Cycle = Line().CurrentStage->ReasonConclusions[1];
  Core.RemoveReasonConclusion(*Cycle);
  EXPECT_EQ(StageAfter(1), Again);
  ExpectAsReplayedAfresh();

  Core.NewLineOfArgumentation();
  Replay(Argumentation());
  const PReasonConclusion Undercut = Line().CurrentStage->ReasonConclusions[0];
  ASSERT_EQ(Undercut->Exceptions.Count(), 1);
  PReasonConclusion Named = NewReasonConclusion();
  Named->Reason = Undercut->Reason;
  Named->Conclusion = Undercut->Conclusion;
  Named->Exceptions.Add(Undercut->Exceptions[0]);
  Core.RemoveException(*Named);
  ExpectAsReplayedAfresh();
}

TEST_F(RebuildTest, BackAfterALanguageSwitchReplaysEveryMoveInTheNewLanguage) {
  const int Moves = Line().ArgumentationMoves.Count();
  const PArgumentationStage Before = StageAfter(Moves - 1);
  State().Language = TLanguage::Dutch;
  Core.StepBack();
  EXPECT_FALSE(TakenOver(Before));
  // In Dutch the Dutch warrant of e -> a counts, and the English ones do not.
  PStatement A;
  ASSERT_TRUE(Line().CurrentStage->SentenceIsStatementSentence("a", A));
  const TDialecticalArgument& OfA =
      *Line().CurrentStage->DialecticalArguments[Line().CurrentStage->Statements.IndexOf(A.get())];
  ASSERT_EQ(OfA.Steps.Count(), 2);
  EXPECT_TRUE(OfA.Steps[1]->WarrantingDialecticalArgument);
  ExpectAsReplayedAfresh();
}

// A move a replay makes counts as made as soon as it is within the limits, before its stage is
// worked out: the limit must stop the replay at the first move a move-by-move evaluation refuses,
// with the same kind of limit, wherever the limit lies.
class ReplayStopTest : public TranscriptTest {
 protected:
  // Four Issues, each a reason for each other one, and two that are reasons for each other
  // above them; then exceptions from outside the groups (which leave their structure as it was)
  // and one from inside the first, which makes it larger while the second stays as it was.
  static TLines Text() {
    TLines Lines;
    const auto Connect = [&Lines](const std::string& R, const std::string& C) {
      Lines.insert(Lines.end(), {"CONCLUSION", "  ?: " + C, "REASON", "  ?: " + R, ""});
    };
    for (int C = 1; C <= 4; ++C)
      for (int R = 1; R <= 4; ++R)
        if (R != C) Connect("s" + std::to_string(R), "s" + std::to_string(C));
    Connect("s1", "t1");
    Connect("t1", "t2");
    Connect("t2", "t1");
    for (int X = 1; X <= 3; ++X)
      Lines.insert(Lines.end(), {"EXCEPTION", "  ?: x" + std::to_string(X), "CONCLUSION",
                                 "  ?: s" + std::to_string(X), "REASON", "  ?: s4", ""});
    Lines.insert(Lines.end(),
                 {"EXCEPTION", "  ?: s3", "CONCLUSION", "  ?: s1", "REASON", "  ?: s2", ""});
    Lines.insert(Lines.end(), {"STATEMENT", "  ?: last", ""});
    return Lines;
  }
  struct TStop {
    int Made;
    std::optional<TEvaluationLimitReached::TKind> Kind;
    bool operator==(const TStop& O) const { return Made == O.Made && Kind == O.Kind; }
  };
  // The text's moves made one at a time in the window, each evaluated at once.
  TStop OneByOne(const TEvaluationLimits& Limits) {
    Core.NewLineOfArgumentation();
    Core.SetEvaluationLimits(Limits);
    struct TMoves final : TReplayMoves {
      explicit TMoves(TMainWindowCore& Core) : Core(Core) {}
      void StatementMove(const PStatement& S) override { Core.StatementMove(S); }
      void ReasonConclusionMove(const PReasonConclusion& C) override {
        Core.ReasonConclusionMove(C);
      }
      void ExceptionMove(const PReasonConclusion& C) override { Core.ExceptionMove(C); }
      bool Stopped() const override { return Line().LimitReached.has_value(); }
      TMainWindowCore& Core;
    } Moves(Core);
    ReplayTranscriptLines(Text(), TLanguage::English, Moves);
    TStop Stop{Line().ArgumentationMoves.Count(), std::nullopt};
    if (Line().LimitReached) Stop.Kind = Line().LimitReached->Kind;
    return Stop;
  }
  TStop Replayed(const TEvaluationLimits& Limits) {
    Core.NewLineOfArgumentation();
    Core.SetEvaluationLimits(Limits);
    Replay(Text());
    TStop Stop{Line().ArgumentationMoves.Count(), std::nullopt};
    // No stage that was made is past the limit.
    for (const PArgumentationStage& G : Line().ArgumentationStages)
      EXPECT_LE(G->CycleGroupArguments(), Limits.DialecticalArguments);
    if (Core.LastReplayStop) {
      EXPECT_EQ(Core.LastReplayStop->MovesMade, Stop.Made);
      Stop.Kind = Core.LastReplayStop->Limit.Kind;
    }
    return Stop;
  }
};

TEST_F(ReplayStopTest, AReplayStopsWhereMakingTheMovesOneByOneStops) {
  const int All = Replayed({}).Made;
  ASSERT_EQ(All, 20);
  // Exactly what the groups need before the exception from inside the first, and one less than
  // they need after it.
  const std::size_t Before = Line().ArgumentationStages[18]->CycleGroupArguments();
  const std::size_t After = Line().ArgumentationStages[19]->CycleGroupArguments();
  ASSERT_LT(Before, After);
  std::set<int> StoppedAt;
  for (std::size_t Arguments :
       {std::size_t{1}, std::size_t{30}, std::size_t{60}, std::size_t{100}, std::size_t{200},
        Before, After - 1, After, DialecticalArgumentLimit}) {
    for (std::size_t Comparisons :
         {std::size_t{1}, std::size_t{4}, std::size_t{20}, ComparisonLimit}) {
      const TEvaluationLimits Limits{Arguments, Comparisons};
      const TStop Expected = OneByOne(Limits);
      EXPECT_EQ(Replayed(Limits), Expected)
          << Arguments << " arguments, " << Comparisons << " comparisons: made " << Expected.Made;
      StoppedAt.insert(Expected.Made);
    }
  }
  // The limits stop the moves at many places: among the connections, at the exception from
  // inside the group, and not at all.
  EXPECT_GE(StoppedAt.size(), 5U);
  EXPECT_TRUE(StoppedAt.count(All));
  EXPECT_TRUE(StoppedAt.count(18));
}

// A rebuild takes over the stages before the first move it changes: what the later moves had
// put into cycle groups must not count against the limits of the moves made after it.
TEST_F(ReplayStopTest, ARebuildOnARebuiltLineStopsWhereAReplayOfItsTextStops) {
  const auto Statement = [](const std::string& S) { return TLines{"STATEMENT", "  " + S, ""}; };
  const auto Connect = [](const std::string& R, const std::string& C) {
    return TLines{"CONCLUSION", "  ?: " + C, "REASON", "  ?: " + R, ""};
  };
  // A group of three Issues, and an empty sentence that is a reason for itself.
  TLines Text;
  for (const TLines& Move :
       {Statement("!: S"), Statement("!: (IF c, THEN )"), Connect("c", ""), Statement("!: Rc"),
        Statement("!: gone"), Connect("i3", "i1"), Connect("", ""), Connect("i1", "i2"),
        Connect("i3", "i2"), Statement("!: N"), Connect("i1", "i3"), Connect("i2", "i3"),
        Statement("!: last")})
    Text.insert(Text.end(), Move.begin(), Move.end());
  const TEvaluationLimits Limits{64, 4096};
  Core.SetEvaluationLimits(Limits);
  Replay(Text);
  ASSERT_EQ(Line().ArgumentationMoves.Count(), 13);
  ASSERT_FALSE(Core.LastReplayStop);

  // Both deletions take over the first four moves; the second one's replay meets the group of
  // the first one's line, which it must not count any more.
  Platform.Boxes.DefaultAnswer = TAnswer::Yes;
  Core.RemoveStatement(TStatement("gone", TStatementType::Issue));
  ASSERT_EQ(Line().ArgumentationMoves.Count(), 12);
  TReasonConclusion Named;
  Named.Reason->Sentence = "i3";
  Named.Conclusion->Sentence = "i1";
  Core.RemoveReasonConclusion(Named);
  const std::string Shown = Everything(Line());
  const TLines File =
      TranscriptFileLines(Line(), State().ForwardLines, State().ForwardLinesAreRest);
  EXPECT_EQ(Line().ArgumentationMoves.Count(), 13);
  EXPECT_FALSE(Core.LastReplayStop);

  Core.NewLineOfArgumentation();
  Core.SetEvaluationLimits(Limits);
  Replay(File);
  EXPECT_EQ(Everything(Line()), Shown);
  EXPECT_EQ(TranscriptFileLines(Line(), State().ForwardLines, State().ForwardLinesAreRest), File);
}

}  // namespace
}  // namespace palaver::test
