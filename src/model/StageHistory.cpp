#include "model/StageHistory.h"

#include <algorithm>
#include <cassert>
#include <functional>

#include "session/ProgramState.h"
#include "model/IdValue.h"
#include "model/WarrantSentences.h"

namespace palaver {

namespace {

// Bumped whenever some history writes statuses. A history that finds it moved on since its own
// last write knows that the statements' statuses (and perhaps their types) are no longer the
// ones it left, and is not carried on.
std::uint64_t StatusWrites = 0;

std::uint64_t EndsKey(int Reason, int Conclusion) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(Reason)) << 32) |
         static_cast<std::uint32_t>(Conclusion);
}

// The status of D from its statement's type and its children's statuses, which are final.
TJustificationStatus Evaluate(const TDialecticalArgument& D) {
  const TStatementType Type = D.Conclusion->StatementType;
  if (Type == TStatementType::Assumption) return TJustificationStatus::Justified;
  if (Type != TStatementType::Issue) return D.Status;
  TJustificationStatus Status = TJustificationStatus::Unjustified;
  for (int I = 0; I < D.Steps.Count(); ++I) {
    const TStep& T = *D.Steps[I];
    if (T.WarrantUnjustified) continue;
    if (D.InitialDialecticalArguments[I]->Status != TJustificationStatus::Justified) continue;
    bool Undercut = false;
    for (int J = 0; J < T.Undercutters.Count() && !Undercut; ++J)
      Undercut = !T.Undercutters[J]->WarrantUnjustified &&
                 T.UndercuttingDialecticalArguments[J]->Status == TJustificationStatus::Justified;
    if (!Undercut) Status = TJustificationStatus::Justified;
  }
  return Status;
}

void WriteStatus(const TDialecticalArgument& D) {
  if (D.Status == TJustificationStatus::Justified || D.Status == TJustificationStatus::Unjustified)
    D.Conclusion->JustificationStatus = D.Status;
}

}  // namespace

void TStageHistory::StatusesWritten() {
  ++StatusWrites;
}

std::shared_ptr<TStageHistory> TStageHistory::Build(const TArgumentationStage& Base) {
  auto H = std::make_shared<TStageHistory>();
  H->Language = State().Language;
  H->Head = -1;  // the version being made is 0
  H->Building = true;
  for (const PStatement& S : Base.Statements)
    H->AddStatement(S);
  for (const PReasonConclusion& C : Base.ReasonConclusions)
    H->AddConnection(C);
  H->Building = false;
  if (H->Plain) return H;
  H->FindCycles();
  H->Pending.clear();
  std::vector<int> All(H->NodeList.size());
  for (std::size_t I = 0; I < All.size(); ++I)
    All[I] = static_cast<int>(I);
  H->Rebuild(std::move(All));
  H->Head = 0;
  return H;
}

bool TStageHistory::CanContinueFrom(const TArgumentationStage& Stage) const {
  if (Plain || Stage.Version != Head || Language != State().Language || Epoch != StatusWrites)
    return false;
  const int Statements = Stage.Statements.Count();
  const int Connections = Stage.ReasonConclusions.Count();
  if (Statements != static_cast<int>(NodeList.size()) ||
      Connections != static_cast<int>(ConnectionList.size()))
    return false;
  return (Statements == 0 || Stage.Statements[Statements - 1] == NodeList.back().Statement) &&
         (Connections == 0 ||
          Stage.ReasonConclusions[Connections - 1] == ConnectionList.back().Connection);
}

int TStageHistory::StatementIndex(const std::string& Sentence) const {
  const auto It = BySentence.find(Sentence);
  return It == BySentence.end() ? -1 : It->second;
}

int TStageHistory::ConnectionIndex(const std::string& Reason, const std::string& Conclusion) const {
  const int R = StatementIndex(Reason);
  const int C = StatementIndex(Conclusion);
  if (R < 0 || C < 0) return -1;
  const auto It = ByEnds.find(EndsKey(R, C));
  return It == ByEnds.end() ? -1 : It->second;
}

bool TStageHistory::IsStatement(int Node, const TStatement& S) const {
  return Node >= 0 && NodeList[static_cast<std::size_t>(Node)].Statement.get() == &S;
}

int TStageHistory::NodeOf(const TStatement* S) const {
  const auto It = ByObject.find(S);
  return It == ByObject.end() ? -1 : It->second;
}

