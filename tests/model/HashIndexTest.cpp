#include "model/HashIndex.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <unordered_map>
#include <vector>

namespace palaver {
namespace {

// Inserts, finds and removes at random against the standard map. Few distinct keys, many of them
// landing on neighbouring slots, so that removal has runs to close up, also across the end of
// the array.
TEST(HashIndex, AgreesWithTheStandardMapThroughInsertsAndRemovals) {
  std::mt19937_64 Random(7);
  for (const std::uint64_t Spread : {std::uint64_t{40}, std::uint64_t{2000}}) {
    THashIndex Index;
    std::unordered_map<std::uint64_t, int> Expected;
    for (int Step = 0; Step < 200000; ++Step) {
      // Keys that differ only in their high bits, and small ones.
      const std::uint64_t Key = Random() % 2 ? Random() % Spread : (Random() % Spread) << 40;
      switch (Random() % 3) {
        case 0: {
          const auto [Value, New] = Index.Emplace(Key, Step);
          const bool ExpectedNew = Expected.emplace(Key, Step).second;
          ASSERT_EQ(New, ExpectedNew);
          ASSERT_EQ(*Value, Expected[Key]);
          break;
        }
        case 1:
          Index.Erase(Key);
          Expected.erase(Key);
          break;
        default: {
          const int* Found = Index.Find(Key);
          const auto It = Expected.find(Key);
          ASSERT_EQ(Found != nullptr, It != Expected.end());
          if (Found) {
            ASSERT_EQ(*Found, It->second);
          }
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
}

TEST(HashIndex, EmptyIndexFindsAndRemovesNothing) {
  THashIndex Index;
  EXPECT_EQ(Index.Find(0), nullptr);
  Index.Erase(0);
  Index.Emplace(0, 5);
  *Index.Find(0) = 6;
  EXPECT_EQ(*Index.Find(0), 6);
  Index.Erase(0);
  EXPECT_EQ(Index.Find(0), nullptr);
  EXPECT_EQ(Index.Size(), 0U);
}

}  // namespace
}  // namespace palaver
