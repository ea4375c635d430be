// The maximal dialectical arguments of one version of a history.

#include <algorithm>
#include <vector>

#include "model/StageHistory.h"

namespace palaver {

// The selection goes through the statements in order: one is maximal unless its dialectical
// argument is properly contained in that of a later statement or of one already selected.
//
// - A statement on no cycle has one dialectical argument that everything above it takes in as
//   it is, and it reaches nothing that reaches back: it is properly contained in the dialectical
//   argument of every statement that reaches it, and so it is maximal exactly when nothing takes
//   it in. (A container that was not selected is itself contained in a later or a selected one,
//   which then contains this one too.)
// - For a statement of a cycle group the group knows which member's dialectical argument
//   contains which. A statement outside the group that reaches it holds the group's
//   dialectical arguments only through the members it enters the group at, as they are: it
//   contains the member's dialectical argument exactly when it reaches, from outside, a member
//   whose dialectical argument contains it (and never the other way round).
TDialecticalArguments TStageHistory::MaximalAt(const TVersionRead& Read,
                                               const TDialecticalArguments& All) const {
  const int Count = All.Count();
  const int Version = Read.Version;
  std::vector<char> Selected(static_cast<std::size_t>(Count));
  std::vector<int> Seen(static_cast<std::size_t>(Count), -1);
  std::vector<int> Stack;
  for (int I = 0; I < Count; ++I) {
    const TNode& N = NodeList[static_cast<std::size_t>(I)];
    if (N.CyclicSince > Version) {
      Selected[static_cast<std::size_t>(I)] = N.ParentSince > Version;
      continue;
    }
    // The newest version's group while the statement's dialectical argument is still the same,
    // else the group the reading built.
    const bool Newest = N.BuiltAt <= Version;
    const TCycleGroup& G = Newest ? *N.Group : *Read.GroupOf.at(I).first;
    const std::size_t Size = G.Members.size();
    const auto A = static_cast<std::size_t>(Newest ? N.Member : Read.GroupOf.at(I).second);
    // A container must be later than this statement or selected already.
    const auto Counts = [&](int J) { return J > I || Selected[static_cast<std::size_t>(J)]; };

    bool Contained = false;
    for (std::size_t B = 0; B < Size && !Contained; ++B)
      Contained =
          B != A && G.Contains[A * Size + B] && !G.Contains[B * Size + A] && Counts(G.Members[B]);
    // From outside: everything that reaches an edge into a member that contains this one.
    Stack.clear();
    for (std::size_t B = 0; B < Size; ++B)
      if (G.Contains[A * Size + B]) Stack.push_back(G.Members[B]);
    while (!Contained && !Stack.empty()) {
      const int Node = Stack.back();
      Stack.pop_back();
      for (const TEdge& E : NodeList[static_cast<std::size_t>(Node)].Parents) {
        if (E.Version > Version || Seen[static_cast<std::size_t>(E.Node)] == I) continue;
        // Inside the group only the members named above lead out.
        if (std::binary_search(G.Members.begin(), G.Members.end(), E.Node)) continue;
        Seen[static_cast<std::size_t>(E.Node)] = I;
        if (Counts(E.Node)) {
          Contained = true;
          break;
        }
        Stack.push_back(E.Node);
      }
    }
    Selected[static_cast<std::size_t>(I)] = !Contained;
  }

  TDialecticalArguments List;
  for (int I = 0; I < Count; ++I)
    if (Selected[static_cast<std::size_t>(I)]) List.Add(All[I]);
  return List;
}

}  // namespace palaver