void TStageHistory::TakeId(const std::string& Id) {
  const std::optional<long long> N = IdValue(Id);
  // Numbers beyond the count of statements are never given, so they need no record.
  if (!N || *N < 1 || *N > static_cast<long long>(NodeList.size()) + 1) {
    if (N && *N > static_cast<long long>(NodeList.size()) + 1) LargeIds.push_back(*N);
    return;
  }
  if (IdUse.size() <= static_cast<std::size_t>(*N)) IdUse.resize(static_cast<std::size_t>(*N) + 1);
  ++IdUse[static_cast<std::size_t>(*N)];
}

// The smallest number that no statement carries, at most one more than the count: statements
// only ever join, so it never goes down.
std::string TStageHistory::NewId() {
  // A large number taken earlier counts once the statements have caught up with it.
  const long long Last = static_cast<long long>(NodeList.size()) + 1;
  for (auto It = LargeIds.begin(); It != LargeIds.end();) {
    if (*It <= Last) {
      if (IdUse.size() <= static_cast<std::size_t>(*It))
        IdUse.resize(static_cast<std::size_t>(*It) + 1);
      ++IdUse[static_cast<std::size_t>(*It)];
      It = LargeIds.erase(It);
    } else {
      ++It;
    }
  }
  while (FreeId < Last && static_cast<std::size_t>(FreeId) < IdUse.size() &&
         IdUse[static_cast<std::size_t>(FreeId)] > 0)
    ++FreeId;
  return std::to_string(FreeId);
}

void TStageHistory::AddStatement(const PStatement& S) {
  const int Node = static_cast<int>(NodeList.size());
  TNode& N = NodeList.emplace_back();
  N.Statement = S;
  N.Type = S->StatementType;
  // Two statements with one sentence: only a stage built by hand has them.
  if (!BySentence.emplace(S->Sentence, Node).second) Plain = true;
  ByObject.emplace(S.get(), Node);
  TakeId(S->Id);
  if (!Building) LookUpWarrants(Node);
  Pending.push_back(Node);
}

void TStageHistory::Touch(const TStatement& S) {
  const int Node = NodeOf(&S);
  if (Node >= 0 && NodeList[Node].Type != S.StatementType) Pending.push_back(Node);
}

void TStageHistory::AddConnection(const PReasonConclusion& C) {
  const int Index = static_cast<int>(ConnectionList.size());
  TConnection& K = ConnectionList.emplace_back();
  K.Connection = C;
  K.Reason = StatementIndex(C->Reason->Sentence);
  K.Conclusion = StatementIndex(C->Conclusion->Sentence);
  if (!IsStatement(K.Reason, *C->Reason) || !IsStatement(K.Conclusion, *C->Conclusion)) {
    Plain = true;
    return;
  }
  if (Plain) return;
  ByEnds.emplace(EndsKey(K.Reason, K.Conclusion), Index);
  NodeList[K.Conclusion].Concluding.push_back(Index);
  AddEdge(K.Conclusion, K.Reason);
  // The warrant sentence is built from the ends as the dialectical argument has them: the
  // conclusion's statement and the connection's reason.
  K.StepWarrant = StepWarrantSentence(
      C->Reason->Sentence, NodeList[K.Conclusion].Statement->Sentence, C->ConnectionKind, Language);
  LinkWarrant(ConnectionList[Index].StepWarrant, Index, -1);
  for (const PStatement& X : C->Exceptions)
    AddException(Index, X);
  Pending.push_back(ConnectionList[Index].Conclusion);
}

void TStageHistory::TouchExceptions(int Connection) {
  if (Plain) return;
  const TReasonConclusion& C = *ConnectionList[Connection].Connection;
  for (int J = static_cast<int>(ConnectionList[Connection].ExceptionNodes.size());
       J < C.Exceptions.Count(); ++J)
    AddException(Connection, C.Exceptions[J]);
}

int TStageHistory::ExceptionsKnown(int Connection) const {
  return static_cast<int>(ConnectionList[Connection].ExceptionNodes.size());
}

