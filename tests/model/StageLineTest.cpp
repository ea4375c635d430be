#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StageBuilder.h"

namespace palaver {
namespace {

using test::Justified;
using test::Shapes;
using test::TStageBuilder;
using test::Unjustified;

// Every statement carries the status its dialectical argument has in the given stage.
void ExpectStatusesOf(const TArgumentationStage& G) {
  ASSERT_EQ(G.DialecticalArguments.Count(), G.Statements.Count());
  for (int I = 0; I < G.Statements.Count(); ++I) {
    EXPECT_EQ(G.DialecticalArguments[I]->Conclusion, G.Statements[I]);
    EXPECT_EQ(G.Statements[I]->JustificationStatus, G.DialecticalArguments[I]->Status)
        << G.Statements[I]->Sentence;
  }
}

std::string Maximal(const TArgumentationStage& G) {
  std::string Text;
  for (const PDialecticalArgument& D : G.MaximalDialecticalArguments)
    Text += (Text.empty() ? "" : " ") + D->Conclusion->Sentence;
  return Text;
}

// Stages that nobody has looked at are read only after later moves changed the shared objects:
// each still shows its dialectical arguments as its own move left them, and reading it leaves
// the statements with the statuses of the newest stage.
TEST(StageLine, OldStagesReadLateShowTheirOwnMove) {
  TStageBuilder B;
  B.Assumption("a").Connect("a", "b");
  const PArgumentationStage Supported = B.Stage;
  B.Except("e", "a", "b", TStatementType::Assumption);
  const PArgumentationStage Undercut = B.Stage;
  B.Issue("e").Connect("b", "c");
  const PArgumentationStage Newest = B.Stage;

  EXPECT_EQ(Undercut->DialecticalArguments[1]->Status, Unjustified);
  EXPECT_EQ(Supported->DialecticalArguments[1]->Status, Justified);
  EXPECT_EQ(Supported->DialecticalArguments[1]->Steps[0]->Undercutters.Count(), 0);
  EXPECT_EQ(Maximal(*Supported), "b");
  EXPECT_EQ(Maximal(*Undercut), "b");
  EXPECT_EQ(Shapes(Supported->Arguments), "b(a)");
  // The exception list is shared, so the older stage lists the exception that came later.
  EXPECT_EQ(Supported->ReasonConclusions[0]->Exceptions.Count(), 1);

  EXPECT_EQ(Maximal(*Newest), "c");
  EXPECT_EQ(B.StatusOf("b"), Justified);
  EXPECT_EQ(B.StatusOf("c"), Justified);
  ExpectStatusesOf(*Newest);
}

// Moves made on a stage that is no longer the newest one: each new stage is computed from the
// shared objects as they are now, and leaves every statement with its own statuses.
TEST(StageLine, MovesOnAnEarlierStage) {
  TStageBuilder B;
  B.Assumption("a").Connect("a", "b").Connect("b", "c");
  const PArgumentationStage Start = B.Stage;

  const PArgumentationStage Retyped =
      Start->DoStatementMove(NewStatement("a", TStatementType::Issue));
  ExpectStatusesOf(*Retyped);
  EXPECT_EQ(B.StatusOf("c"), Unjustified);

  // The same stage again: "a" is an Issue now for every stage that holds it.
  const PArgumentationStage Other =
      Start->DoStatementMove(NewStatement("d", TStatementType::Assumption));
  ExpectStatusesOf(*Other);
  EXPECT_EQ(Other->Statements.Count(), 4);
  EXPECT_EQ(Other->Statements[3]->Id, "4");
  EXPECT_EQ(B.StatusOf("c"), Unjustified);

  auto C = NewReasonConclusion();
  C->Reason = NewStatement("d", TStatementType::Assumption);
  C->Conclusion = NewStatement("a", TStatementType::Issue);
  const PArgumentationStage Supported = Other->DoReasonConclusionMove(C);
  ExpectStatusesOf(*Supported);
  EXPECT_EQ(B.StatusOf("c"), Justified);
  EXPECT_EQ(Maximal(*Supported), "c");

  // Back on the first branch, which never saw "d".
  const PArgumentationStage Again =
      Retyped->DoStatementMove(NewStatement("x", TStatementType::Issue));
  ExpectStatusesOf(*Again);
  EXPECT_EQ(Again->Statements[3]->Id, "4");
  EXPECT_EQ(B.StatusOf("c"), Unjustified);
  EXPECT_EQ(Retyped->Statements.Count(), 3);
}

// Two lines that share no objects: a move on one does not disturb the statuses of the other's
// statements, and the other carries on correctly afterwards.
TEST(StageLine, TwoLinesSideBySide) {
  TStageBuilder First;
  TStageBuilder Second;
  First.Assumption("a").Connect("a", "b");
  Second.Issue("a").Connect("a", "b");
  EXPECT_EQ(First.StatusOf("b"), Justified);
  EXPECT_EQ(Second.StatusOf("b"), Unjustified);
  First.Issue("a");
  Second.Assumption("a");
  EXPECT_EQ(First.StatusOf("b"), Unjustified);
  EXPECT_EQ(Second.StatusOf("b"), Justified);
  ExpectStatusesOf(*First.Stage);
  ExpectStatusesOf(*Second.Stage);
}

// A long chain: every stage of the line keeps its own lists, and the newest one is right.
TEST(StageLine, LongChainKeepsEveryStage) {
  TStageBuilder B;
  B.Assumption("s0");
  std::vector<PArgumentationStage> Stages{B.Stage};
  const int Length = 150;
  for (int I = 1; I <= Length; ++I) {
    B.Connect("s" + std::to_string(I - 1), "s" + std::to_string(I));
    Stages.push_back(B.Stage);
  }
  EXPECT_EQ(B.StatusOf("s" + std::to_string(Length)), Justified);
  EXPECT_EQ(Maximal(*B.Stage), "s" + std::to_string(Length));
  ExpectStatusesOf(*B.Stage);
  for (int I = Length; I >= 0; I -= 13) {
    const TArgumentationStage& G = *Stages[static_cast<std::size_t>(I)];
    EXPECT_EQ(G.Statements.Count(), I + 1);
    EXPECT_EQ(Maximal(G), "s" + std::to_string(I));
    EXPECT_EQ(G.Arguments.Count(), 1);
  }
  // Cutting the chain at its foot takes the support from everything above it.
  B.Issue("s0");
  EXPECT_EQ(B.StatusOf("s" + std::to_string(Length)), Unjustified);
}

}  // namespace
}  // namespace palaver

