#pragma once

#include <cassert>
#include <memory>
#include <vector>

namespace palaver {

// An ordered list of references to model objects. The list shares its elements; it never owns
// them alone, so Clear, Delete and Remove drop a reference and never destroy an object that
// another list (of this stage or any other) still holds. Every search of the model runs from
// index 0 upwards, so the order of the elements is part of every result.
template <class T>
class TObjectList {
 public:
  using Ref = std::shared_ptr<T>;
  using Iterator = typename std::vector<Ref>::const_iterator;

  int Count() const { return static_cast<int>(Items.size()); }
  bool Empty() const { return Items.empty(); }

  const Ref& operator[](int Index) const {
    assert(Index >= 0 && Index < Count());
    return Items[static_cast<std::size_t>(Index)];
  }
  Ref& operator[](int Index) {
    assert(Index >= 0 && Index < Count());
    return Items[static_cast<std::size_t>(Index)];
  }

  void Add(Ref Item) { Items.push_back(std::move(Item)); }
  void Insert(int Index, Ref Item) {
    assert(Index >= 0 && Index <= Count());
    Items.insert(Items.begin() + Index, std::move(Item));
  }
  void Delete(int Index) {
    assert(Index >= 0 && Index < Count());
    Items.erase(Items.begin() + Index);
  }
  // Deletes the first occurrence of Item (the same object); does nothing when it is absent.
  void Remove(const T* Item) {
    for (auto It = Items.begin(); It != Items.end(); ++It) {
      if (It->get() == Item) {
        Items.erase(It);
        return;
      }
    }
  }
  // Index of the first occurrence of Item (the same object), or -1.
  int IndexOf(const T* Item) const {
    for (int I = 0; I < Count(); ++I)
      if (Items[static_cast<std::size_t>(I)].get() == Item) return I;
    return -1;
  }
  void Clear() { Items.clear(); }
  // Shallow copy: afterwards both lists hold the same objects in the source's order.
  void Assign(const TObjectList& Source) {
    if (&Source != this) Items = Source.Items;
  }
  void Reserve(int N) { Items.reserve(static_cast<std::size_t>(N)); }

  Iterator begin() const { return Items.begin(); }
  Iterator end() const { return Items.end(); }

 private:
  std::vector<Ref> Items;
};

}  // namespace palaver