void TStageHistory::AddException(int Connection, const PStatement& X) {
  const int Node = StatementIndex(X->Sentence);
  if (!IsStatement(Node, *X)) Plain = true;
  if (Plain) return;
  TConnection& K = ConnectionList[Connection];
  const int Slot = static_cast<int>(K.ExceptionNodes.size());
  K.ExceptionNodes.push_back(Node);
  K.UndercutterWarrants.push_back(
      UndercutterWarrantSentence(X->Sentence, K.Connection->Reason->Sentence,
                                 NodeList[K.Conclusion].Statement->Sentence, Language));
  K.UndercutterWarrantNodes.push_back(-1);
  AddEdge(K.Conclusion, Node);
  LinkWarrant(ConnectionList[Connection].UndercutterWarrants.back(), Connection, Slot);
  Pending.push_back(ConnectionList[Connection].Conclusion);
}

void TStageHistory::LinkWarrant(const std::string& Sentence, int Connection, int Slot) {
  WarrantUsers[Sentence].emplace_back(Connection, Slot);
  const int Node = StatementIndex(Sentence);
  if (Node >= 0) SetWarrant(Connection, Slot, Node);
}

void TStageHistory::SetWarrant(int Connection, int Slot, int Node) {
  TConnection& K = ConnectionList[Connection];
  if (Slot < 0)
    K.StepWarrantNode = Node;
  else
    K.UndercutterWarrantNodes[static_cast<std::size_t>(Slot)] = Node;
  AddEdge(K.Conclusion, Node);
  Pending.push_back(K.Conclusion);
}

// A new statement whose sentence is the warrant of connections already there.
void TStageHistory::LookUpWarrants(int Node) {
  const auto It = WarrantUsers.find(NodeList[Node].Statement->Sentence);
  if (It == WarrantUsers.end()) return;
  for (const auto& [Connection, Slot] : It->second)
    SetWarrant(Connection, Slot, Node);
}

void TStageHistory::AddEdge(int From, int To) {
  const int Version = Head + 1;
  NodeList[From].Children.push_back({To, Version});
  NodeList[To].Parents.push_back({From, Version});
  NodeList[To].ParentSince = std::min(NodeList[To].ParentSince, Version);
  if (Building || NodeList[From].CyclicSince != Never) return;
  if (NodeList[To].CyclicSince != Never || Reaches(To, From)) MarkCyclic(From);
}

std::vector<std::uint8_t>& TStageHistory::ClearMarks() const {
  if (Marks.size() < NodeList.size()) Marks.resize(NodeList.size());
  return Marks;
}

// A search costs what it visits: the marks it sets are cleared again one by one.
bool TStageHistory::Reaches(int From, int To) const {
  if (From == To) return true;
  std::vector<std::uint8_t>& Seen = ClearMarks();
  std::vector<int> Visited{From};
  Seen[static_cast<std::size_t>(From)] = 1;
  bool Found = false;
  for (std::size_t Next = 0; Next < Visited.size() && !Found; ++Next) {
    for (const TEdge& E : NodeList[Visited[Next]].Children) {
      if (E.Node == To) {
        Found = true;
        break;
      }
      if (!Seen[static_cast<std::size_t>(E.Node)]) {
        Seen[static_cast<std::size_t>(E.Node)] = 1;
        Visited.push_back(E.Node);
      }
    }
  }
  for (int N : Visited)
    Seen[static_cast<std::size_t>(N)] = 0;
  return Found;
}

// Node now reaches a cycle, and so does everything that reaches it.
void TStageHistory::MarkCyclic(int Node) {
  const int Version = Head + 1;
  std::vector<int> Stack{Node};
  NodeList[Node].CyclicSince = Version;
  while (!Stack.empty()) {
    const int N = Stack.back();
    Stack.pop_back();
    for (const TEdge& E : NodeList[N].Parents) {
      if (NodeList[E.Node].CyclicSince != Never) continue;
      NodeList[E.Node].CyclicSince = Version;
      Stack.push_back(E.Node);
    }
  }
}

// After a build from a whole stage: peel off, children first, the statements that reach no
// cycle; what is left reaches one.
void TStageHistory::FindCycles() {
  const std::size_t Count = NodeList.size();
  std::vector<int> Open(Count);
  std::vector<int> Ready;
  for (std::size_t I = 0; I < Count; ++I) {
    Open[I] = static_cast<int>(NodeList[I].Children.size());
    if (Open[I] == 0) Ready.push_back(static_cast<int>(I));
  }
  std::vector<char> Peeled(Count);
  while (!Ready.empty()) {
    const int N = Ready.back();
    Ready.pop_back();
    Peeled[static_cast<std::size_t>(N)] = 1;
    for (const TEdge& E : NodeList[N].Parents)
      if (--Open[static_cast<std::size_t>(E.Node)] == 0) Ready.push_back(E.Node);
  }
  for (std::size_t I = 0; I < Count; ++I)
    if (!Peeled[I]) NodeList[I].CyclicSince = Head + 1;
}

