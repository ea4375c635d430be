#include "cli/EvaluationJson.h"

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

// The text of the JSON as it is made. With a stream, Drain passes it on a megabyte at a time, so
// that the text of a large line is never held whole.
class TJsonText {
 public:
  explicit TJsonText(std::ostream* Stream = nullptr) : Stream(Stream) {}

  std::string Text;

  // The bytes made so far, passed on or not.
  std::uint64_t Size() const { return Passed + Text.size(); }

  void Drain() {
    if (Stream == nullptr || Text.size() < (1U << 20)) return;
    PassOn();
  }

  void Finish() {
    if (Stream != nullptr) PassOn();
  }

 private:
  void PassOn() {
    Stream->write(Text.data(), static_cast<std::streamsize>(Text.size()));
    Passed += Text.size();
    Text.clear();
  }

  std::ostream* Stream;
  std::uint64_t Passed = 0;
};

// Writes trees without recursion: a stack of pending pieces of output, each a small value (what
// to write and of which object), so a tree of millions of nodes allocates nothing per node. A
// piece that opens a node pushes the pieces for the node's contents and for its closing, last
// first, so they come off the stack in document order. The stack grows with the width of the tree
// that is still to be written, never with its depth on the call stack.
//
// With a text to watch, the trees may take ByteLimit bytes of it: once they have, no node, step
// or undercutter is begun any more; lists end early and a dialectical argument that must stand
// somewhere is written as null. What is open is still closed, so the text stays valid JSON.
class TTreeWriter {
 public:
  explicit TTreeWriter(TJsonWriter& Writer, TJsonText* Text = nullptr,
                       std::uint64_t ByteLimit = TExpandedSizes::Most)
      : W(Writer), Text(Text), Start(Text ? Text->Size() : 0), ByteLimit(ByteLimit) {}

  // Whether anything was left out, and how many argument and dialectical-argument nodes were
  // written.
  bool Cut() const { return LeftOut; }
  std::uint64_t NodesWritten() const { return Nodes; }

  void WriteArgument(const TArgument& A) {
    Push({TPiece::Argument, &A});
    Run();
  }

  // An element of a list: left out, not null, once the trees are full.
  void WriteDialecticalArgument(const TDialecticalArgument& D) {
    if (Full()) return;
    Push({TPiece::DialecticalArgument, &D});
    Run();
  }

 private:
  // A piece of output still to be written: what it is and what it is of.
  struct TPiece {
    enum TKind : unsigned char {
      Argument,             // Of an argument
      DialecticalArgument,  // Of a dialectical argument, or null
      Step,                 // Of a dialectical argument's step Index
      StepAfterWarrant,     // Of a step: its flag and the key of its reason's argument
      StepUndercutters,     // The key and the opening of a step's undercutters
      Undercutter,          // Of a step's undercutter Index
      UndercutterAfterWarrant,
      EndListAndObject,
      EndObject,
    } Kind;
    const void* Of = nullptr;
    int Index = 0;
  };

  // Pieces are pushed last first, so that they come off the stack in document order.
  void Push(TPiece Piece) { Pending.push_back(Piece); }

  void Run() {
    while (!Pending.empty()) {
      const TPiece Piece = Pending.back();
      Pending.pop_back();
      Write(Piece);
      if (Text) Text->Drain();
    }
  }

  void Write(const TPiece& P) {
    switch (P.Kind) {
      case TPiece::Argument:
        return Argument(*static_cast<const TArgument*>(P.Of));
      case TPiece::DialecticalArgument:
        return DialecticalArgument(static_cast<const TDialecticalArgument*>(P.Of));
      case TPiece::Step:
        return Step(*static_cast<const TDialecticalArgument*>(P.Of), P.Index);
      case TPiece::StepAfterWarrant:
        return AfterWarrant(static_cast<const TStep*>(P.Of)->WarrantUnjustified, "reason_argument");
      case TPiece::StepUndercutters:
        W.Key("undercutters");
        W.BeginArray();
        return;
      case TPiece::Undercutter:
        return Undercutter(*static_cast<const TStep*>(P.Of), P.Index);
      case TPiece::UndercutterAfterWarrant:
        return AfterWarrant(static_cast<const TUndercutter*>(P.Of)->WarrantUnjustified, "argument");
      case TPiece::EndListAndObject:
        W.EndArray();
        W.EndObject();
        return;
      case TPiece::EndObject:
        W.EndObject();
        return;
    }
  }

