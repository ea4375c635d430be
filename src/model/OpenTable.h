#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace palaver {

// The model's hash table: open addressing with linear probing over a power-of-two array of slots,
// at most half full. The entries are kept in the order they came, numbered from 0, each with its
// hash; a slot holds an entry's number plus one, 0 for an empty slot. Entries are never removed.
// The caller hashes its keys and says which entry is the one sought, so a key can be anything
// an entry can be compared with (a pointer, or a set of bits kept elsewhere).
template <class TEntry>
class TOpenTable {
 public:
  std::size_t Size() const { return Entries.size(); }
  TEntry& operator[](std::size_t Number) { return Entries[Number].Entry; }
  const TEntry& operator[](std::size_t Number) const { return Entries[Number].Entry; }

  // The number of the entry with this hash for which Is(entry) holds, or -1.
  template <class TIs>
  std::ptrdiff_t Find(std::uint64_t Hash, const TIs& Is) const {
    if (Slots.empty()) return -1;
    for (std::size_t I = Hash & (Slots.size() - 1);; I = (I + 1) & (Slots.size() - 1)) {
      const std::uint32_t Slot = Slots[I];
      if (Slot == 0) return -1;
      const TStored& S = Entries[Slot - 1];
      if (S.Hash == Hash && Is(S.Entry)) return static_cast<std::ptrdiff_t>(Slot - 1);
    }
  }

  // Adds an entry, whose key must not be in the table yet.
  TEntry& Insert(std::uint64_t Hash, TEntry Entry) {
    if ((Entries.size() + 1) * 2 > Slots.size()) Grow();
    Entries.push_back({Hash, std::move(Entry)});
    Place(Hash, static_cast<std::uint32_t>(Entries.size()));
    return Entries.back().Entry;
  }

 private:
  struct TStored {
    std::uint64_t Hash;
    TEntry Entry;
  };

  void Place(std::uint64_t Hash, std::uint32_t Slot) {
    std::size_t I = Hash & (Slots.size() - 1);
    while (Slots[I] != 0)
      I = (I + 1) & (Slots.size() - 1);
    Slots[I] = Slot;
  }

  void Grow() {
    Slots.assign(Slots.empty() ? 64 : Slots.size() * 2, 0);
    for (std::size_t I = 0; I < Entries.size(); ++I)
      Place(Entries[I].Hash, static_cast<std::uint32_t>(I + 1));
  }

  std::vector<TStored> Entries;
  std::vector<std::uint32_t> Slots;
};

}  // namespace palaver