void TStageHistory::FinishMove(TArgumentationStage& New) {
  std::vector<int> Changed = std::move(Pending);
  Pending.clear();
  if (Plain) {
    ++Head;
    New.History = shared_from_this();
    New.Version = Head;
    New.RecomputeTheLongWay();
    return;
  }
  Rebuild(std::move(Changed));
  ++Head;
  BindLists(New);
}

// Rebuilds the dialectical arguments of the changed statements and of everything that reaches
// them, children before parents, and writes their statuses.
void TStageHistory::Rebuild(std::vector<int> Changed) {
  const int Version = Head + 1;
  // 0 untouched, 1 to build, 3 on the walk below, 2 built; cleared again at the end.
  std::vector<std::uint8_t>& Affected = ClearMarks();
  std::vector<int> Stack;
  for (int N : Changed) {
    if (Affected[static_cast<std::size_t>(N)]) continue;
    Affected[static_cast<std::size_t>(N)] = 1;
    Stack.push_back(N);
  }
  std::vector<int> Cyclic;
  std::vector<int> Acyclic;
  while (!Stack.empty()) {
    const int N = Stack.back();
    Stack.pop_back();
    (NodeList[N].CyclicSince <= Version ? Cyclic : Acyclic).push_back(N);
    for (const TEdge& E : NodeList[N].Parents) {
      if (Affected[static_cast<std::size_t>(E.Node)]) continue;
      Affected[static_cast<std::size_t>(E.Node)] = 1;
      Stack.push_back(E.Node);
    }
  }

  std::vector<int> Built;
  Built.reserve(Acyclic.size() + Cyclic.size());
  auto Store = [&](int N, PDialecticalArgument D) {
    std::vector<std::pair<int, PDialecticalArgument>>& Trees = NodeList[N].Trees;
    if (!Trees.empty() && Trees.back().first == Version)
      Trees.back().second = std::move(D);
    else
      Trees.emplace_back(Version, std::move(D));
    Built.push_back(N);
  };

  // Cycle-free statements, each after the affected statements it takes in (depth first, with
  // an explicit stack: chains of statements can be long). Affected[N] becomes 2 once built.
  std::vector<std::pair<int, std::size_t>> Walk;
  for (int Start : Acyclic) {
    if (Affected[static_cast<std::size_t>(Start)] != 1) continue;
    Affected[static_cast<std::size_t>(Start)] = 3;
    Walk.emplace_back(Start, 0);
    while (!Walk.empty()) {
      auto& [N, Next] = Walk.back();
      const std::vector<TEdge>& Children = NodeList[N].Children;
      if (Next < Children.size()) {
        const int Child = Children[Next++].Node;
        if (Affected[static_cast<std::size_t>(Child)] == 1) {
          Affected[static_cast<std::size_t>(Child)] = 3;  // on the walk
          Walk.emplace_back(Child, 0);
        }
        continue;
      }
      const int Done = N;
      Walk.pop_back();
      NodeList[Done].Type = NodeList[Done].Statement->StatementType;
      Store(Done, BuildTree(Done));
      Affected[static_cast<std::size_t>(Done)] = 2;
    }
  }
  // Statements that reach a cycle, the long way; their cycle-free parts are all built now.
  std::vector<char> Used(Cyclic.empty() ? 0 : ConnectionList.size());
  for (int N : Cyclic) {
    NodeList[N].Type = NodeList[N].Statement->StatementType;
    Store(N, BuildTreeTheLongWay(N, Used));
  }

  for (int N : Acyclic)
    Affected[static_cast<std::size_t>(N)] = 0;
  for (int N : Cyclic)
    Affected[static_cast<std::size_t>(N)] = 0;

  if (WriteAllStatuses) {
    for (const TNode& N : NodeList)
      WriteStatus(*N.Trees.back().second);
    WriteAllStatuses = false;
  } else {
    for (int N : Built)
      WriteStatus(*NodeList[N].Trees.back().second);
  }
  Epoch = ++StatusWrites;
}