namespace palaver {
namespace {

// A connection handed to a reason/conclusion move may already carry exceptions of its own,
// objects that are no statements of the stage. They count as the connection's exceptions all
// the same.
TEST(StageLine, ConnectionArrivingWithItsOwnException) {
  test::TStageBuilder B;
  B.Assumption("a");
  auto C = B.Connection("a", "b");
  const PStatement Outside = NewStatement("x", TStatementType::Assumption);
  C->Exceptions.Add(Outside);
  B.Stage = B.Stage->DoReasonConclusionMove(C);
  EXPECT_EQ(B.StatusOf("b"), test::Unjustified);
  const TDialecticalArgument& D = B.DialecticalArgumentOf("b");
  ASSERT_EQ(D.Steps.Count(), 1);
  ASSERT_EQ(D.Steps[0]->Undercutters.Count(), 1);
  EXPECT_EQ(D.Steps[0]->Undercutters[0]->Exception, Outside);

  // Later moves go on from such a stage as from any other.
  B.Issue("c").Connect("b", "c");
  EXPECT_EQ(B.StatusOf("c"), test::Unjustified);
  Outside->StatementType = TStatementType::Issue;
  B.Issue("d");
  EXPECT_EQ(B.StatusOf("b"), test::Justified);
  EXPECT_EQ(B.StatusOf("c"), test::Justified);
  ExpectStatusesOf(*B.Stage);
}

}  // namespace
}  // namespace palaver
