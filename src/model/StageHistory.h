#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include "model/ArgumentationStage.h"
#include "model/OpenTable.h"
#include "model/StageGraph.h"
#include "model/StrongComponents.h"
#include "model/WarrantSentences.h"

namespace palaver {

// The dialectical arguments of one line of argumentation, carried from stage to stage.
//
// Every stage of a line is a version of one growing graph: a node per statement, and an edge
// from a statement to each statement its dialectical argument takes in directly (the reason,
// the step warrant statement, the exceptions and their undercutter warrant statements of every
// connection that concludes it). A move only adds nodes and edges and re-types statements, and
// everything it adds carries its version, so the graph of any version can be read off it, and
// the whole graph can be cut back to an earlier version.
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
// - A move rebuilds only the statements that reach what it changed.
//
// The history keeps the newest version's evaluation only. Every statement knows the version
// since which its dialectical argument has not changed, so an older stage shares every
// dialectical argument that is still the same, and works out the others again from the graph
// when it is read. A group that a move has rebuilt is let go at once.
//
// A move may be made without evaluating it (a replay evaluates only the stage it ends on): it
// checks the limits and notes what is to be worked out, and the dialectical arguments are built
// when somebody reads them, the statuses when the stage is evaluated. Two versions of a group
// with the same members and the same steps between them hold the same number of dialectical
// arguments and the same containments, so a move that only changes what the group takes in
// from outside (an exception that is no member, a re-typed statement) needs no expansion to be
// checked.
//
// Where its parts live, by what it does:
// - the history as a whole (building it, what it says of a stage, look-ups, numbering, the
//   stages' lists): StageHistory.cpp;
// - recording a move and its journal (the log that takes a refused move back and cuts the
//   history back to an earlier version): StageHistoryMoves.cpp;
// - rebuilding the newest version (the walk over what a move changed, the statuses):
//   StageHistoryRebuild.cpp, with the cycle groups' expansion and comparison in
//   StageHistoryGroups.cpp (and GroupContainment.h);
// - reading older versions: StageHistoryVersions.cpp, the maximal selection of a version in
//   StageHistoryMaximal.cpp.
// The graph's nodes, connections and cycle groups are the types of StageGraph.h.
class TStageHistory : public std::enable_shared_from_this<TStageHistory> {
 public:
  static constexpr int Never = NeverInGraph;
  using TEdge = TStageEdge;
  using TStepRecipe = TStageStepRecipe;
  using TCycleGroup = TStageCycleGroup;
  using PCycleGroup = PStageCycleGroup;
  using TNode = TStageNode;
  using TConnection = TStageConnection;
  struct TGroupIndex;

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
  // since. (The limits are the move's own.) Otherwise a move builds a fresh history from its
  // stage, which costs one whole computation (only a move on an older stage, or one after a
  // language switch, needs that).
  bool CanContinueFrom(const TArgumentationStage& Stage, const TEvaluationContext& Context) const;
  // True when Stage is a version of this history, which goes back without a break to an empty
  // stage, and Context is the one it was built with: the stages before Stage are all versions of
  // it, evaluated as a replay with Context would evaluate them.
  bool IsWholeLineUpTo(const TArgumentationStage& Stage, const TEvaluationContext& Context) const;

  // --- Look-ups, valid for every stage of the history ------------------------------------
  // Index of the statement with this sentence, or -1.
  int StatementIndex(const std::string& Sentence) const;
  // Index of the first connection with these end sentences, or with these end statements, or -1.
  int ConnectionIndex(const std::string& Reason, const std::string& Conclusion) const;
  int ConnectionIndex(int Reason, int Conclusion) const;
  // GetNewId of the newest stage.
  std::string NewId();

  // --- A move, on the newest stage: BeginMove, the changes, then FinishMove ----------------
  // A move begins, within Limits.
  void BeginMove(const TEvaluationLimits& Limits);
  void AddStatement(const PStatement& S);
  // The statement's type may have changed.
  void Touch(const TStatement& S);
  void AddConnection(const PReasonConclusion& C);
  // The same, with the statements of its ends known.
  void AddConnection(const PReasonConclusion& C, int Reason, int Conclusion);
  // The connection's exception list may have grown.
  void TouchExceptions(int Connection);
  // How many of the connection's exceptions the history has taken in.
  int ExceptionsKnown(int Connection) const;
  // Makes New the newest version: rebuilds what the changes reach and writes the statuses, or,
  // with Later, only checks the limits and leaves the rest to be worked out when it is read or
  // evaluated. Throws TEvaluationLimitReached, before anything is changed, when the new version
  // would pass a limit.
  void FinishMove(TArgumentationStage& New, bool Later);
  // The move in progress is taken back: the history is again as it was before it, and the next
  // move carries it on as if the refused one had never been tried.
  void RollBack();
  // Makes Stage the newest version (after Build from it).
  void Adopt(TArgumentationStage& Stage) { BindLists(Stage); }
  // Writes the statuses of the newest version that moves made with Later left unwritten.
  void Settle();
  // Makes Stage's version the newest one again: everything later versions added is taken out
  // of the graph, and the types and exception lists later moves changed in the shared objects
  // are put back. The later versions' stages must no longer be read.
  void CutBackTo(TArgumentationStage& Stage);
  // Gives Stage's dialectical-argument lists back to the history: they are worked out again
  // when read. A stage that is no longer the newest one no longer keeps its version alive.
  void ReleaseLists(TArgumentationStage& Stage) const;

