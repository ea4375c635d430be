#include "StageShapes.h"

#include "model/WarrantSentences.h"

namespace palaver::bench {

namespace {

PStatement Add(TArgumentationStage& G, const std::string& Sentence, TStatementType Type) {
  auto S = NewStatement(Sentence, Type);
  S->Id = std::to_string(G.Statements.Count() + 1);
  G.Statements.Add(S);
  return S;
}

// "a1", "t12": appended rather than "a" + std::to_string(I), which g++ 12 at -O3 flags with a
// false -Wrestrict.
std::string Numbered(char Letter, int Number) {
  std::string Name(1, Letter);
  Name.append(std::to_string(Number));
  return Name;
}

void Connect(TArgumentationStage& G, const PStatement& Reason, const PStatement& Conclusion) {
  auto C = NewReasonConclusion();
  C->Reason = Reason;
  C->Conclusion = Conclusion;
  G.ReasonConclusions.Add(C);
}

// a1 -> a2 -> ... -> aN, with a1 taken for granted so that the whole chain is justified.
void BuildChain(TArgumentationStage& G, int N) {
  PStatement Previous;
  for (int I = 1; I <= N; ++I) {
    PStatement S =
        Add(G, Numbered('a', I), I == 1 ? TStatementType::Assumption : TStatementType::Issue);
    if (Previous) Connect(G, Previous, S);
    Previous = S;
  }
}

// A binary tree of reasons entered top-down: node k has the children 2k and 2k+1, which are its
// reasons. Every connection has its step warrant as an Assumption, and every third one an
// unsupported Issue as exception; the leaves are Assumptions. N counts all these statements.
void BuildTree(TArgumentationStage& G, int N) {
  auto StatementsFor = [](int Nodes) { return Nodes + (Nodes - 1) + (Nodes - 1 + 2) / 3; };
  int Nodes = 1;
  while (StatementsFor(Nodes + 1) <= N)
    ++Nodes;

  std::vector<PStatement> Node(static_cast<std::size_t>(Nodes) + 1);
  auto TypeOf = [Nodes](int K) {
    return 2 * K > Nodes ? TStatementType::Assumption : TStatementType::Issue;
  };
  Node[1] = Add(G, "t1", TypeOf(1));
  for (int K = 2; K <= Nodes; ++K) {
    Node[static_cast<std::size_t>(K)] = Add(G, Numbered('t', K), TypeOf(K));
    const PStatement& Reason = Node[static_cast<std::size_t>(K)];
    const PStatement& Conclusion = Node[static_cast<std::size_t>(K / 2)];
    Connect(G, Reason, Conclusion);
    Add(G,
        StepWarrantSentence(Reason->Sentence, Conclusion->Sentence, TConnectionKind::Supporting,
                            TLanguage::English),
        TStatementType::Assumption);
    if ((K - 2) % 3 == 0) {
      PStatement X = Add(G, Numbered('x', K), TStatementType::Issue);
      G.ReasonConclusions[G.ReasonConclusions.Count() - 1]->Exceptions.Add(X);
    }
  }
}

void BuildUnconnected(TArgumentationStage& G, int N) {
  for (int I = 1; I <= N; ++I)
    Add(G, Numbered('s', I), TStatementType::Issue);
}

PReasonConclusion NewConnection(const PStatement& Reason, const PStatement& Conclusion) {
  auto C = NewReasonConclusion();
  C->Reason = NewStatement(Reason->Sentence, Reason->StatementType);
  C->Conclusion = NewStatement(Conclusion->Sentence, Conclusion->StatementType);
  return C;
}

}  // namespace

const char* ShapeName(TShape Shape) {
  switch (Shape) {
    case TShape::Chain:
      return "chain";
    case TShape::Tree:
      return "tree";
    case TShape::Unconnected:
      return "unconnected";
  }
  return "?";
}

const char* MoveName(TMoveKind Kind) {
  switch (Kind) {
    case TMoveKind::Statement:
      return "StatementMove";
    case TMoveKind::ReasonConclusion:
      return "ReasonConclusionMove";
    case TMoveKind::Exception:
      return "ExceptionMove";
  }
  return "?";
}

PArgumentationStage BuildStage(TShape Shape, int N) {
  auto G = std::make_shared<TArgumentationStage>();
  switch (Shape) {
    case TShape::Chain:
      BuildChain(*G, N);
      break;
    case TShape::Tree:
      BuildTree(*G, N);
      break;
    case TShape::Unconnected:
      BuildUnconnected(*G, N);
      break;
  }
  G->RecomputeArguments();
  G->RecomputeDialecticalArguments();
  return G;
}

PArgumentationStage MakeMove(const TArgumentationStage& Stage, TMoveKind Kind) {
  switch (Kind) {
    case TMoveKind::Statement:
      return Stage.DoStatementMove(NewStatement("new statement", TStatementType::Issue));
    case TMoveKind::ReasonConclusion: {
      auto C = NewConnection(NewStatement("new reason", TStatementType::Assumption),
                             Stage.Statements[0]);
      return Stage.DoReasonConclusionMove(C);
    }
    case TMoveKind::Exception: {
      auto C = Stage.ReasonConclusions.Empty()
                   ? NewConnection(Stage.Statements[1], Stage.Statements[0])
                   : NewConnection(Stage.ReasonConclusions[0]->Reason,
                                   Stage.ReasonConclusions[0]->Conclusion);
      C->Exceptions.Add(NewStatement("new exception", TStatementType::Assumption));
      return Stage.DoExceptionMove(C);
    }
  }
  return nullptr;
}

void RestoreStage(const TArgumentationStage& Stage, TMoveKind Kind) {
  if (Kind != TMoveKind::Exception || Stage.ReasonConclusions.Empty()) return;
  TStatements& Exceptions = Stage.ReasonConclusions[0]->Exceptions;
  Exceptions.Delete(Exceptions.Count() - 1);
}

}  // namespace palaver::bench
