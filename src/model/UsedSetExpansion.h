#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "model/OpenTable.h"

namespace palaver {

// A branch of an argument or a dialectical argument leaves out the connections used above it.
// Inside a group of statements that reach each other, what a statement's branch holds therefore
// depends on the group's connections used on the way to it: the group is expanded into one value
// per (member, set of the group's connections used so far) that a branch from a member meets,
// each built once and shared by every branch that meets it. The sets are bit sets of a fixed
// number of 64-bit words, one bit per connection of the group.

// The group as the expansion walks it: per member its steps, each with its connection's bit and
// the members it takes in (its children in the group), in the order the values take them in.
class TExpansionSteps {
 public:
  void AddStep(int Bit) {
    Bits.push_back(Bit);
    FirstChild.push_back(static_cast<int>(Children.size()));
  }
  void AddChild(int Member) { Children.push_back(Member); }
  // The member's steps are all added; the next step is the next member's.
  void EndMember() { FirstStep.push_back(static_cast<int>(Bits.size())); }

 private:
  template <class TValue>
  friend class TUsedSetExpansion;
  // Per member, the number of its first step, and one more at the end.
  std::vector<int> FirstStep{0};
  std::vector<int> Bits;
  // Per step, the place of its first child in Children.
  std::vector<int> FirstChild;
  std::vector<int> Children;
};

// The values of one group's expansion, by (member, set of used connections); the table keeps its
// own copy of every set, in one pool.
template <class TValue>
class TUsedSetTable {
 public:
  explicit TUsedSetTable(std::size_t Words) : Words(Words) {}

  std::size_t Size() const { return Table.Size(); }

  // The value, or null; valid until the next Insert.
  const TValue* Find(int Member, const std::uint64_t* Set) const {
    const std::ptrdiff_t Number = Table.Find(Hash(Member, Set), [&](const TEntry& E) {
      return E.Member == Member &&
             std::memcmp(&Pool[E.Offset], Set, Words * sizeof(std::uint64_t)) == 0;
    });
    return Number < 0 ? nullptr : &Table[static_cast<std::size_t>(Number)].Value;
  }

  // The key must not be in the table yet.
  const TValue& Insert(int Member, const std::uint64_t* Set, TValue Value) {
    const std::size_t Offset = Pool.size();
    Pool.insert(Pool.end(), Set, Set + Words);
    return Table.Insert(Hash(Member, Set), {Offset, Member, std::move(Value)}).Value;
  }

 private:
  struct TEntry {
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

  std::size_t Words;
  std::vector<std::uint64_t> Pool;
  TOpenTable<TEntry> Table;
};

// The walk that builds a group's expansion, with an explicit stack (the branches of a large
// group are long). The sets only grow along a branch, so no value can wait for itself.
template <class TValue>
class TUsedSetExpansion {
 public:
  explicit TUsedSetExpansion(int Bits)
      : Words(std::max<std::size_t>(1, (static_cast<std::size_t>(Bits) + 63) / 64)),
        Table(Words),
        Scratch(Words) {}

  std::size_t WordCount() const { return Words; }
  // The values built so far.
  std::size_t Size() const { return Table.Size(); }

  static bool Has(const std::uint64_t* Set, int Bit) {
    return ((Set[Bit / 64] >> (Bit % 64)) & 1U) != 0;
  }
  // Set with Bit added; valid until the next call.
  const std::uint64_t* With(const std::uint64_t* Set, int Bit) {
    std::copy(Set, Set + Words, Scratch.begin());
    Scratch[static_cast<std::size_t>(Bit / 64)] |= std::uint64_t{1} << (Bit % 64);
    return Scratch.data();
  }
  // The value of a member with a set used, once built; valid until the next value is built.
  const TValue* Find(int Member, const std::uint64_t* Set) const { return Table.Find(Member, Set); }

  // Builds every value a branch from a member meets, each after the values it takes in:
  // Build(Member, Set) returns the value of Member with Set used, whose children (With and Find)
  // are built; Root(Member, Value) receives each member's value with nothing used. Build may
  // throw to stop the walk.
  template <class TBuild, class TRoot>
  void Expand(const TExpansionSteps& Steps, const TBuild& Build, const TRoot& Root) {
    const int Members = static_cast<int>(Steps.FirstStep.size()) - 1;
    for (int Member = 0; Member < Members; ++Member) {
      Sets.assign(Words, 0);
      Enter(Steps, Member, 0);
      while (!Stack.empty()) {
        if (EnterNextChild(Steps)) continue;
        const TFrame Done = Stack.back();
        const TValue& Value =
            Table.Insert(Done.Member, &Sets[Done.Set], Build(Done.Member, &Sets[Done.Set]));
        if (Stack.size() == 1) Root(Done.Member, Value);
        Stack.pop_back();
        Sets.resize(Done.Set);
      }
    }
  }

 private:
  // A value on the way: its member, its set (at Set in Sets), and the next child to look at.
  struct TFrame {
    int Member;
    std::size_t Set;
    int Step;
    int Child;
  };

  void Enter(const TExpansionSteps& Steps, int Member, std::size_t Set) {
    Stack.push_back({Member, Set, Steps.FirstStep[static_cast<std::size_t>(Member)], 0});
  }

  // Enters the top value's next child that is not built yet; false when all of them are.
  bool EnterNextChild(const TExpansionSteps& Steps) {
    // Entering may move the stack: F is not read after it.
    TFrame& F = Stack.back();
    const int LastStep = Steps.FirstStep[static_cast<std::size_t>(F.Member) + 1];
    const auto ChildrenEnd = [&Steps](int Step) {
      return Step + 1 < static_cast<int>(Steps.Bits.size())
                 ? Steps.FirstChild[static_cast<std::size_t>(Step) + 1]
                 : static_cast<int>(Steps.Children.size());
    };
    for (; F.Step < LastStep; ++F.Step) {
      // The children of the steps are stored one after another, so the first child of a step is
      // where the step before it ended.
      F.Child = std::max(F.Child, Steps.FirstChild[static_cast<std::size_t>(F.Step)]);
      const int Bit = Steps.Bits[static_cast<std::size_t>(F.Step)];
      if (Has(&Sets[F.Set], Bit)) continue;
      while (F.Child < ChildrenEnd(F.Step)) {
        const int Child = Steps.Children[static_cast<std::size_t>(F.Child++)];
        const std::uint64_t* Key = With(&Sets[F.Set], Bit);
        if (Table.Find(Child, Key)) continue;
        const std::size_t Offset = Sets.size();
        Sets.insert(Sets.end(), Key, Key + Words);
        Enter(Steps, Child, Offset);
        return true;
      }
    }
    return false;
  }

  std::size_t Words;
  TUsedSetTable<TValue> Table;
  std::vector<std::uint64_t> Scratch;
  // The sets of the values on the way, one after another.
  std::vector<std::uint64_t> Sets;
  std::vector<TFrame> Stack;
};

}  // namespace palaver