  // --- Reading a version ---------------------------------------------------------------------
  PDialecticalArgument TreeAt(int Node, int Version) const;
  TDialecticalArguments DialecticalArgumentsAt(int Version, int Count) const;
  TDialecticalArguments MaximalAt(int Version, const TDialecticalArguments& All) const;
  // The arguments of a stage of the history with these lists.
  TArguments ArgumentsOf(const TStatements& Statements,
                         const TReasonConclusions& Connections) const;

  const std::vector<TNode>& Nodes() const { return NodeList; }
  int ConnectionCount() const { return static_cast<int>(ConnectionList.size()); }
  const PReasonConclusion& ConnectionAt(int Index) const {
    return ConnectionList[static_cast<std::size_t>(Index)].Connection;
  }
  // Distinct dialectical arguments the cycle groups of a version hold.
  std::size_t GroupArgumentsAt(int Version) const;

 private:
  // --- The journal: what each version added, newest last (StageHistoryMoves.cpp) ---
  struct TNodeAdded {
    // Where its sentence was filed: as the first with its hash, among the clashes, or nowhere
    // (a second statement with the same sentence).
    enum class TFiled : std::uint8_t { First, Clash, Not } Filed;
  };
  struct TConnectionAdded {
    // It became the first connection with its ends; it concludes a statement of the graph.
    bool FirstWithEnds;
    bool Concludes;
  };
  struct TEdgeAdded {
    int From;
    int To;
    int ParentSinceBefore;
  };
  struct TWarrantUserAdded {};
  struct TWarrantSet {
    int Connection;
    int Slot;
    int NodeBefore;
    int SinceBefore;
  };
  struct TExceptionAdded {
    int Connection;
    // Appended to the connection object by the move, not brought along by a new connection.
    bool ToObject;
  };
  struct TRetyped {
    int Node;
  };
  struct TBecameCyclic {
    int Node;
  };
  struct TBecamePlain {};
  using TChange = std::variant<TNodeAdded, TConnectionAdded, TEdgeAdded, TWarrantUserAdded,
                               TWarrantSet, TExceptionAdded, TRetyped, TBecameCyclic, TBecamePlain>;
  struct TLogEntry {
    int Version;
    TChange Change;
  };
  void Note(TChange Change) { Log.push_back({Head + 1, Change}); }
  // Takes out every change of a version after Version. With Objects, also puts back what those
  // moves changed in the shared statement and connection objects.
  void Undo(int Version, bool Objects);
  void Undo(const TLogEntry& Entry, bool Objects);