  // Between a warrant and the dialectical argument that follows it (of a step's reason or of an
  // undercutter's exception): the warrant's flag and the next key.
  void AfterWarrant(bool WarrantUnjustified, std::string_view NextKey) {
    W.Key("warrant_unjustified");
    W.Bool(WarrantUnjustified);
    W.Key(NextKey);
  }

  // True, and noted, when the trees have taken their bytes: the next thing is left out.
  bool Full() {
    if (Text == nullptr || Text->Size() - Start < ByteLimit) return false;
    LeftOut = true;
    return true;
  }

  void Argument(const TArgument& A) {
    if (Full()) return;
    ++Nodes;
    W.BeginObject();
    W.Key("conclusion");
    W.String(SentenceOf(A.Conclusion));
    W.Key("subarguments");
    W.BeginArray();
    Push({TPiece::EndListAndObject});
    for (int I = A.InitialArguments.Count() - 1; I >= 0; --I)
      if (A.InitialArguments[I]) Push({TPiece::Argument, A.InitialArguments[I].get()});
  }

  // A dialectical argument where one is optional (a warrant) is written as null when absent.
  void DialecticalArgument(const TDialecticalArgument* D) {
    if (D == nullptr || Full()) return W.Null();
    ++Nodes;
    W.BeginObject();
    W.Key("conclusion");
    W.String(SentenceOf(D->Conclusion));
    W.Key("status");
    W.String(ExportStatusName(D->Status));
    W.Key("steps");
    W.BeginArray();
    Push({TPiece::EndListAndObject});
    for (int I = D->Steps.Count() - 1; I >= 0; --I)
      if (D->Steps[I]) Push({TPiece::Step, D, I});
  }

  void Step(const TDialecticalArgument& D, int I) {
    if (Full()) return;
    const TStep& S = *D.Steps[I];
    W.BeginObject();
    W.Key("reason");
    W.String(SentenceOf(S.Reason));
    W.Key("kind");
    W.String(ExportKindName(S.ConnectionKind));
    W.Key("warrant");
    Push({TPiece::EndListAndObject});
    for (int J = S.Undercutters.Count() - 1; J >= 0; --J)
      if (S.Undercutters[J]) Push({TPiece::Undercutter, &S, J});
    Push({TPiece::StepUndercutters});
    Push({TPiece::DialecticalArgument, ElementOf(D.InitialDialecticalArguments, I)});
    Push({TPiece::StepAfterWarrant, &S});
    Push({TPiece::DialecticalArgument, S.WarrantingDialecticalArgument.get()});
  }

  void Undercutter(const TStep& S, int J) {
    if (Full()) return;
    const TUndercutter* U = S.Undercutters[J].get();
    W.BeginObject();
    W.Key("exception");
    W.String(SentenceOf(U->Exception));
    W.Key("warrant");
    Push({TPiece::EndObject});
    Push({TPiece::DialecticalArgument, ElementOf(S.UndercuttingDialecticalArguments, J)});
    Push({TPiece::UndercutterAfterWarrant, U});
    Push({TPiece::DialecticalArgument, U->WarrantingDialecticalArgument.get()});
  }

  TJsonWriter& W;
  TJsonText* Text;
  std::uint64_t Start;
  std::uint64_t ByteLimit;
  bool LeftOut = false;
  std::uint64_t Nodes = 0;
  std::vector<TPiece> Pending;
};

