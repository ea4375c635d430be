#include "model/StageHistory.h"

#include <algorithm>
#include <cassert>

#include "model/EvaluationLimit.h"
#include "model/IdValue.h"
#include "model/WarrantSentences.h"

namespace palaver {

namespace {

std::uint64_t EndsKey(int Reason, int Conclusion) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(Reason)) << 32) |
         static_cast<std::uint32_t>(Conclusion);
}

void WriteStatus(const TDialecticalArgument& D) {
  if (D.Status == TJustificationStatus::Justified || D.Status == TJustificationStatus::Unjustified)
    D.Conclusion->JustificationStatus = D.Status;
}

// A step built earlier that still says what the connection says now: the same warrant and the
// same exceptions with the same warrants. (Its reason's dialectical argument is kept beside the
// steps, so a changed reason does not make the step new.)
template <class TChild>
bool StepStillHolds(const TStep& T, const TStageHistory::TConnection& K, const TChild& Child) {
  const PDialecticalArgument Warrant = K.StepWarrantNode >= 0 ? Child(K.StepWarrantNode) : nullptr;
  if (T.WarrantingDialecticalArgument != Warrant) return false;
  if (T.Undercutters.Count() != static_cast<int>(K.ExceptionNodes.size())) return false;
  for (int J = 0; J < T.Undercutters.Count(); ++J) {
    const int W = K.UndercutterWarrantNodes[static_cast<std::size_t>(J)];
    if (T.Undercutters[J]->WarrantingDialecticalArgument != (W >= 0 ? Child(W) : nullptr))
      return false;
    if (T.UndercuttingDialecticalArguments[J] !=
        Child(K.ExceptionNodes[static_cast<std::size_t>(J)]))
      return false;
  }
  return true;
}

}  // namespace

TJustificationStatus EvaluateDialecticalArgument(const TDialecticalArgument& D,
                                                 TStatementType Type) {
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

std::shared_ptr<TStageHistory> TStageHistory::Build(const TArgumentationStage& Base,
                                                    const TEvaluationContext& Context) {
  auto H = std::make_shared<TStageHistory>();
  H->Context = Context;
  H->Head = -1;  // the version being made is 0
  H->Building = true;
  for (const PStatement& S : Base.Statements)
    H->AddStatement(S);
  for (const PReasonConclusion& C : Base.ReasonConclusions)
    H->AddConnection(C);
  H->Building = false;
  if (H->Plain) return H;
  H->Pending.clear();
  std::vector<int> All(H->NodeList.size());
  for (std::size_t I = 0; I < All.size(); ++I)
    All[I] = static_cast<int>(I);
  H->Rebuild(std::move(All));
  H->Head = 0;
  return H;
}

bool TStageHistory::CanContinueFrom(const TArgumentationStage& Stage,
                                    const TEvaluationContext& Evaluation) const {
  return Context.Language == Evaluation.Language && Context.SharesStatusWritesWith(Evaluation) &&
         Epoch == Context.StatusWrites() && IsNewestVersion(Stage);
}

bool TStageHistory::IsNewestVersion(const TArgumentationStage& Stage) const {
  if (Plain || Spoiled || Stage.Version != Head || Stage.History.get() != this) return false;
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
    if (N && *N > static_cast<long long>(NodeList.size()) + 1) {
      LargeIds.push_back(*N);
      Note({TUndo::TKind::LargeIdAdded});
    }
    return;
  }
  UseId(static_cast<std::size_t>(*N));
}

void TStageHistory::UseId(std::size_t N) {
  if (IdUse.size() <= N) IdUse.resize(N + 1);
  ++IdUse[N];
  Note({TUndo::TKind::IdUsed, static_cast<int>(N)});
}

