// The evaluation of a history's newest version: the walk over the statements a move changed and
// everything that reaches them, the cycle groups it meets, the dialectical arguments worked out
// when they are needed, and the statuses.

#include <algorithm>
#include <cassert>
#include <limits>
#include <span>
#include <unordered_map>

#include "model/StageHistory.h"

namespace palaver {

namespace {

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

std::vector<std::uint8_t>& TStageHistory::ClearMarks() const {
  if (Marks.size() < NodeList.size()) Marks.resize(NodeList.size());
  return Marks;
}

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

// Children before parents. With Later, only the cycle groups whose structure changed are
// expanded, to check the limits, and let go again at once. Nothing of the history changes until
// every group has been checked: a version past a limit throws and leaves it as it was.
//
// The statements to rebuild are walked in Tarjan's order, which hands out each cycle group once
// all the statements it takes in are done; a statement on no cycle is a group of one.
void TStageHistory::Evaluate(const std::vector<int>& Changed, int Version, bool Later) {
  // 0 untouched, 1 to build, 2 built; cleared again at the end.
  std::vector<std::uint8_t>& Mark = ClearMarks();
  // The walk's lists are the history's, kept from one move to the next (a long line makes many
  // small moves); they are emptied again however the walk ends.
  std::vector<int>& Affected = WalkScratch.Affected;
  std::vector<TBuilt>& Built = WalkScratch.Built;
  Affected.clear();
  Built.clear();
  for (int N : Changed) {
    if (Mark[static_cast<std::size_t>(N)]) continue;
    Mark[static_cast<std::size_t>(N)] = 1;
    Affected.push_back(N);
  }
  for (std::size_t Next = 0; Next < Affected.size(); ++Next) {
    for (const TEdge& E : NodeList[static_cast<std::size_t>(Affected[Next])].Parents) {
      if (Mark[static_cast<std::size_t>(E.Node)]) continue;
      Mark[static_cast<std::size_t>(E.Node)] = 1;
      Affected.push_back(E.Node);
    }
  }
  // The marks are the only state shared with the walk below; clear them however it ends.
  struct TClear {
    std::vector<std::uint8_t>& Mark;
    TWalkScratch& Scratch;
    ~TClear() {
      for (int N : Scratch.Affected)
        Mark[static_cast<std::size_t>(N)] = 0;
      Scratch.Affected.clear();
      Scratch.Built.clear();
    }
  } Clear{Mark, WalkScratch};
  // Statuses that deferred moves left unwritten are written with this version's: the
  // dialectical arguments of those the move does not reach are worked out now, while anything
  // that fails can still be taken back.
  if (!Later)
    for (int N : Unsettled)
      if (!Mark[static_cast<std::size_t>(N)]) Current(N);

  // The groups the rebuilt statements belonged to give way to the new ones.
  std::vector<const TCycleGroup*> OldGroups;
  std::size_t OldCount = 0;
  for (int N : Affected) {
    const TCycleGroup* G = NodeList[static_cast<std::size_t>(N)].Group.get();
    if (!G || std::find(OldGroups.begin(), OldGroups.end(), G) != OldGroups.end()) continue;
    OldGroups.push_back(G);
    OldCount += G->Count;
  }
  const std::size_t Kept = HeldGroupArguments - OldCount;
  const std::size_t Limit = Context.Limits.DialecticalArguments;
  std::size_t NewCount = 0;

  // What the walk works out (in Built) is kept aside until everything has passed; a statement
  // built (marked 2) has its place in Built in Place.
  std::vector<int>& Place = WalkScratch.Place;
  if (Place.size() < NodeList.size()) Place.resize(NodeList.size());
  const auto Enter = [&](TBuilt B) {
    Mark[static_cast<std::size_t>(B.Node)] = 2;
    Place[static_cast<std::size_t>(B.Node)] = static_cast<int>(Built.size());
    Built.push_back(std::move(B));
  };
  // Children outside a group that is only checked: any object of their own will do, since what
  // lies outside a group plays no part in its size or its containments.
  std::unordered_map<int, PDialecticalArgument> StandIns;
  const auto ChildTree = [&](int Child) -> PDialecticalArgument {
    if (Mark[static_cast<std::size_t>(Child)] != 2) return Current(Child);
    const TBuilt& B = Built[static_cast<std::size_t>(Place[static_cast<std::size_t>(Child)])];
    return B.Group ? B.Group->Roots[static_cast<std::size_t>(B.Member)] : B.Tree;
  };
  const auto StandIn = [&](int Child) -> PDialecticalArgument {
    PDialecticalArgument& D = StandIns[Child];
    if (!D) {
      D = std::make_shared<TDialecticalArgument>();
      D->Conclusion = NodeList[static_cast<std::size_t>(Child)].Statement;
    }
    return D;
  };

  // A statement on no cycle, or one that is a reason for itself.
  auto BuildAlone = [&](int N) {
    for (const TEdge& E : NodeList[static_cast<std::size_t>(N)].Children)
      if (E.Node == N) return false;
    Enter({N, Later ? nullptr : BuildTree(N, ChildTree), nullptr, -1});
    return true;
  };
  auto BuildGroup = [&](std::span<const int> Component) {
    std::vector<int> Members(Component.begin(), Component.end());
    std::sort(Members.begin(), Members.end());
    PCycleGroup G = NewCycleGroup(std::move(Members), Version);
    const std::size_t Used = Kept + NewCount;
    const std::size_t Allowance = Used >= Limit ? 0 : Limit - Used;
    const TCycleGroup* Old = NodeList[static_cast<std::size_t>(G->Members.front())].Group.get();
    if (Old && Old->Members == G->Members && Old->Shape == G->Shape) {
      // The same structure as before: the same size and the same containments.
      if (Old->Count > Allowance)
        throw TEvaluationLimitReached(TEvaluationLimitReached::TKind::DialecticalArguments, Limit);
      G->Count = Old->Count;
      G->Contains = Old->Contains;
      if (!Later) ExpandCycleGroup(*G, ChildTree, std::numeric_limits<std::size_t>::max());
    } else {
      TGroupIndex Index;
      if (Later)
        ExpandCycleGroup(*G, StandIn, Allowance, &Index);
      else
        ExpandCycleGroup(*G, ChildTree, Allowance, &Index);
      // Which member contains which, for the maximal selection of this version and later ones.
      CompareMembers(*G, Index, Context.Limits.Comparisons);
      if (Later) {
        G->Roots.clear();
        G->Roots.shrink_to_fit();
      }
    }
    NewCount += G->Count;
    for (std::size_t M = 0; M < G->Members.size(); ++M)
      Enter({G->Members[M], nullptr, G, static_cast<int>(M)});
  };

  WalkScratch.Components.Walk(
      NodeList.size(), Affected,
      [this](int N) -> const std::vector<TEdge>& {
        return NodeList[static_cast<std::size_t>(N)].Children;
      },
      [&Mark](const TEdge& E) { return Mark[static_cast<std::size_t>(E.Node)] != 0 ? E.Node : -1; },
      [&](std::span<const int> Component) {
        if (Component.size() == 1 && BuildAlone(Component.front())) return;
        BuildGroup(Component);
      });

  // Nothing can fail from here on.
  const auto Room = [](auto& Vector, std::size_t More) {
    if (Vector.capacity() < Vector.size() + More)
      Vector.reserve(std::max(2 * Vector.capacity(), Vector.size() + More));
  };
  Room(Log, Built.size());
  Room(Unsettled, Built.size());
  HeldGroupArguments = Kept + NewCount;
  for (TBuilt& B : Built) {
    TNode& N = NodeList[static_cast<std::size_t>(B.Node)];
    N.BuiltAt = Version;
    if (B.Group) {
      N.Group = std::move(B.Group);
      N.Member = B.Member;
      N.Latest = nullptr;
      N.Stale = false;
      if (N.CyclicSince > Version) {
        N.CyclicSince = Version;
        Log.push_back({Version, TBecameCyclic{B.Node}});
      }
    } else {
      N.Group = nullptr;
      N.Member = -1;
      if (B.Tree) N.Latest = std::move(B.Tree);
      N.Stale = Later;
    }
    if (!N.Unsettled) {
      N.Unsettled = true;
      Unsettled.push_back(B.Node);
    }
  }
}

const PDialecticalArgument& TStageHistory::Current(int Node) const {
  const TNode& N = NodeList[static_cast<std::size_t>(Node)];
  if (N.Group ? N.Group->Roots.empty() : N.Stale) WorkOut(Node);
  return N.Group ? N.Group->Roots[static_cast<std::size_t>(N.Member)] : N.Latest;
}

// Works out a waiting dialectical argument of the newest version, and first those of its
// children that wait too (with a stack of its own: chains of statements can be long). A cycle
// group is worked out as a whole, after what it takes in from outside.
void TStageHistory::WorkOut(int Node) const {
  auto& Nodes = const_cast<std::vector<TNode>&>(NodeList);
  const auto Waiting = [&Nodes](int N) {
    const TNode& Of = Nodes[static_cast<std::size_t>(N)];
    return Of.Group ? Of.Group->Roots.empty() : Of.Stale;
  };
  const auto Ready = [&Nodes](int N) -> PDialecticalArgument {
    const TNode& Of = Nodes[static_cast<std::size_t>(N)];
    return Of.Group ? Of.Group->Roots[static_cast<std::size_t>(Of.Member)] : Of.Latest;
  };
  std::vector<std::pair<int, bool>> Stack{{Node, false}};
  while (!Stack.empty()) {
    const auto [N, Expanded] = Stack.back();
    if (!Waiting(N)) {
      Stack.pop_back();
      continue;
    }
    TNode& Of = Nodes[static_cast<std::size_t>(N)];
    if (!Expanded) {
      Stack.back().second = true;
      if (Of.Group) {
        for (int M : Of.Group->Members)
          for (const TEdge& E : Nodes[static_cast<std::size_t>(M)].Children)
            if (Nodes[static_cast<std::size_t>(E.Node)].Group != Of.Group && Waiting(E.Node))
              Stack.emplace_back(E.Node, false);
      } else {
        for (const TEdge& E : Of.Children)
          if (Waiting(E.Node)) Stack.emplace_back(E.Node, false);
      }
      continue;
    }
    Stack.pop_back();
    if (Of.Group) {
      ExpandCycleGroup(*Of.Group, Ready, std::numeric_limits<std::size_t>::max());
    } else {
      Of.Latest = BuildTree(N, Ready);
      Of.Stale = false;
    }
  }
}

// A statement on no cycle: its steps from its connections, each child's newest dialectical
// argument. The steps (and the lists) of its previous version are kept where nothing changed, so
// a statement with many reasons does not copy them for every move below it.
PDialecticalArgument TStageHistory::BuildTree(
    int Node, const std::function<PDialecticalArgument(int)>& Child) const {
  const TNode& N = NodeList[static_cast<std::size_t>(Node)];
  const TDialecticalArgument* Previous = N.Group ? nullptr : N.Latest.get();

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
    PDialecticalArgument Reason = Child(K.Reason);
    SameReasons = SameReasons && Previous->InitialDialecticalArguments[I] == Reason;
    Reasons.push_back(std::move(Reason));
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
  D->Status = EvaluateDialecticalArgument(*D, N.Type);
  return D;
}

// Statuses are written only once every dialectical argument they come from has been worked out,
// so that running out of memory on the way leaves the statements as they were.
void TStageHistory::Settle() {
  if (WriteAllStatuses) {
    for (std::size_t N = 0; N < NodeList.size(); ++N)
      Current(static_cast<int>(N));
    for (std::size_t N = 0; N < NodeList.size(); ++N)
      WriteStatus(*Current(static_cast<int>(N)));
    WriteAllStatuses = false;
  } else {
    if (Unsettled.empty()) return;
    for (int N : Unsettled)
      Current(N);
    for (int N : Unsettled)
      WriteStatus(*Current(N));
  }
  for (int N : Unsettled)
    NodeList[static_cast<std::size_t>(N)].Unsettled = false;
  Unsettled.clear();
  Epoch = Context.CountStatusWrites();
}

}  // namespace palaver
