#include "TargetShape.h"

#include <cstdint>
#include <map>
#include <utility>

#include "model/WarrantSentences.h"

namespace palaver::bench {

namespace {

constexpr auto Issue = TStatementType::Issue;
constexpr auto Assumption = TStatementType::Assumption;

class TRandom {
 public:
  explicit TRandom(unsigned Seed) : State(Seed * 2654435761ULL + 88172645463325252ULL) {}
  unsigned Below(unsigned N) {
    State ^= State << 13;
    State ^= State >> 7;
    State ^= State << 17;
    return static_cast<unsigned>(State % N);
  }

 private:
  std::uint64_t State;
};

TPlannedMove Move(TPlannedMove::TKind Kind, std::vector<std::string> Sentences,
                  std::vector<TStatementType> Types) {
  return TPlannedMove{Kind, std::move(Sentences), std::move(Types)};
}

}  // namespace

std::vector<TPlannedMove> TargetArgumentation(int Statements, unsigned Seed) {
  using TKind = TPlannedMove::TKind;
  TRandom Random(Seed);
  struct TNode {
    std::string Sentence;
    TStatementType Type;
    int Depth;
    bool Leaf = true;
  };
  std::vector<TNode> Nodes{{"claim 1", Issue, 0}};
  std::vector<TPlannedMove> Moves{Move(TKind::Statement, {"claim 1"}, {Issue})};
  int Count = 1;
  int Exceptions = 0;
  // Top-down, breadth first: every claim gets two to four reasons until the budget is spent.
  for (std::size_t Next = 0; Next < Nodes.size() && Count < Statements; ++Next) {
    // Up to 10,000 statements the tree stops at depth 8, as it always has; larger ones grow
    // as deep as the budget takes them.
    if (Statements <= 10000 && Nodes[Next].Depth >= 8) break;
    const unsigned Reasons = 2 + Random.Below(3);
    for (unsigned R = 0; R < Reasons && Count < Statements; ++R) {
      const TNode Conclusion = Nodes[Next];
      const std::string Reason = "claim " + std::to_string(Nodes.size() + 1);
      const TStatementType Type = Random.Below(10) < 7 ? Assumption : Issue;
      Nodes.push_back({Reason, Type, Conclusion.Depth + 1});
      Nodes[Next].Leaf = false;
      Moves.push_back(
          Move(TKind::ReasonConclusion, {Conclusion.Sentence, Reason}, {Conclusion.Type, Type}));
      ++Count;
      if (Random.Below(2) == 0 && Count < Statements) {
        const std::string Warrant = StepWarrantSentence(
            Reason, Conclusion.Sentence, TConnectionKind::Supporting, TLanguage::English);
        Moves.push_back(
            Move(TKind::Statement, {Warrant}, {Random.Below(5) == 0 ? Issue : Assumption}));
        ++Count;
      }
      if (Random.Below(5) == 0 && Count < Statements) {
        const std::string Exception = "exception " + std::to_string(++Exceptions);
        Moves.push_back(Move(TKind::Exception, {Exception, Conclusion.Sentence, Reason},
                             {Random.Below(3) == 0 ? Assumption : Issue, Conclusion.Type, Type}));
        ++Count;
      }
    }
  }
  // About one leaf in a hundred also supports a second conclusion, one nearer the top: a leaf
  // reaches nothing, so no cycle can form.
  for (std::size_t I = 1; I < Nodes.size(); ++I) {
    if (!Nodes[I].Leaf || Random.Below(100) != 0) continue;
    const TNode& Other = Nodes[Random.Below(static_cast<unsigned>(I))];
    if (Other.Sentence == Nodes[I].Sentence) continue;
    Moves.push_back(Move(TKind::ReasonConclusion, {Other.Sentence, Nodes[I].Sentence},
                         {Other.Type, Nodes[I].Type}));
  }
  return Moves;
}

std::vector<TPlannedMove> FullyConnectedIssues(int K, int Exceptions, int Statements) {
  using TKind = TPlannedMove::TKind;
  std::vector<TPlannedMove> Moves;
  for (int I = 1; I <= K; ++I)
    Moves.push_back(Move(TKind::Statement, {"issue " + std::to_string(I)}, {Issue}));
  std::vector<std::pair<std::string, std::string>> Connections;
  for (int C = 1; C <= K; ++C)
    for (int R = 1; R <= K; ++R)
      if (R != C)
        Connections.emplace_back("issue " + std::to_string(C), "issue " + std::to_string(R));
  for (const auto& [Conclusion, Reason] : Connections)
    Moves.push_back(Move(TKind::ReasonConclusion, {Conclusion, Reason}, {Issue, Issue}));
  for (int X = 0; X < Exceptions && !Connections.empty(); ++X) {
    const auto& [Conclusion, Reason] =
        Connections[static_cast<std::size_t>(X) % Connections.size()];
    Moves.push_back(Move(TKind::Exception,
                         {"exception " + std::to_string(X + 1), Conclusion, Reason},
                         {Issue, Issue, Issue}));
  }
  for (int S = 0; S < Statements; ++S)
    Moves.push_back(Move(TKind::Statement, {"statement " + std::to_string(S + 1)}, {Issue}));
  return Moves;
}

std::vector<TPlannedMove> RingWithChords(int N) {
  using TKind = TPlannedMove::TKind;
  const auto Name = [N](int I) { return "ring " + std::to_string((I % N + N) % N); };
  std::vector<TPlannedMove> Moves;
  const auto Ring = static_cast<std::size_t>(N);
  Moves.reserve(Ring + (Ring + 1) / 2);
  for (int I = 0; I < N; ++I)
    Moves.push_back(Move(TKind::ReasonConclusion, {Name(I + 1), Name(I)}, {Issue, Issue}));
  for (int I = 0; I < N; I += 2)
    Moves.push_back(Move(TKind::ReasonConclusion, {Name(I + 3), Name(I)}, {Issue, Issue}));
  return Moves;
}

std::vector<TPlannedMove> PairedReasonChain(int Levels) {
  using TKind = TPlannedMove::TKind;
  std::vector<TPlannedMove> Moves{Move(TKind::Statement, {"level 0"}, {Issue})};
  for (int L = 0; L < Levels; ++L) {
    const std::string Top = "level " + std::to_string(L);
    const std::string Next = "level " + std::to_string(L + 1);
    const std::string A = "left " + std::to_string(L);
    const std::string B = "right " + std::to_string(L);
    for (const std::string& Reason : {A, B})
      Moves.push_back(Move(TKind::ReasonConclusion, {Top, Reason}, {Issue, Issue}));
    for (const std::string& Conclusion : {A, B})
      Moves.push_back(Move(TKind::ReasonConclusion, {Conclusion, Next},
                           {Issue, L + 1 == Levels ? Assumption : Issue}));
  }
  return Moves;
}

std::vector<TPlannedMove> NamedShape(const std::string& Name) {
  const std::size_t Colon = Name.find(':');
  if (Colon == std::string::npos) return {};
  const std::string Kind = Name.substr(0, Colon);
  const int N = std::stoi(Name.substr(Colon + 1));
  if (Kind == "target") return TargetArgumentation(N);
  if (Kind == "full") {
    // "full:5+x:40+s:10": exceptions and statements after the connections.
    int Exceptions = 0;
    int Statements = 0;
    for (std::size_t Plus = Name.find('+'); Plus != std::string::npos;
         Plus = Name.find('+', Plus + 1)) {
      if (Name.compare(Plus, 3, "+x:") == 0) Exceptions = std::stoi(Name.substr(Plus + 3));
      if (Name.compare(Plus, 3, "+s:") == 0) Statements = std::stoi(Name.substr(Plus + 3));
    }
    return FullyConnectedIssues(N, Exceptions, Statements);
  }
  if (Kind == "ring") return RingWithChords(N);
  if (Kind == "chain") return PairedReasonChain(N);
  return {};
}

std::vector<std::string> TranscriptLines(const std::vector<TPlannedMove>& Moves) {
  static const char* const Keywords[3][3] = {
      {"STATEMENT", "", ""}, {"CONCLUSION", "REASON", ""}, {"EXCEPTION", "CONCLUSION", "REASON"}};
  std::vector<std::string> Lines;
  for (const TPlannedMove& M : Moves) {
    const auto Kind = static_cast<std::size_t>(M.Kind);
    for (std::size_t I = 0; I < M.Sentences.size(); ++I) {
      Lines.emplace_back(Keywords[Kind][I]);
      Lines.push_back(std::string(M.Types[I] == Issue ? "  ?: " : "  !: ") + M.Sentences[I]);
    }
    Lines.emplace_back("");
  }
  return Lines;
}

PArgumentationStage StageOf(const std::vector<TPlannedMove>& Moves) {
  auto G = std::make_shared<TArgumentationStage>();
  std::map<std::string, PStatement> Known;
  std::map<std::pair<std::string, std::string>, PReasonConclusion> Connections;
  auto Statement = [&](const std::string& Sentence, TStatementType Type) {
    PStatement& S = Known[Sentence];
    if (!S) {
      S = NewStatement(Sentence, Type);
      S->Id = std::to_string(G->Statements.Count() + 1);
      G->Statements.Add(S);
    }
    S->StatementType = Type;
    return S;
  };
  for (const TPlannedMove& M : Moves) {
    if (M.Kind == TPlannedMove::TKind::Statement) {
      Statement(M.Sentences[0], M.Types[0]);
      continue;
    }
    const std::size_t First = M.Kind == TPlannedMove::TKind::Exception ? 1 : 0;
    PStatement Exception = First ? Statement(M.Sentences[0], M.Types[0]) : nullptr;
    PStatement Conclusion = Statement(M.Sentences[First], M.Types[First]);
    PStatement Reason = Statement(M.Sentences[First + 1], M.Types[First + 1]);
    PReasonConclusion& C = Connections[{Reason->Sentence, Conclusion->Sentence}];
    if (!C) {
      C = NewReasonConclusion();
      C->Reason = Reason;
      C->Conclusion = Conclusion;
      G->ReasonConclusions.Add(C);
    }
    if (Exception) C->Exceptions.Add(Exception);
  }
  G->RecomputeArguments();
  G->RecomputeDialecticalArguments();
  return G;
}

}  // namespace palaver::bench
