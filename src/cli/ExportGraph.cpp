#include "cli/ExportGraph.h"

#include <set>

#include "model/WarrantSentences.h"

namespace palaver {

namespace {

class TGraphBuilder {
 public:
  TGraphBuilder(const TArgumentationStage& Stage, TLanguage Language)
      : Stage(Stage), Language(Language) {}

  TExportGraph Build() {
    for (int I = 0; I < Stage.Statements.Count(); ++I) {
      const PStatement& S = Stage.Statements[I];
      if (!S) continue;
      TJustificationStatus Status = S->JustificationStatus;
      if (I < Stage.DialecticalArguments.Count() && Stage.DialecticalArguments[I])
        Status = Stage.DialecticalArguments[I]->Status;
      Add(*S, Status);
    }
    for (const PReasonConclusion& C : Stage.ReasonConclusions)
      if (C && C->Reason && C->Conclusion) AddConnection(*C);
    AssignMissingKeys();
    return std::move(Graph);
  }

 private:
  int Add(const TStatement& S, TJustificationStatus Status) {
    TExportStatement E;
    // A repeated or missing Id would make two nodes one; such a statement gets a number of its
    // own once all Ids are known.
    if (!S.Id.empty() && UsedKeys.insert(S.Id).second) E.Key = S.Id;
    E.Sentence = S.Sentence;
    E.Type = S.StatementType;
    E.Status = Status;
    Graph.Statements.push_back(std::move(E));
    return static_cast<int>(Graph.Statements.size()) - 1;
  }

  // The index of the statement with this sentence. The moves put every end of a connection into
  // the stage's statements; should one be missing all the same, it is added, so that no edge of
  // an export ever points at nothing.
  int IndexOf(const TStatement& S) {
    if (const std::optional<int> Found = Find(S.Sentence)) return *Found;
    return Add(S, S.JustificationStatus);
  }

  std::optional<int> Find(const std::string& Sentence) const {
    for (std::size_t I = 0; I < Graph.Statements.size(); ++I)
      if (Graph.Statements[I].Sentence == Sentence) return static_cast<int>(I);
    return std::nullopt;
  }

  void AddConnection(const TReasonConclusion& C) {
    TExportConnection E;
    E.Reason = IndexOf(*C.Reason);
    E.Conclusion = IndexOf(*C.Conclusion);
    E.Kind = C.ConnectionKind;
    const std::string& Reason = C.Reason->Sentence;
    const std::string& Conclusion = C.Conclusion->Sentence;
    E.Warrant = Find(StepWarrantSentence(Reason, Conclusion, C.ConnectionKind, Language));
    for (const PStatement& X : C.Exceptions) {
      if (!X) continue;
      TExportException Exception;
      Exception.Statement = IndexOf(*X);
      Exception.Warrant =
          Find(UndercutterWarrantSentence(X->Sentence, Reason, Conclusion, Language));
      E.Exceptions.push_back(Exception);
    }
    Graph.Connections.push_back(std::move(E));
  }

  void AssignMissingKeys() {
    int Next = 1;
    for (TExportStatement& S : Graph.Statements) {
      if (!S.Key.empty()) continue;
      while (UsedKeys.count(std::to_string(Next)) != 0)
        ++Next;
      S.Key = std::to_string(Next);
      UsedKeys.insert(S.Key);
    }
  }

  const TArgumentationStage& Stage;
  TLanguage Language;
  TExportGraph Graph;
  std::set<std::string> UsedKeys;
};

}  // namespace

TExportGraph BuildExportGraph(const TArgumentationStage& Stage, TLanguage Language) {
  return TGraphBuilder(Stage, Language).Build();
}

const char* ExportTypeName(TStatementType Type) {
  return Type == TStatementType::Assumption ? "assumption" : "issue";
}

const char* ExportStatusName(TJustificationStatus Status) {
  switch (Status) {
    case TJustificationStatus::Justified:
      return "justified";
    case TJustificationStatus::Unjustified:
      return "unjustified";
    case TJustificationStatus::NotEvaluated:
      break;
  }
  return "not-evaluated";
}

const char* ExportKindName(TConnectionKind Kind) {
  return Kind == TConnectionKind::Defeating ? "defeating" : "supporting";
}

}  // namespace palaver