void WriteStatements(TJsonWriter& W, const TStatements& Statements, TJsonText& Text) {
  W.BeginArray();
  for (const PStatement& S : Statements) {
    Text.Drain();
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

void WriteConnections(TJsonWriter& W, const TReasonConclusions& Connections, TJsonText& Text) {
  W.BeginArray();
  for (const PReasonConclusion& C : Connections) {
    Text.Drain();
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

void WriteLines(TJsonWriter& W, const std::vector<std::string>& Lines, TJsonText& Text) {
  W.BeginArray();
  for (const std::string& Line : Lines) {
    Text.Drain();
    W.String(Line);
  }
  W.EndArray();
}

void WriteEvaluation(TJsonText& Text, const TLineOfArgumentation& Line,
                     const std::vector<std::string>& ForwardLines, TLanguage Language,
                     bool ForwardLinesAreRest, std::uint64_t TreeByteLimit);

}  // namespace

void WriteArgument(TJsonWriter& Writer, const TArgument& A) {
  TTreeWriter(Writer).WriteArgument(A);
}

void WriteDialecticalArgument(TJsonWriter& Writer, const TDialecticalArgument& D) {
  TTreeWriter(Writer).WriteDialecticalArgument(D);
}

std::string EvaluationJson(const TLineOfArgumentation& Line,
                           const std::vector<std::string>& ForwardLines, TLanguage Language,
                           bool ForwardLinesAreRest, std::uint64_t TreeByteLimit) {
  TJsonText Text;
  WriteEvaluation(Text, Line, ForwardLines, Language, ForwardLinesAreRest, TreeByteLimit);
  return std::move(Text.Text);
}

void WriteEvaluationJson(std::ostream& Stream, const TLineOfArgumentation& Line,
                         const std::vector<std::string>& ForwardLines, TLanguage Language,
                         bool ForwardLinesAreRest, std::uint64_t TreeByteLimit) {
  TJsonText Text(&Stream);
  WriteEvaluation(Text, Line, ForwardLines, Language, ForwardLinesAreRest, TreeByteLimit);
  Text.Finish();
}

namespace {

void WriteEvaluation(TJsonText& Text, const TLineOfArgumentation& Line,
                     const std::vector<std::string>& ForwardLines, TLanguage Language,
                     bool ForwardLinesAreRest, std::uint64_t TreeByteLimit) {
  static const TArgumentationStage EmptyStage;
  const TArgumentationStage& Stage = Line.CurrentStage ? *Line.CurrentStage : EmptyStage;

  TJsonWriter W(Text.Text);
  W.BeginObject();
  W.Key("language");
  W.String(LanguageName(Language));
  W.Key("moves");
  W.Number(Line.ArgumentationMoves.Count());
  W.Key("statements");
  WriteStatements(W, Stage.Statements, Text);
  W.Key("connections");
  WriteConnections(W, Stage.ReasonConclusions, Text);
  TTreeWriter Trees(W, &Text, TreeByteLimit);
  W.Key("arguments");
  W.BeginArray();
  for (const PArgument& A : Stage.Arguments)
    if (A) Trees.WriteArgument(*A);
  W.EndArray();
  W.Key("maximal_dialectical_arguments");
  W.BeginArray();
  for (const PDialecticalArgument& D : Stage.MaximalDialecticalArguments)
    if (D) Trees.WriteDialecticalArgument(*D);
  W.EndArray();
  W.Key("forward_lines");
  WriteLines(W, ForwardLines, Text);
  W.Key("transcript");
  WriteLines(W, TranscriptFileLines(Line, ForwardLines, ForwardLinesAreRest), Text);
  if (Trees.Cut()) {
    // Counted on the shared trees, each part once.
    TExpandedSizes Sizes;
    std::uint64_t Total = 0;
    for (const PArgument& A : Stage.Arguments)
      if (A) Total = AddSizes(Total, Sizes.Of(*A));
    for (const PDialecticalArgument& D : Stage.MaximalDialecticalArguments)
      if (D) Total = AddSizes(Total, Sizes.Of(*D));
    W.Key("cut");
    W.BeginObject();
    W.Key("byte_limit");
    W.Unsigned(static_cast<unsigned long long>(TreeByteLimit));
    W.Key("nodes_written");
    W.Unsigned(static_cast<unsigned long long>(Trees.NodesWritten()));
    W.Key("nodes_in_full");
    W.Unsigned(static_cast<unsigned long long>(Total));
    W.EndObject();
  }
  W.EndObject();
  W.Finish();
}

}  // namespace

}  // namespace palaver
