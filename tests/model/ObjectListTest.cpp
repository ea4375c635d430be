#include <gtest/gtest.h>

#include <memory>
#include <new>

#include "model/ObjectList.h"

namespace palaver {
namespace {

struct TItem {
  int Value;
};
using TItems = TObjectList<TItem>;

std::shared_ptr<TItem> Item(int Value) {
  return std::make_shared<TItem>(TItem{Value});
}

std::string Values(const TItems& List) {
  std::string Text;
  for (const auto& I : List)
    Text += std::to_string(I->Value);
  return Text;
}

// Lists that share storage must still behave as separate lists.
TEST(ObjectList, CopiesAreIndependentLists) {
  TItems A;
  for (int I = 1; I <= 3; ++I)
    A.Add(Item(I));
  TItems B;
  B.Assign(A);
  B.Add(Item(4));
  A.Add(Item(5));
  EXPECT_EQ(Values(A), "1235");
  EXPECT_EQ(Values(B), "1234");

  TItems C = A;
  C.Delete(0);
  C.Insert(1, Item(9));
  C.Remove(A[3].get());
  EXPECT_EQ(Values(A), "1235");
  EXPECT_EQ(Values(C), "293");
  A.Clear();
  EXPECT_EQ(Values(C), "293");
  EXPECT_EQ(Values(B), "1234");
}

TEST(ObjectList, ElementsReadFromOneListSurviveAnotherListGrowing) {
  TItems A;
  A.Add(Item(7));
  const std::shared_ptr<TItem>& First = A[0];
  TItems B = A;
  for (int I = 0; I < 1000; ++I)
    B.Add(Item(I));
  EXPECT_EQ(First->Value, 7);
  EXPECT_EQ(A.Count(), 1);
  EXPECT_EQ(B.Count(), 1001);
  EXPECT_EQ(B[1000]->Value, 999);
}

TEST(ObjectList, FillerRunsOnceWhenFirstReadAndCopiesShareItsResult) {
  int Runs = 0;
  TItems Lazy;
  Lazy.SetFiller([&Runs] {
    ++Runs;
    TItems Content;
    Content.Add(Item(1));
    Content.Add(Item(2));
    return Content;
  });
  TItems Copy = Lazy;
  EXPECT_EQ(Runs, 0);
  EXPECT_EQ(Values(Copy), "12");
  EXPECT_EQ(Values(Lazy), "12");
  EXPECT_EQ(Runs, 1);
  EXPECT_EQ(Copy[0], Lazy[0]);  // the very same objects
  Copy.Add(Item(3));
  EXPECT_EQ(Values(Lazy), "12");

  TItems Unread;
  Unread.SetFiller([&Runs] {
    ++Runs;
    return TItems();
  });
  Unread.Clear();
  EXPECT_TRUE(Unread.Empty());
  EXPECT_EQ(Runs, 1);
}

// A filler that fails (out of memory while an old stage is worked out again) leaves the list as
// it was: the next reader, of the list or of a copy made before, runs it again.
TEST(ObjectList, FillerThatThrowsIsTriedAgainByTheNextReader) {
  int Runs = 0;
  TItems Lazy;
  Lazy.SetFiller([&Runs] {
    if (++Runs == 1) throw std::bad_alloc();
    TItems Content;
    Content.Add(Item(7));
    return Content;
  });
  const TItems Copy = Lazy;
  EXPECT_THROW(Lazy.Count(), std::bad_alloc);
  EXPECT_EQ(Values(Copy), "7");
  EXPECT_EQ(Values(Lazy), "7");
  EXPECT_EQ(Runs, 2);
}

}  // namespace
}  // namespace palaver
