#include <gtest/gtest.h>

#include "StageBuilder.h"

namespace palaver {
namespace {

using test::Shape;
using test::Shapes;
using test::TStageBuilder;

TEST(RecomputeArguments, ChainGivesOneArgument) {
  TStageBuilder B;
  B.Connect("a", "b");
  EXPECT_EQ(Shapes(B.Stage->Arguments), "b(a)");
  B.Connect("b", "c");
  EXPECT_EQ(Shapes(B.Stage->Arguments), "c(b(a))");
}

TEST(RecomputeArguments, FanKeepsConnectionOrder) {
  TStageBuilder B;
  B.Connect("b", "c").Connect("a", "c");
  EXPECT_EQ(Shapes(B.Stage->Arguments), "c(b,a)");
}

TEST(RecomputeArguments, SharedReasonOccursUnderEachConclusion) {
  TStageBuilder B;
  B.Connect("a", "b").Connect("a", "c");
  EXPECT_EQ(Shapes(B.Stage->Arguments), "b(a) c(a)");
}

TEST(RecomputeArguments, CycleIsCoveredByItsFirstStatement) {
  TStageBuilder B;
  B.Connect("a", "b").Connect("b", "a");
  // b was entered first (as the conclusion of a->b), so b carries the cycle.
  EXPECT_EQ(Shapes(B.Stage->Arguments), "b(a(b))");

  TStageBuilder C;
  C.Issue("a").Connect("a", "b").Connect("b", "a");
  EXPECT_EQ(Shapes(C.Stage->Arguments), "a(b(a))");
}

TEST(RecomputeArguments, CycleBelowAFinalConclusion) {
  TStageBuilder B;
  B.Connect("a", "b").Connect("b", "a").Connect("a", "c");
  EXPECT_EQ(Shapes(B.Stage->Arguments), "c(a(b(a)))");
}

TEST(RecomputeArguments, LoneStatementsAndStatementMoves) {
  TStageBuilder B;
  B.Connect("a", "b").Connect("b", "c");
  PArgument Chain = B.Stage->Arguments[0];
  B.Issue("d").Issue("a");
  // A statement move appends an elementary argument and rebuilds nothing.
  EXPECT_EQ(Shapes(B.Stage->Arguments), "c(b(a)) d");
  EXPECT_EQ(B.Stage->Arguments[0], Chain);
  // Exceptions and warrant statements play no part in arguments beyond being statements.
  B.Except("e", "a", "b");
  EXPECT_EQ(Shapes(B.Stage->Arguments), "c(b(a)) d e");
}

TEST(RecomputeArguments, SelfConnection) {
  TStageBuilder B;
  B.Connect("a", "a");
  EXPECT_EQ(Shapes(B.Stage->Arguments), "a(a)");
}

}  // namespace
}  // namespace palaver
