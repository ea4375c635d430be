#include "model/WarrantSentences.h"

#include <gtest/gtest.h>

namespace palaver {
namespace {

constexpr auto Supporting = TConnectionKind::Supporting;
constexpr auto Defeating = TConnectionKind::Defeating;

TEST(StepWarrantSentence, EnglishAndDutchForBothKinds) {
  EXPECT_EQ(StepWarrantSentence("a", "b", Supporting, TLanguage::English), "(IF a, THEN b)");
  EXPECT_EQ(StepWarrantSentence("a", "b", Defeating, TLanguage::English),
            "(IF a, THEN IT IS DEFEATED THAT b)");
  EXPECT_EQ(StepWarrantSentence("a", "b", Supporting, TLanguage::Dutch), "(ALS a, DAN b)");
  EXPECT_EQ(StepWarrantSentence("a", "b", Defeating, TLanguage::Dutch),
            "(ALS a, DAN IS HET WEERLEGD DAT b)");
}

TEST(StepWarrantSentence, KeepsBlanksAndNestsWarrants) {
  EXPECT_EQ(StepWarrantSentence(" a ", "b  ", Supporting, TLanguage::English),
            "(IF  a , THEN b  )");
  EXPECT_EQ(StepWarrantSentence("(IF a, THEN b)", "c", Supporting, TLanguage::English),
            "(IF (IF a, THEN b), THEN c)");
}

TEST(UndercutterWarrantSentence, EnglishAndDutch) {
  EXPECT_EQ(UndercutterWarrantSentence("e", "a", "b", TLanguage::English),
            "(THE STATEMENT THAT e, IS AN EXCEPTION TO THE RULE THAT, IF a, THEN b)");
  EXPECT_EQ(UndercutterWarrantSentence("e", "a", "b", TLanguage::Dutch),
            "(DE BEWERING DAT e, IS EEN UITZONDERING OP DE REGEL DAT ALS a, DAN b)");
  EXPECT_EQ(UndercutterWarrantSentence(" e", "a ", "", TLanguage::English),
            "(THE STATEMENT THAT  e, IS AN EXCEPTION TO THE RULE THAT, IF a , THEN )");
}

// A warrant is looked up among the statements without building its sentence: the pieces hash as
// the sentence does and compare equal to it alone.
TEST(WarrantPieces, StandForTheSentenceTheyJoinTo) {
  for (const TLanguage Language : {TLanguage::English, TLanguage::Dutch}) {
    const TSentencePieces Step = StepWarrantPieces("a ", "b", Defeating, Language);
    const std::string Whole = StepWarrantSentence("a ", "b", Defeating, Language);
    EXPECT_EQ(SentenceHash(Step), SentenceHash(Whole));
    EXPECT_TRUE(IsSentence(Whole, Step));
    EXPECT_FALSE(IsSentence(Whole + " ", Step));
    EXPECT_FALSE(IsSentence(Whole.substr(0, Whole.size() - 1), Step));
    EXPECT_FALSE(IsSentence(StepWarrantSentence("a", " b", Defeating, Language), Step));

    const TSentencePieces Undercutter = UndercutterWarrantPieces("e", "a", "b", Language);
    const std::string Rule = UndercutterWarrantSentence("e", "a", "b", Language);
    EXPECT_EQ(SentenceHash(Undercutter), SentenceHash(Rule));
    EXPECT_TRUE(IsSentence(Rule, Undercutter));
    EXPECT_FALSE(IsSentence(UndercutterWarrantSentence("e", "b", "a", Language), Undercutter));
  }
}

}  // namespace
}  // namespace palaver
