#include <gtest/gtest.h>

#include <vector>

#include "StageBuilder.h"

namespace palaver {
namespace {

using test::Shape;
using test::TStageBuilder;

// Hand-built arguments over fresh statements; equal sentences are different objects unless a
// test passes the same statement on purpose.
PArgument Arg(PStatement S, std::vector<PArgument> Subs = {}) {
  auto A = std::make_shared<TArgument>(std::move(S));
  for (PArgument& Sub : Subs)
    A->InitialArguments.Add(std::move(Sub));
  return A;
}
PArgument Arg(const std::string& S, std::vector<PArgument> Subs = {}) {
  return Arg(NewStatement(S, TStatementType::Issue), std::move(Subs));
}

TEST(ArgumentComparison, EqualStructure) {
  EXPECT_TRUE(Arg("a")->HasEqualStructure(*Arg("a")));
  EXPECT_FALSE(Arg("a")->HasEqualStructure(*Arg("a ")));
  EXPECT_TRUE(Arg("c", {Arg("a"), Arg("b")})->HasEqualStructure(*Arg("c", {Arg("b"), Arg("a")})));
  EXPECT_FALSE(Arg("c", {Arg("a"), Arg("b")})->HasEqualStructure(*Arg("c", {Arg("a"), Arg("d")})));
  EXPECT_FALSE(Arg("c", {Arg("a")})->HasEqualStructure(*Arg("c", {Arg("a"), Arg("a")})));
  EXPECT_FALSE(Arg("c", {Arg("b", {Arg("a")})})->HasEqualStructure(*Arg("c", {Arg("b")})));
  // Each sub-argument needs a partner, but one partner may serve two of them.
  EXPECT_TRUE(Arg("c", {Arg("a"), Arg("a")})->HasEqualStructure(*Arg("c", {Arg("a"), Arg("b")})));
  EXPECT_FALSE(Arg("c", {Arg("a"), Arg("b")})->HasEqualStructure(*Arg("c", {Arg("a"), Arg("a")})));
}

TEST(ArgumentComparison, InitialNarrowingAndSubargument) {
  PArgument Chain = Arg("c", {Arg("b", {Arg("a")}), Arg("d")});
  EXPECT_TRUE(Chain->IsInitial(*Arg("b", {Arg("a")})));
  EXPECT_TRUE(Chain->IsInitial(*Arg("a")));
  EXPECT_FALSE(Chain->IsInitial(*Arg("b")));  // b has a sub-argument in Chain
  EXPECT_FALSE(Chain->IsInitial(*Arg("c", {Arg("b", {Arg("a")}), Arg("d")})));

  EXPECT_TRUE(Chain->IsNarrowing(*Arg("c")));
  EXPECT_TRUE(Chain->IsNarrowing(*Arg("c", {Arg("b")})));
  EXPECT_TRUE(Chain->IsNarrowing(*Arg("c", {Arg("d"), Arg("b", {Arg("a")})})));
  EXPECT_FALSE(Chain->IsNarrowing(*Arg("c", {Arg("a")})));
  EXPECT_FALSE(Arg("c")->IsNarrowing(*Arg("c", {Arg("d")})));

  EXPECT_TRUE(Chain->IsSubargument(*Arg("b")));  // a narrowing one level down
  EXPECT_TRUE(Chain->IsSubargument(*Arg("c", {Arg("d")})));
  EXPECT_FALSE(Chain->IsSubargument(*Arg("x")));
  EXPECT_FALSE(Chain->IsSubargument(*Arg("b", {Arg("d")})));
}

TEST(ArgumentComparison, ListSearchesTakeTheFirstMatch) {
  TArguments List;
  List.Add(Arg("x"));
  List.Add(Arg("c", {Arg("a")}));
  List.Add(Arg("c", {Arg("a")}));
  EXPECT_EQ(List.InList(*Arg("c", {Arg("a")})), 1);
  EXPECT_EQ(List.InList(*Arg("c")), -1);
  EXPECT_EQ(List.InExtendedList(*Arg("a")), 1);
  EXPECT_EQ(List.InExtendedList(*Arg("x")), 0);
  EXPECT_EQ(List.InExtendedList(*Arg("y")), -1);
}

TEST(ArgumentConstruction, GiveStatementsInPreOrderWithRepeats) {
  auto A = NewStatement("a", TStatementType::Issue);
  auto B = NewStatement("b", TStatementType::Issue);
  TStatements List = Arg(A, {Arg(B, {Arg(A)}), Arg("c")})->GiveStatements();
  ASSERT_EQ(List.Count(), 4);
  EXPECT_EQ(List[0], A);
  EXPECT_EQ(List[1], B);
  EXPECT_EQ(List[2], A);
  EXPECT_EQ(List[3]->Sentence, "c");
}

TEST(ArgumentConstruction, ImplantReplacesSubtreesOfTheSameStatementObject) {
  auto B = NewStatement("b", TStatementType::Issue);
  PArgument Host = Arg("c", {Arg(B), Arg("d", {Arg(B)}), Arg("b")});
  PArgument Graft = Arg(B, {Arg("x")});
  PArgument R;
  Host->Implant(Graft, R);
  EXPECT_EQ(Shape(*R), "c(b(x),d(b(x)),b)");  // the last b is another object
  EXPECT_EQ(R->InitialArguments[0], Graft);
  EXPECT_NE(R, Host);
  EXPECT_EQ(Shape(*Host), "c(b,d(b),b)");

  PArgument Whole;
  Arg(B)->Implant(Graft, Whole);
  EXPECT_EQ(Whole, Graft);
}

TEST(ArgumentConstruction, ExtendAtConclusionPutsTheConclusionOnTopmostNodes) {
  TStageBuilder G;
  auto C = G.Connection("b", "y");
  PArgument B = Arg("c", {Arg("b", {Arg("a", {Arg("b")})}), Arg("d", {Arg("b")})});
  std::shared_ptr<TArguments> List;
  Arg("unused")->ExtendArgumentAtConclusion(B, *C, List);
  ASSERT_TRUE(List);
  ASSERT_EQ(List->Count(), 2);
  EXPECT_EQ(Shape(*(*List)[0]), "y(b(a(b)))");
  EXPECT_EQ((*List)[0]->InitialArguments[0], B->InitialArguments[0]);
  EXPECT_EQ(Shape(*(*List)[1]), "y(b)");

  std::shared_ptr<TArguments> Empty;
  Arg("unused")->ExtendArgumentAtConclusion(Arg("q"), *C, Empty);
  ASSERT_TRUE(Empty);
  EXPECT_TRUE(Empty->Empty());
}

TEST(ArgumentConstruction, ExtendAtReasonAddsTheReasonWhereItIsMissing) {
  TStageBuilder G;
  auto C = G.Connection("r", "d");
  PArgument B = Arg("c", {Arg("d"), Arg("b", {Arg("d", {Arg("r")})})});
  PArgument R;
  Arg("unused")->ExtendArgumentAtReason(*B, *C, R);
  EXPECT_EQ(Shape(*R), "c(d(r),b(d(r)))");
  EXPECT_EQ(R->InitialArguments[0]->InitialArguments[0]->Conclusion, C->Reason);
  EXPECT_EQ(Shape(*B), "c(d,b(d(r)))");  // B itself is copied, not changed

  PArgument Root;
  Arg("unused")->ExtendArgumentAtReason(*Arg("d"), *C, Root);
  EXPECT_EQ(Shape(*Root), "d(r)");
}

TEST(StageArgumentQueries, CompareWithTheStageArguments) {
  TStageBuilder G;
  G.Connect("a", "b").Connect("b", "c");
  EXPECT_TRUE(G.Stage->IsArgument(*Arg("c", {Arg("b", {Arg("a")})})));
  EXPECT_FALSE(G.Stage->IsArgument(*Arg("c", {Arg("b")})));
  EXPECT_TRUE(G.Stage->IsInitial(*Arg("b", {Arg("a")})));
  EXPECT_FALSE(G.Stage->IsInitial(*Arg("c", {Arg("b", {Arg("a")})})));
  // A stage argument is a narrowing of the given one.
  EXPECT_TRUE(G.Stage->IsNarrowing(*Arg("c", {Arg("b", {Arg("a")}), Arg("x")})));
  EXPECT_FALSE(G.Stage->IsNarrowing(*Arg("c", {Arg("b")})));
}

TEST(DefeatStatus, ResetMarksEveryNodeNotComputed) {
  TStageBuilder G;
  PArgument A = Arg("c", {Arg("b", {Arg("a")})});
  A->DefeatStatus = 1;
  A->InitialArguments[0]->InitialArguments[0]->DefeatStatus = 0;
  G.Stage->ResetDefeatStatus(*A);
  EXPECT_EQ(A->DefeatStatus, 2);
  EXPECT_EQ(A->InitialArguments[0]->DefeatStatus, 2);
  EXPECT_EQ(A->InitialArguments[0]->InitialArguments[0]->DefeatStatus, 2);
}

TEST(DefeatStatus, StepIsWarrantedByAnUndefeatedWarrantArgument) {
  TStageBuilder G;
  G.Connect("a", "b");
  TStatement B("b", TStatementType::Issue);
  EXPECT_TRUE(G.Stage->StepIsWarranted(B, *Arg("a")));   // no warrant statement
  EXPECT_FALSE(G.Stage->StepIsWarranted(B, *Arg("x")));  // no such step

  G.Issue(test::Step("a", "b"));
  EXPECT_FALSE(G.Stage->StepIsWarranted(B, *Arg("a")));
  G.Stage->Arguments[G.Stage->Arguments.Count() - 1]->DefeatStatus = 1;
  EXPECT_TRUE(G.Stage->StepIsWarranted(B, *Arg("a")));
  G.Stage->Arguments[G.Stage->Arguments.Count() - 1]->DefeatStatus = 2;
  G.Context.Language = TLanguage::Dutch;  // a stage in Dutch no longer recognises it
  G.Issue("x");
  EXPECT_TRUE(G.Stage->StepIsWarranted(B, *Arg("a")));
}

TEST(DefeatStatus, ExceptionAttackNeedsAnUndefeatedException) {
  TStageBuilder G;
  G.Except("e", "a", "b");
  const TArgument& Attacked = *G.Stage->Arguments[1];
  ASSERT_EQ(Shape(Attacked), "b(a)");
  PArgument E = Arg("e");
  EXPECT_FALSE(G.Stage->IsExceptionAttack(Attacked, *E));
  E->DefeatStatus = 1;
  EXPECT_TRUE(G.Stage->IsExceptionAttack(Attacked, *E));
  EXPECT_FALSE(G.Stage->IsExceptionAttack(*Arg("b"), *E));  // no sub-argument for a
  EXPECT_FALSE(G.Stage->IsExceptionAttack(Attacked, *Arg("x")));

  // A put-forward undercutter warrant must itself be undefeated.
  G.Issue(UndercutterWarrantSentence("e", "a", "b", TLanguage::English));
  PArgument Warrant = G.Stage->Arguments[G.Stage->Arguments.Count() - 1];
  EXPECT_FALSE(G.Stage->IsExceptionAttack(Attacked, *E));
  Warrant->DefeatStatus = 1;
  EXPECT_TRUE(G.Stage->IsExceptionAttack(Attacked, *E));
}

}  // namespace
}  // namespace palaver
