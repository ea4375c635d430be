#include "model/ArgumentationStage.h"

#include "model/IdValue.h"

namespace palaver {

namespace {

bool IdIsTaken(const TStatements& Statements, long long N) {
  for (const PStatement& S : Statements)
    if (IdValue(S->Id) == N) return true;
  return false;
}

}  // namespace

bool TArgumentationStage::IsNewStatement(const TStatement& S) const {
  PStatement Existing;
  return IsNewStatement(S, Existing);
}

bool TArgumentationStage::IsNewStatement(const TStatement& S, PStatement& Existing) const {
  return !SentenceIsStatementSentence(S.Sentence, Existing);
}

bool TArgumentationStage::IsNewReasonConclusion(const TReasonConclusion& C) const {
  PReasonConclusion Existing;
  return IsNewReasonConclusion(C, Existing);
}

bool TArgumentationStage::IsNewReasonConclusion(const TReasonConclusion& C,
                                                PReasonConclusion& Existing) const {
  for (const PReasonConclusion& X : ReasonConclusions) {
    if (X->Reason->Sentence == C.Reason->Sentence &&
        X->Conclusion->Sentence == C.Conclusion->Sentence) {
      Existing = X;
      return false;
    }
  }
  return true;
}

bool TArgumentationStage::SentenceIsStatementSentence(const std::string& Sentence,
                                                      PStatement& Statement) const {
  for (const PStatement& S : Statements) {
    if (S->Sentence == Sentence) {
      Statement = S;
      return true;
    }
  }
  return false;
}

// The smallest free number, so numbers freed by a deletion (which replays the line without the
// deleted statement) are given again to the next new statement.
std::string TArgumentationStage::GetNewId() const {
  const long long Last = static_cast<long long>(Statements.Count()) + 1;
  long long N = 1;
  while (N < Last && IdIsTaken(Statements, N))
    ++N;
  return std::to_string(N);
}

// Gives both ends of C the Ids of the stage's statements with their sentences, or a new number.
void TArgumentationStage::AttachIds(TReasonConclusion& C) const {
  bool ConclusionFound = false;
  bool ReasonFound = false;
  for (const PStatement& P : Statements) {
    if (P->Sentence == C.Conclusion->Sentence) {
      C.Conclusion->Id = P->Id;
      ConclusionFound = true;
    }
    if (P->Sentence == C.Reason->Sentence) {
      C.Reason->Id = P->Id;
      ReasonFound = true;
    }
  }
  // Both numbers come from the same statements, so a new reason and a new conclusion get the
  // same number; nothing in the program relies on this operation.
  if (!ConclusionFound) C.Conclusion->Id = GetNewId();
  if (!ReasonFound) C.Reason->Id = GetNewId();
}

}  // namespace palaver
