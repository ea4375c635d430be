#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <unordered_map>
#include <vector>

#include "model/OpenTable.h"

namespace palaver {
namespace {

// The stage history's key index against the standard map, used as the history uses it: keys put
// in, values changed, and the newest keys taken out again as moves are undone. The keys are pairs
// of small numbers side by side (as a connection's ends are) and plain small numbers, so that
// many of them would share slots without the mixing, and runs of full slots form and empty again
// across the table's growth.
TEST(KeyIndex, AgreesWithTheStandardMapWhileKeysComeAndGoNewestFirst) {
  std::mt19937_64 Random(11);
  TKeyIndex Index;
  std::unordered_map<std::uint64_t, int> Expected;
  std::vector<std::uint64_t> Added;  // The keys put in, oldest first.
  for (int Step = 0; Step < 300000; ++Step) {
    const std::uint64_t Small = Random() % 3000;
    const std::uint64_t Key = Random() % 2 ? Small : (Small << 32 | Random() % 4);
    const auto Choice = Random() % 8;
    if (Choice < 4) {
      const auto [Value, New] = Index.Emplace(Key, Step);
      const bool ExpectedNew = Expected.emplace(Key, Step).second;
      ASSERT_EQ(New, ExpectedNew);
      ASSERT_EQ(*Value, Expected[Key]);
      if (New) Added.push_back(Key);
    } else if (Choice < 6 && !Added.empty()) {
      // Undo a run of the newest, as taking several moves back does.
      for (auto Run = Random() % 4; Run > 0 && !Added.empty(); --Run) {
        Index.EraseNewest(Added.back());
        Expected.erase(Added.back());
        Added.pop_back();
      }
    } else if (Choice == 6 && !Added.empty()) {
      const std::uint64_t Some = Added[Random() % Added.size()];
      *Index.Find(Some) = -Step;
      Expected[Some] = -Step;
    } else {
      const int* Found = Index.Find(Key);
      const auto It = Expected.find(Key);
      ASSERT_EQ(Found != nullptr, It != Expected.end());
      if (Found) {
        ASSERT_EQ(*Found, It->second);
      }
    }
    ASSERT_EQ(Index.Size(), Expected.size());
  }
  for (const auto& [Key, Value] : Expected) {
    const int* Found = Index.Find(Key);
    ASSERT_NE(Found, nullptr);
    EXPECT_EQ(*Found, Value);
  }
}

}  // namespace
}  // namespace palaver
