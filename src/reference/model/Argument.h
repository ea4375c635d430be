#pragma once

#include <cstdint>
#include <memory>

#include "model/ObjectList.h"
#include "model/Statement.h"

namespace palaver {

class TArgument;
using PArgument = std::shared_ptr<TArgument>;

// The ordered list of arguments, with the two searches that compare arguments by structure.
class TArguments : public TObjectList<TArgument> {
 public:
  // Index of the first element with equal structure to B, or -1.
  int InList(const TArgument& B) const;
  // Index of the first element of which B is a sub-argument, or -1.
  int InExtendedList(const TArgument& B) const;
};

// A tree of statements: the conclusion at the root, and below it one sub-argument per connection
// that concludes it. Arguments follow connections only; warrants and exceptions play no part.
class TArgument {
 public:
  // A new argument has a new blank statement as conclusion (callers replace it at once).
  TArgument();
  explicit TArgument(PStatement Conclusion);

  PStatement Conclusion;
  TArguments InitialArguments;
  // 2 at creation (not computed); 1 would mean undefeated. Nothing in the program sets it.
  std::uint8_t DefeatStatus = 2;

  bool HasEqualStructure(const TArgument& B) const;
  bool IsInitial(const TArgument& B) const;
  bool IsNarrowing(const TArgument& B) const;
  bool IsSubargument(const TArgument& B) const;
  // Pre-order list of the statements at the nodes; repeated nodes give repeated entries.
  TStatements GiveStatements() const;
  // Copy of this argument in which every subtree rooted at B's conclusion (the same statement
  // object) is replaced by B itself. R receives the result.
  void Implant(const PArgument& B, PArgument& R) const;
  // Appends to List (created when null), for every topmost node of B that concludes C's reason,
  // a new argument that puts C's conclusion on top of that node's subtree.
  void ExtendArgumentAtConclusion(const PArgument& B, const TReasonConclusion& C,
                                  std::shared_ptr<TArguments>& List) const;
  // Builds in R (created when null) a copy of B in which C's reason is added as an elementary
  // sub-argument to every node that concludes C's conclusion and lacks it.
  void ExtendArgumentAtReason(const TArgument& B, const TReasonConclusion& C, PArgument& R) const;
  // Part of the interface; does nothing.
  void DoReasonConclusionMove() {}
};

}  // namespace palaver
