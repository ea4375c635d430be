#include <gtest/gtest.h>

#include "StageBuilder.h"

namespace palaver {
namespace {

using test::Step;
using test::TStageBuilder;

// The conclusions of the maximal dialectical arguments, in list order.
std::string MaximalConclusions(const TArgumentationStage& G) {
  std::string Text;
  for (const PDialecticalArgument& D : G.MaximalDialecticalArguments)
    Text += (Text.empty() ? "" : " ") + D->Conclusion->Sentence;
  return Text;
}

class MaximalSelection : public ::testing::Test {
 protected:
  TStageBuilder B;
};

TEST_F(MaximalSelection, LoneAndUnrelatedStatementsAreAllMaximal) {
  B.Issue("a");
  EXPECT_EQ(MaximalConclusions(*B.Stage), "a");
  B.Assumption("c").Issue("b");
  EXPECT_EQ(MaximalConclusions(*B.Stage), "a c b");
  EXPECT_EQ(B.Stage->MaximalDialecticalArguments[1], B.Stage->DialecticalArguments[1]);
}

TEST_F(MaximalSelection, ReasonIsContainedInItsConclusion) {
  B.Assumption("a").Connect("a", "b");
  EXPECT_EQ(MaximalConclusions(*B.Stage), "b");
  const TDialecticalArgument& A = B.DialecticalArgumentOf("a");
  const TDialecticalArgument& D = B.DialecticalArgumentOf("b");
  EXPECT_TRUE(B.Stage->IsContainedIn(A, D));
  EXPECT_FALSE(B.Stage->IsContainedIn(D, A));
  EXPECT_TRUE(B.Stage->IsProperlyContainedIn(A, D));
  EXPECT_TRUE(B.Stage->IsFinal(A, *D.InitialDialecticalArguments[0]));
  EXPECT_FALSE(B.Stage->IsFinal(A, D));
}

TEST_F(MaximalSelection, EarlierConclusionIsFoundAmongTheSelected) {
  // b comes before its reason a, so a is only compared with the selected b.
  B.Issue("b").Assumption("a").Connect("a", "b");
  EXPECT_EQ(MaximalConclusions(*B.Stage), "b");
}

TEST_F(MaximalSelection, WarrantsAndExceptionsAreInsideTheirStep) {
  B.Assumption("a").Connect("a", "b").Assumption(Step("a", "b")).Except("e", "a", "b");
  B.Issue(UndercutterWarrantSentence("e", "a", "b", TLanguage::English));
  EXPECT_EQ(MaximalConclusions(*B.Stage), "b");
}

TEST_F(MaximalSelection, ChainKeepsOnlyItsFinalConclusion) {
  B.Connect("a", "b").Connect("b", "c").Connect("c", "d").Issue("x");
  EXPECT_EQ(MaximalConclusions(*B.Stage), "d x");
}

TEST_F(MaximalSelection, CycleMembersDoNotContainEachOther) {
  B.Connect("a", "b").Connect("b", "a");
  EXPECT_EQ(MaximalConclusions(*B.Stage), "b a");
}

TEST_F(MaximalSelection, StepsMustMatchForContainment) {
  // The same conclusion object with a different step below it is not contained.
  B.Assumption("a").Assumption("c").Connect("a", "b");
  TStageBuilder Wider = B;
  Wider.Connect("c", "b");
  const TDialecticalArgument& Narrow = B.DialecticalArgumentOf("b");
  const TDialecticalArgument& Wide = Wider.DialecticalArgumentOf("b");
  EXPECT_TRUE(Wider.Stage->IsFinal(Narrow, Wide));
  EXPECT_FALSE(Wider.Stage->IsFinal(Wide, Narrow));
  EXPECT_TRUE(Wider.Stage->IsProperlyContainedIn(Narrow, Wide));

  // b from x directly is not contained in b from y, although y's argument contains x's.
  TStageBuilder Base;
  Base.Issue("x").Issue("y").Issue("b");
  TStageBuilder Direct = Base, ViaY = Base;
  Direct.Connect("x", "b");
  ViaY.Connect("x", "y").Connect("y", "b");
  EXPECT_FALSE(
      ViaY.Stage->IsFinal(Direct.DialecticalArgumentOf("b"), ViaY.DialecticalArgumentOf("b")));
  EXPECT_FALSE(ViaY.Stage->IsContainedIn(Direct.DialecticalArgumentOf("b"),
                                         ViaY.DialecticalArgumentOf("b")));
}

TEST(DialecticalOccurrence, FindsStatementsByObjectThroughTheWholeTree) {
  TStageBuilder B;
  B.Assumption("a").Connect("a", "b").Except("e", "a", "b");
  B.Issue(UndercutterWarrantSentence("e", "a", "b", TLanguage::English));
  const TArgumentationStage& G = *B.Stage;
  const TDialecticalArgument& D = B.DialecticalArgumentOf("b");
  TDialecticalArguments Only;
  Only.Add(G.DialecticalArguments[G.Statements.IndexOf(B.Get("b").get())]);

  const PStatement Warrant = G.Statements[G.Statements.Count() - 1];
  for (const PStatement& S : G.Statements)
    EXPECT_TRUE(G.OccursInDialArguments(*S, Only));
  EXPECT_TRUE(G.OccursInUndercutters(*Warrant, D.Steps[0]->Undercutters));
  EXPECT_TRUE(G.OccursInSteps(*B.Get("e"), D.Steps));
  EXPECT_FALSE(G.OccursInSteps(*B.Get("e"), TSteps()));
  TStatement SameSentence("a", TStatementType::Assumption);
  EXPECT_FALSE(G.OccursInDialArguments(SameSentence, Only));

  EXPECT_TRUE(G.IsException(*B.Get("e"), G.ReasonConclusions));
  EXPECT_TRUE(G.IsException(TStatement("e", TStatementType::Issue), G.ReasonConclusions));
  EXPECT_FALSE(G.IsException(*B.Get("a"), G.ReasonConclusions));
}

}  // namespace
}  // namespace palaver
