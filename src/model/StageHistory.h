#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/ArgumentationStage.h"
#include "model/Language.h"

namespace palaver {

// The dialectical arguments of one line of argumentation, carried from stage to stage.
//
// Every stage of a line is a version of one growing graph: a node per statement, and an edge
// from a statement to each statement its dialectical argument takes in directly (the reason,
// the step warrant statement, the exceptions and their undercutter warrant statements of every
// connection that concludes it). A move only adds nodes and edges and re-types statements, so:
// - A statement from which no cycle can be reached has one dialectical argument per version,
//   whatever connections the branches above it have used up. It is built once from its
//   children's and shared by everything above it; a move rebuilds only the statements that can
//   reach what it changed, and writes only their statuses.
// - A statement that can reach a cycle gets the dialectical argument built the long way, branch
//   by branch, with the connections the branch has used left out; its cycle-free parts are the
//   shared ones.
// - Containment of a cycle-free statement's dialectical argument in another is reachability, so
//   such a statement is maximal exactly when nothing takes it in. Only statements that can reach
//   a cycle are compared tree against tree.
// Each node keeps its dialectical argument of every version in which it changed, with the
// versions at which it first got a parent and first reached a cycle, and every edge its version,
// so that any stage of the line can list its dialectical arguments as they were at its move.
class TStageHistory : public std::enable_shared_from_this<TStageHistory> {
 public:
  static constexpr int Never = INT32_MAX;

  struct TEdge {
    int Node;
    int Version;
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
    // (version, dialectical argument), oldest first.
    std::vector<std::pair<int, PDialecticalArgument>> Trees;
  };
  struct TConnection {
    PReasonConclusion Connection;
    int Reason = -1;
    int Conclusion = -1;
    std::string StepWarrant;
    int StepWarrantNode = -1;
    // One per exception taken into account, in the connection's order.
    std::vector<int> ExceptionNodes;
    std::vector<std::string> UndercutterWarrants;
    std::vector<int> UndercutterWarrantNodes;
  };

  // A history whose version 0 is Base as the shared objects are now.
  static std::shared_ptr<TStageHistory> Build(const TArgumentationStage& Base);

  // True when some connection has an end or an exception that is not one of the stage's own
  // statement objects. No move of the program makes such a stage (a stage built by hand, or a
  // new connection handed in with exceptions of its own, can); its dialectical arguments are
  // built the long way, stage by stage, and the history only keeps the look-ups.
  bool IsPlain() const { return Plain; }
  // Statuses were written outside any history: none of them can be carried on from here.
  static void StatusesWritten();

  // True when a move on Stage can carry this history forward: Stage is its newest version with
  // its lists as the move left them, the language is the one the warrant sentences were built
  // in, and nothing else has written statuses since. Statement types and exception lists are
  // taken to change only through moves. Otherwise a move builds a fresh history from its stage,
  // which costs one whole computation (only a move on an older stage needs that: the program
  // always moves on the newest one).
  bool CanContinueFrom(const TArgumentationStage& Stage) const;

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
  void FinishMove(TArgumentationStage& New);
  // Makes Stage the newest version (after Build from it).
  void Adopt(TArgumentationStage& Stage) { BindLists(Stage); }

  // --- Reading a version ---------------------------------------------------------------------
  const PDialecticalArgument& TreeAt(int Node, int Version) const;
  TDialecticalArguments DialecticalArgumentsAt(int Version, int Count) const;
  TDialecticalArguments MaximalAt(int Version, const TDialecticalArguments& All) const;

  const std::vector<TNode>& Nodes() const { return NodeList; }
  int ConnectionCount() const { return static_cast<int>(ConnectionList.size()); }
  const PReasonConclusion& ConnectionAt(int Index) const {
    return ConnectionList[static_cast<std::size_t>(Index)].Connection;
  }
  int NodeOf(const TStatement* S) const;
  bool IsCyclicAt(int Node, int Version) const { return NodeList[Node].CyclicSince <= Version; }

 private:
  bool IsStatement(int Node, const TStatement& S) const;
  void AddEdge(int From, int To);
  bool Reaches(int From, int To) const;
  // One mark per node, all clear between uses.
  std::vector<std::uint8_t>& ClearMarks() const;
  void MarkCyclic(int Node);
  void FindCycles();
  void LinkWarrant(const std::string& Sentence, int Connection, int Slot);
  void SetWarrant(int Connection, int Slot, int Node);
  void LookUpWarrants(int Node);
  void AddException(int Connection, const PStatement& X);
  void Rebuild(std::vector<int> Changed);
  const PDialecticalArgument& Current(int Node) const;
  PDialecticalArgument BuildTree(int Node) const;
  PDialecticalArgument BuildTreeTheLongWay(int Node, std::vector<char>& Used) const;
  template <class TChild>
  void FillStep(TDialecticalArgument& D, int Connection, const TChild& Child) const;
  void BindLists(TArgumentationStage& Stage);
  void TakeId(const std::string& Id);

  TLanguage Language = TLanguage::English;
  // The newest version; the version a move is making is Head + 1.
  int Head = 0;
  // StatusWrites as it was after this history's own last write.
  std::uint64_t Epoch = 0;
  bool Building = false;
  bool Plain = false;
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
};

// The arguments of a stage with these lists, as RecomputeArguments defines them.
TArguments BuildArguments(const TStatements& Statements, const TReasonConclusions& Connections);

}  // namespace palaver
