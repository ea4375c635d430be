#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "session/ProgramState.h"
#include "model/ArgumentationStage.h"
#include "model/StageHistory.h"
#include "model/WarrantSentences.h"

namespace palaver {

namespace {

PArgument NewSupportedArgument(const TArgumentationStage& Stage, const PStatement& S,
                               const TReasonConclusions& L) {
  auto A = std::make_shared<TArgument>(S);
  Stage.ComputeSupportingArguments(S, A->InitialArguments, L);
  return A;
}

bool OccursInNode(const std::string& Sentence, const TArgument& A) {
  if (A.Conclusion->Sentence == Sentence) return true;
  for (const PArgument& Sub : A.InitialArguments)
    if (OccursInNode(Sentence, *Sub)) return true;
  return false;
}

// Some argument of the stage for this sentence counts as undefeated. Arguments whose status was
// never computed are offered to ComputeDefeatStatus first.
bool HasUndefeatedArgument(const TArgumentationStage& Stage, const std::string& Sentence) {
  for (const PArgument& A : Stage.Arguments) {
    if (A->Conclusion->Sentence != Sentence) continue;
    if (A->DefeatStatus == 2) Stage.ComputeDefeatStatus(*A);
    if (A->DefeatStatus == 1) return true;
  }
  return false;
}

// The arguments as RecomputeArguments defines them, built the long way: only for connections
// whose ends are not statements of the list, which no move ever makes.
TArguments StraightforwardArguments(const TStatements& Statements,
                                    const TReasonConclusions& Connections) {
  TArgumentationStage Stage;
  Stage.Statements = Statements;
  Stage.ReasonConclusions = Connections;
  TArguments List;
  for (const PStatement& S : Statements)
    if (Stage.IsFinalConclusion(*S, Connections))
      List.Add(NewSupportedArgument(Stage, S, Connections));
  for (const PStatement& S : Statements)
    if (!Stage.OccursInArgument(*S, List)) List.Add(NewSupportedArgument(Stage, S, Connections));
  return List;
}

// The argument of a statement that reaches no cycle of connections does not depend on the
// connections the branches above it have used, so it is built once and shared by every argument
// it occurs in. One that reaches a cycle is built the long way, leaving out on each branch the
// connections used above.
class TArgumentsBuilder {
 public:
  TArgumentsBuilder(const TStatements& Statements, const TReasonConclusions& Connections)
      : Statements(Statements), Connections(Connections) {}

  bool Build(TArguments& List) {
    const int N = Statements.Count();
    const int M = Connections.Count();
    std::unordered_map<std::string_view, int> Index;
    Index.reserve(static_cast<std::size_t>(N));
    for (int I = 0; I < N; ++I)
      Index.emplace(Statements[I]->Sentence, I);
    Concluding.resize(static_cast<std::size_t>(N));
    ReasonOf.resize(static_cast<std::size_t>(M));
    std::vector<std::vector<int>> AsReason(static_cast<std::size_t>(N));
    for (int C = 0; C < M; ++C) {
      const TReasonConclusion& K = *Connections[C];
      const auto R = Index.find(K.Reason->Sentence);
      const auto D = Index.find(K.Conclusion->Sentence);
      if (R == Index.end() || D == Index.end() || Statements[R->second] != K.Reason) return false;
      ReasonOf[static_cast<std::size_t>(C)] = R->second;
      Concluding[static_cast<std::size_t>(D->second)].push_back(C);
      AsReason[static_cast<std::size_t>(R->second)].push_back(D->second);
    }

    // Children first; what is never peeled off reaches a cycle.
    Shared.resize(static_cast<std::size_t>(N));
    std::vector<int> Open(static_cast<std::size_t>(N));
    std::vector<int> Ready;
    for (int I = 0; I < N; ++I) {
      Open[static_cast<std::size_t>(I)] =
          static_cast<int>(Concluding[static_cast<std::size_t>(I)].size());
      if (Open[static_cast<std::size_t>(I)] == 0) Ready.push_back(I);
    }
    while (!Ready.empty()) {
      const int S = Ready.back();
      Ready.pop_back();
      auto A = std::make_shared<TArgument>(Statements[S]);
      for (int C : Concluding[static_cast<std::size_t>(S)])
        A->InitialArguments.Add(
            Shared[static_cast<std::size_t>(ReasonOf[static_cast<std::size_t>(C)])]);
      Shared[static_cast<std::size_t>(S)] = std::move(A);
      for (int Up : AsReason[static_cast<std::size_t>(S)])
        if (--Open[static_cast<std::size_t>(Up)] == 0) Ready.push_back(Up);
    }
    Used.assign(static_cast<std::size_t>(M), 0);

    // Final conclusions first, then whatever none of the arguments so far reaches.
    std::vector<char> Covered(static_cast<std::size_t>(N));
    for (int S = 0; S < N; ++S) {
      if (!AsReason[static_cast<std::size_t>(S)].empty()) continue;
      List.Add(ArgumentOf(S));
      Cover(S, Covered);
    }
    for (int S = 0; S < N; ++S) {
      if (Covered[static_cast<std::size_t>(S)]) continue;
      List.Add(ArgumentOf(S));
      Cover(S, Covered);
    }
    return true;
  }

