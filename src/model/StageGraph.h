#pragma once

#include <climits>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "model/DialecticalArgument.h"
#include "model/Statement.h"

namespace palaver {

// The graph a line's stage history (TStageHistory) keeps: a node per statement, an edge from a
// statement to each statement its dialectical argument takes in directly, and the connections,
// everything with the version at which it entered the graph.

// A version at which something has not (yet) entered the graph.
inline constexpr int NeverInGraph = INT32_MAX;

struct TStageEdge {
  int Node;
  int Version;
};

// What one step of a cycle group's statement was built from, as it stood at the group's
// version.
struct TStageStepRecipe {
  int Connection;
  // The connection's bit in the group's sets of used connections.
  int Bit;
  int StepWarrantNode;
  int Exceptions;
  std::vector<int> UndercutterWarrantNodes;
};

// One expansion of one cycle group, made at one version.
struct TStageCycleGroup {
  int Version = 0;
  // Node indices, ascending.
  std::vector<int> Members;
  // Per member: its type at the group's version and the steps of its dialectical argument.
  std::vector<TStatementType> Types;
  std::vector<std::vector<TStageStepRecipe>> Steps;
  int Bits = 0;
  // The group's own structure: per step its connection and the children it has in the group,
  // each as (its place among the step's children, the member). What lies outside plays no part
  // in which dialectical arguments the expansion holds or which contains which, so two groups
  // with the same members and the same shape agree in both.
  std::vector<int> Shape;
  // Distinct dialectical arguments of the expansion.
  std::size_t Count = 0;
  // Members.size() squared: Contains[A * n + B] when the dialectical argument of member A is
  // contained in that of member B.
  std::vector<char> Contains;
  // The members' dialectical arguments; empty until somebody needs them.
  std::vector<PDialecticalArgument> Roots;
};
using PStageCycleGroup = std::shared_ptr<TStageCycleGroup>;

struct TStageNode {
  PStatement Statement;
  // The version at which the statement entered the graph.
  int Since = 0;
  // Its type at the newest version, and the types it had before: (version, the type it had up
  // to that version), oldest first.
  TStatementType Type = TStatementType::Issue;
  std::vector<std::pair<int, TStatementType>> EarlierTypes;
  // The connections that conclude this statement, in connection order.
  std::vector<int> Concluding;
  std::vector<TStageEdge> Parents;
  std::vector<TStageEdge> Children;
  int ParentSince = NeverInGraph;
  int CyclicSince = NeverInGraph;

  // --- The newest version's evaluation ---
  // The version since which the statement's dialectical argument has stayed the same.
  int BuiltAt = 0;
  // The statement's cycle group, for a statement on a cycle.
  PStageCycleGroup Group;
  int Member = -1;
  // Its dialectical argument, for a statement on no cycle. Stale while BuiltAt's has not been
  // worked out yet; it then still holds an earlier one, whose unchanged steps are kept.
  PDialecticalArgument Latest;
  bool Stale = true;
  // Its status is still to be written.
  bool Unsettled = false;
};

// A connection, with the versions at which it and its parts entered the graph.
struct TStageConnection {
  PReasonConclusion Connection;
  int Version = 0;
  int Reason = -1;
  int Conclusion = -1;
  int StepWarrantNode = -1;
  int StepWarrantSince = NeverInGraph;
  // One per exception taken into account, in the connection's order.
  std::vector<int> ExceptionNodes;
  std::vector<int> ExceptionSince;
  std::vector<int> UndercutterWarrantNodes;
  std::vector<int> UndercutterWarrantSince;
};

}  // namespace palaver
