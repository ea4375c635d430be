#include <gtest/gtest.h>

#include "StageBuilder.h"

namespace palaver {
namespace {

using test::Justified;
using test::Step;
using test::TStageBuilder;
using test::Unjustified;

class Status : public ::testing::Test {
 protected:
  TStageBuilder B;
};

std::string Undercutter(const std::string& E, const std::string& R, const std::string& C) {
  return UndercutterWarrantSentence(E, R, C, TLanguage::English);
}

TEST_F(Status, AssumptionsAreJustifiedAndLoneIssuesAreNot) {
  B.Issue("i").Assumption("a");
  EXPECT_EQ(B.StatusOf("i"), Unjustified);
  EXPECT_EQ(B.StatusOf("a"), Justified);
}

TEST_F(Status, IssueFollowsItsReason) {
  B.Assumption("a").Connect("a", "b");
  EXPECT_EQ(B.StatusOf("b"), Justified);
  const TDialecticalArgument& D = B.DialecticalArgumentOf("b");
  ASSERT_EQ(D.Steps.Count(), 1);
  EXPECT_EQ(D.Steps[0]->Reason, B.Get("a"));
  EXPECT_EQ(D.InitialDialecticalArguments[0]->Conclusion, B.Get("a"));
  EXPECT_FALSE(D.Steps[0]->WarrantingDialecticalArgument);

  B.Issue("a");  // the reason becomes an issue with nothing for it
  EXPECT_EQ(B.StatusOf("b"), Unjustified);
  B.Assumption("z").Connect("z", "a");
  EXPECT_EQ(B.StatusOf("a"), Justified);
  EXPECT_EQ(B.StatusOf("b"), Justified);
}

TEST_F(Status, JustifiedExceptionUndercutsTheStep) {
  B.Assumption("a").Connect("a", "b").Except("e", "a", "b", TStatementType::Assumption);
  EXPECT_EQ(B.StatusOf("b"), Unjustified);
  B.Issue("e");
  EXPECT_EQ(B.StatusOf("b"), Justified);
  B.Assumption("f").Connect("f", "e");
  EXPECT_EQ(B.StatusOf("b"), Unjustified);
}

TEST_F(Status, UnjustifiedUndercutterWarrantBlocksTheException) {
  B.Assumption("a").Except("e", "a", "b", TStatementType::Assumption);
  EXPECT_EQ(B.StatusOf("b"), Unjustified);
  B.Issue(Undercutter("e", "a", "b"));
  EXPECT_EQ(B.StatusOf("b"), Justified);
  const TUndercutter& U = *B.DialecticalArgumentOf("b").Steps[0]->Undercutters[0];
  EXPECT_TRUE(U.WarrantUnjustified);
  ASSERT_TRUE(U.WarrantingDialecticalArgument);
  B.Assumption(Undercutter("e", "a", "b"));
  EXPECT_EQ(B.StatusOf("b"), Unjustified);
}

TEST_F(Status, StepWarrantMustBeJustifiedWhenPutForward) {
  B.Assumption("a").Connect("a", "b").Issue(Step("a", "b"));
  EXPECT_EQ(B.StatusOf("b"), Unjustified);
  EXPECT_TRUE(B.DialecticalArgumentOf("b").Steps[0]->WarrantUnjustified);
  B.Assumption(Step("a", "b"));
  EXPECT_EQ(B.StatusOf("b"), Justified);
  EXPECT_FALSE(B.DialecticalArgumentOf("b").Steps[0]->WarrantUnjustified);
  // An issue warrant with a justified reason of its own works as well.
  B.Issue(Step("a", "b")).Assumption("w").Connect("w", Step("a", "b"));
  EXPECT_EQ(B.StatusOf("b"), Justified);
}

TEST_F(Status, WarrantSupportedOnlyThroughItsOwnStepGivesNoSupport) {
  B.Assumption("a").Connect("a", "b").Issue(Step("a", "b")).Connect("b", Step("a", "b"));
  EXPECT_EQ(B.StatusOf("b"), Unjustified);
}

TEST_F(Status, WarrantsAreRecognisedInTheCurrentLanguageOnly) {
  B.Assumption("a").Connect("a", "b").Issue(Step("a", "b"));
  EXPECT_EQ(B.StatusOf("b"), Unjustified);
  B.Context.Language = TLanguage::Dutch;
  B.Issue("x");  // any move recomputes
  EXPECT_EQ(B.StatusOf("b"), Justified);
  EXPECT_FALSE(B.DialecticalArgumentOf("b").Steps[0]->WarrantingDialecticalArgument);
  B.Issue(Step("a", "b", TConnectionKind::Supporting, TLanguage::Dutch));
  EXPECT_EQ(B.StatusOf("b"), Unjustified);
}

TEST_F(Status, DefeatingConnectionsSupportLikeSupportingOnes) {
  B.Assumption("a").Connect("a", "b", TConnectionKind::Defeating);
  EXPECT_EQ(B.StatusOf("b"), Justified);
  EXPECT_EQ(B.DialecticalArgumentOf("b").Steps[0]->ConnectionKind, TConnectionKind::Defeating);
  // Only the defeating form of the warrant is this step's warrant.
  B.Issue(Step("a", "b"));
  EXPECT_EQ(B.StatusOf("b"), Justified);
  B.Issue(Step("a", "b", TConnectionKind::Defeating));
  EXPECT_EQ(B.StatusOf("b"), Unjustified);
}

TEST_F(Status, CyclesOfIssuesSupportNothing) {
  B.Connect("a", "b").Connect("b", "a");
  EXPECT_EQ(B.StatusOf("a"), Unjustified);
  EXPECT_EQ(B.StatusOf("b"), Unjustified);
  B.Assumption("a");
  EXPECT_EQ(B.StatusOf("a"), Justified);
  EXPECT_EQ(B.StatusOf("b"), Justified);
}

TEST_F(Status, NothingCountsAgainstAnAssumption) {
  B.Assumption("a").Connect("c", "a").Except("e", "c", "a", TStatementType::Assumption);
  EXPECT_EQ(B.StatusOf("a"), Justified);
  EXPECT_EQ(B.StatusOf("c"), Unjustified);
}

TEST_F(Status, OneUnblockedStepIsEnoughInEitherOrder) {
  B.Assumption("p").Assumption("q").Assumption("e");
  TStageBuilder Other = B;
  B.Connect("p", "b").Connect("q", "b").Except("e", "p", "b", TStatementType::Assumption);
  Other.Connect("q", "b").Connect("p", "b").Except("e", "p", "b", TStatementType::Assumption);
  EXPECT_EQ(B.StatusOf("b"), Justified);
  EXPECT_EQ(Other.StatusOf("b"), Justified);
  B.Except("e", "q", "b", TStatementType::Assumption);
  EXPECT_EQ(B.StatusOf("b"), Unjustified);
}

TEST_F(Status, StatementStatusesFollowTheirDialecticalArguments) {
  B.Issue("a").Connect("a", "b").Assumption("a").Except("e", "a", "b");
  for (int I = 0; I < B.Stage->Statements.Count(); ++I)
    EXPECT_EQ(B.Stage->Statements[I]->JustificationStatus,
              B.Stage->DialecticalArguments[I]->Status);
}

}  // namespace
}  // namespace palaver
