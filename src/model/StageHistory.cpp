// The history as a whole: building it from a stage, what it can say about a stage, its look-ups
// and numbering, and the lists of the stages it holds.

#include "model/StageHistory.h"

#include <algorithm>

#include "model/IdValue.h"
#include "model/WarrantSentences.h"

namespace palaver {

std::shared_ptr<TStageHistory> TStageHistory::Build(const TArgumentationStage& Base,
                                                    const TEvaluationContext& Context) {
  auto H = std::make_shared<TStageHistory>();
  H->Context = Context;
  H->Head = -1;  // the version being made is 0
  H->FromEmpty = Base.Statements.Empty() && Base.ReasonConclusions.Empty();
  H->Building = true;
  for (const PStatement& S : Base.Statements)
    H->AddStatement(S);
  for (const PReasonConclusion& C : Base.ReasonConclusions)
    H->AddConnection(C);
  H->Building = false;
  if (H->Plain) return H;
  H->Pending.clear();
  std::vector<int> All(H->NodeList.size());
  for (std::size_t I = 0; I < All.size(); ++I)
    All[I] = static_cast<int>(I);
  H->Evaluate(All, 0, false);
  H->Head = 0;
  H->Settle();
  return H;
}

bool TStageHistory::CanContinueFrom(const TArgumentationStage& Stage,
                                    const TEvaluationContext& Evaluation) const {
  return Context.Language == Evaluation.Language && Context.SharesStatusWritesWith(Evaluation) &&
         Epoch == Context.StatusWrites() && IsNewestVersion(Stage);
}

bool TStageHistory::IsNewestVersion(const TArgumentationStage& Stage) const {
  if (Plain || Spoiled || Stage.Version != Head || Stage.History.get() != this) return false;
  const int Statements = Stage.Statements.Count();
  const int Connections = Stage.ReasonConclusions.Count();
  if (Statements != static_cast<int>(NodeList.size()) ||
      Connections != static_cast<int>(ConnectionList.size()))
    return false;
  return (Statements == 0 || Stage.Statements[Statements - 1] == NodeList.back().Statement) &&
         (Connections == 0 ||
          Stage.ReasonConclusions[Connections - 1] == ConnectionList.back().Connection);
}

bool TStageHistory::IsWholeLineUpTo(const TArgumentationStage& Stage,
                                    const TEvaluationContext& Evaluation) const {
  return !Plain && !Spoiled && FromEmpty && Stage.History.get() == this && Stage.Version <= Head &&
         Context.Language == Evaluation.Language && Context.Limits == Evaluation.Limits &&
         Context.SharesStatusWritesWith(Evaluation);
}

int TStageHistory::FindStatement(std::uint64_t Hash, const TSentencePieces& Pieces) const {
  const int* First = BySentence.Find(Hash);
  if (First == nullptr) return -1;
  const auto Is = [&](int Node) {
    return IsSentence(NodeList[static_cast<std::size_t>(Node)].Statement->Sentence, Pieces);
  };
  if (Is(*First)) return *First;
  for (const auto& [ClashHash, Node] : SentenceClashes)
    if (ClashHash == Hash && Is(Node)) return Node;
  return -1;
}

int TStageHistory::StatementIndex(const std::string& Sentence) const {
  const TSentencePieces Whole{{Sentence}, 1};
  return FindStatement(SentenceHash(Sentence), Whole);
}

int TStageHistory::ConnectionIndex(const std::string& Reason, const std::string& Conclusion) const {
  return ConnectionIndex(StatementIndex(Reason), StatementIndex(Conclusion));
}

int TStageHistory::ConnectionIndex(int Reason, int Conclusion) const {
  if (Reason < 0 || Conclusion < 0) return -1;
  const int* First = ByEnds.Find(EndsKey(Reason, Conclusion));
  return First == nullptr ? -1 : *First;
}

bool TStageHistory::IsStatement(int Node, const TStatement& S) const {
  return Node >= 0 && NodeList[static_cast<std::size_t>(Node)].Statement.get() == &S;
}

TStatementType TStageHistory::TypeAt(int Node, int Version) const {
  const TNode& N = NodeList[static_cast<std::size_t>(Node)];
  for (const auto& [Since, Before] : N.EarlierTypes)
    if (Since > Version) return Before;
  return N.Type;
}

// --- Ids -------------------------------------------------------------------------------------

void TStageHistory::TakeId(const std::string& Id) {
  const std::optional<long long> N = IdValue(Id);
  // Numbers beyond the count of statements are never given, so they need no record until the
  // count reaches them.
  if (!N || *N < 1) return;
  if (*N > static_cast<long long>(NodeList.size()) + 1) {
    LargeIds.push_back(*N);
    return;
  }
  UseId(static_cast<std::size_t>(*N));
}

void TStageHistory::UseId(std::size_t N) {
  if (IdUse.size() <= N) IdUse.resize(N + 1);
  ++IdUse[N];
}

void TStageHistory::RecountIds() {
  IdUse.clear();
  LargeIds.clear();
  FreeId = 1;
  for (const TNode& N : NodeList)
    TakeId(N.Statement->Id);
}

// The smallest number that no statement carries, at most one more than the count: statements
// only ever join, so it never goes down.
std::string TStageHistory::NewId() {
  // A large number taken earlier counts once the statements have caught up with it.
  const long long Last = static_cast<long long>(NodeList.size()) + 1;
  for (auto It = LargeIds.begin(); It != LargeIds.end();) {
    if (*It <= Last) {
      UseId(static_cast<std::size_t>(*It));
      It = LargeIds.erase(It);
    } else {
      ++It;
    }
  }
  while (FreeId < Last && static_cast<std::size_t>(FreeId) < IdUse.size() &&
         IdUse[static_cast<std::size_t>(FreeId)] > 0)
    ++FreeId;
  return std::to_string(FreeId);
}

// --- The stages' lists -----------------------------------------------------------------------

void TStageHistory::BindLists(TArgumentationStage& Stage) const {
  std::shared_ptr<const TStageHistory> Self = shared_from_this();
  Stage.History = std::const_pointer_cast<TStageHistory>(Self);
  Stage.Version = Head;
  ReleaseLists(Stage);
}

void TStageHistory::ReleaseLists(TArgumentationStage& Stage) const {
  if (Plain || Stage.History.get() != this) return;
  // Lists nobody has read yet hold nothing.
  if (Stage.Version == Stage.ListsVersion && Stage.DialecticalArguments.WaitsForFiller() &&
      Stage.MaximalDialecticalArguments.WaitsForFiller())
    return;
  Stage.ListsVersion = Stage.Version;
  const int Version = Stage.Version;
  std::shared_ptr<const TStageHistory> Self = shared_from_this();
  const int Count = Stage.Statements.Count();
  Stage.DialecticalArguments.SetFiller(
      [Self, Version, Count] { return Self->DialecticalArgumentsAt(Version, Count); });
  TDialecticalArguments All = Stage.DialecticalArguments;
  Stage.MaximalDialecticalArguments.SetFiller(
      [Self, Version, All] { return Self->MaximalAt(Version, All); });
}

}  // namespace palaver
