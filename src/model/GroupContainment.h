#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>

#include "model/DialecticalArgument.h"
#include "model/StageHistory.h"

namespace palaver {

// IsContainedIn and IsFinal as the stage defines them, on the dialectical arguments of one
// cycle group's expansion. Its objects are shared, so every answer about a pair of objects is
// remembered, and the searches look for the very same object first. Short cuts that cannot
// change an answer:
// - A dialectical argument outside the group (of a statement the group reaches but that does
//   not reach the group) never holds a statement of the group.
// - What A holds must be found in B: its steps' connections and its statements (of the group)
//   are among B's. The sets only shrink further down, so a search stops where they fail.
// - A dialectical argument of the same statement with fewer of the group's connections used up
//   has every step of the other, and below them the same again: it is final in it.
// - Where a step of one matches a step of the other, their children outside the group are one
//   object.
class TGroupContainment {
 public:
  // At most Limit comparisons, else TEvaluationLimitReached.
  TGroupContainment(const TStageHistory::TGroupIndex& Index, std::size_t Limit)
      : Index(Index), Limit(Limit), Budget(Limit) {}

  bool Contained(const TDialecticalArgument& A, const TDialecticalArgument& B);
  // Forgets the answers, to keep the memory small between unrelated questions.
  void Forget() { Memo.clear(); }

 private:
  struct TKey {
    const void* A;
    const void* B;
    int Kind;
    bool operator==(const TKey& O) const { return A == O.A && B == O.B && Kind == O.Kind; }
  };
  struct TKeyHash {
    std::size_t operator()(const TKey& K) const {
      std::uint64_t H = reinterpret_cast<std::uintptr_t>(K.A) * 0x9E3779B97F4A7C15ULL;
      H ^= (reinterpret_cast<std::uintptr_t>(K.B) + static_cast<std::uint64_t>(K.Kind)) *
           0xC2B2AE3D27D4EB4FULL;
      return static_cast<std::size_t>(H ^ (H >> 29));
    }
  };

  int PositionOf(const TDialecticalArgument& D) const { return Index.PositionOf(&D); }
  // B holds every step connection and every member statement that A holds.
  bool Holds(int PB, int PA) const;
  // B has used up no connection of the group that A has not.
  bool FewerUsed(int PB, int PA) const;
  // The answer remembered for (A, B) of this kind, or Compute's, which is then remembered.
  template <class TCompute>
  bool Remember(const void* A, const void* B, int Kind, const TCompute& Compute);
  bool InNested(const TDialecticalArgument& A, const TDialecticalArgument& B);
  bool WarrantsFinal(const PDialecticalArgument& A, const PDialecticalArgument& B);
  bool UndercutterMatches(const TStep& SA, int K, const TStep& SB);
  bool StepMatches(const TStep& SA, const TStep& SB);
  bool Final(const TDialecticalArgument& A, const TDialecticalArgument& B);

  const TStageHistory::TGroupIndex& Index;
  const std::size_t Limit;
  // Comparisons left for the group.
  std::size_t Budget;
  std::unordered_map<TKey, bool, TKeyHash> Memo;
};

}  // namespace palaver
