#include <gtest/gtest.h>

#include <vector>

#include "StageBuilder.h"

namespace palaver {
namespace {

using test::Justified;
using test::Shapes;
using test::TStageBuilder;
using test::Unjustified;

// The objects a stage's lists hold, to check that a move leaves them exactly as they were.
struct TListSnapshot {
  std::vector<const void*> Statements, Connections, Arguments, Dialectical, Maximal;

  explicit TListSnapshot(const TArgumentationStage& G) {
    for (const auto& X : G.Statements)
      Statements.push_back(X.get());
    for (const auto& X : G.ReasonConclusions)
      Connections.push_back(X.get());
    for (const auto& X : G.Arguments)
      Arguments.push_back(X.get());
    for (const auto& X : G.DialecticalArguments)
      Dialectical.push_back(X.get());
    for (const auto& X : G.MaximalDialecticalArguments)
      Maximal.push_back(X.get());
  }
  bool operator==(const TListSnapshot&) const = default;
};

TEST(StatementMove, FirstStatementOfAnEmptyStage) {
  auto Empty = std::make_shared<TArgumentationStage>();
  auto S = NewStatement("a", TStatementType::Assumption);
  PArgumentationStage G = Empty->DoStatementMove(S);
  EXPECT_EQ(Empty->Statements.Count(), 0);
  ASSERT_EQ(G->Statements.Count(), 1);
  EXPECT_EQ(G->Statements[0], S);
  EXPECT_EQ(S->Id, "1");
  EXPECT_EQ(Shapes(G->Arguments), "a");
  EXPECT_EQ(G->DialecticalArguments.Count(), 1);
  EXPECT_EQ(S->JustificationStatus, Justified);

  auto I = NewStatement("b", TStatementType::Issue);
  EXPECT_EQ(G->DoStatementMove(I)->Statements.Count(), 2);
  EXPECT_EQ(I->JustificationStatus, Unjustified);
}

TEST(StatementMove, ExistingSentenceRetypesTheSharedStatement) {
  TStageBuilder B;
  B.Assumption("a").Connect("a", "b");
  PArgumentationStage Old = B.Stage;
  const TListSnapshot Before(*Old);
  auto Repeat = NewStatement("a", TStatementType::Issue);
  PArgumentationStage New = Old->DoStatementMove(Repeat);

  EXPECT_TRUE(TListSnapshot(*Old) == Before);
  EXPECT_EQ(Old->Statements[0]->StatementType, TStatementType::Issue);  // seen by the old stage
  EXPECT_TRUE(Repeat->Id.empty());
  EXPECT_EQ(Old->Statements.IndexOf(Repeat.get()), -1);
  const TListSnapshot After(*New);
  EXPECT_EQ(After.Statements, Before.Statements);
  EXPECT_EQ(After.Connections, Before.Connections);
  EXPECT_EQ(After.Arguments, Before.Arguments);  // not rebuilt
  EXPECT_NE(After.Dialectical, Before.Dialectical);
  EXPECT_EQ(Old->Statements[1]->JustificationStatus, Unjustified);  // b lost its support
  EXPECT_EQ(Old->DialecticalArguments[1]->Status, Justified);       // the old tree is kept
}

TEST(ReasonConclusionMove, NewEndsEnterTheStageConclusionFirst) {
  TStageBuilder B;
  B.Issue("x");
  PArgumentationStage Old = B.Stage;
  const TListSnapshot Before(*Old);
  auto C = B.Connection("r", "c");
  PStatement Reason = C->Reason;
  PArgumentationStage New = Old->DoReasonConclusionMove(C);
  EXPECT_TRUE(TListSnapshot(*Old) == Before);
  EXPECT_EQ(C->Conclusion->Id, "2");
  EXPECT_EQ(C->Reason->Id, "3");
  EXPECT_EQ(C->Reason, Reason);
  ASSERT_EQ(New->ReasonConclusions.Count(), 1);
  EXPECT_EQ(New->ReasonConclusions[0], C);
  EXPECT_EQ(New->Statements.Count(), 3);
}

TEST(ReasonConclusionMove, ExistingEndsAreTheStageObjectsAndGetTheMoveType) {
  TStageBuilder B;
  B.Assumption("r").Issue("c");
  PArgumentationStage Old = B.Stage;
  const TListSnapshot Before(*Old);
  PStatement R = B.Get("r");
  auto C = B.Connection("r", "c");
  C->Reason->StatementType = TStatementType::Issue;
  PArgumentationStage New = Old->DoReasonConclusionMove(C);
  EXPECT_TRUE(TListSnapshot(*Old) == Before);
  EXPECT_EQ(C->Reason, R);
  EXPECT_EQ(C->Conclusion, Old->Statements[1]);
  EXPECT_EQ(R->StatementType, TStatementType::Issue);
  EXPECT_EQ(New->Statements.Count(), 2);
  EXPECT_EQ(Shapes(New->Arguments), "c(r)");
  EXPECT_EQ(Shapes(Old->Arguments), "r c");
}

TEST(ReasonConclusionMove, RepeatedConnectionIsNotAddedWhateverItsKind) {
  TStageBuilder B;
  B.Connect("a", "b");
  PReasonConclusion First = B.Stage->ReasonConclusions[0];
  B.Connect("a", "b", TConnectionKind::Defeating);
  ASSERT_EQ(B.Stage->ReasonConclusions.Count(), 1);
  EXPECT_EQ(B.Stage->ReasonConclusions[0], First);
  EXPECT_EQ(First->ConnectionKind, TConnectionKind::Supporting);
  EXPECT_EQ(B.Stage->Statements.Count(), 2);
}

// A new connection from a statement to itself must end at the one stage statement at both ends,
// or a later change of the statement's type would not reach the connection's reason.
TEST(ReasonConclusionMove, NewSelfConnectionUsesOneStatement) {
  TStageBuilder B;
  auto C = B.Connection("a", "a");
  C->Reason->StatementType = TStatementType::Assumption;
  B.Stage = B.Stage->DoReasonConclusionMove(C);
  ASSERT_EQ(B.Stage->Statements.Count(), 1);
  EXPECT_EQ(C->Reason, C->Conclusion);
  EXPECT_EQ(C->Reason, B.Get("a"));
  EXPECT_EQ(B.Get("a")->Id, "1");
  EXPECT_EQ(B.StatusOf("a"), Justified);
  B.Issue("a");
  EXPECT_EQ(B.StatusOf("a"), Unjustified);
}

TEST(ExceptionMove, NewConnectionEntersWithTheStageException) {
  TStageBuilder B;
  B.Issue("e");
  PArgumentationStage Old = B.Stage;
  const TListSnapshot Before(*Old);
  auto C = B.Connection("r", "c");
  C->Exceptions.Add(NewStatement("e", TStatementType::Assumption));
  PArgumentationStage New = Old->DoExceptionMove(C);
  EXPECT_TRUE(TListSnapshot(*Old) == Before);
  ASSERT_EQ(New->ReasonConclusions.Count(), 1);
  EXPECT_EQ(New->ReasonConclusions[0], C);
  ASSERT_EQ(C->Exceptions.Count(), 1);
  EXPECT_EQ(C->Exceptions[0], Old->Statements[0]);
  EXPECT_EQ(Old->Statements[0]->StatementType, TStatementType::Assumption);
  EXPECT_EQ(New->Statements.Count(), 3);
  EXPECT_EQ(C->Conclusion->Id, "2");
  EXPECT_EQ(C->Reason->Id, "3");
}

TEST(ExceptionMove, ExistingConnectionGetsTheExceptionAppended) {
  TStageBuilder B;
  B.Assumption("a").Connect("a", "b");
  PArgumentationStage Old = B.Stage;
  PReasonConclusion Shared = Old->ReasonConclusions[0];
  const TListSnapshot Before(*Old);
  B.Except("e", "a", "b", TStatementType::Assumption);
  EXPECT_TRUE(TListSnapshot(*Old) == Before);
  ASSERT_EQ(B.Stage->ReasonConclusions.Count(), 1);
  EXPECT_EQ(B.Stage->ReasonConclusions[0], Shared);
  ASSERT_EQ(Shared->Exceptions.Count(), 1);  // also in the old stage's connection
  EXPECT_EQ(Shared->Exceptions[0], B.Get("e"));
  EXPECT_EQ(B.StatusOf("b"), Unjustified);

  // Repeating the exception adds nothing and only re-types it.
  B.Except("e", "a", "b", TStatementType::Issue);
  ASSERT_EQ(Shared->Exceptions.Count(), 1);
  EXPECT_EQ(Shared->Exceptions[0]->StatementType, TStatementType::Issue);
  EXPECT_EQ(B.StatusOf("b"), Justified);
  B.Except("f", "a", "b");
  ASSERT_EQ(Shared->Exceptions.Count(), 2);
  EXPECT_EQ(Shared->Exceptions[1]->Sentence, "f");
}

TEST(ExceptionMove, WithoutAnExceptionOnlyTheConnectionIsMade) {
  TStageBuilder B;
  PArgumentationStage New = B.Stage->DoExceptionMove(B.Connection("a", "b"));
  EXPECT_EQ(New->Statements.Count(), 2);
  EXPECT_EQ(New->ReasonConclusions.Count(), 1);
}

}  // namespace
}  // namespace palaver
