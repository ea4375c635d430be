// What only the program's model does: it carries a line's dialectical arguments from one stage
// to the next instead of working every stage out afresh.

#include <gtest/gtest.h>

#include "StageBuilder.h"

namespace palaver {
namespace {

using test::TStageBuilder;

// Each line counts its own status writes: another line's moves leave a line to carry on from
// where it was, keeping the dialectical arguments its next move does not touch instead of
// working everything out afresh.
TEST(StageHistory, AnotherLinesMovesDoNotMakeALineStartAfresh) {
  TStageBuilder First;
  TStageBuilder Second;
  First.Assumption("a").Connect("a", "b");
  Second.Issue("a").Connect("a", "b");
  const PDialecticalArgument Kept = First.DialecticalArgumentOf("b").InitialDialecticalArguments[0];
  Second.Issue("c").Connect("b", "c");
  First.Issue("unrelated");
  EXPECT_EQ(First.DialecticalArgumentOf("b").InitialDialecticalArguments[0], Kept);
  EXPECT_EQ(First.StatusOf("b"), test::Justified);
  EXPECT_EQ(Second.StatusOf("c"), test::Unjustified);
}

}  // namespace
}  // namespace palaver
