// TArgumentationStage's moves: each builds a new stage and carries the line's history forward.

#include <memory>
#include <utility>
#include <variant>
#include <vector>

#include "model/ArgumentationStage.h"
#include "model/StageHistory.h"

namespace palaver {

// Each move builds its stage the way the straightforward model does, list by list, but makes
// its inner statement moves without a recomputation of their own: the stages they would build
// are never kept, and the one recomputation at the end (carried forward by the line's history)
// leaves every statement with the status the last of them would have given it.

namespace {

std::shared_ptr<TArgumentationStage> StartStage(const TArgumentationStage& From,
                                                const TEvaluationContext& Context) {
  auto New = std::make_shared<TArgumentationStage>(Context);
  New->Statements = From.Statements;
  New->ReasonConclusions = From.ReasonConclusions;
  return New;
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

// What a move has changed in objects that older stages share. A move whose stage would pass an
// evaluation limit is not made: the types and exception lists it changed are put back, and the
// history it had begun to carry forward is not carried on.
class TArgumentationStage::TSharedChanges {
 public:
  TSharedChanges(std::shared_ptr<TStageHistory> History, const TEvaluationContext& Context)
      : History(std::move(History)) {
    this->History->BeginMove(Context.Limits);
  }
  TSharedChanges(const TSharedChanges&) = delete;
  TSharedChanges& operator=(const TSharedChanges&) = delete;
  // No change is ever valueless for std::visit, and taking the move back only shrinks the
  // history's lists or refills them within their capacity: nothing here throws.
  // NOLINTNEXTLINE(bugprone-exception-escape)
  ~TSharedChanges() {
    if (Done) return;
    // Newest first.
    for (std::size_t I = Changes.size(); I-- > 0;)
      std::visit(TUndo{}, Changes[I]);
    History->RollBack();
  }

  // Before the statement's type is set.
  void Retype(TStatement& S, TStatementType Type) {
    if (S.StatementType == Type) return;
    Changes.emplace_back(TRetyped{&S, S.StatementType});
    S.StatementType = Type;
  }
  void AddException(TReasonConclusion& C, PStatement Exception) {
    C.Exceptions.Add(std::move(Exception));
    Changes.emplace_back(TExceptionAdded{&C});
  }
  // The move was made: what it changed stays.
  void Keep() { Done = true; }

 private:
  struct TRetyped {
    TStatement* Statement;
    TStatementType TypeBefore;
  };
  // The exception went to the end of the connection's list.
  struct TExceptionAdded {
    TReasonConclusion* Connection;
  };
  using TChange = std::variant<TRetyped, TExceptionAdded>;
  struct TUndo {
    void operator()(const TRetyped& R) const { R.Statement->StatementType = R.TypeBefore; }
    void operator()(const TExceptionAdded& A) const {
      A.Connection->Exceptions.Delete(A.Connection->Exceptions.Count() - 1);
    }
  };
  std::shared_ptr<TStageHistory> History;
  std::vector<TChange> Changes;
  bool Done = false;
};

// The statement moves that follow start from these arguments.
void TArgumentationStage::RebuildArgumentsLater(std::shared_ptr<const TStageHistory> Line) {
  const TStatements AllStatements = Statements;
  const TReasonConclusions Connections = ReasonConclusions;
  Arguments.SetFiller([AllStatements, Connections, Line] {
    return static_cast<TObjectList<TArgument>>(Line->ArgumentsOf(AllStatements, Connections));
  });
  ArgumentsBase = Arguments;
  AppendedArguments.Clear();
  HasArgumentsBase = true;
}

std::shared_ptr<TStageHistory> TArgumentationStage::HistoryForMove(
    const TEvaluationContext& Context) const {
  if (History && History->CanContinueFrom(*this, Context)) return History;
  return TStageHistory::Build(*this, Context);
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

int TArgumentationStage::EnterStatement(TArgumentationStage& New, TStageHistory& History,
                                        const PStatement& S, TSharedChanges& Changes) const {
  const int Index = History.StatementIndex(S->Sentence);
  if (Index < 0) {
    // Numbered against the statements so far, before S joins them.
    S->Id = History.NewId();
    New.Statements.Add(S);
    New.AppendedArguments.Add(std::make_shared<TArgument>(S));
    History.AddStatement(S);
    return New.Statements.Count() - 1;
  } else {
    // The existing object is shared with older stages, which see the new type as well.
    const PStatement& Existing = New.Statements[Index];
    Existing->Sentence = S->Sentence;
    Changes.Retype(*Existing, S->StatementType);
    History.Touch(*Existing);
  }
  return Index;
}

PArgumentationStage TArgumentationStage::DoStatementMove(const PStatement& S,
                                                         const TEvaluationContext& Context) const {
  const std::shared_ptr<TStageHistory> H = HistoryForMove(Context);
  TSharedChanges Changes(H, Context);
  auto New = StartStage(*this, Context);
  InheritArguments(*New);
  EnterStatement(*New, *H, S, Changes);
  const TArguments Base = New->ArgumentsBase;
  const TArguments Appended = New->AppendedArguments;
  New->Arguments.SetFiller([Base, Appended] {
    TObjectList<TArgument> List = Base;
    for (const PArgument& A : Appended)
      List.Add(A);
    return List;
  });
  H->FinishMove(*New, Context.Deferred);
  Changes.Keep();
  return New;
}

int TArgumentationStage::EnterConnection(TArgumentationStage& New, TStageHistory& History,
                                         const PReasonConclusion& C,
                                         TSharedChanges& Changes) const {
  // The conclusion first, so a new conclusion is numbered before a new reason.
  const int Conclusion = EnterStatement(New, History, C->Conclusion, Changes);
  const int Reason = EnterStatement(New, History, C->Reason, Changes);
  // Both ends become the new stage's statements. The new stage is searched rather than the old
  // one so that a new connection from a statement to itself ends at one object at both ends,
  // not at a second object outside the stage.
  C->Reason = New.Statements[Reason];
  C->Conclusion = New.Statements[Conclusion];

  const int Existing = History.IsPlain() ? ConnectionIndex(New.ReasonConclusions, History, *C)
                                         : History.ConnectionIndex(Reason, Conclusion);
  if (Existing < 0) {
    New.ReasonConclusions.Add(C);
    History.AddConnection(C, Reason, Conclusion);
  } else {
    // A repeated connection keeps its own kind and exceptions; its ends take the new types.
    const TReasonConclusion& X = *New.ReasonConclusions[Existing];
    Changes.Retype(*X.Reason, C->Reason->StatementType);
    Changes.Retype(*X.Conclusion, C->Conclusion->StatementType);
    History.Touch(*X.Reason);
    History.Touch(*X.Conclusion);
  }
  return Existing;
}

PArgumentationStage TArgumentationStage::DoReasonConclusionMove(
    const PReasonConclusion& C, const TEvaluationContext& Context) const {
  const std::shared_ptr<TStageHistory> H = HistoryForMove(Context);
  TSharedChanges Changes(H, Context);
  auto New = StartStage(*this, Context);
  InheritArguments(*New);
  EnterConnection(*New, *H, C, Changes);
  New->RebuildArgumentsLater(H);
  H->FinishMove(*New, Context.Deferred);
  Changes.Keep();
  return New;
}

PArgumentationStage TArgumentationStage::DoExceptionMove(const PReasonConclusion& C,
                                                         const TEvaluationContext& Context) const {
  // Without an exception there is nothing to add but the connection itself.
  if (C->Exceptions.Empty()) return DoReasonConclusionMove(C, Context);

  std::shared_ptr<TStageHistory> H = HistoryForMove(Context);
  const int Known = ConnectionIndex(ReasonConclusions, *H, *C);
  // An exception list that changed behind the history's back (nothing in the program does
  // that) is taken in afresh.
  if (!H->IsPlain() && Known >= 0 &&
      H->ExceptionsKnown(Known) != ReasonConclusions[Known]->Exceptions.Count())
    H = TStageHistory::Build(*this, Context);

  TSharedChanges Changes(H, Context);
  auto New = StartStage(*this, Context);
  InheritArguments(*New);
  EnterStatement(*New, *H, C->Exceptions[0], Changes);

  PStatement Exception = C->Exceptions[0];
  const int Old = H->StatementIndex(Exception->Sentence);
  if (Old >= 0 && Old < Statements.Count()) Exception = Statements[Old];
  C->Exceptions.Delete(0);
  C->Exceptions.Insert(0, Exception);

  // The reason/conclusion move; a new connection enters the stage here, carrying the exception.
  const int Existing = EnterConnection(*New, *H, C, Changes);
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
      Changes.Retype(*Same, Exception->StatementType);
      H->Touch(*Same);
    } else {
      Changes.AddException(*New->ReasonConclusions[Existing], Exception);
      H->TouchExceptions(Existing);
    }
  }
  New->RebuildArgumentsLater(H);
  H->FinishMove(*New, Context.Deferred);
  Changes.Keep();
  return New;
}

}  // namespace palaver
