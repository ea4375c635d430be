#include "cli/EvaluationJson.h"

#include <functional>
#include <ostream>
#include <utility>

#include "cli/ExportGraph.h"
#include "model/ExpandedSize.h"
#include "transcript/TranscriptFormat.h"

namespace palaver {

namespace {

const char* LanguageName(TLanguage Language) {
  return Language == TLanguage::Dutch ? "dutch" : "english";
}

const std::string& SentenceOf(const PStatement& S) {
  static const std::string None;
  return S ? S->Sentence : None;
}

template <class T>
const T* ElementOf(const TObjectList<T>& List, int Index) {
  return Index < List.Count() ? List[Index].get() : nullptr;
}

// Writes trees without recursion: a stack of pending pieces of output. A piece that opens a
// node pushes the pieces for the node's contents and for its closing, last first, so they come
// off the stack in document order. The stack grows with the width of the tree that is still
// to be written, never with its depth on the call stack.
//
// Budget is the number of nodes still to be written; when it runs out, lists end early and a
// dialectical argument that must stand somewhere is written as null.
class TTreeWriter {
 public:
  explicit TTreeWriter(TJsonWriter& Writer, std::uint64_t Budget = TExpandedSizes::Most,
                       std::function<void()> Drain = nullptr)
      : W(Writer), Budget(Budget), Drain(std::move(Drain)) {}

  bool Exhausted() const { return Budget == 0; }

  void WriteArgument(const TArgument& A) {
    Then({[this, &A] { Argument(A); }});
    Run();
  }

  void WriteDialecticalArgument(const TDialecticalArgument& D) {
    Then({[this, &D] { DialecticalArgument(&D); }});
    Run();
  }

 private:
  using TPiece = std::function<void()>;

  // Schedules Pieces to run next, in their order, before anything scheduled earlier.
  void Then(std::vector<TPiece> Pieces) {
    for (auto It = Pieces.rbegin(); It != Pieces.rend(); ++It)
      Pending.push_back(std::move(*It));
  }

  void Run() {
    while (!Pending.empty()) {
      TPiece Piece = std::move(Pending.back());
      Pending.pop_back();
      Piece();
      if (Drain) Drain();
    }
  }

  void Argument(const TArgument& A) {
    if (Budget == 0) return;
    --Budget;
    W.BeginObject();
    W.Key("conclusion");
    W.String(SentenceOf(A.Conclusion));
    W.Key("subarguments");
    W.BeginArray();
    std::vector<TPiece> Pieces;
    for (const PArgument& Sub : A.InitialArguments)
      if (Sub) Pieces.push_back([this, Sub = Sub.get()] { Argument(*Sub); });
    Pieces.push_back([this] {
      W.EndArray();
      W.EndObject();
    });
    Then(std::move(Pieces));
  }

  // A dialectical argument where one is optional (a warrant) is written as null when absent.
  void DialecticalArgument(const TDialecticalArgument* D) {
    if (D == nullptr || Budget == 0) return W.Null();
    --Budget;
    W.BeginObject();
    W.Key("conclusion");
    W.String(SentenceOf(D->Conclusion));
    W.Key("status");
    W.String(ExportStatusName(D->Status));
    W.Key("steps");
    W.BeginArray();
    std::vector<TPiece> Pieces;
    for (int I = 0; I < D->Steps.Count(); ++I)
      if (D->Steps[I]) Pieces.push_back([this, D, I] { Step(*D, I); });
    Pieces.push_back([this] {
      W.EndArray();
      W.EndObject();
    });
    Then(std::move(Pieces));
  }

  void Step(const TDialecticalArgument& D, int I) {
    const TStep& S = *D.Steps[I];
    W.BeginObject();
    W.Key("reason");
    W.String(SentenceOf(S.Reason));
    W.Key("kind");
    W.String(ExportKindName(S.ConnectionKind));
    W.Key("warrant");
    std::vector<TPiece> Pieces;
    Pieces.push_back([this, &S] { DialecticalArgument(S.WarrantingDialecticalArgument.get()); });
    Pieces.push_back([this, &S] {
      W.Key("warrant_unjustified");
      W.Bool(S.WarrantUnjustified);
      W.Key("reason_argument");
    });
    Pieces.push_back(
        [this, &D, I] { DialecticalArgument(ElementOf(D.InitialDialecticalArguments, I)); });
    Pieces.push_back([this] {
      W.Key("undercutters");
      W.BeginArray();
    });
    for (int J = 0; J < S.Undercutters.Count(); ++J) {
      const TUndercutter* U = S.Undercutters[J].get();
      if (U == nullptr) continue;
      Pieces.push_back([this, U] {
        W.BeginObject();
        W.Key("exception");
        W.String(SentenceOf(U->Exception));
        W.Key("warrant");
        DialecticalArgument(U->WarrantingDialecticalArgument.get());
      });
      // The warrant's own contents were scheduled by the piece above and run before this one.
      Pieces.push_back([this, U] {
        W.Key("warrant_unjustified");
        W.Bool(U->WarrantUnjustified);
        W.Key("argument");
      });
      Pieces.push_back(
          [this, &S, J] { DialecticalArgument(ElementOf(S.UndercuttingDialecticalArguments, J)); });
      Pieces.push_back([this] { W.EndObject(); });
    }
    Pieces.push_back([this] {
      W.EndArray();
      W.EndObject();
    });
    Then(std::move(Pieces));
  }

