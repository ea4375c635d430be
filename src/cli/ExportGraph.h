#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/ArgumentationStage.h"
#include "session/Language.h"

namespace palaver {

// The current stage reduced to what the interchange formats draw: statements, the connections
// between them, the exceptions that block each connection, and the warrant statements that the
// status computation recognises. Connections and exceptions refer to statements by their index
// in Statements, so every format can rely on each end being a statement it has written.

struct TExportStatement {
  // Unique within the graph and stable across exports of the same line: the statement's own Id
  // (the number the arguments tree shows).
  std::string Key;
  std::string Sentence;
  TStatementType Type = TStatementType::Issue;
  TJustificationStatus Status = TJustificationStatus::NotEvaluated;
};

struct TExportException {
  int Statement = 0;
  // The statement whose sentence is this exception's undercutter warrant, when there is one.
  std::optional<int> Warrant;
};

struct TExportConnection {
  int Reason = 0;
  int Conclusion = 0;
  TConnectionKind Kind = TConnectionKind::Supporting;
  // The statement whose sentence is the step warrant, when there is one.
  std::optional<int> Warrant;
  std::vector<TExportException> Exceptions;
};

struct TExportGraph {
  std::vector<TExportStatement> Statements;
  std::vector<TExportConnection> Connections;
};

// Builds the graph in the stage's own order. Warrant statements are recognised as the status
// computation recognises them: by exact sentence, in Language. A statement's status is the one
// its dialectical argument in this stage has.
TExportGraph BuildExportGraph(const TArgumentationStage& Stage, TLanguage Language);

// The words every format uses for types, statuses and kinds, as evaluate prints them.
const char* ExportTypeName(TStatementType Type);
const char* ExportStatusName(TJustificationStatus Status);
const char* ExportKindName(TConnectionKind Kind);

}  // namespace palaver
