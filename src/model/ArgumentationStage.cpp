// TArgumentationStage's look-ups and numbering, and the stage as part of its line.

#include "model/ArgumentationStage.h"

#include <optional>
#include <vector>

#include "model/IdValue.h"
#include "model/StageHistory.h"

namespace palaver {

namespace {

// The stage's statements are the first ones of its history's: its look-ups may use the
// history's indexes.
bool StatementsFollow(const TStatements& Statements, const TStageHistory* History) {
  if (!History || History->IsPlain()) return false;
  const int Count = Statements.Count();
  const auto& Nodes = History->Nodes();
  return Count <= static_cast<int>(Nodes.size()) &&
         (Count == 0 ||
          Statements[Count - 1] == Nodes[static_cast<std::size_t>(Count - 1)].Statement);
}

bool ConnectionsFollow(const TReasonConclusions& Connections, const TStageHistory* History) {
  const int Count = Connections.Count();
  return Count <= History->ConnectionCount() &&
         (Count == 0 || Connections[Count - 1] == History->ConnectionAt(Count - 1));
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
  if (StatementsFollow(Statements, History.get()) &&
      ConnectionsFollow(ReasonConclusions, History.get())) {
    const int Index = History->ConnectionIndex(C.Reason->Sentence, C.Conclusion->Sentence);
    if (Index < 0 || Index >= ReasonConclusions.Count()) return true;
    Existing = ReasonConclusions[Index];
    return false;
  }
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
  if (StatementsFollow(Statements, History.get())) {
    const int Index = History->StatementIndex(Sentence);
    if (Index < 0 || Index >= Statements.Count()) return false;
    Statement = Statements[Index];
    return true;
  }
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
  if (History && History->IsNewestVersion(*this)) return History->NewId();
  const long long Last = static_cast<long long>(Statements.Count()) + 1;
  std::vector<char> Taken(static_cast<std::size_t>(Last) + 1);
  for (const PStatement& S : Statements) {
    const std::optional<long long> N = IdValue(S->Id);
    if (N && *N >= 1 && *N <= Last) Taken[static_cast<std::size_t>(*N)] = 1;
  }
  long long N = 1;
  while (N < Last && Taken[static_cast<std::size_t>(N)])
    ++N;
  return std::to_string(N);
}

void TArgumentationStage::ReleaseComputedLists() {
  if (History) History->ReleaseLists(*this);
}

void TArgumentationStage::EvaluateNow() {
  if (History && History->IsNewestVersion(*this)) History->Settle();
}

bool TArgumentationStage::IsWholeLineFor(const TEvaluationContext& Context) const {
  return History && History->IsWholeLineUpTo(*this, Context);
}

void TArgumentationStage::TakeBackLaterMoves() {
  History->CutBackTo(*this);
}

void TArgumentationStage::Discard() {
  Statements.Clear();
  ReasonConclusions.Clear();
  DialecticalArguments.Clear();
  MaximalDialecticalArguments.Clear();
  Arguments.Clear();
  ArgumentsBase.Clear();
  AppendedArguments.Clear();
  HasArgumentsBase = false;
  History.reset();
}

std::size_t TArgumentationStage::CycleGroupArguments() const {
  return History && !History->IsPlain() ? History->GroupArgumentsAt(Version) : 0;
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
