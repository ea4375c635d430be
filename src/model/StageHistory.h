#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/ArgumentationStage.h"

namespace palaver {

// The dialectical arguments of one line of argumentation, carried from stage to stage.
//
// Every stage of a line is a version of one growing graph: a node per statement, and an edge
// from a statement to each statement its dialectical argument takes in directly (the reason,
// the step warrant statement, the exceptions and their undercutter warrant statements of every
// connection that concludes it). A move only adds nodes and edges and re-types statements.
//
// A branch of a dialectical argument leaves out the connections used above it, but a used
// connection can only matter further down when the branch can come back to its conclusion, that
// is inside a cycle group: a set of statements that all reach each other. So:
// - A statement on no cycle has one dialectical argument per version, whatever the branches
//   above it have used up. It is built once from its children's and shared by everything above
//   it, and a new version of it keeps the steps that did not change.
// - The statements of a cycle group share one expansion: a dialectical argument for every
//   (statement, connections of the group used so far) that a branch can meet, each built once.
//   Leaving the group, a branch takes the shared dialectical argument of the statement it
//   reaches. The expansion's size is what the evaluation limit counts.
// - A move rebuilds only the statements that reach what it changed, and writes only their
//   statuses.
// Each node keeps its dialectical argument of every version in which it changed, with the
// versions at which it first got a parent and first lay on a cycle, and every edge its version,
// so that any stage of the line can list its dialectical arguments as they were at its move.
// An old version's cycle group may let go of its expansion to save memory; it keeps what it was
// built from and builds it again when somebody reads it.
class TStageHistory : public std::enable_shared_from_this<TStageHistory> {
 public:
  static constexpr int Never = INT32_MAX;

  struct TEdge {
    int Node;
    int Version;
  };

  // What one step of a cycle group's statement was built from, as it stood at the group's
  // version.
  struct TStepRecipe {
    int Connection;
    // The connection's bit in the group's sets of used connections.
    int Bit;
    int StepWarrantNode;
    int Exceptions;
    std::vector<int> UndercutterWarrantNodes;
  };

  // One expansion of one cycle group, made at one version.
  struct TCycleGroup {
    int Version = 0;
    // Node indices, ascending.
    std::vector<int> Members;
    // Per member: its type at the group's version and the steps of its dialectical argument.
    std::vector<TStatementType> Types;
    std::vector<std::vector<TStepRecipe>> Steps;
    int Bits = 0;
    // Distinct dialectical arguments of the expansion.
    std::size_t Count = 0;
    // Members.size() squared: Contains[A * n + B] when the dialectical argument of member A is
    // contained in that of member B.
    std::vector<char> Contains;
    // Some newer version has rebuilt the group's statements.
    bool Superseded = false;
    // The members' dialectical arguments; empty after the group let go of them.
    std::vector<PDialecticalArgument> Roots;
  };
  using PCycleGroup = std::shared_ptr<TCycleGroup>;
  struct TGroupIndex;

  // One version in which a statement's dialectical argument changed: the type it was built
  // with, and for a statement of a cycle group the group and the statement's place in it.
  struct TTree {
    int Version;
    TStatementType Type;
    PCycleGroup Group;
    int Member = -1;
  };

  struct TNode {
    PStatement Statement;
    // The type the node's dialectical argument was last built with.
    TStatementType Type = TStatementType::Issue;
    // The connections that conclude this statement, in connection order.
    std::vector<int> Concluding;
    std::vector<TEdge> Parents;
    std::vector<TEdge> Children;
    int ParentSince = Never;
    int CyclicSince = Never;
    // Oldest first.
    std::vector<TTree> Trees;
    // The dialectical argument of the newest of them, for a statement on no cycle. Older
    // versions' are built again from the graph when somebody reads them.
    PDialecticalArgument Latest;
  };

  // A connection, with the versions at which it and its parts entered the graph.
  struct TConnection {
    PReasonConclusion Connection;
    int Version = 0;
    int Reason = -1;
    int Conclusion = -1;
    std::string StepWarrant;
    int StepWarrantNode = -1;
    int StepWarrantSince = Never;
    // One per exception taken into account, in the connection's order.
    std::vector<int> ExceptionNodes;
    std::vector<int> ExceptionSince;
    std::vector<std::string> UndercutterWarrants;
    std::vector<int> UndercutterWarrantNodes;
    std::vector<int> UndercutterWarrantSince;
  };

  // A history whose version 0 is Base as the shared objects are now, evaluated with Context.
  // Throws TEvaluationLimitReached when Base is past a limit.
  static std::shared_ptr<TStageHistory> Build(const TArgumentationStage& Base,
                                              const TEvaluationContext& Context);