const PDialecticalArgument& TStageHistory::Current(int Node) const {
  return NodeList[Node].Trees.back().second;
}

template <class TChild>
void TStageHistory::FillStep(TDialecticalArgument& D, int Connection, const TChild& Child) const {
  const TConnection& K = ConnectionList[Connection];
  const TReasonConclusion& C = *K.Connection;
  auto T = std::make_shared<TStep>();
  T->Conclusion = D.Conclusion;
  T->Reason = C.Reason;
  T->ConnectionKind = C.ConnectionKind;
  D.Steps.Add(T);
  D.InitialDialecticalArguments.Add(Child(K.Reason));
  if (K.StepWarrantNode >= 0) {
    T->WarrantingDialecticalArgument = Child(K.StepWarrantNode);
    T->WarrantUnjustified =
        T->WarrantingDialecticalArgument->Status != TJustificationStatus::Justified;
  }
  for (std::size_t J = 0; J < K.ExceptionNodes.size(); ++J) {
    auto U = std::make_shared<TUndercutter>();
    U->Exception = C.Exceptions[static_cast<int>(J)];
    U->Conclusion = T->Conclusion;
    U->Reason = T->Reason;
    T->Undercutters.Add(U);
    if (K.UndercutterWarrantNodes[J] >= 0) {
      U->WarrantingDialecticalArgument = Child(K.UndercutterWarrantNodes[J]);
      U->WarrantUnjustified =
          U->WarrantingDialecticalArgument->Status != TJustificationStatus::Justified;
    }
    T->UndercuttingDialecticalArguments.Add(Child(K.ExceptionNodes[J]));
  }
}

PDialecticalArgument TStageHistory::BuildTree(int Node) const {
  auto D = std::make_shared<TDialecticalArgument>();
  D->Conclusion = NodeList[Node].Statement;
  const auto Child = [this](int N) -> PDialecticalArgument { return Current(N); };
  for (int C : NodeList[Node].Concluding)
    FillStep(*D, C, Child);
  D->Status = Evaluate(*D);
  return D;
}

// Every branch leaves out the connections used above it, so no branch uses a connection twice;
// a branch that reaches a statement with no cycle below it takes that statement's shared tree,
// which no left-out connection could have changed.
PDialecticalArgument TStageHistory::BuildTreeTheLongWay(int Node, std::vector<char>& Used) const {
  auto D = std::make_shared<TDialecticalArgument>();
  D->Conclusion = NodeList[Node].Statement;
  const int Version = Head + 1;
  const auto Child = [this, &Used, Version](int N) -> PDialecticalArgument {
    return NodeList[N].CyclicSince <= Version ? BuildTreeTheLongWay(N, Used) : Current(N);
  };
  for (int C : NodeList[Node].Concluding) {
    if (Used[static_cast<std::size_t>(C)]) continue;
    Used[static_cast<std::size_t>(C)] = 1;
    FillStep(*D, C, Child);
    Used[static_cast<std::size_t>(C)] = 0;
  }
  D->Status = Evaluate(*D);
  return D;
}

const PDialecticalArgument& TStageHistory::TreeAt(int Node, int Version) const {
  const auto& Trees = NodeList[Node].Trees;
  auto It = std::upper_bound(Trees.begin(), Trees.end(), Version,
                             [](int V, const auto& Entry) { return V < Entry.first; });
  assert(It != Trees.begin());
  return std::prev(It)->second;
}

TDialecticalArguments TStageHistory::DialecticalArgumentsAt(int Version, int Count) const {
  TDialecticalArguments List;
  List.Reserve(Count);
  for (int I = 0; I < Count; ++I)
    List.Add(TreeAt(I, Version));
  return List;
}

void TStageHistory::BindLists(TArgumentationStage& Stage) {
  std::shared_ptr<const TStageHistory> Self = shared_from_this();
  Stage.History = shared_from_this();
  Stage.Version = Head;
  const int Version = Head;
  const int Count = static_cast<int>(NodeList.size());
  Stage.DialecticalArguments.SetFiller(
      [Self, Version, Count] { return Self->DialecticalArgumentsAt(Version, Count); });
  TDialecticalArguments All = Stage.DialecticalArguments;
  Stage.MaximalDialecticalArguments.SetFiller(
      [Self, Version, All] { return Self->MaximalAt(Version, All); });
}

}  // namespace palaver