  // The key of ByEnds.
  static std::uint64_t EndsKey(int Reason, int Conclusion) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(Reason)) << 32) |
           static_cast<std::uint32_t>(Conclusion);
  }
  bool IsStatement(int Node, const TStatement& S) const;
  void AddEdge(int From, int To);
  void LinkWarrant(int Connection, int Slot);
  void SetWarrant(int Connection, int Slot, int Node);
  void LookUpWarrants(int Node);
  void AddException(int Connection, const PStatement& X, bool ToObject);
  TSentencePieces WarrantPieces(int Connection, int Slot) const;
  // The statement whose sentence the pieces join to, or -1.
  int FindStatement(std::uint64_t Hash, const TSentencePieces& Pieces) const;
  void SetPlain();
  void RecountIds();
  void TakeId(const std::string& Id);
  void UseId(std::size_t N);
  TStatementType TypeAt(int Node, int Version) const;

  // --- Rebuilding the newest version (StageHistoryRebuild.cpp) ---
  // The walk's marks, one per statement, all 0.
  std::vector<std::uint8_t>& ClearMarks() const;
  // Rebuilds (or, with Later, plans) the dialectical arguments of the changed statements and of
  // everything that reaches them, at Version.
  void Evaluate(const std::vector<int>& Changed, int Version, bool Later);
  // The newest dialectical argument of a statement, worked out now when it was waiting.
  const PDialecticalArgument& Current(int Node) const;
  void WorkOut(int Node) const;
  PDialecticalArgument BuildTree(int Node,
                                 const std::function<PDialecticalArgument(int)>& Child) const;
  void WriteStatuses();

  // --- Older versions (StageHistoryVersions.cpp, StageHistoryMaximal.cpp) ---
  // What one reading of a version has worked out: the dialectical arguments it built, and the
  // cycle groups of statements whose dialectical argument is not the newest version's.
  struct TVersionRead {
    explicit TVersionRead(int Version) : Version(Version) {}
    int Version;
    std::unordered_map<int, PDialecticalArgument> Known;
    // Per statement of such a group: the group and the statement's place in it.
    std::unordered_map<int, std::pair<PCycleGroup, int>> GroupOf;
  };
  PDialecticalArgument OldTree(int Node, TVersionRead& Read) const;
  TDialecticalArguments DialecticalArgumentsAt(TVersionRead& Read, int Count) const;
  // The list of Read's version, whose dialectical arguments All are (and Read has read).
  TDialecticalArguments MaximalAt(const TVersionRead& Read, const TDialecticalArguments& All) const;
  // The members of Node's cycle group at Version, ascending.
  std::vector<int> GroupMembersAt(int Node, int Version) const;

  // --- Cycle groups (StageHistoryGroups.cpp) ---
  PCycleGroup NewCycleGroup(std::vector<int> Members, int Version) const;
  // Builds the group's expansion; children outside the group come from ChildTree. At most
  // Allowance distinct dialectical arguments, else TEvaluationLimitReached.
  // With Index, also notes per dialectical argument of the expansion what the comparisons need.
  void ExpandCycleGroup(TCycleGroup& Group,
                        const std::function<PDialecticalArgument(int)>& ChildTree,
                        std::size_t Allowance, TGroupIndex* Index = nullptr) const;
  // Which member's dialectical argument contains which; at most Limit comparisons.
  void CompareMembers(TCycleGroup& Group, const TGroupIndex& Index, std::size_t Limit) const;

  void BindLists(TArgumentationStage& Stage) const;

  // The language of the warrant sentences, the limits, and the status count of the line.
  TEvaluationContext Context;
  // The newest version; the version a move is making is Head + 1.
  int Head = 0;
  // The context's status count as it was after this history's own last write.
  std::uint64_t Epoch = 0;
  // Version 0 is an empty stage.
  bool FromEmpty = false;
  bool Building = false;
  bool Plain = false;
  // A move failed half-way and could not be taken back: the newest version's data are no
  // longer the ones it left.
  bool Spoiled = false;
  // A move is in progress: its changes are still to be checked.
  bool Moving = false;
  bool WriteAllStatuses = true;
  std::vector<TLogEntry> Log;
  std::vector<TNode> NodeList;
  std::vector<TConnection> ConnectionList;
  // Sentence hash -> the statement with that sentence; a statement whose sentence has the hash
  // of another one's is among the clashes.
  TKeyIndex BySentence;
  std::vector<std::pair<std::uint64_t, int>> SentenceClashes;
  // (reason node, conclusion node) -> first connection.
  TKeyIndex ByEnds;
  // The warrants of the connections, for the statements that put them forward: per warrant
  // sentence hash the newest user, a connection's step (slot -1) or an exception's slot, each
  // user linked to the one before it with the same hash.
  struct TWarrantUser {
    int Connection;
    int Slot;
    int Next;
    std::uint64_t Hash;
  };
  TKeyIndex WarrantUsers;
  std::vector<TWarrantUser> WarrantUserList;
  // Statements whose dialectical argument the move in progress has changed.
  std::vector<int> Pending;
  // Statements whose status is still to be written.
  std::vector<int> Unsettled;
  // How many statements carry each Id number up to the count, for GetNewId; numbers above it
  // wait in LargeIds until the count reaches them.
  std::vector<int> IdUse;
  std::vector<long long> LargeIds;
  int FreeId = 1;
  mutable std::vector<std::uint8_t> Marks;
  // The lists of Evaluate's walk, kept between moves.
  struct TBuilt {
    int Node;
    PDialecticalArgument Tree;
    PCycleGroup Group;
    int Member;
  };
  struct TWalkScratch {
    std::vector<int> Affected;
    std::vector<TBuilt> Built;
    // Per statement built: its place in Built.
    std::vector<int> Place;
    TStrongComponents Components;
  };
  TWalkScratch WalkScratch;
  // The groups of the newest version hold this many distinct dialectical arguments.
  std::size_t HeldGroupArguments = 0;
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
  // The next position is D's.
  void Add(const TDialecticalArgument* D);

 private:
  static std::uint64_t Hash(const TDialecticalArgument* D);
  TOpenTable<const TDialecticalArgument*> Positions;
};

// The status of D from the type its statement had and its children's statuses, which are final.
TJustificationStatus EvaluateDialecticalArgument(const TDialecticalArgument& D,
                                                 TStatementType Type);

}  // namespace palaver
