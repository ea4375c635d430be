#include <memory>

#include "model/ArgumentationStage.h"
#include "model/StageHistory.h"

namespace palaver {

// Each move builds its stage the way the straightforward model does, list by list, but makes
// its inner statement moves without a recomputation of their own: the stages they would build
// are never kept, and the one recomputation at the end (carried forward by the line's history)
// leaves every statement with the status the last of them would have given it.

namespace {

std::shared_ptr<TArgumentationStage> StartStage(const TArgumentationStage& From) {
  auto New = std::make_shared<TArgumentationStage>();
  New->Statements = From.Statements;
  New->ReasonConclusions = From.ReasonConclusions;
  return New;
}

// Replaces End by the new stage's statement with the same sentence. The new stage is searched
// rather than the old one so that a new connection from a statement to itself ends at one object
// at both ends, not at a second object outside the stage.
void UseStageStatement(const TArgumentationStage& Stage, const TStageHistory& History,
                       PStatement& End) {
  const int Index = History.StatementIndex(End->Sentence);
  if (Index >= 0) End = Stage.Statements[Index];
}

// Index of the first connection with these end sentences, or -1.
int ConnectionIndex(const TReasonConclusions& Connections, const TStageHistory& History,
                    const TReasonConclusion& C) {
  if (!History.IsPlain())
    return History.ConnectionIndex(C.Reason->Sentence, C.Conclusion->Sentence);
  for (int I = 0; I < Connections.Count(); ++I)
    if (Connections[I]->Reason->Sentence == C.Reason->Sentence &&
        Connections[I]->Conclusion->Sentence == C.Conclusion->Sentence)
      return I;
  return -1;
}

}  // namespace

// The arguments as RecomputeArguments leaves them, worked out when they are first read; the
// statement moves that follow start from them.
void TArgumentationStage::RebuildArgumentsLater() {
  const TStatements AllStatements = Statements;
  const TReasonConclusions Connections = ReasonConclusions;
  Arguments.SetFiller([AllStatements, Connections] {
    return static_cast<TObjectList<TArgument>>(BuildArguments(AllStatements, Connections));
  });
  ArgumentsBase = Arguments;
  AppendedArguments.Clear();
  HasArgumentsBase = true;
}

std::shared_ptr<TStageHistory> TArgumentationStage::HistoryForMove() const {
  if (History && History->CanContinueFrom(*this)) return History;
  return TStageHistory::Build(*this);
}

// A statement move's stage shows the arguments of the stage it was made on, plus one elementary
// argument per statement it adds; a run of statement moves shares one rebuilt list.
void TArgumentationStage::InheritArguments(TArgumentationStage& New) const {
  if (HasArgumentsBase) {
    New.ArgumentsBase = ArgumentsBase;
    New.AppendedArguments = AppendedArguments;
  } else {
    New.ArgumentsBase = Arguments;
    New.AppendedArguments.Clear();
  }
  New.HasArgumentsBase = true;
}

void TArgumentationStage::EnterStatement(TArgumentationStage& New, TStageHistory& History,
                                         const PStatement& S) const {
  const int Index = History.StatementIndex(S->Sentence);
  if (Index < 0) {
    // Numbered against the statements so far, before S joins them.
    S->Id = History.NewId();
    New.Statements.Add(S);
    New.AppendedArguments.Add(std::make_shared<TArgument>(S));
    History.AddStatement(S);
  } else {
    // The existing object is shared with older stages, which see the new type as well.
    const PStatement& Existing = New.Statements[Index];
    Existing->Sentence = S->Sentence;
    Existing->StatementType = S->StatementType;
    History.Touch(*Existing);
  }
}

PArgumentationStage TArgumentationStage::DoStatementMove(const PStatement& S) const {
  const std::shared_ptr<TStageHistory> H = HistoryForMove();
  auto New = StartStage(*this);
  InheritArguments(*New);
  EnterStatement(*New, *H, S);
  const TArguments Base = New->ArgumentsBase;
  const TArguments Appended = New->AppendedArguments;
  New->Arguments.SetFiller([Base, Appended] {
    TObjectList<TArgument> List = Base;
    for (const PArgument& A : Appended)
      List.Add(A);
    return List;
  });
  H->FinishMove(*New);
  return New;
}

int TArgumentationStage::EnterConnection(TArgumentationStage& New, TStageHistory& History,
                                         const PReasonConclusion& C) const {
  // The conclusion first, so a new conclusion is numbered before a new reason.
  EnterStatement(New, History, C->Conclusion);
  EnterStatement(New, History, C->Reason);
  UseStageStatement(New, History, C->Reason);
  UseStageStatement(New, History, C->Conclusion);

  const int Existing = ConnectionIndex(New.ReasonConclusions, History, *C);
  if (Existing < 0) {
    New.ReasonConclusions.Add(C);
    History.AddConnection(C);
  } else {
    // A repeated connection keeps its own kind and exceptions; its ends take the new types.
    const TReasonConclusion& X = *New.ReasonConclusions[Existing];
    X.Reason->StatementType = C->Reason->StatementType;
    X.Conclusion->StatementType = C->Conclusion->StatementType;
    History.Touch(*X.Reason);
    History.Touch(*X.Conclusion);
  }
  return Existing;
}

PArgumentationStage TArgumentationStage::DoReasonConclusionMove(const PReasonConclusion& C) const {
  const std::shared_ptr<TStageHistory> H = HistoryForMove();
  auto New = StartStage(*this);
  InheritArguments(*New);
  EnterConnection(*New, *H, C);
  New->RebuildArgumentsLater();
  H->FinishMove(*New);
  return New;
}

PArgumentationStage TArgumentationStage::DoExceptionMove(const PReasonConclusion& C) const {
  // Without an exception there is nothing to add but the connection itself.
  if (C->Exceptions.Empty()) return DoReasonConclusionMove(C);

  std::shared_ptr<TStageHistory> H = HistoryForMove();
  const int Known = ConnectionIndex(ReasonConclusions, *H, *C);
  // An exception list that changed behind the history's back (nothing in the program does
  // that) is taken in afresh.
  if (!H->IsPlain() && Known >= 0 &&
      H->ExceptionsKnown(Known) != ReasonConclusions[Known]->Exceptions.Count())
    H = TStageHistory::Build(*this);

  auto New = StartStage(*this);
  InheritArguments(*New);
  EnterStatement(*New, *H, C->Exceptions[0]);

  PStatement Exception = C->Exceptions[0];
  const int Old = H->StatementIndex(Exception->Sentence);
  if (Old >= 0 && Old < Statements.Count()) Exception = Statements[Old];
  C->Exceptions.Delete(0);
  C->Exceptions.Insert(0, Exception);

  // The reason/conclusion move; a new connection enters the stage here, carrying the exception.
  const int Existing = EnterConnection(*New, *H, C);
  if (Existing >= 0) {
    const TReasonConclusion& X = *New->ReasonConclusions[Existing];
    // The existing connection is shared with older stages: they list the new exception too.
    PStatement Same;
    for (const PStatement& E : X.Exceptions) {
      if (E->Sentence == Exception->Sentence) {
        Same = E;
        break;
      }
    }
    if (Same) {
      Same->StatementType = Exception->StatementType;
      H->Touch(*Same);
    } else {
      New->ReasonConclusions[Existing]->Exceptions.Add(Exception);
      H->TouchExceptions(Existing);
    }
  }
  New->RebuildArgumentsLater();
  H->FinishMove(*New);
  return New;
}

}  // namespace palaver
