// Recording the moves into the versioned graph, the log that undoes them, and cutting the
// history back to an earlier version.

#include "model/StageHistory.h"

#include <algorithm>
#include <cassert>

#include "model/IdValue.h"
#include "model/WarrantSentences.h"

namespace palaver {

namespace {

std::uint64_t EndsKey(int Reason, int Conclusion) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(Reason)) << 32) |
         static_cast<std::uint32_t>(Conclusion);
}

// The changes of the log, each undone by what it names: an overload set for std::visit.
template <class... TCases>
struct TOverloaded : TCases... {
  using TCases::operator()...;
};
template <class... TCases>
TOverloaded(TCases...) -> TOverloaded<TCases...>;

}  // namespace

std::shared_ptr<TStageHistory> TStageHistory::Build(const TArgumentationStage& Base,
                                                    const TEvaluationContext& Context) {
  auto H = std::make_shared<TStageHistory>();
  H->Context = Context;
  H->Head = -1;  // the version being made is 0
  H->FromEmpty = Base.Statements.Empty() && Base.ReasonConclusions.Empty();
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
  H->Evaluate(All, 0, false);
  H->Head = 0;
  H->Settle();
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

bool TStageHistory::IsWholeLineUpTo(const TArgumentationStage& Stage,
                                    const TEvaluationContext& Evaluation) const {
  return !Plain && !Spoiled && FromEmpty && Stage.History.get() == this && Stage.Version <= Head &&
         Context.Language == Evaluation.Language && Context.Limits == Evaluation.Limits &&
         Context.SharesStatusWritesWith(Evaluation);
}

int TStageHistory::FindStatement(std::uint64_t Hash, const TSentencePieces& Pieces) const {
  const int* First = BySentence.Find(Hash);
  if (First == nullptr) return -1;
  const auto Is = [&](int Node) {
    return IsSentence(NodeList[static_cast<std::size_t>(Node)].Statement->Sentence, Pieces);
  };
  if (Is(*First)) return *First;
  for (const auto& [ClashHash, Node] : SentenceClashes)
    if (ClashHash == Hash && Is(Node)) return Node;
  return -1;
}

int TStageHistory::StatementIndex(const std::string& Sentence) const {
  const TSentencePieces Whole{{Sentence}, 1};
  return FindStatement(SentenceHash(Sentence), Whole);
}

int TStageHistory::ConnectionIndex(const std::string& Reason, const std::string& Conclusion) const {
  return ConnectionIndex(StatementIndex(Reason), StatementIndex(Conclusion));
}

int TStageHistory::ConnectionIndex(int Reason, int Conclusion) const {
  if (Reason < 0 || Conclusion < 0) return -1;
  const int* First = ByEnds.Find(EndsKey(Reason, Conclusion));
  return First == nullptr ? -1 : *First;
}

bool TStageHistory::IsStatement(int Node, const TStatement& S) const {
  return Node >= 0 && NodeList[static_cast<std::size_t>(Node)].Statement.get() == &S;
}

TStatementType TStageHistory::TypeAt(int Node, int Version) const {
  const TNode& N = NodeList[static_cast<std::size_t>(Node)];
  for (const auto& [Since, Before] : N.EarlierTypes)
    if (Since > Version) return Before;
  return N.Type;
}

// --- Ids -------------------------------------------------------------------------------------

void TStageHistory::TakeId(const std::string& Id) {
  const std::optional<long long> N = IdValue(Id);
  // Numbers beyond the count of statements are never given, so they need no record until the
  // count reaches them.
  if (!N || *N < 1) return;
  if (*N > static_cast<long long>(NodeList.size()) + 1) {
    LargeIds.push_back(*N);
    return;
  }
  UseId(static_cast<std::size_t>(*N));
}

void TStageHistory::UseId(std::size_t N) {
  if (IdUse.size() <= N) IdUse.resize(N + 1);
  ++IdUse[N];
}

void TStageHistory::RecountIds() {
  IdUse.clear();
  LargeIds.clear();
  FreeId = 1;
  for (const TNode& N : NodeList)
    TakeId(N.Statement->Id);
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

// --- Recording a move ----------------------------------------------------------------------

void TStageHistory::BeginMove(const TEvaluationLimits& Limits) {
  Context.Limits = Limits;
  Moving = true;
  Pending.clear();
}

void TStageHistory::SetPlain() {
  if (!Plain) Note(TBecamePlain{});
  Plain = true;
}

void TStageHistory::AddStatement(const PStatement& S) {
  const int Node = static_cast<int>(NodeList.size());
  TNode& N = NodeList.emplace_back();
  N.Statement = S;
  N.Type = S->StatementType;
  N.Since = Head + 1;
  N.BuiltAt = Head + 1;
  const std::uint64_t Hash = SentenceHash(S->Sentence);
  TNodeAdded::TFiled Filed = TNodeAdded::TFiled::First;
  if (!BySentence.Emplace(Hash, Node).second) {
    // Two statements with one sentence: only a stage built by hand has them.
    const TSentencePieces Whole{{S->Sentence}, 1};
    if (FindStatement(Hash, Whole) >= 0) {
      Filed = TNodeAdded::TFiled::Not;
    } else {
      Filed = TNodeAdded::TFiled::Clash;
      SentenceClashes.emplace_back(Hash, Node);
    }
  }
  Note(TNodeAdded{Filed});
  if (Filed == TNodeAdded::TFiled::Not) SetPlain();
  TakeId(S->Id);
  if (!Building) LookUpWarrants(Node);
  Pending.push_back(Node);
}

void TStageHistory::Touch(const TStatement& S) {
  const int Node = StatementIndex(S.Sentence);
  if (!IsStatement(Node, S)) return;
  TNode& N = NodeList[static_cast<std::size_t>(Node)];
  if (N.Type == S.StatementType) return;
  N.EarlierTypes.emplace_back(Head + 1, N.Type);
  N.Type = S.StatementType;
  Note(TRetyped{Node});
  Pending.push_back(Node);
}

void TStageHistory::AddConnection(const PReasonConclusion& C) {
  AddConnection(C, StatementIndex(C->Reason->Sentence), StatementIndex(C->Conclusion->Sentence));
}

void TStageHistory::AddConnection(const PReasonConclusion& C, int Reason, int Conclusion) {
  const int Index = static_cast<int>(ConnectionList.size());
  TConnection& K = ConnectionList.emplace_back();
  K.Connection = C;
  K.Version = Head + 1;
  K.Reason = Reason;
  K.Conclusion = Conclusion;
  if (!IsStatement(K.Reason, *C->Reason) || !IsStatement(K.Conclusion, *C->Conclusion)) {
    Note(TConnectionAdded{false, false});
    SetPlain();
    return;
  }
  if (Plain) {
    Note(TConnectionAdded{false, false});
    return;
  }
  const bool First = ByEnds.Emplace(EndsKey(K.Reason, K.Conclusion), Index).second;
  NodeList[static_cast<std::size_t>(K.Conclusion)].Concluding.push_back(Index);
  Note(TConnectionAdded{First, true});
  AddEdge(K.Conclusion, K.Reason);
  LinkWarrant(Index, -1);
  for (const PStatement& X : C->Exceptions)
    AddException(Index, X, false);
  Pending.push_back(ConnectionList[static_cast<std::size_t>(Index)].Conclusion);
}

void TStageHistory::TouchExceptions(int Connection) {
  if (Plain) return;
  const TReasonConclusion& C = *ConnectionList[static_cast<std::size_t>(Connection)].Connection;
  for (int J = ExceptionsKnown(Connection); J < C.Exceptions.Count(); ++J)
    AddException(Connection, C.Exceptions[J], true);
}

int TStageHistory::ExceptionsKnown(int Connection) const {
  return static_cast<int>(
      ConnectionList[static_cast<std::size_t>(Connection)].ExceptionNodes.size());
}

void TStageHistory::AddException(int Connection, const PStatement& X, bool ToObject) {
  const int Node = StatementIndex(X->Sentence);
  if (!IsStatement(Node, *X)) SetPlain();
  if (Plain) return;
  TConnection& K = ConnectionList[static_cast<std::size_t>(Connection)];
  const int Slot = static_cast<int>(K.ExceptionNodes.size());
  K.ExceptionNodes.push_back(Node);
  K.ExceptionSince.push_back(Head + 1);
  K.UndercutterWarrantSince.push_back(Never);
  K.UndercutterWarrantNodes.push_back(-1);
  Note(TExceptionAdded{Connection, ToObject});
  AddEdge(K.Conclusion, Node);
  LinkWarrant(Connection, Slot);
  Pending.push_back(ConnectionList[static_cast<std::size_t>(Connection)].Conclusion);
}

// The warrant sentence of a connection's step (Slot -1) or of its exception in Slot, built from
// the ends as the dialectical argument has them: the conclusion's statement and the
// connection's reason.
TSentencePieces TStageHistory::WarrantPieces(int Connection, int Slot) const {
  const TConnection& K = ConnectionList[static_cast<std::size_t>(Connection)];
  const TReasonConclusion& C = *K.Connection;
  const std::string& Conclusion =
      NodeList[static_cast<std::size_t>(K.Conclusion)].Statement->Sentence;
  if (Slot < 0)
    return StepWarrantPieces(C.Reason->Sentence, Conclusion, C.ConnectionKind, Context.Language);
  const int Exception = K.ExceptionNodes[static_cast<std::size_t>(Slot)];
  return UndercutterWarrantPieces(NodeList[static_cast<std::size_t>(Exception)].Statement->Sentence,
                                  C.Reason->Sentence, Conclusion, Context.Language);
}

void TStageHistory::LinkWarrant(int Connection, int Slot) {
  const TSentencePieces Warrant = WarrantPieces(Connection, Slot);
  const std::uint64_t Hash = SentenceHash(Warrant);
  const auto [Newest, First] = WarrantUsers.Emplace(Hash, 0);
  const int Next = First ? -1 : *Newest;
  *Newest = static_cast<int>(WarrantUserList.size());
  WarrantUserList.push_back({Connection, Slot, Next, Hash});
  Note(TWarrantUserAdded{});
  const int Node = FindStatement(Hash, Warrant);
  if (Node >= 0) SetWarrant(Connection, Slot, Node);
}

void TStageHistory::SetWarrant(int Connection, int Slot, int Node) {
  TConnection& K = ConnectionList[static_cast<std::size_t>(Connection)];
  int& WarrantNode =
      Slot < 0 ? K.StepWarrantNode : K.UndercutterWarrantNodes[static_cast<std::size_t>(Slot)];
  int& Since =
      Slot < 0 ? K.StepWarrantSince : K.UndercutterWarrantSince[static_cast<std::size_t>(Slot)];
  Note(TWarrantSet{Connection, Slot, WarrantNode, Since});
  WarrantNode = Node;
  Since = Head + 1;
  AddEdge(K.Conclusion, Node);
  Pending.push_back(K.Conclusion);
}

// A new statement whose sentence is the warrant of connections already there, taken in the
// order in which they came.
void TStageHistory::LookUpWarrants(int Node) {
  const std::string& Sentence = NodeList[static_cast<std::size_t>(Node)].Statement->Sentence;
  const int* Newest = WarrantUsers.Find(SentenceHash(Sentence));
  if (Newest == nullptr) return;
  std::vector<int> Users;
  for (int U = *Newest; U >= 0; U = WarrantUserList[static_cast<std::size_t>(U)].Next)
    Users.push_back(U);
  for (auto U = Users.rbegin(); U != Users.rend(); ++U) {
    const TWarrantUser& User = WarrantUserList[static_cast<std::size_t>(*U)];
    if (IsSentence(Sentence, WarrantPieces(User.Connection, User.Slot)))
      SetWarrant(User.Connection, User.Slot, Node);
  }
}

void TStageHistory::AddEdge(int From, int To) {
  const int Version = Head + 1;
  TNode& Child = NodeList[static_cast<std::size_t>(To)];
  Note(TEdgeAdded{From, To, Child.ParentSince});
  NodeList[static_cast<std::size_t>(From)].Children.push_back({To, Version});
  Child.Parents.push_back({From, Version});
  Child.ParentSince = std::min(Child.ParentSince, Version);
}

std::vector<std::uint8_t>& TStageHistory::ClearMarks() const {
  if (Marks.size() < NodeList.size()) Marks.resize(NodeList.size());
  return Marks;
}

void TStageHistory::FinishMove(TArgumentationStage& New, bool Later) {
  std::vector<int> Changed = std::move(Pending);
  Pending.clear();
  if (Plain) {
    ++Head;
    Moving = false;
    New.History = shared_from_this();
    New.Version = Head;
    New.RecomputeTheLongWay();
    return;
  }
  Evaluate(Changed, Head + 1, Later);
  ++Head;
  Moving = false;
  BindLists(New);
  if (!Later) Settle();
}

void TStageHistory::RollBack() {
  if (!Moving) {
    Spoiled = true;
    return;
  }
  Moving = false;
  Undo(Head, false);
  RecountIds();
  Pending.clear();
}

// --- Undoing the log -------------------------------------------------------------------------

void TStageHistory::Undo(int Version, bool Objects) {
  while (!Log.empty() && Log.back().Version > Version) {
    const TLogEntry Entry = Log.back();
    Log.pop_back();
    Undo(Entry, Objects);
  }
}

void TStageHistory::Undo(const TLogEntry& Entry, bool Objects) {
  std::visit(
      TOverloaded{
          [&](const TNodeAdded& A) {
            if (A.Filed == TNodeAdded::TFiled::First)
              BySentence.Erase(SentenceHash(NodeList.back().Statement->Sentence));
            else if (A.Filed == TNodeAdded::TFiled::Clash)
              SentenceClashes.pop_back();
            NodeList.pop_back();
          },
          [&](const TConnectionAdded& A) {
            const TConnection& K = ConnectionList.back();
            if (A.FirstWithEnds) ByEnds.Erase(EndsKey(K.Reason, K.Conclusion));
            if (A.Concludes) NodeList[static_cast<std::size_t>(K.Conclusion)].Concluding.pop_back();
            ConnectionList.pop_back();
          },
          [&](const TEdgeAdded& A) {
            NodeList[static_cast<std::size_t>(A.From)].Children.pop_back();
            TNode& Child = NodeList[static_cast<std::size_t>(A.To)];
            Child.Parents.pop_back();
            Child.ParentSince = A.ParentSinceBefore;
          },
          [&](const TWarrantUserAdded&) {
            const TWarrantUser& User = WarrantUserList.back();
            if (User.Next < 0)
              WarrantUsers.Erase(User.Hash);
            else
              *WarrantUsers.Find(User.Hash) = User.Next;
            WarrantUserList.pop_back();
          },
          [&](const TWarrantSet& A) {
            TConnection& K = ConnectionList[static_cast<std::size_t>(A.Connection)];
            const auto Slot = static_cast<std::size_t>(A.Slot);
            (A.Slot < 0 ? K.StepWarrantNode : K.UndercutterWarrantNodes[Slot]) = A.NodeBefore;
            (A.Slot < 0 ? K.StepWarrantSince : K.UndercutterWarrantSince[Slot]) = A.SinceBefore;
          },
          [&](const TExceptionAdded& A) {
            TConnection& K = ConnectionList[static_cast<std::size_t>(A.Connection)];
            K.ExceptionNodes.pop_back();
            K.ExceptionSince.pop_back();
            K.UndercutterWarrantNodes.pop_back();
            K.UndercutterWarrantSince.pop_back();
            if (Objects && A.ToObject) {
              TStatements& Exceptions = K.Connection->Exceptions;
              Exceptions.Delete(Exceptions.Count() - 1);
            }
          },
          [&](const TRetyped& A) {
            TNode& N = NodeList[static_cast<std::size_t>(A.Node)];
            N.Type = N.EarlierTypes.back().second;
            N.EarlierTypes.pop_back();
            if (Objects) N.Statement->StatementType = N.Type;
          },
          [&](const TBecameCyclic& A) {
            NodeList[static_cast<std::size_t>(A.Node)].CyclicSince = Never;
          },
          [&](const TBecamePlain&) { Plain = false; },
      },
      Entry.Change);
}

// What later moves changed goes; then the statements whose dialectical argument changed after
// the version are worked out again as they were at it, and every status is written anew.
void TStageHistory::CutBackTo(TArgumentationStage& Stage) {
  assert(Stage.History.get() == this && !Plain && !Moving);
  const int Version = Stage.Version;
  Undo(Version, true);
  Head = Version;
  RecountIds();
  Pending.clear();
  for (int N : Unsettled)
    NodeList[static_cast<std::size_t>(N)].Unsettled = false;
  Unsettled.clear();
  // What the later versions worked out is let go first, so that the line does not hold two
  // expansions of a group at once; the groups keep what the new ones may take over.
  std::vector<int> Changed;
  for (std::size_t N = 0; N < NodeList.size(); ++N) {
    TNode& Of = NodeList[N];
    if (Of.BuiltAt <= Version) continue;
    Changed.push_back(static_cast<int>(N));
    if (Of.Group) Of.Group->Roots = {};
    Of.Latest = nullptr;
    Of.Stale = true;
  }
  Evaluate(Changed, Version, false);
  WriteAllStatuses = true;
  BindLists(Stage);
}

// --- The stages' lists -----------------------------------------------------------------------

void TStageHistory::BindLists(TArgumentationStage& Stage) const {
  std::shared_ptr<const TStageHistory> Self = shared_from_this();
  Stage.History = std::const_pointer_cast<TStageHistory>(Self);
  Stage.Version = Head;
  ReleaseLists(Stage);
}

void TStageHistory::ReleaseLists(TArgumentationStage& Stage) const {
  if (Plain || Stage.History.get() != this) return;
  // Lists nobody has read yet hold nothing.
  if (Stage.Version == Stage.ListsVersion && Stage.DialecticalArguments.WaitsForFiller() &&
      Stage.MaximalDialecticalArguments.WaitsForFiller())
    return;
  Stage.ListsVersion = Stage.Version;
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
