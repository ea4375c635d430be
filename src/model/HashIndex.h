#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace palaver {

// A map from a 64-bit key to an int, held in one array (open addressing with linear probing).
// The stage history looks a statement up by the hash of its sentence and a connection by its
// ends on every move of a replay: with the entries side by side instead of one allocation each,
// a look-up in a line of a hundred thousand statements costs one cache miss, not three.
//
// Keys need not be well spread: the slot comes from the key's product with a large odd constant.
// Removal shifts the entries after a freed slot back, so no tombstones pile up when a move is
// undone again and again.
class THashIndex {
 public:
  const int* Find(std::uint64_t Key) const {
    if (Used == 0) return nullptr;
    for (std::size_t I = Home(Key);; I = Next(I)) {
      const TSlot& S = Slots[I];
      if (!S.Full) return nullptr;
      if (S.Key == Key) return &S.Value;
    }
  }

  int* Find(std::uint64_t Key) {
    return const_cast<int*>(static_cast<const THashIndex*>(this)->Find(Key));
  }

  // The value under Key, and whether it was put there now (false: Key was there already and
  // keeps its value).
  std::pair<int*, bool> Emplace(std::uint64_t Key, int Value) {
    if ((Used + 1) * 4 > Slots.size() * 3) Grow();
    std::size_t I = Home(Key);
    for (; Slots[I].Full; I = Next(I))
      if (Slots[I].Key == Key) return {&Slots[I].Value, false};
    Slots[I] = {Key, Value, true};
    ++Used;
    return {&Slots[I].Value, true};
  }

  void Erase(std::uint64_t Key) {
    if (Used == 0) return;
    std::size_t Hole = Home(Key);
    for (;; Hole = Next(Hole)) {
      if (!Slots[Hole].Full) return;
      if (Slots[Hole].Key == Key) break;
    }
    // Move back every entry after the hole that would not be found past it.
    for (std::size_t I = Next(Hole); Slots[I].Full; I = Next(I)) {
      const std::size_t Wanted = Home(Slots[I].Key);
      const bool BetweenHoleAndI =
          Hole <= I ? (Hole < Wanted && Wanted <= I) : (Hole < Wanted || Wanted <= I);
      if (BetweenHoleAndI) continue;
      Slots[Hole] = Slots[I];
      Hole = I;
    }
    Slots[Hole].Full = false;
    --Used;
  }

  std::size_t Size() const { return Used; }

 private:
  struct TSlot {
    std::uint64_t Key = 0;
    int Value = 0;
    bool Full = false;
  };

  std::size_t Home(std::uint64_t Key) const {
    return static_cast<std::size_t>((Key * 0x9E3779B97F4A7C15ULL) >> Shift);
  }
  std::size_t Next(std::size_t I) const { return (I + 1) & (Slots.size() - 1); }

  void Grow() {
    std::vector<TSlot> Old = std::move(Slots);
    const std::size_t Count = Old.empty() ? 16 : Old.size() * 2;
    Slots.assign(Count, TSlot{});
    Shift = 64;
    for (std::size_t C = Count; C > 1; C >>= 1)
      --Shift;
    Used = 0;
    for (const TSlot& S : Old)
      if (S.Full) Emplace(S.Key, S.Value);
  }

  std::vector<TSlot> Slots;
  std::size_t Used = 0;
  int Shift = 64;
};

}  // namespace palaver