// The smallest number that no statement carries, at most one more than the count: statements
// only ever join, so it never goes down.
std::string TStageHistory::NewId() {
  // A large number taken earlier counts once the statements have caught up with it.
  const long long Last = static_cast<long long>(NodeList.size()) + 1;
  for (auto It = LargeIds.begin(); It != LargeIds.end();) {
    if (*It <= Last) {
      UseId(static_cast<std::size_t>(*It));
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
  const bool NewSentence = BySentence.emplace(S->Sentence, Node).second;
  const bool NewObject = ByObject.emplace(S.get(), Node).second;
  Note({TUndo::TKind::NodeAdded, Node, NewSentence, NewObject});
  if (!NewSentence) SetPlain();
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
  Note({TUndo::TKind::ConnectionAdded, Index, 0});
  K.Connection = C;
  K.Reason = StatementIndex(C->Reason->Sentence);
  K.Conclusion = StatementIndex(C->Conclusion->Sentence);
  if (!IsStatement(K.Reason, *C->Reason) || !IsStatement(K.Conclusion, *C->Conclusion)) {
    SetPlain();
    return;
  }
  if (Plain) return;
  K.Version = Head + 1;
  if (ByEnds.emplace(EndsKey(K.Reason, K.Conclusion), Index).second && Journaling)
    Journal.back().B = 1;
  NodeList[K.Conclusion].Concluding.push_back(Index);
  Note({TUndo::TKind::ConcludingAdded, K.Conclusion});
  AddEdge(K.Conclusion, K.Reason);
  // The warrant sentence is built from the ends as the dialectical argument has them: the
  // conclusion's statement and the connection's reason.
  K.StepWarrant =
      StepWarrantSentence(C->Reason->Sentence, NodeList[K.Conclusion].Statement->Sentence,
                          C->ConnectionKind, Context.Language);
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
  if (!IsStatement(Node, *X)) SetPlain();
  if (Plain) return;
  TConnection& K = ConnectionList[Connection];
  const int Slot = static_cast<int>(K.ExceptionNodes.size());
  Note({TUndo::TKind::ExceptionAdded, Connection});
  K.ExceptionNodes.push_back(Node);
  K.ExceptionSince.push_back(Head + 1);
  K.UndercutterWarrantSince.push_back(Never);
  K.UndercutterWarrants.push_back(
      UndercutterWarrantSentence(X->Sentence, K.Connection->Reason->Sentence,
                                 NodeList[K.Conclusion].Statement->Sentence, Context.Language));
  K.UndercutterWarrantNodes.push_back(-1);
  AddEdge(K.Conclusion, Node);
  LinkWarrant(ConnectionList[Connection].UndercutterWarrants.back(), Connection, Slot);
  Pending.push_back(ConnectionList[Connection].Conclusion);
}

void TStageHistory::LinkWarrant(const std::string& Sentence, int Connection, int Slot) {
  WarrantUsers[Sentence].emplace_back(Connection, Slot);
  Note({TUndo::TKind::WarrantUserAdded, Connection, Slot});
  const int Node = StatementIndex(Sentence);
  if (Node >= 0) SetWarrant(Connection, Slot, Node);
}

void TStageHistory::SetWarrant(int Connection, int Slot, int Node) {
  TConnection& K = ConnectionList[Connection];
  if (Slot < 0)
    Note({TUndo::TKind::WarrantSet, Connection, Slot, K.StepWarrantNode, K.StepWarrantSince});
  else
    Note({TUndo::TKind::WarrantSet, Connection, Slot,
          K.UndercutterWarrantNodes[static_cast<std::size_t>(Slot)],
          K.UndercutterWarrantSince[static_cast<std::size_t>(Slot)]});
  if (Slot < 0) {
    K.StepWarrantNode = Node;
    K.StepWarrantSince = Head + 1;
  } else {
    K.UndercutterWarrantNodes[static_cast<std::size_t>(Slot)] = Node;
    K.UndercutterWarrantSince[static_cast<std::size_t>(Slot)] = Head + 1;
  }
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
  Note({TUndo::TKind::EdgeAdded, From, To, NodeList[To].ParentSince});
  NodeList[From].Children.push_back({To, Version});
  NodeList[To].Parents.push_back({From, Version});
  NodeList[To].ParentSince = std::min(NodeList[To].ParentSince, Version);
}

std::vector<std::uint8_t>& TStageHistory::ClearMarks() const {
  if (Marks.size() < NodeList.size()) Marks.resize(NodeList.size());
  return Marks;
}

void TStageHistory::FinishMove(TArgumentationStage& New) {
  std::vector<int> Changed = std::move(Pending);
  Pending.clear();
  if (Plain) {
    ++Head;
    New.History = shared_from_this();
    New.Version = Head;
    Journaling = false;
    Journal.clear();
    New.RecomputeTheLongWay();
    return;
  }
  Rebuild(std::move(Changed));
  ++Head;
  BindLists(New);
  Journaling = false;
  Journal.clear();
}

void TStageHistory::BeginMove(const TEvaluationLimits& Limits) {
  Context.Limits = Limits;
  Journaling = !Plain;
  Journal.clear();
  SavedFreeId = FreeId;
  SavedLargeIds = LargeIds;
}

void TStageHistory::RollBack() {
  if (!Journaling) {
    Spoiled = true;
    return;
  }
  Journaling = false;
  for (auto It = Journal.rbegin(); It != Journal.rend(); ++It) {
    const TUndo& U = *It;
    switch (U.Kind) {
      case TUndo::TKind::NodeAdded: {
        const TNode& N = NodeList.back();
        if (U.B) BySentence.erase(N.Statement->Sentence);
        if (U.C) ByObject.erase(N.Statement.get());
        NodeList.pop_back();
        break;
      }
      case TUndo::TKind::IdUsed:
        --IdUse[static_cast<std::size_t>(U.A)];
        break;
      case TUndo::TKind::LargeIdAdded:
        LargeIds.pop_back();
        break;
      case TUndo::TKind::ConnectionAdded: {
        const TConnection& K = ConnectionList.back();
        if (U.B) ByEnds.erase(EndsKey(K.Reason, K.Conclusion));
        ConnectionList.pop_back();
        break;
      }
      case TUndo::TKind::ConcludingAdded:
        NodeList[static_cast<std::size_t>(U.A)].Concluding.pop_back();
        break;
      case TUndo::TKind::EdgeAdded:
        NodeList[static_cast<std::size_t>(U.A)].Children.pop_back();
        NodeList[static_cast<std::size_t>(U.B)].Parents.pop_back();
        NodeList[static_cast<std::size_t>(U.B)].ParentSince = U.C;
        break;
      case TUndo::TKind::WarrantUserAdded: {
        const TConnection& K = ConnectionList[static_cast<std::size_t>(U.A)];
        const std::string& Sentence =
            U.B < 0 ? K.StepWarrant : K.UndercutterWarrants[static_cast<std::size_t>(U.B)];
        const auto Users = WarrantUsers.find(Sentence);
        Users->second.pop_back();
        if (Users->second.empty()) WarrantUsers.erase(Users);
        break;
      }
      case TUndo::TKind::WarrantSet: {
        TConnection& K = ConnectionList[static_cast<std::size_t>(U.A)];
        if (U.B < 0) {
          K.StepWarrantNode = U.C;
          K.StepWarrantSince = U.D;
        } else {
          K.UndercutterWarrantNodes[static_cast<std::size_t>(U.B)] = U.C;
          K.UndercutterWarrantSince[static_cast<std::size_t>(U.B)] = U.D;
        }
        break;
      }
      case TUndo::TKind::ExceptionAdded: {
        TConnection& K = ConnectionList[static_cast<std::size_t>(U.A)];
        K.ExceptionNodes.pop_back();
        K.ExceptionSince.pop_back();
        K.UndercutterWarrants.pop_back();
        K.UndercutterWarrantNodes.pop_back();
        K.UndercutterWarrantSince.pop_back();
        break;
      }
      case TUndo::TKind::TreeStored: {
        TNode& N = NodeList[static_cast<std::size_t>(U.A)];
        N.Trees.pop_back();
        N.Type = static_cast<TStatementType>(U.B);
        N.Latest = U.Tree;
        break;
      }
      case TUndo::TKind::PlainSet:
        Plain = false;
        break;
    }
  }
  Journal.clear();
  Pending.clear();
  FreeId = SavedFreeId;
  LargeIds = SavedLargeIds;
}

// Rebuilds the dialectical arguments of the changed statements and of everything that reaches
// them, children before parents, and writes their statuses.
//
// The statements to rebuild are walked in Tarjan's order, which hands out each cycle group once
// all the statements it takes in are done; a statement on no cycle is a group of one.
void TStageHistory::Rebuild(std::vector<int> Changed) {
  const int Version = Head + 1;
  // 0 untouched, 1 to build, 2 on the walk, 3 built; cleared again at the end.
  std::vector<std::uint8_t>& Mark = ClearMarks();
  std::vector<int> Affected;
  for (int N : Changed) {
    if (Mark[static_cast<std::size_t>(N)]) continue;
    Mark[static_cast<std::size_t>(N)] = 1;
    Affected.push_back(N);
  }
  for (std::size_t Next = 0; Next < Affected.size(); ++Next) {
    for (const TEdge& E : NodeList[Affected[Next]].Parents) {
      if (Mark[static_cast<std::size_t>(E.Node)]) continue;
      Mark[static_cast<std::size_t>(E.Node)] = 1;
      Affected.push_back(E.Node);
    }
  }
  // The marks are the only state shared with the walk below; clear them however it ends.
  struct TClear {
    std::vector<std::uint8_t>& Mark;
    const std::vector<int>& Nodes;
    ~TClear() {
      for (int N : Nodes)
        Mark[static_cast<std::size_t>(N)] = 0;
    }
  } Clear{Mark, Affected};

  // The groups the rebuilt statements belonged to give way to the new ones.
  std::vector<TCycleGroup*> OldGroups;
  std::size_t OldCount = 0;
  for (int N : Affected) {
    const auto& Trees = NodeList[static_cast<std::size_t>(N)].Trees;
    if (Trees.empty() || !Trees.back().Group) continue;
    TCycleGroup* G = Trees.back().Group.get();
    if (std::find(OldGroups.begin(), OldGroups.end(), G) != OldGroups.end()) continue;
    OldGroups.push_back(G);
    OldCount += G->Count;
  }
  const std::size_t Kept = HeldGroupArguments - OldCount;
  std::size_t NewCount = 0;
  std::vector<PCycleGroup> NewGroups;
  std::vector<int> Built;
  Built.reserve(Affected.size());

  auto StoreTree = [&](int N, TTree Entry, PDialecticalArgument Tree) {
    TNode& Node = NodeList[static_cast<std::size_t>(N)];
    Note({TUndo::TKind::TreeStored, N, static_cast<int>(Node.Type), 0, 0, Node.Latest});
    Node.Type = Entry.Type;
    Node.Trees.push_back(std::move(Entry));
    Node.Latest = std::move(Tree);
    Built.push_back(N);
  };
  auto BuildGroup = [&](std::vector<int> Members) {
    std::sort(Members.begin(), Members.end());
    if (Members.size() == 1) {
      const int N = Members.front();
      bool OnItself = false;
      for (const TEdge& E : NodeList[static_cast<std::size_t>(N)].Children)
        OnItself = OnItself || E.Node == N;
      if (!OnItself) {
        const TNode& Node = NodeList[static_cast<std::size_t>(N)];
        StoreTree(N, {Version, Node.Statement->StatementType, nullptr, -1}, BuildTree(N));
        return;
      }
    }
    PCycleGroup G = NewCycleGroup(std::move(Members));
    const std::size_t Used = Kept + NewCount;
    const std::size_t Limit = Context.Limits.DialecticalArguments;
    const std::size_t Allowance = Used >= Limit ? 0 : Limit - Used;
    {
      TGroupIndex Index;
      ExpandCycleGroup(
          *G, [this](int Child) { return Current(Child); }, Allowance, &Index);
      // Which member contains which, for the maximal selection of this version and later ones.
      CompareMembers(*G, Index);
    }
    NewCount += G->Count;
    for (std::size_t M = 0; M < G->Members.size(); ++M)
      StoreTree(G->Members[M], {Version, G->Types[M], G, static_cast<int>(M)}, nullptr);
    NewGroups.push_back(std::move(G));
  };

  // Tarjan's walk over the statements to rebuild, with explicit stacks: chains of statements
  // can be long. Index and Low are kept per node in Order, which only the walk's nodes use.
  if (OrderScratch.size() < NodeList.size()) OrderScratch.resize(NodeList.size());
  std::vector<std::pair<int, int>>& Order = OrderScratch;  // node -> (index, low)
  std::vector<int> Path;
  std::vector<std::pair<int, std::size_t>> Walk;
  int Counter = 0;
  auto Enter = [&](int N) {
    Order[N] = {Counter, Counter};
    ++Counter;
    Mark[static_cast<std::size_t>(N)] = 2;
    Path.push_back(N);
    Walk.emplace_back(N, 0);
  };
  for (int Start : Affected) {
    if (Mark[static_cast<std::size_t>(Start)] != 1) continue;
    Enter(Start);
    while (!Walk.empty()) {
      const int N = Walk.back().first;
      const std::vector<TEdge>& Children = NodeList[static_cast<std::size_t>(N)].Children;
      if (Walk.back().second < Children.size()) {
        const int Child = Children[Walk.back().second++].Node;
        const std::uint8_t M = Mark[static_cast<std::size_t>(Child)];
        if (M == 1) {
          Enter(Child);
        } else if (M == 2) {
          auto& Low = Order[N].second;
          Low = std::min(Low, Order[Child].first);
        }
        continue;
      }
      Walk.pop_back();
      const auto [Index, Low] = Order[N];
      if (!Walk.empty()) {
        auto& ParentLow = Order[Walk.back().first].second;
        ParentLow = std::min(ParentLow, Low);
      }
      if (Low != Index) continue;
      std::vector<int> Members;
      int Top;
      do {
        Top = Path.back();
        Path.pop_back();
        Mark[static_cast<std::size_t>(Top)] = 3;
        Members.push_back(Top);
      } while (Top != N);
      BuildGroup(std::move(Members));
    }
  }

  // Nothing can fail from here on.
  for (TCycleGroup* G : OldGroups)
    G->Superseded = true;
  HeldGroupArguments = Kept + NewCount;
  for (const PCycleGroup& G : NewGroups) {
    for (int N : G->Members) {
      int& Since = NodeList[static_cast<std::size_t>(N)].CyclicSince;
      Since = std::min(Since, Version);
    }
    LiveGroups.push_back(G);
    LiveGroupArguments += G->Count;
  }
  LetGoOfOldGroups();

  if (WriteAllStatuses) {
    for (std::size_t N = 0; N < NodeList.size(); ++N)
      WriteStatus(*Current(static_cast<int>(N)));
    WriteAllStatuses = false;
  } else {
    for (int N : Built)
      WriteStatus(*Current(N));
  }
  Epoch = Context.CountStatusWrites();
}

const PDialecticalArgument& TStageHistory::Current(int Node) const {
  const TNode& N = NodeList[static_cast<std::size_t>(Node)];
  const TTree& Entry = N.Trees.back();
  return Entry.Group ? Entry.Group->Roots[static_cast<std::size_t>(Entry.Member)] : N.Latest;
}

// A statement on no cycle: its steps from its connections, each child's newest dialectical
// argument. The steps (and the lists) of its previous version are kept where nothing changed, so
// a statement with many reasons does not copy them for every move below it.
PDialecticalArgument TStageHistory::BuildTree(int Node) const {
  const TNode& N = NodeList[static_cast<std::size_t>(Node)];
  const TDialecticalArgument* Previous =
      !N.Trees.empty() && !N.Trees.back().Group ? N.Latest.get() : nullptr;
  const auto Child = [this](int C) -> const PDialecticalArgument& { return Current(C); };

  auto D = std::make_shared<TDialecticalArgument>();
  D->Conclusion = N.Statement;
  const int Count = static_cast<int>(N.Concluding.size());
  const int Before = Previous ? Previous->Steps.Count() : 0;
  std::vector<PStep> Steps;
  std::vector<PDialecticalArgument> Reasons;
  Steps.reserve(static_cast<std::size_t>(Count));
  Reasons.reserve(static_cast<std::size_t>(Count));
  bool SameSteps = Previous && Before == Count;
  bool SameReasons = Previous && Previous->InitialDialecticalArguments.Count() == Count;
  for (int I = 0; I < Count; ++I) {
    const TConnection& K = ConnectionList[static_cast<std::size_t>(N.Concluding[I])];
    const PDialecticalArgument& Reason = Child(K.Reason);
    Reasons.push_back(Reason);
    SameReasons = SameReasons && Previous->InitialDialecticalArguments[I] == Reason;
    if (I < Before && StepStillHolds(*Previous->Steps[I], K, Child)) {
      Steps.push_back(Previous->Steps[I]);
      continue;
    }
    SameSteps = false;
    const TReasonConclusion& C = *K.Connection;
    auto T = std::make_shared<TStep>();
    T->Conclusion = N.Statement;
    T->Reason = C.Reason;
    T->ConnectionKind = C.ConnectionKind;
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
      if (K.UndercutterWarrantNodes[J] >= 0) {
        U->WarrantingDialecticalArgument = Child(K.UndercutterWarrantNodes[J]);
        U->WarrantUnjustified =
            U->WarrantingDialecticalArgument->Status != TJustificationStatus::Justified;
      }
      T->Undercutters.Add(std::move(U));
      T->UndercuttingDialecticalArguments.Add(Child(K.ExceptionNodes[J]));
    }
    Steps.push_back(std::move(T));
  }
  if (SameSteps) {
    D->Steps = Previous->Steps;
  } else {
    D->Steps.Reserve(Count);
    for (PStep& T : Steps)
      D->Steps.Add(std::move(T));
  }
  if (SameReasons) {
    D->InitialDialecticalArguments = Previous->InitialDialecticalArguments;
  } else {
    D->InitialDialecticalArguments.Reserve(Count);
    for (PDialecticalArgument& R : Reasons)
      D->InitialDialecticalArguments.Add(std::move(R));
  }
  D->Status = EvaluateDialecticalArgument(*D, N.Statement->StatementType);
  return D;
}

const TStageHistory::TTree& TStageHistory::EntryAt(int Node, int Version) const {
  const auto& Trees = NodeList[static_cast<std::size_t>(Node)].Trees;
  auto It = std::upper_bound(Trees.begin(), Trees.end(), Version,
                             [](int V, const TTree& Entry) { return V < Entry.Version; });
  assert(It != Trees.begin());
  return *std::prev(It);
}

PDialecticalArgument TStageHistory::TreeAt(int Node, int Version) const {
  std::unordered_map<int, PDialecticalArgument> Known;
  return OldTree(Node, Version, Known);
}

namespace {

// Calls Visit(slot, node) for the children a connection's step had at Version: 0 the reason,
// 1 the step warrant, then per exception 2 + 2j the exception and 3 + 2j its undercutter warrant.
template <class TVisit>
void ForEachChildAt(const TStageHistory::TConnection& K, int Version, const TVisit& Visit) {
  Visit(0, K.Reason);
  if (K.StepWarrantSince <= Version) Visit(1, K.StepWarrantNode);
  for (std::size_t J = 0; J < K.ExceptionNodes.size() && K.ExceptionSince[J] <= Version; ++J) {
    Visit(static_cast<int>(2 + 2 * J), K.ExceptionNodes[J]);
    if (K.UndercutterWarrantSince[J] <= Version)
      Visit(static_cast<int>(3 + 2 * J), K.UndercutterWarrantNodes[J]);
  }
}

}  // namespace

PDialecticalArgument TStageHistory::OldTree(
    int Node, int Version, std::unordered_map<int, PDialecticalArgument>& Known) const {
  // What needs no building: the newest dialectical argument, or a cycle group's.
  const auto Direct = [&](int N) -> PDialecticalArgument {
    const TNode& Of = NodeList[static_cast<std::size_t>(N)];
    const TTree& Entry = EntryAt(N, Version);
    if (Entry.Group) {
      TCycleGroup& G = *Entry.Group;
      if (G.Roots.empty()) {
        // Let go of earlier: built again from what it was made of, with the outside statements
        // as they were at its version.
        std::unordered_map<int, PDialecticalArgument> Outside;
        for (const auto& Member : G.Steps)
          for (const TStepRecipe& R : Member) {
            const TConnection& K = ConnectionList[static_cast<std::size_t>(R.Connection)];
            std::vector<int> Nodes{K.Reason, R.StepWarrantNode};
            for (int J = 0; J < R.Exceptions; ++J) {
              Nodes.push_back(K.ExceptionNodes[static_cast<std::size_t>(J)]);
              Nodes.push_back(R.UndercutterWarrantNodes[static_cast<std::size_t>(J)]);
            }
            for (int C : Nodes)
              if (C >= 0 && !std::binary_search(G.Members.begin(), G.Members.end(), C) &&
                  !Outside.count(C))
                Outside.emplace(C, TreeAt(C, G.Version));
          }
        ExpandCycleGroup(
            G, [&Outside](int Child) { return Outside.at(Child); }, G.Count);
        LiveGroups.push_back(Entry.Group);
        LiveGroupArguments += G.Count;
        const PDialecticalArgument Root = G.Roots[static_cast<std::size_t>(Entry.Member)];
        LetGoOfOldGroups();
        return Root;
      }
      return G.Roots[static_cast<std::size_t>(Entry.Member)];
    }
    if (&Entry == &Of.Trees.back()) return Of.Latest;
    const auto It = Known.find(N);
    return It == Known.end() ? nullptr : It->second;
  };

  if (PDialecticalArgument D = Direct(Node)) return D;
  // Children first, with a stack of its own: chains of statements can be long. Nothing here is
  // on a cycle at this version, so nothing waits for itself.
  std::vector<std::pair<int, bool>> Stack{{Node, false}};
  while (!Stack.empty()) {
    const auto [N, Expanded] = Stack.back();
    if (Known.count(N)) {
      Stack.pop_back();
      continue;
    }
    const TNode& Of = NodeList[static_cast<std::size_t>(N)];
    if (!Expanded) {
      Stack.back().second = true;
      for (int C : Of.Concluding) {
        const TConnection& K = ConnectionList[static_cast<std::size_t>(C)];
        if (K.Version > Version) break;
        ForEachChildAt(K, Version, [&](int, int Child) {
          if (!Direct(Child)) Stack.emplace_back(Child, false);
        });
      }
      continue;
    }
    Stack.pop_back();
    auto D = std::make_shared<TDialecticalArgument>();
    D->Conclusion = Of.Statement;
    for (int C : Of.Concluding) {
      const TConnection& K = ConnectionList[static_cast<std::size_t>(C)];
      if (K.Version > Version) break;
      const TReasonConclusion& Connection = *K.Connection;
      auto T = std::make_shared<TStep>();
      T->Conclusion = Of.Statement;
      T->Reason = Connection.Reason;
      T->ConnectionKind = Connection.ConnectionKind;
      PUndercutter U;
      ForEachChildAt(K, Version, [&](int Slot, int Child) {
        PDialecticalArgument Tree = Direct(Child);
        if (Slot == 0) {
          D->InitialDialecticalArguments.Add(std::move(Tree));
        } else if (Slot == 1) {
          T->WarrantUnjustified = Tree->Status != TJustificationStatus::Justified;
          T->WarrantingDialecticalArgument = std::move(Tree);
        } else if (Slot % 2 == 0) {
          U = std::make_shared<TUndercutter>();
          U->Exception = Connection.Exceptions[(Slot - 2) / 2];
          U->Conclusion = T->Conclusion;
          U->Reason = T->Reason;
          T->Undercutters.Add(U);
          T->UndercuttingDialecticalArguments.Add(std::move(Tree));
        } else {
          U->WarrantUnjustified = Tree->Status != TJustificationStatus::Justified;
          U->WarrantingDialecticalArgument = std::move(Tree);
        }
      });
      D->Steps.Add(std::move(T));
    }
    D->Status = EvaluateDialecticalArgument(*D, EntryAt(N, Version).Type);
    Known.emplace(N, std::move(D));
  }
  return Known.at(Node);
}

std::size_t TStageHistory::GroupArgumentsAt(int Version) const {
  std::vector<const TCycleGroup*> Seen;
  std::size_t Count = 0;
  for (std::size_t N = 0; N < NodeList.size(); ++N) {
    if (NodeList[N].CyclicSince > Version) continue;
    const TCycleGroup* G = EntryAt(static_cast<int>(N), Version).Group.get();
    if (std::find(Seen.begin(), Seen.end(), G) != Seen.end()) continue;
    Seen.push_back(G);
    Count += G->Count;
  }
  return Count;
}

TDialecticalArguments TStageHistory::DialecticalArgumentsAt(int Version, int Count) const {
  TDialecticalArguments List;
  List.Reserve(Count);
  // One old version's dialectical arguments share what they have in common, as they did.
  std::unordered_map<int, PDialecticalArgument> Known;
  for (int I = 0; I < Count; ++I)
    List.Add(OldTree(I, Version, Known));
  return List;
}

void TStageHistory::BindLists(TArgumentationStage& Stage) const {
  std::shared_ptr<const TStageHistory> Self = shared_from_this();
  Stage.History = std::const_pointer_cast<TStageHistory>(Self);
  Stage.Version = Head;
  const int Version = Head;
  const int Count = static_cast<int>(NodeList.size());
  Stage.DialecticalArguments.SetFiller(
      [Self, Version, Count] { return Self->DialecticalArgumentsAt(Version, Count); });
  TDialecticalArguments All = Stage.DialecticalArguments;
  Stage.MaximalDialecticalArguments.SetFiller(
      [Self, Version, All] { return Self->MaximalAt(Version, All); });
}

void TStageHistory::ReleaseLists(TArgumentationStage& Stage) const {
  if (Plain || Stage.History.get() != this) return;
  const int Version = Stage.Version;
  std::shared_ptr<const TStageHistory> Self = shared_from_this();
  const int Count = Stage.Statements.Count();
  Stage.DialecticalArguments.SetFiller(
      [Self, Version, Count] { return Self->DialecticalArgumentsAt(Version, Count); });
  TDialecticalArguments All = Stage.DialecticalArguments;
  Stage.MaximalDialecticalArguments.SetFiller(
      [Self, Version, All] { return Self->MaximalAt(Version, All); });
}

}  // namespace palaver
