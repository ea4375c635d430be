#pragma once

#include <string>

#include "model/ArgumentationStage.h"
#include "model/EvaluationContext.h"
#include "model/WarrantSentences.h"

namespace palaver::test {

// Builds stages the way the program does, move by move, and keeps every stage it made so that a
// test can look back at the earlier ones. Every move is evaluated with Context, as a line
// evaluates its moves with its own: a test switches the language there.
class TStageBuilder {
 public:
  TEvaluationContext Context;
  PArgumentationStage Stage = std::make_shared<TArgumentationStage>(Context);

  TStageBuilder& Issue(const std::string& Sentence) {
    return Move(Stage->DoStatementMove(NewStatement(Sentence, TStatementType::Issue), Context));
  }
  TStageBuilder& Assumption(const std::string& Sentence) {
    return Move(
        Stage->DoStatementMove(NewStatement(Sentence, TStatementType::Assumption), Context));
  }
  // A connection whose ends keep their present types (a new end is an Issue).
  TStageBuilder& Connect(const std::string& Reason, const std::string& Conclusion,
                         TConnectionKind Kind = TConnectionKind::Supporting) {
    return Move(Stage->DoReasonConclusionMove(Connection(Reason, Conclusion, Kind), Context));
  }
  TStageBuilder& Except(const std::string& Exception, const std::string& Reason,
                        const std::string& Conclusion,
                        TStatementType Type = TStatementType::Issue) {
    PReasonConclusion C = Connection(Reason, Conclusion, TConnectionKind::Supporting);
    C->Exceptions.Add(NewStatement(Exception, Type));
    return Move(Stage->DoExceptionMove(C, Context));
  }

  PReasonConclusion Connection(const std::string& Reason, const std::string& Conclusion,
                               TConnectionKind Kind = TConnectionKind::Supporting) const {
    auto C = NewReasonConclusion();
    C->Reason = NewStatement(Reason, TypeOf(Reason));
    C->Conclusion = NewStatement(Conclusion, TypeOf(Conclusion));
    C->ConnectionKind = Kind;
    return C;
  }
  PStatement Get(const std::string& Sentence) const {
    PStatement S;
    return Stage->SentenceIsStatementSentence(Sentence, S) ? S : nullptr;
  }
  TJustificationStatus StatusOf(const std::string& Sentence) const {
    return Get(Sentence)->JustificationStatus;
  }
  // The dialectical argument of a statement (one per statement, at its index).
  const TDialecticalArgument& DialecticalArgumentOf(const std::string& Sentence) const {
    return *Stage->DialecticalArguments[Stage->Statements.IndexOf(Get(Sentence).get())];
  }

 private:
  TStageBuilder& Move(PArgumentationStage Next) {
    Stage = std::move(Next);
    return *this;
  }
  TStatementType TypeOf(const std::string& Sentence) const {
    PStatement S = Get(Sentence);
    return S ? S->StatementType : TStatementType::Issue;
  }
};

inline std::string Step(const std::string& Reason, const std::string& Conclusion,
                        TConnectionKind Kind = TConnectionKind::Supporting,
                        TLanguage Language = TLanguage::English) {
  return StepWarrantSentence(Reason, Conclusion, Kind, Language);
}

// An argument as text: "c(a,b(d))" for c with the sub-arguments a and b, b with d below it.
inline std::string Shape(const TArgument& A) {
  std::string Text = A.Conclusion->Sentence;
  if (A.InitialArguments.Empty()) return Text;
  Text += "(";
  for (int I = 0; I < A.InitialArguments.Count(); ++I) {
    if (I > 0) Text += ",";
    Text += Shape(*A.InitialArguments[I]);
  }
  return Text + ")";
}

inline std::string Shapes(const TArguments& List) {
  std::string Text;
  for (const PArgument& A : List)
    Text += (Text.empty() ? "" : " ") + Shape(*A);
  return Text;
}

constexpr auto Justified = TJustificationStatus::Justified;
constexpr auto Unjustified = TJustificationStatus::Unjustified;

}  // namespace palaver::test
