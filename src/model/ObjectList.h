#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace palaver {

// An ordered list of references to model objects. The list shares its elements; it never owns
// them alone, so Clear, Delete and Remove drop a reference and never destroy an object that
// another list (of this stage or any other) still holds. Every search of the model runs from
// index 0 upwards, so the order of the elements is part of every result.
//
// Two things keep long lines of argumentation cheap, and neither can be seen from outside:
// - Copies and Assign share the elements' storage. A list sees the first Size elements of its
//   storage; appending to a list that sees all of it adds in place (while the storage has room),
//   so the stages of one line, whose lists only ever grow, keep one storage between them. Any
//   other change first gives the list a storage of its own. Storage that others share is never
//   moved, so a reference read from one list stays valid while another list grows.
// - A list may be given a filler, which computes its content when it is first read or changed:
//   a stage's dialectical arguments are only worked out for the stages somebody looks at.
template <class T>
class TObjectList {
 public:
  using Ref = std::shared_ptr<T>;
  using Iterator = const Ref*;

  TObjectList() = default;
  TObjectList(const TObjectList& Other)
      : Storage(Other.Storage), Size(Other.Size), Pending(Other.Pending) {}
  TObjectList(TObjectList&& Other) noexcept
      : Storage(std::move(Other.Storage)),
        Size(std::exchange(Other.Size, 0)),
        Pending(std::move(Other.Pending)) {}
  TObjectList& operator=(const TObjectList& Other) {
    if (&Other != this) {
      Storage = Other.Storage;
      Size = Other.Size;
      Pending = Other.Pending;
    }
    return *this;
  }
  TObjectList& operator=(TObjectList&& Other) noexcept {
    if (&Other != this) {
      Storage = std::move(Other.Storage);
      Size = std::exchange(Other.Size, 0);
      Pending = std::move(Other.Pending);
    }
    return *this;
  }
  ~TObjectList() = default;

  int Count() const {
    Ready();
    return Size;
  }
  bool Empty() const { return Count() == 0; }

  const Ref& operator[](int Index) const {
    Ready();
    assert(Index >= 0 && Index < Size);
    return Storage->Items[static_cast<std::size_t>(Index)];
  }

  void Add(Ref Item) {
    Ready();
    if (!CanAppendInPlace()) Detach(std::max<std::size_t>(4, 2 * static_cast<std::size_t>(Size)));
    Storage->Items.push_back(std::move(Item));
    ++Size;
  }
  void Insert(int Index, Ref Item) {
    Ready();
    assert(Index >= 0 && Index <= Size);
    Own();
    Storage->Items.insert(Storage->Items.begin() + Index, std::move(Item));
    ++Size;
  }
  void Delete(int Index) {
    Ready();
    assert(Index >= 0 && Index < Size);
    Own();
    Storage->Items.erase(Storage->Items.begin() + Index);
    --Size;
  }
  // Deletes the first occurrence of Item (the same object); does nothing when it is absent.
  void Remove(const T* Item) {
    const int Index = IndexOf(Item);
    if (Index >= 0) Delete(Index);
  }
  // Index of the first occurrence of Item (the same object), or -1.
  int IndexOf(const T* Item) const {
    Ready();
    for (int I = 0; I < Size; ++I)
      if (Storage->Items[static_cast<std::size_t>(I)].get() == Item) return I;
    return -1;
  }
  void Clear() {
    Pending.reset();
    Storage.reset();
    Size = 0;
  }
  // Shallow copy: afterwards both lists hold the same objects in the source's order.
  void Assign(const TObjectList& Source) { *this = Source; }
  void Reserve(int N) {
    Ready();
    if (!Storage || Storage->Items.capacity() < static_cast<std::size_t>(N))
      Detach(static_cast<std::size_t>(std::max(N, Size)));
  }

  Iterator begin() const {
    Ready();
    return Storage ? Storage->Items.data() : nullptr;
  }
  Iterator end() const { return begin() + Count(); }

  // True while the list has a filler that has not run yet.
  bool WaitsForFiller() const { return Pending && !Pending->Done; }

  // Empties the list and has Fill (a callable returning the content as a list) compute its
  // content when it is first read or changed. Copies made before that share the one result.
  template <class TFill>
  void SetFiller(TFill Fill) {
    Clear();
    Pending = std::make_shared<TFilling<TFill>>(std::move(Fill));
  }

 private:
  struct TStorage {
    std::vector<Ref> Items;
  };
  // The content a filler computes, shared by the copies of a list made before it was read; the
  // filler lives in the same object, so a lazy list costs one allocation.
  struct TPending {
    virtual ~TPending() = default;
    virtual TObjectList Fill() = 0;
    // Lets go of what the filler holds: it may hold on to a lot.
    virtual void Release() = 0;
    bool Done = false;
    std::shared_ptr<TStorage> Storage;
    int Size = 0;
  };
  template <class TFill>
  struct TFilling final : TPending {
    explicit TFilling(TFill Fill) : Filler(std::move(Fill)) {}
    TObjectList Fill() override { return (*Filler)(); }
    void Release() override { Filler.reset(); }
    std::optional<TFill> Filler;
  };

  void Ready() const {
    if (Pending) [[unlikely]]
      RunFiller();
  }
  // A filler that throws (out of memory, say) leaves the list, and every copy sharing its
  // filler, as it was: the next reader runs it again.
  void RunFiller() const {
    const std::shared_ptr<TPending> Cell = Pending;
    if (!Cell->Done) {
      TObjectList Content = Cell->Fill();
      Content.Ready();
      Cell->Storage = std::move(Content.Storage);
      Cell->Size = Content.Size;
      Cell->Done = true;
      Cell->Release();
    }
    Storage = Cell->Storage;
    Size = Cell->Size;
    Pending.reset();
  }
  bool CanAppendInPlace() const {
    if (!Storage) return false;
    std::vector<Ref>& Items = Storage->Items;
    if (Storage.use_count() == 1) {
      // Nobody else sees the elements past Size: drop them and grow as a vector grows.
      Items.resize(static_cast<std::size_t>(Size));
      return true;
    }
    // Shared: only at the end, and only without moving what the others see.
    return Items.size() == static_cast<std::size_t>(Size) && Items.size() < Items.capacity();
  }
  // Gives the list a storage of its own, unless it has one that nobody else sees.
  void Own() {
    if (Storage && Storage.use_count() == 1)
      Storage->Items.resize(static_cast<std::size_t>(Size));
    else
      Detach(static_cast<std::size_t>(Size) + 1);
  }
  void Detach(std::size_t Capacity) {
    auto Fresh = std::make_shared<TStorage>();
    Fresh->Items.reserve(Capacity);
    if (Storage) Fresh->Items.assign(Storage->Items.begin(), Storage->Items.begin() + Size);
    Storage = std::move(Fresh);
  }

  mutable std::shared_ptr<TStorage> Storage;
  mutable int Size = 0;
  mutable std::shared_ptr<TPending> Pending;
};

}  // namespace palaver
