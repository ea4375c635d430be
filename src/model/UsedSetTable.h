#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace palaver {

// A table from (member, set of used connections) to a value. The sets are bit sets of a fixed
// number of 64-bit words, one bit per connection of a group of statements; the table keeps its
// own copy of every set it holds, in one pool.
template <class TValue>
class TUsedSetTable {
 public:
  explicit TUsedSetTable(int Words) : Words(static_cast<std::size_t>(Words)) {}

  std::size_t WordCount() const { return Words; }
  std::size_t Size() const { return Entries.size(); }

  TValue* Find(int Member, const std::uint64_t* Set) {
    if (Slots.empty()) return nullptr;
    const std::uint64_t H = Hash(Member, Set);
    for (std::size_t I = H & (Slots.size() - 1);; I = (I + 1) & (Slots.size() - 1)) {
      const std::uint32_t Slot = Slots[I];
      if (Slot == 0) return nullptr;
      TEntry& E = Entries[Slot - 1];
      if (E.Hash == H && E.Member == Member &&
          std::memcmp(&Pool[E.Offset], Set, Words * sizeof(std::uint64_t)) == 0)
        return &E.Value;
    }
  }

  // The key must not be in the table yet.
  TValue& Insert(int Member, const std::uint64_t* Set, TValue Value) {
    if ((Entries.size() + 1) * 2 > Slots.size()) Grow();
    const std::size_t Offset = Pool.size();
    Pool.insert(Pool.end(), Set, Set + Words);
    const std::uint64_t H = Hash(Member, Set);
    Entries.push_back({H, Offset, Member, std::move(Value)});
    Place(H, static_cast<std::uint32_t>(Entries.size()));
    return Entries.back().Value;
  }

  template <class TVisit>
  void ForEach(TVisit Visit) {
    for (TEntry& E : Entries)
      Visit(E.Member, &Pool[E.Offset], E.Value);
  }

 private:
  struct TEntry {
    std::uint64_t Hash;
    std::size_t Offset;
    int Member;
    TValue Value;
  };

  std::uint64_t Hash(int Member, const std::uint64_t* Set) const {
    std::uint64_t H = 0x9E3779B97F4A7C15ULL * (static_cast<std::uint64_t>(Member) + 1);
    for (std::size_t I = 0; I < Words; ++I) {
      H ^= Set[I] + 0x9E3779B97F4A7C15ULL + (H << 6) + (H >> 2);
      H *= 0xFF51AFD7ED558CCDULL;
      H ^= H >> 32;
    }
    return H;
  }

  void Place(std::uint64_t H, std::uint32_t Slot) {
    std::size_t I = H & (Slots.size() - 1);
    while (Slots[I] != 0)
      I = (I + 1) & (Slots.size() - 1);
    Slots[I] = Slot;
  }

  void Grow() {
    Slots.assign(Slots.empty() ? 64 : Slots.size() * 2, 0);
    for (std::size_t I = 0; I < Entries.size(); ++I)
      Place(Entries[I].Hash, static_cast<std::uint32_t>(I + 1));
  }

  std::size_t Words;
  std::vector<std::uint64_t> Pool;
  std::vector<TEntry> Entries;
  std::vector<std::uint32_t> Slots;
};

}  // namespace palaver
