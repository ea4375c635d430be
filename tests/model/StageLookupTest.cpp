#include <gtest/gtest.h>

#include "StageBuilder.h"

namespace palaver {
namespace {

using test::TStageBuilder;

TEST(NewObjects, DefaultsOfStatementAndConnection) {
  auto S = NewStatement();
  EXPECT_EQ(S->StatementType, TStatementType::Issue);
  EXPECT_EQ(S->JustificationStatus, TJustificationStatus::NotEvaluated);
  EXPECT_TRUE(S->Id.empty());

  auto C = NewReasonConclusion();
  EXPECT_NE(C->Reason, C->Conclusion);
  EXPECT_EQ(C->Reason->StatementType, TStatementType::Issue);
  EXPECT_EQ(C->Conclusion->StatementType, TStatementType::Assumption);
  EXPECT_TRUE(C->Exceptions.Empty());
}

TEST(StatementLookup, SentencesAreComparedExactly) {
  TStageBuilder B;
  B.Issue("a");
  PStatement Found;
  TStatement Other("a", TStatementType::Assumption);
  EXPECT_FALSE(B.Stage->IsNewStatement(Other, Found));
  EXPECT_EQ(Found, B.Get("a"));
  EXPECT_TRUE(B.Stage->IsNewStatement(TStatement("A", TStatementType::Issue)));
  EXPECT_TRUE(B.Stage->IsNewStatement(TStatement("a ", TStatementType::Issue)));
  EXPECT_FALSE(B.Stage->SentenceIsStatementSentence(" a", Found));
}

TEST(ConnectionLookup, KindAndExceptionsPlayNoPart) {
  TStageBuilder B;
  B.Connect("a", "b");
  auto C = B.Connection("a", "b", TConnectionKind::Defeating);
  C->Exceptions.Add(NewStatement("e", TStatementType::Issue));
  PReasonConclusion Found;
  EXPECT_FALSE(B.Stage->IsNewReasonConclusion(*C, Found));
  EXPECT_EQ(Found, B.Stage->ReasonConclusions[0]);
  EXPECT_TRUE(B.Stage->IsNewReasonConclusion(*B.Connection("b", "a")));
}

// Ids are set directly here to reach the gaps that deletions leave behind.
TArgumentationStage StageWithIds(std::initializer_list<const char*> Ids) {
  TArgumentationStage G;
  int N = 0;
  for (const char* Id : Ids) {
    auto S = NewStatement("s" + std::to_string(N++), TStatementType::Issue);
    S->Id = Id;
    G.Statements.Add(S);
  }
  return G;
}

TEST(Numbering, SmallestFreeNumber) {
  EXPECT_EQ(StageWithIds({}).GetNewId(), "1");
  EXPECT_EQ(StageWithIds({"2", "3"}).GetNewId(), "1");
  EXPECT_EQ(StageWithIds({"1", "2", "3"}).GetNewId(), "4");
  EXPECT_EQ(StageWithIds({"1", "3", "4"}).GetNewId(), "2");
  EXPECT_EQ(StageWithIds({"3", "1"}).GetNewId(), "2");
  // Ids are compared by their numbers; text that is no number blocks nothing.
  EXPECT_EQ(StageWithIds({"01", "x", ""}).GetNewId(), "2");
}

TEST(Numbering, StatementMoveReusesAFreedNumber) {
  TStageBuilder Gap;
  Gap.Stage = std::make_shared<TArgumentationStage>(StageWithIds({"1", "3"}));
  Gap.Issue("new");
  EXPECT_EQ(Gap.Get("new")->Id, "2");
}

TEST(AttachIds, CopiesKnownIdsAndGivesNewEndsTheNextFreeNumber) {
  TStageBuilder B;
  B.Issue("a").Issue("b");
  auto Known = B.Connection("a", "b");
  B.Stage->AttachIds(*Known);
  EXPECT_EQ(Known->Reason->Id, "1");
  EXPECT_EQ(Known->Conclusion->Id, "2");

  auto New = B.Connection("x", "y");
  B.Stage->AttachIds(*New);
  EXPECT_EQ(New->Conclusion->Id, "3");
  EXPECT_EQ(New->Reason->Id, "3");  // both look at the same statements

  auto Half = B.Connection("x", "a");
  B.Stage->AttachIds(*Half);
  EXPECT_EQ(Half->Conclusion->Id, "1");
  EXPECT_EQ(Half->Reason->Id, "3");

  auto Loop = B.Connection("z", "z");
  B.Stage->AttachIds(*Loop);
  EXPECT_EQ(Loop->Conclusion->Id, "3");
  EXPECT_EQ(Loop->Reason->Id, "3");
  EXPECT_EQ(B.Stage->Statements.Count(), 2);  // only numbers, nothing added
}

}  // namespace
}  // namespace palaver
