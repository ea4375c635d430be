#include "model/Argument.h"

#include <utility>

namespace palaver {

namespace {

bool SameSentence(const PStatement& A, const PStatement& B) {
  return A->Sentence == B->Sentence;
}

}  // namespace

int TArguments::InList(const TArgument& B) const {
  for (int I = 0; I < Count(); ++I)
    if ((*this)[I]->HasEqualStructure(B)) return I;
  return -1;
}

int TArguments::InExtendedList(const TArgument& B) const {
  for (int I = 0; I < Count(); ++I)
    if ((*this)[I]->IsSubargument(B)) return I;
  return -1;
}

TArgument::TArgument() : Conclusion(NewStatement()) {}

TArgument::TArgument(PStatement conclusion) : Conclusion(std::move(conclusion)) {}

// Not symmetric when sub-arguments repeat: every sub-argument of this one needs a partner in B,
// but one partner may serve several of them.
bool TArgument::HasEqualStructure(const TArgument& B) const {
  if (!SameSentence(Conclusion, B.Conclusion)) return false;
  if (InitialArguments.Count() != B.InitialArguments.Count()) return false;
  for (const PArgument& Mine : InitialArguments) {
    bool Found = false;
    for (const PArgument& Theirs : B.InitialArguments) {
      if (Mine->HasEqualStructure(*Theirs)) {
        Found = true;
        break;
      }
    }
    if (!Found) return false;
  }
  return true;
}

bool TArgument::IsInitial(const TArgument& B) const {
  for (const PArgument& Sub : InitialArguments)
    if (Sub->HasEqualStructure(B) || Sub->IsInitial(B)) return true;
  return false;
}

// B is this argument with some branches cut away.
bool TArgument::IsNarrowing(const TArgument& B) const {
  if (!SameSentence(Conclusion, B.Conclusion)) return false;
  for (const PArgument& Theirs : B.InitialArguments) {
    bool Found = false;
    for (const PArgument& Mine : InitialArguments) {
      if (Mine->IsNarrowing(*Theirs)) {
        Found = true;
        break;
      }
    }
    if (!Found) return false;
  }
  return true;
}

bool TArgument::IsSubargument(const TArgument& B) const {
  if (HasEqualStructure(B) || IsInitial(B) || IsNarrowing(B)) return true;
  for (const PArgument& Sub : InitialArguments)
    if (Sub->IsSubargument(B)) return true;
  return false;
}

TStatements TArgument::GiveStatements() const {
  TStatements Result;
  Result.Add(Conclusion);
  for (const PArgument& Sub : InitialArguments)
    for (const PStatement& S : Sub->GiveStatements())
      Result.Add(S);
  return Result;
}

// B's own node is put in place, not a copy, so the result shares B with the caller.
void TArgument::Implant(const PArgument& B, PArgument& R) const {
  if (Conclusion == B->Conclusion) {
    R = B;
    return;
  }
  R = std::make_shared<TArgument>(Conclusion);
  for (const PArgument& Sub : InitialArguments) {
    PArgument Implanted;
    Sub->Implant(B, Implanted);
    R->InitialArguments.Add(Implanted);
  }
}

void TArgument::ExtendArgumentAtConclusion(const PArgument& B, const TReasonConclusion& C,
                                           std::shared_ptr<TArguments>& List) const {
  if (!List) List = std::make_shared<TArguments>();
  if (SameSentence(B->Conclusion, C.Reason)) {
    auto Extended = std::make_shared<TArgument>(C.Conclusion);
    Extended->InitialArguments.Add(B);
    List->Add(Extended);
    return;
  }
  for (const PArgument& Sub : B->InitialArguments)
    ExtendArgumentAtConclusion(Sub, C, List);
}

// When R already exists and B has no sub-arguments, R keeps the sub-arguments it had.
void TArgument::ExtendArgumentAtReason(const TArgument& B, const TReasonConclusion& C,
                                       PArgument& R) const {
  auto Elementary = std::make_shared<TArgument>(C.Reason);
  if (!R) R = std::make_shared<TArgument>();
  TArguments Extended;
  bool ConcludesReason = false;
  for (const PArgument& Sub : B.InitialArguments) {
    auto X = std::make_shared<TArgument>();
    ExtendArgumentAtReason(*Sub, C, X);
    Extended.Add(X);
    if (SameSentence(Sub->Conclusion, C.Reason)) ConcludesReason = true;
  }
  R->Conclusion = B.Conclusion;
  if (!Extended.Empty()) R->InitialArguments.Assign(Extended);
  if (SameSentence(B.Conclusion, C.Conclusion) && !ConcludesReason)
    R->InitialArguments.Add(Elementary);
}

}  // namespace palaver
