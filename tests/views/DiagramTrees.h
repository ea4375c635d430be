#pragma once

#include <string>

#include "model/DialecticalArgument.h"
#include "model/Statement.h"

namespace palaver::test {

// Dialectical argument trees built by hand, with the statuses a test wants.

inline PStatement Issue(std::string Sentence) {
  return NewStatement(std::move(Sentence), TStatementType::Issue);
}
inline PStatement Assumption(std::string Sentence) {
  return NewStatement(std::move(Sentence), TStatementType::Assumption);
}

inline PDialecticalArgument Dial(PStatement Conclusion,
                                 TJustificationStatus Status = TJustificationStatus::Unjustified) {
  auto D = std::make_shared<TDialecticalArgument>();
  D->Conclusion = std::move(Conclusion);
  D->Status = Status;
  return D;
}

inline PDialecticalArgument Justified(PStatement Conclusion) {
  return Dial(std::move(Conclusion), TJustificationStatus::Justified);
}

// Appends a step from Reason's conclusion to D's and returns it.
inline TStep& AddStep(TDialecticalArgument& D, PDialecticalArgument Reason,
                      TConnectionKind Kind = TConnectionKind::Supporting) {
  auto S = std::make_shared<TStep>();
  S->Conclusion = D.Conclusion;
  S->Reason = Reason->Conclusion;
  S->ConnectionKind = Kind;
  D.Steps.Add(S);
  D.InitialDialecticalArguments.Add(std::move(Reason));
  return *S;
}

inline TUndercutter& AddUndercutter(TStep& S, PDialecticalArgument Exception) {
  auto U = std::make_shared<TUndercutter>();
  U->Exception = Exception->Conclusion;
  U->Conclusion = S.Conclusion;
  U->Reason = S.Reason;
  S.Undercutters.Add(U);
  S.UndercuttingDialecticalArguments.Add(std::move(Exception));
  return *U;
}

inline TDialecticalArguments ListOf(std::initializer_list<PDialecticalArgument> Items) {
  TDialecticalArguments List;
  for (const auto& D : Items)
    List.Add(D);
  return List;
}

}  // namespace palaver::test
