#include "model/ExpandedSize.h"

#include <utility>
#include <vector>

namespace palaver {

namespace {

// The dialectical arguments nested directly in D, in any order.
template <class TVisit>
void ForEachNested(const TDialecticalArgument& D, const TVisit& Visit) {
  for (const PDialecticalArgument& R : D.InitialDialecticalArguments)
    if (R) Visit(*R);
  for (const PStep& T : D.Steps) {
    if (!T) continue;
    if (T->WarrantingDialecticalArgument) Visit(*T->WarrantingDialecticalArgument);
    for (const PUndercutter& U : T->Undercutters)
      if (U && U->WarrantingDialecticalArgument) Visit(*U->WarrantingDialecticalArgument);
    for (const PDialecticalArgument& E : T->UndercuttingDialecticalArguments)
      if (E) Visit(*E);
  }
}

template <class TVisit>
void ForEachNested(const TArgument& A, const TVisit& Visit) {
  for (const PArgument& Sub : A.InitialArguments)
    if (Sub) Visit(*Sub);
}

// Children before parents, with an explicit stack: trees can be deep.
template <class TNode>
std::uint64_t Count(const TNode& Root, std::unordered_map<const void*, std::uint64_t>& Known) {
  if (const auto It = Known.find(&Root); It != Known.end()) return It->second;
  std::vector<std::pair<const TNode*, bool>> Stack{{&Root, false}};
  while (!Stack.empty()) {
    auto [Node, ChildrenDone] = Stack.back();
    if (Known.count(Node)) {
      Stack.pop_back();
      continue;
    }
    if (!ChildrenDone) {
      Stack.back().second = true;
      ForEachNested(*Node, [&](const TNode& Child) {
        if (!Known.count(&Child)) Stack.emplace_back(&Child, false);
      });
      continue;
    }
    Stack.pop_back();
    std::uint64_t Size = 1;
    ForEachNested(*Node, [&](const TNode& Child) { Size = AddSizes(Size, Known.at(&Child)); });
    Known.emplace(Node, Size);
  }
  return Known.at(&Root);
}

}  // namespace

std::uint64_t TExpandedSizes::Of(const TDialecticalArgument& D) {
  return Count(D, Known);
}

std::uint64_t TExpandedSizes::Of(const TArgument& A) {
  return Count(A, Known);
}

}  // namespace palaver
