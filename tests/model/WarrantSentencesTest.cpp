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

}  // namespace
}  // namespace palaver
