#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace palaver {

// The model's hash table: open addressing with linear probing over a power-of-two array of slots,
// at most half full. The entries are kept in the order they came, numbered from 0, each with its
// hash; a slot holds an entry's number plus one, 0 for an empty slot. Only the newest entry can
// be taken out again (a move undone takes back what it added, newest first).
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

  // Takes the newest entry out. No entry placed before it probed past its slot (the slot was
  // empty then) and every entry placed after it is gone, so emptying the slot is enough.
  void PopNewest() {
    const auto Number = static_cast<std::uint32_t>(Entries.size());
    std::size_t I = Entries.back().Hash & (Slots.size() - 1);
    while (Slots[I] != Number)
      I = (I + 1) & (Slots.size() - 1);
    Slots[I] = 0;
    Entries.pop_back();
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

// A map from a 64-bit key to an int on the table above, for the stage history's look-ups (a
// statement by the hash of its sentence, a connection by its ends, the users of a warrant
// sentence): the entries side by side instead of one allocation each, so a look-up in a line of
// a hundred thousand statements costs a cache miss or two, not three or more.
class TKeyIndex {
 public:
  const int* Find(std::uint64_t Key) const {
    const std::ptrdiff_t N =
        Table.Find(Mixed(Key), [Key](const TKeyed& E) { return E.Key == Key; });
    return N < 0 ? nullptr : &Table[static_cast<std::size_t>(N)].Value;
  }

  int* Find(std::uint64_t Key) {
    return const_cast<int*>(static_cast<const TKeyIndex*>(this)->Find(Key));
  }

  // The value under Key, and whether it was put there now (false: Key was there already and
  // keeps its value).
  std::pair<int*, bool> Emplace(std::uint64_t Key, int Value) {
    if (int* Found = Find(Key)) return {Found, false};
    return {&Table.Insert(Mixed(Key), {Key, Value}).Value, true};
  }

  // Takes out Key, which must be the newest key put in that is still there.
  void EraseNewest([[maybe_unused]] std::uint64_t Key) {
    assert(Table.Size() > 0 && Table[Table.Size() - 1].Key == Key);
    Table.PopNewest();
  }

  std::size_t Size() const { return Table.Size(); }

 private:
  struct TKeyed {
    std::uint64_t Key;
    int Value;
  };

  // The table takes a slot from a hash's low bits; keys such as a pair of numbers side by side
  // differ only in some of their bits, so every bit is spread over all of them first.
  static std::uint64_t Mixed(std::uint64_t Key) {
    Key ^= Key >> 30;
    Key *= 0xBF58476D1CE4E5B9ULL;
    Key ^= Key >> 27;
    Key *= 0x94D049BB133111EBULL;
    return Key ^ (Key >> 31);
  }

  TOpenTable<TKeyed> Table;
};

}  // namespace palaver