  // True when some connection has an end or an exception that is not one of the stage's own
  // statement objects. No move of the program makes such a stage (a stage built by hand, or a
  // new connection handed in with exceptions of its own, can); its dialectical arguments are
  // built the long way, stage by stage, and the history only keeps the look-ups.
  bool IsPlain() const { return Plain; }

  // True when Stage is this history's newest version with its lists as the move left them, and
  // no move has failed on it half-way. Statement types and exception lists are taken to change
  // only through moves.
  bool IsNewestVersion(const TArgumentationStage& Stage) const;
  // True when a move on Stage, evaluated with Context, can carry this history forward: Stage is
  // its newest version, the context has the language the history's warrant sentences were built
  // in and the line's status count, and nothing else has written statuses into the statements
  // since. (The limits are the move's own.) Otherwise a move builds a fresh history from its stage,
  // which costs one whole computation (only a move on an older stage, or one after a language
  // switch, needs that).
  bool CanContinueFrom(const TArgumentationStage& Stage, const TEvaluationContext& Context) const;

  // --- Look-ups, valid for every stage of the history ------------------------------------
  // Index of the statement with this sentence, or -1.
  int StatementIndex(const std::string& Sentence) const;
  // Index of the first connection with these end sentences, or -1.
  int ConnectionIndex(const std::string& Reason, const std::string& Conclusion) const;
  // GetNewId of the newest stage.
  std::string NewId();

  // --- A move, on the newest stage: the changes, then FinishMove ---------------------------
  void AddStatement(const PStatement& S);
  // The statement's type may have changed.
  void Touch(const TStatement& S);
  void AddConnection(const PReasonConclusion& C);
  // The connection's exception list may have grown.
  void TouchExceptions(int Connection);
  // How many of the connection's exceptions the history has taken in.
  int ExceptionsKnown(int Connection) const;
  // Rebuilds what the changes reach, writes the statuses and makes New the newest version.
  // Throws TEvaluationLimitReached, before any status is written, when the new version would
  // pass a limit; the history can then no longer be carried on.
  void FinishMove(TArgumentationStage& New);
  // A move on the newest stage begins, within Limits: what it changes in the history is noted,
  // so that a move that is refused (past an evaluation limit) can be taken back.
  void BeginMove(const TEvaluationLimits& Limits);
  // The move in progress is taken back: the history is again as it was before it, and the next
  // move carries it on as if the refused one had never been tried.
  void RollBack();
  // Makes Stage the newest version (after Build from it).
  void Adopt(TArgumentationStage& Stage) { BindLists(Stage); }
  // Gives Stage's dialectical-argument lists back to the history: they are worked out again
  // when read. A stage that is no longer the newest one no longer keeps its version alive.
  void ReleaseLists(TArgumentationStage& Stage) const;

  // --- Reading a version ---------------------------------------------------------------------
  PDialecticalArgument TreeAt(int Node, int Version) const;
  TDialecticalArguments DialecticalArgumentsAt(int Version, int Count) const;
  TDialecticalArguments MaximalAt(int Version, const TDialecticalArguments& All) const;

  const std::vector<TNode>& Nodes() const { return NodeList; }
  int ConnectionCount() const { return static_cast<int>(ConnectionList.size()); }
  const PReasonConclusion& ConnectionAt(int Index) const {
    return ConnectionList[static_cast<std::size_t>(Index)].Connection;
  }
  int NodeOf(const TStatement* S) const;
  // The statement lies on a cycle of its version's graph (it belongs to a cycle group).
  bool IsCyclicAt(int Node, int Version) const { return NodeList[Node].CyclicSince <= Version; }
  // Distinct dialectical arguments the cycle groups of a version hold.
  std::size_t GroupArgumentsAt(int Version) const;

 private:
  bool IsStatement(int Node, const TStatement& S) const;
  void AddEdge(int From, int To);
  // One mark per node, all clear between uses.
  std::vector<std::uint8_t>& ClearMarks() const;
  void LinkWarrant(const std::string& Sentence, int Connection, int Slot);
  void SetWarrant(int Connection, int Slot, int Node);
  void LookUpWarrants(int Node);
  void AddException(int Connection, const PStatement& X);
  void Rebuild(std::vector<int> Changed);
  const PDialecticalArgument& Current(int Node) const;
  PDialecticalArgument BuildTree(int Node) const;
  const TTree& EntryAt(int Node, int Version) const;
  // The dialectical argument of a statement on no cycle as it was at an older version, with
  // those of its children that have to be built again; Known holds them for the version.
  PDialecticalArgument OldTree(int Node, int Version,
                               std::unordered_map<int, PDialecticalArgument>& Known) const;
  PCycleGroup NewCycleGroup(std::vector<int> Members) const;
  // Builds the group's expansion; children outside the group come from ChildTree. At most
  // Allowance distinct dialectical arguments, else TEvaluationLimitReached.
  // With Index, also notes per dialectical argument of the expansion what the comparisons need.
  void ExpandCycleGroup(TCycleGroup& Group,
                        const std::function<PDialecticalArgument(int)>& ChildTree,
                        std::size_t Allowance, TGroupIndex* Index = nullptr) const;
  // Which member's dialectical argument contains which; at most the comparison limit.
  void CompareMembers(TCycleGroup& Group, const TGroupIndex& Index) const;
  // Lets go of old versions' expansions while the groups alive hold too many arguments.
  void LetGoOfOldGroups() const;
  void BindLists(TArgumentationStage& Stage) const;
  void TakeId(const std::string& Id);
  void UseId(std::size_t N);

