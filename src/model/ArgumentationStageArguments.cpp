// TArgumentationStage's arguments: their recomputation and the operations on them.

#include <string>

#include "model/ArgumentationStage.h"
#include "model/ArgumentsBuilder.h"
#include "model/WarrantSentences.h"

namespace palaver {

namespace {

bool OccursInNode(const std::string& Sentence, const TArgument& A) {
  if (A.Conclusion->Sentence == Sentence) return true;
  for (const PArgument& Sub : A.InitialArguments)
    if (OccursInNode(Sentence, *Sub)) return true;
  return false;
}

// Some argument of the stage for this sentence counts as undefeated. Arguments whose status was
// never computed are offered to ComputeDefeatStatus first.
bool HasUndefeatedArgument(const TArgumentationStage& Stage, const std::string& Sentence) {
  for (const PArgument& A : Stage.Arguments) {
    if (A->Conclusion->Sentence != Sentence) continue;
    if (A->DefeatStatus == 2) Stage.ComputeDefeatStatus(*A);
    if (A->DefeatStatus == 1) return true;
  }
  return false;
}

}  // namespace

void TArgumentationStage::RecomputeArguments() {
  Arguments = BuildArguments(Statements, ReasonConclusions);
  HasArgumentsBase = false;
}

bool TArgumentationStage::IsFinalConclusion(const TStatement& S,
                                            const TReasonConclusions& L) const {
  for (const PReasonConclusion& C : L)
    if (C->Reason->Sentence == S.Sentence) return false;
  return true;
}

bool TArgumentationStage::OccursInArgument(const TStatement& S, const TArguments& List) const {
  for (const PArgument& A : List)
    if (OccursInNode(S.Sentence, *A)) return true;
  return false;
}

// Each level leaves out the connection it used, so a cycle ends where it closes, with its
// starting statement once more as a leaf.
void TArgumentationStage::ComputeSupportingArguments(const PStatement& S, TArguments& P,
                                                     const TReasonConclusions& L) const {
  for (const PReasonConclusion& C : L) {
    if (C->Conclusion->Sentence != S->Sentence) continue;
    auto A = std::make_shared<TArgument>(C->Reason);
    TReasonConclusions Rest;
    Rest.Assign(L);
    Rest.Remove(C.get());
    ComputeSupportingArguments(C->Reason, A->InitialArguments, Rest);
    P.Add(A);
  }
}

bool TArgumentationStage::IsArgument(const TArgument& A) const {
  for (const PArgument& X : Arguments)
    if (X->HasEqualStructure(A)) return true;
  return false;
}

bool TArgumentationStage::IsInitial(const TArgument& A) const {
  for (const PArgument& X : Arguments)
    if (X->IsInitial(A)) return true;
  return false;
}

bool TArgumentationStage::IsNarrowing(const TArgument& A) const {
  for (const PArgument& X : Arguments)
    if (A.IsNarrowing(*X)) return true;
  return false;
}

void TArgumentationStage::ResetDefeatStatus(TArgument& A) const {
  for (const PArgument& Sub : A.InitialArguments)
    ResetDefeatStatus(*Sub);
  A.DefeatStatus = 2;
}

// A step that is no connection of the stage has nothing to warrant it: the answer is false.
bool TArgumentationStage::StepIsWarranted(const TStatement& C, const TArgument& A) const {
  for (const PReasonConclusion& K : ReasonConclusions) {
    if (K->Reason->Sentence != A.Conclusion->Sentence || K->Conclusion->Sentence != C.Sentence)
      continue;
    const std::string Warrant = StepWarrantSentence(K->Reason->Sentence, K->Conclusion->Sentence,
                                                    K->ConnectionKind, Evaluation.Language);
    PStatement W;
    return !SentenceIsStatementSentence(Warrant, W) || HasUndefeatedArgument(*this, Warrant);
  }
  return false;
}

bool TArgumentationStage::IsExceptionAttack(const TArgument& A, TArgument& E) const {
  bool Attack = false;
  for (const PReasonConclusion& K : ReasonConclusions) {
    if (K->Conclusion->Sentence != A.Conclusion->Sentence) continue;
    for (const PStatement& X : K->Exceptions) {
      if (X->Sentence != E.Conclusion->Sentence) continue;
      for (const PArgument& Sub : A.InitialArguments) {
        if (Sub->Conclusion->Sentence != K->Reason->Sentence) continue;
        const std::string Warrant =
            UndercutterWarrantSentence(E.Conclusion->Sentence, K->Reason->Sentence,
                                       K->Conclusion->Sentence, Evaluation.Language);
        PStatement W;
        if (SentenceIsStatementSentence(Warrant, W) && !HasUndefeatedArgument(*this, Warrant))
          continue;
        if (E.DefeatStatus == 2) ComputeDefeatStatus(E);
        if (E.DefeatStatus == 1) Attack = true;
      }
    }
  }
  return Attack;
}

}  // namespace palaver
