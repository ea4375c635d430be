#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/ObjectList.h"

namespace palaver {

// Issue: put forward for discussion, justified only when the argumentation supports it.
// Assumption: taken for granted, always justified. The stored numbers are the program's own
// (Issue = 1, Assumption = 0); the dialogs' radio items run the other way round.
enum class TStatementType : std::uint8_t { Assumption = 0, Issue = 1 };

enum class TJustificationStatus : std::uint8_t { Justified = 0, Unjustified = 1, NotEvaluated = 2 };

// Supporting: the reason supports the conclusion; Defeating: the reason defeats it. The kind only
// chooses the wording of the step warrant and the drawing; the status computation treats both
// alike.
enum class TConnectionKind : std::int32_t { Supporting = 0, Defeating = 1 };

// One statement of the user's. Statements are shared by every stage that holds them, so a change
// of StatementType or JustificationStatus is seen by all of those stages at once.
class TStatement {
 public:
  std::string Sentence;
  // Decimal number given once, when the statement first enters a stage; empty until then.
  std::string Id;
  TStatementType StatementType = TStatementType::Issue;
  // The status the most recent recomputation (of whichever stage) gave this statement.
  TJustificationStatus JustificationStatus = TJustificationStatus::NotEvaluated;

  TStatement() = default;
  TStatement(std::string sentence, TStatementType type)
      : Sentence(std::move(sentence)), StatementType(type) {}
};

using PStatement = std::shared_ptr<TStatement>;
using TStatements = TObjectList<TStatement>;

// Creates a statement with the defaults of a new one (empty sentence, Issue, not evaluated).
inline PStatement NewStatement() {
  return std::make_shared<TStatement>();
}
inline PStatement NewStatement(std::string Sentence, TStatementType Type) {
  return std::make_shared<TStatement>(std::move(Sentence), Type);
}

// A reason joined to a conclusion. Two connections are the same connection when their reason
// sentences and their conclusion sentences are equal; kind and exceptions play no part in that.
class TReasonConclusion {
 public:
  // A new connection starts with a new Issue as reason, a new Assumption as conclusion, kind
  // Supporting and no exceptions; its creator then fills in sentences and types.
  TReasonConclusion();

  PStatement Reason;
  PStatement Conclusion;
  TConnectionKind ConnectionKind = TConnectionKind::Supporting;
  // The exceptions that block this connection, in the order in which they were added.
  TStatements Exceptions;
};

using PReasonConclusion = std::shared_ptr<TReasonConclusion>;
using TReasonConclusions = TObjectList<TReasonConclusion>;

inline PReasonConclusion NewReasonConclusion() {
  return std::make_shared<TReasonConclusion>();
}

// The one-character mark of a statement type: "?" for an Issue, "!" for an Assumption.
inline const char* TypeMark(TStatementType Type) {
  return Type == TStatementType::Issue ? "?" : "!";
}

}  // namespace palaver
