// Recording a move into the versioned graph, the journal of what each version added, taking a
// refused move back and cutting the history back to an earlier version.

#include <algorithm>
#include <cassert>
#include <variant>

#include "model/StageHistory.h"
#include "model/WarrantSentences.h"

namespace palaver {

namespace {

// The changes of the log, each undone by what it names: an overload set for std::visit.
template <class... TCases>
struct TOverloaded : TCases... {
  using TCases::operator()...;
};
template <class... TCases>
TOverloaded(TCases...) -> TOverloaded<TCases...>;

}  // namespace

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
  // The users are linked newest first.
  std::vector<int> Users;
  for (int U = *Newest; U >= 0; U = WarrantUserList[static_cast<std::size_t>(U)].Next)
    Users.push_back(U);
  std::reverse(Users.begin(), Users.end());
  for (const int U : Users) {
    const TWarrantUser& User = WarrantUserList[static_cast<std::size_t>(U)];
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
              BySentence.EraseNewest(SentenceHash(NodeList.back().Statement->Sentence));
            else if (A.Filed == TNodeAdded::TFiled::Clash)
              SentenceClashes.pop_back();
            NodeList.pop_back();
          },
          [&](const TConnectionAdded& A) {
            const TConnection& K = ConnectionList.back();
            if (A.FirstWithEnds) ByEnds.EraseNewest(EndsKey(K.Reason, K.Conclusion));
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
              WarrantUsers.EraseNewest(User.Hash);
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
  // expansions of a group at once; the groups keep what the new ones may take over. The count of
  // what the groups hold starts from the groups of the statements that are left: a group of
  // statements that later moves added has gone with them.
  std::vector<int> Changed;
  std::vector<const TCycleGroup*> Held;
  for (std::size_t N = 0; N < NodeList.size(); ++N) {
    TNode& Of = NodeList[N];
    if (Of.Group) Held.push_back(Of.Group.get());
    if (Of.BuiltAt <= Version) continue;
    Changed.push_back(static_cast<int>(N));
    if (Of.Group) Of.Group->Roots = {};
    Of.Latest = nullptr;
    Of.Stale = true;
  }
  std::sort(Held.begin(), Held.end());
  Held.erase(std::unique(Held.begin(), Held.end()), Held.end());
  HeldGroupArguments = 0;
  for (const TCycleGroup* G : Held)
    HeldGroupArguments += G->Count;
  Evaluate(Changed, Version, false);
  WriteAllStatuses = true;
  BindLists(Stage);
}

}  // namespace palaver