  TJsonWriter& W;
  std::uint64_t Budget;
  std::function<void()> Drain;
  std::vector<TPiece> Pending;
};

void WriteStatements(TJsonWriter& W, const TStatements& Statements,
                     const std::function<void()>& Drain) {
  W.BeginArray();
  for (const PStatement& S : Statements) {
    Drain();
    if (!S) continue;
    W.BeginObject();
    W.Key("id");
    W.String(S->Id);
    W.Key("sentence");
    W.String(S->Sentence);
    W.Key("type");
    W.String(ExportTypeName(S->StatementType));
    W.Key("status");
    W.String(ExportStatusName(S->JustificationStatus));
    W.EndObject();
  }
  W.EndArray();
}

void WriteConnections(TJsonWriter& W, const TReasonConclusions& Connections,
                      const std::function<void()>& Drain) {
  W.BeginArray();
  for (const PReasonConclusion& C : Connections) {
    Drain();
    if (!C) continue;
    W.BeginObject();
    W.Key("reason");
    W.String(SentenceOf(C->Reason));
    W.Key("conclusion");
    W.String(SentenceOf(C->Conclusion));
    W.Key("kind");
    W.String(ExportKindName(C->ConnectionKind));
    W.Key("exceptions");
    W.BeginArray();
    for (const PStatement& E : C->Exceptions)
      W.String(SentenceOf(E));
    W.EndArray();
    W.EndObject();
  }
  W.EndArray();
}

void WriteLines(TJsonWriter& W, const std::vector<std::string>& Lines,
                const std::function<void()>& Drain) {
  W.BeginArray();
  for (const std::string& Line : Lines) {
    Drain();
    W.String(Line);
  }
  W.EndArray();
}

void WriteEvaluation(std::string& Out, const std::function<void()>& Drain,
                     const TLineOfArgumentation& Line, const std::vector<std::string>& ForwardLines,
                     TLanguage Language, bool ForwardLinesAreRest, std::uint64_t Limit);

}  // namespace

void WriteArgument(TJsonWriter& Writer, const TArgument& A) {
  TTreeWriter(Writer).WriteArgument(A);
}

void WriteDialecticalArgument(TJsonWriter& Writer, const TDialecticalArgument& D) {
  TTreeWriter(Writer).WriteDialecticalArgument(D);
}

std::string EvaluationJson(const TLineOfArgumentation& Line,
                           const std::vector<std::string>& ForwardLines, TLanguage Language,
                           bool ForwardLinesAreRest, std::uint64_t Limit) {
  std::string Out;
  WriteEvaluation(
      Out, [] {}, Line, ForwardLines, Language, ForwardLinesAreRest, Limit);
  return Out;
}

void WriteEvaluationJson(std::ostream& Stream, const TLineOfArgumentation& Line,
                         const std::vector<std::string>& ForwardLines, TLanguage Language,
                         bool ForwardLinesAreRest, std::uint64_t Limit) {
  std::string Out;
  const auto Drain = [&Out, &Stream] {
    if (Out.size() < (1U << 20)) return;
    Stream.write(Out.data(), static_cast<std::streamsize>(Out.size()));
    Out.clear();
  };
  WriteEvaluation(Out, Drain, Line, ForwardLines, Language, ForwardLinesAreRest, Limit);
  Stream.write(Out.data(), static_cast<std::streamsize>(Out.size()));
}

namespace {

void WriteEvaluation(std::string& Out, const std::function<void()>& Drain,
                     const TLineOfArgumentation& Line, const std::vector<std::string>& ForwardLines,
                     TLanguage Language, bool ForwardLinesAreRest, std::uint64_t Limit) {
  static const TArgumentationStage EmptyStage;
  const TArgumentationStage& Stage = Line.CurrentStage ? *Line.CurrentStage : EmptyStage;

  // Counted on the shared trees before anything is written.
  TExpandedSizes Sizes;
  std::uint64_t Total = 0;
  for (const PArgument& A : Stage.Arguments)
    if (A) Total = AddSizes(Total, Sizes.Of(*A));
  for (const PDialecticalArgument& D : Stage.MaximalDialecticalArguments)
    if (D) Total = AddSizes(Total, Sizes.Of(*D));

  TJsonWriter W(Out);
  W.BeginObject();
  W.Key("language");
  W.String(LanguageName(Language));
  W.Key("moves");
  W.Number(Line.ArgumentationMoves.Count());
  W.Key("statements");
  WriteStatements(W, Stage.Statements, Drain);
  W.Key("connections");
  WriteConnections(W, Stage.ReasonConclusions, Drain);
  TTreeWriter Trees(W, Limit, Drain);
  W.Key("arguments");
  W.BeginArray();
  for (const PArgument& A : Stage.Arguments)
    if (A && !Trees.Exhausted()) Trees.WriteArgument(*A);
  W.EndArray();
  W.Key("maximal_dialectical_arguments");
  W.BeginArray();
  for (const PDialecticalArgument& D : Stage.MaximalDialecticalArguments)
    if (D && !Trees.Exhausted()) Trees.WriteDialecticalArgument(*D);
  W.EndArray();
  W.Key("forward_lines");
  WriteLines(W, ForwardLines, Drain);
  W.Key("transcript");
  WriteLines(W, TranscriptFileLines(Line, ForwardLines, ForwardLinesAreRest), Drain);
  if (Total > Limit) {
    W.Key("cut");
    W.BeginObject();
    W.Key("limit");
    W.Unsigned(static_cast<unsigned long long>(Limit));
    W.Key("total");
    W.Unsigned(static_cast<unsigned long long>(Total));
    W.EndObject();
  }
  W.EndObject();
  W.Finish();
}

}  // namespace

}  // namespace palaver