 private:
  PArgument ArgumentOf(int S) {
    if (Shared[static_cast<std::size_t>(S)]) return Shared[static_cast<std::size_t>(S)];
    auto A = std::make_shared<TArgument>(Statements[S]);
    for (int C : Concluding[static_cast<std::size_t>(S)]) {
      if (Used[static_cast<std::size_t>(C)]) continue;
      Used[static_cast<std::size_t>(C)] = 1;
      A->InitialArguments.Add(ArgumentOf(ReasonOf[static_cast<std::size_t>(C)]));
      Used[static_cast<std::size_t>(C)] = 0;
    }
    return A;
  }

  // Marks everything an argument of S reaches: S and, through the connections, its reasons.
  void Cover(int S, std::vector<char>& Covered) const {
    if (Covered[static_cast<std::size_t>(S)]) return;
    std::vector<int> Stack{S};
    Covered[static_cast<std::size_t>(S)] = 1;
    while (!Stack.empty()) {
      const int N = Stack.back();
      Stack.pop_back();
      for (int C : Concluding[static_cast<std::size_t>(N)]) {
        const int R = ReasonOf[static_cast<std::size_t>(C)];
        if (Covered[static_cast<std::size_t>(R)]) continue;
        Covered[static_cast<std::size_t>(R)] = 1;
        Stack.push_back(R);
      }
    }
  }

  const TStatements& Statements;
  const TReasonConclusions& Connections;
  std::vector<std::vector<int>> Concluding;
  std::vector<int> ReasonOf;
  std::vector<PArgument> Shared;
  std::vector<char> Used;
};

}  // namespace

TArguments BuildArguments(const TStatements& Statements, const TReasonConclusions& Connections) {
  TArguments List;
  if (!TArgumentsBuilder(Statements, Connections).Build(List))
    return StraightforwardArguments(Statements, Connections);
  return List;
}

void TArgumentationStage::RecomputeArguments() {
  Arguments = BuildArguments(Statements, ReasonConclusions);
  HasArgumentsBase = false;
}

bool TArgumentationStage::IsFinalConclusion(const TStatement& S,
                                            const TReasonConclusions& L) const {
  for (const PReasonConclusion& C : L)
    if (C->Reason->Sentence == S.Sentence) return false;
  return true;
}

bool TArgumentationStage::OccursInArgument(const TStatement& S, const TArguments& List) const {
  for (const PArgument& A : List)
    if (OccursInNode(S.Sentence, *A)) return true;
  return false;
}

// Each level leaves out the connection it used, so a cycle ends where it closes, with its
// starting statement once more as a leaf.
void TArgumentationStage::ComputeSupportingArguments(const PStatement& S, TArguments& P,
                                                     const TReasonConclusions& L) const {
  for (const PReasonConclusion& C : L) {
    if (C->Conclusion->Sentence != S->Sentence) continue;
    auto A = std::make_shared<TArgument>(C->Reason);
    TReasonConclusions Rest;
    Rest.Assign(L);
    Rest.Remove(C.get());
    ComputeSupportingArguments(C->Reason, A->InitialArguments, Rest);
    P.Add(A);
  }
}

bool TArgumentationStage::IsArgument(const TArgument& A) const {
  for (const PArgument& X : Arguments)
    if (X->HasEqualStructure(A)) return true;
  return false;
}

bool TArgumentationStage::IsInitial(const TArgument& A) const {
  for (const PArgument& X : Arguments)
    if (X->IsInitial(A)) return true;
  return false;
}

bool TArgumentationStage::IsNarrowing(const TArgument& A) const {
  for (const PArgument& X : Arguments)
    if (A.IsNarrowing(*X)) return true;
  return false;
}

void TArgumentationStage::ResetDefeatStatus(TArgument& A) const {
  for (const PArgument& Sub : A.InitialArguments)
    ResetDefeatStatus(*Sub);
  A.DefeatStatus = 2;
}

// A step that is no connection of the stage has nothing to warrant it: the answer is false.
bool TArgumentationStage::StepIsWarranted(const TStatement& C, const TArgument& A) const {
  for (const PReasonConclusion& K : ReasonConclusions) {
    if (K->Reason->Sentence != A.Conclusion->Sentence || K->Conclusion->Sentence != C.Sentence)
      continue;
    const std::string Warrant = StepWarrantSentence(K->Reason->Sentence, K->Conclusion->Sentence,
                                                    K->ConnectionKind, State().Language);
    PStatement W;
    return !SentenceIsStatementSentence(Warrant, W) || HasUndefeatedArgument(*this, Warrant);
  }
  return false;
}

bool TArgumentationStage::IsExceptionAttack(const TArgument& A, TArgument& E) const {
  bool Attack = false;
  for (const PReasonConclusion& K : ReasonConclusions) {
    if (K->Conclusion->Sentence != A.Conclusion->Sentence) continue;
    for (const PStatement& X : K->Exceptions) {
      if (X->Sentence != E.Conclusion->Sentence) continue;
      for (const PArgument& Sub : A.InitialArguments) {
        if (Sub->Conclusion->Sentence != K->Reason->Sentence) continue;
        const std::string Warrant = UndercutterWarrantSentence(
            E.Conclusion->Sentence, K->Reason->Sentence, K->Conclusion->Sentence, State().Language);
        PStatement W;
        if (SentenceIsStatementSentence(Warrant, W) && !HasUndefeatedArgument(*this, Warrant))
          continue;
        if (E.DefeatStatus == 2) ComputeDefeatStatus(E);
        if (E.DefeatStatus == 1) Attack = true;
      }
    }
  }
  return Attack;
}

}  // namespace palaver