  // One change the move in progress made, and what undoes it.
  struct TUndo {
    enum class TKind {
      NodeAdded,
      IdUsed,
      LargeIdAdded,
      ConnectionAdded,
      ConcludingAdded,
      EdgeAdded,
      WarrantUserAdded,
      WarrantSet,
      ExceptionAdded,
      TreeStored,
      PlainSet,
    };
    TUndo(TKind Kind, int A = 0, int B = 0, int C = 0, int D = 0,
          PDialecticalArgument Tree = nullptr)
        : Kind(Kind), A(A), B(B), C(C), D(D), Tree(std::move(Tree)) {}
    TKind Kind;
    int A;
    int B;
    int C;
    int D;
    PDialecticalArgument Tree;
  };
  void Note(TUndo Undo) {
    if (Journaling) Journal.push_back(std::move(Undo));
  }
  void SetPlain() {
    if (!Plain) Note({TUndo::TKind::PlainSet});
    Plain = true;
  }

  // The language of the warrant sentences, the limits, and the status count of the line.
  TEvaluationContext Context;
  // The newest version; the version a move is making is Head + 1.
  int Head = 0;
  // The context's status count as it was after this history's own last write.
  std::uint64_t Epoch = 0;
  bool Building = false;
  bool Plain = false;
  // A move failed half-way and could not be taken back: the newest version's data are no
  // longer the ones it left.
  bool Spoiled = false;
  bool Journaling = false;
  std::vector<TUndo> Journal;
  int SavedFreeId = 1;
  std::vector<long long> SavedLargeIds;
  bool WriteAllStatuses = true;
  std::vector<TNode> NodeList;
  std::vector<TConnection> ConnectionList;
  std::unordered_map<std::string, int> BySentence;
  std::unordered_map<const TStatement*, int> ByObject;
  // (reason node, conclusion node) -> first connection.
  std::unordered_map<std::uint64_t, int> ByEnds;
  // Warrant sentence -> (connection, -1 for its step warrant or the exception's slot).
  std::unordered_map<std::string, std::vector<std::pair<int, int>>> WarrantUsers;
  // Statements whose dialectical argument the move in progress has changed.
  std::vector<int> Pending;
  // How many statements carry each Id number up to the count, for GetNewId; numbers above it
  // wait in LargeIds until the count reaches them.
  std::vector<int> IdUse;
  std::vector<long long> LargeIds;
  int FreeId = 1;
  mutable std::vector<std::uint8_t> Marks;
  std::vector<std::pair<int, int>> OrderScratch;
  // The groups of the newest version hold this many distinct dialectical arguments.
  std::size_t HeldGroupArguments = 0;
  // Groups whose expansion is alive, oldest first, and how many arguments they hold.
  mutable std::vector<std::weak_ptr<TCycleGroup>> LiveGroups;
  mutable std::size_t LiveGroupArguments = 0;
};

// Per dialectical argument of a cycle group's expansion, as bit sets: the group's connections
// used on the way to it, the group's connections that are steps anywhere in it, and the group's
// members that occur in it. Containment can only hold where the second two sets of the one lie
// within those of the other.
struct TStageHistory::TGroupIndex {
  std::size_t SetWords = 1;
  std::size_t MemberWords = 1;
  std::vector<std::uint64_t> Used;
  std::vector<std::uint64_t> Steps;
  std::vector<std::uint64_t> Members;

  // The position of a dialectical argument of the expansion, or -1 for any other.
  int PositionOf(const TDialecticalArgument* D) const;
  void Insert(const TDialecticalArgument* D, std::uint32_t Position);

 private:
  std::size_t Slot(const TDialecticalArgument* D) const;
  // Open addressing by address; a null address is an empty slot.
  std::vector<std::pair<const TDialecticalArgument*, std::uint32_t>> Slots;
  std::size_t Filled = 0;
};

// The arguments of a stage with these lists, as RecomputeArguments defines them.
TArguments BuildArguments(const TStatements& Statements, const TReasonConclusions& Connections);

// The status of D from the type its statement had and its children's statuses, which are final.
TJustificationStatus EvaluateDialecticalArgument(const TDialecticalArgument& D,
                                                 TStatementType Type);

}  // namespace palaver
