// The main window's rebuilds: the replay of the line-of-argumentation view's text into the current
// line, and Back, Forward and the transcript deletions, which edit the transcript of the current
// moves and replay it into a new line. The moves that Back takes back wait as transcript lines in
// ForwardLines, behind the marker.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "controller/MainWindowCore.h"
#include "line/LineTexts.h"
#include "line/MoveLines.h"
#include "model/WarrantSentences.h"
#include "session/ProgramState.h"
#include "session/UserActionLog.h"
#include "transcript/TranscriptDeletions.h"
#include "transcript/TranscriptFormat.h"
#include "transcript/TranscriptInterpreter.h"

namespace palaver {

namespace {

// Moves ask nothing and views stay as they are while a transcript is replayed; afterwards both
// are on again, however the replay ended.
class TReplayFlags {
 public:
  TReplayFlags() { State().InteractiveMoves = State().RefreshViews = false; }
  ~TReplayFlags() { State().InteractiveMoves = State().RefreshViews = true; }
  TReplayFlags(const TReplayFlags&) = delete;
  TReplayFlags& operator=(const TReplayFlags&) = delete;
};

// The replay's moves go through the main window's move operations, as the user's do; the progress
// text gets a dot every ten lines.
//
// A rebuild (Back, Forward, a deletion) replays a text that begins with moves of the line it
// replaces, made the same way: while the replay's moves are those very moves, the earlier line's
// stages are taken over instead of being made again, and the first move that differs (or the
// end of the text) ends the taking over.
class TWindowReplayMoves final : public TReplayMoves {
 public:
  TWindowReplayMoves(TMainWindowCore& Core, TMainWindowPlatform& Platform,
                     PLineOfArgumentation Earlier)
      : Core(Core), Platform(Platform), Earlier(std::move(Earlier)) {}
  void StatementMove(const PStatement& S) override {
    if (!TakenOver(StatementMoveLines(*S), TConnectionKind::Supporting)) Core.StatementMove(S);
  }
  void ReasonConclusionMove(const PReasonConclusion& C) override {
    if (!TakenOver(ReasonConclusionMoveLines(*C), C->ConnectionKind)) Core.ReasonConclusionMove(C);
  }
  void ExceptionMove(const PReasonConclusion& C) override {
    if (C->Exceptions.Empty() || !TakenOver(ExceptionMoveLines(*C), C->ConnectionKind))
      Core.ExceptionMove(C);
  }
  bool Stopped() const override { return State().LineOfArgumentation->LimitReached.has_value(); }
  void Progress() override { Platform.AddProgressDot(); }

  // The moves that matched so far become the current line.
  void EndTakingOver() {
    if (!Earlier) return;
    if (Taken > 0) Core.TakeOverMoves(*Earlier, Taken);
    Earlier.reset();
  }

 private:
  bool TakenOver(const std::vector<std::string>& Lines, TConnectionKind Kind) {
    if (Earlier && Taken < Earlier->ArgumentationMoves.Count() &&
        Earlier->MoveIs(Taken, Lines, Kind)) {
      ++Taken;
      return true;
    }
    EndTakingOver();
    return false;
  }

  TMainWindowCore& Core;
  TMainWindowPlatform& Platform;
  PLineOfArgumentation Earlier;
  int Taken = 0;
};

using TLines = std::vector<std::string>;

// Moves Count lines of L from Index to the front of Forward, with the entry's closing empty
// line, which stays in L as well.
void MoveEntryToForward(TLines& L, std::size_t Index, std::size_t Count, TLines& Forward) {
  const auto First = L.begin() + static_cast<long>(Index);
  TLines Entry(First, First + static_cast<long>(Count));
  Entry.emplace_back();
  L.erase(First, First + static_cast<long>(Count));
  Forward.insert(Forward.begin(), Entry.begin(), Entry.end());
}

// The number of lines of the last entry in L that Back takes away, and where it starts; nothing
// when no complete entry is found. The "CONCLUSION" two lines below an "EXCEPTION" belongs to
// the exception entry.
bool FindLastEntry(const TLines& L, std::size_t& Index, std::size_t& Count) {
  for (std::size_t I = L.size(); I-- > 0;) {
    const std::string& T = L[I];
    const std::size_t Following = L.size() - I - 1;
    if (T == StatementKeyword) {
      Index = I;
      Count = 2;
      return Following >= 1;
    }
    if (T == ConclusionKeyword) {
      if (I >= 2 && L[I - 2] == ExceptionKeyword) continue;
      Index = I;
      Count = 4;
      return Following >= 3;
    }
    if (T == ExceptionKeyword) {
      Index = I;
      Count = 6;
      return Following >= 5;
    }
  }
  return false;
}

// The size of the first complete entry of F, and where it starts.
bool FindFirstEntry(const TLines& F, std::size_t& Index, std::size_t& Count) {
  for (std::size_t I = 0; I < F.size(); ++I) {
    const std::size_t Following = F.size() - I - 1;
    if ((F[I] == StatementKeyword && Following >= 1) ||
        (F[I] == ConclusionKeyword && Following >= 3) ||
        (F[I] == ExceptionKeyword && Following >= 5)) {
      Index = I;
      Count = F[I] == StatementKeyword ? 2 : F[I] == ConclusionKeyword ? 4 : 6;
      return true;
    }
  }
  return false;
}

void AppendMarkerAndForward(TLines& L, const TLines& Forward) {
  L.reserve(L.size() + 2 + Forward.size());
  L.emplace_back(CurrentPositionKeyword);
  L.emplace_back();
  L.insert(L.end(), Forward.begin(), Forward.end());
}

}  // namespace

void TMainWindowCore::InterpretTranscript() {
  InterpretTranscript(nullptr);
}

void TMainWindowCore::InterpretTranscript(PLineOfArgumentation Earlier) {
  // The flags are on again before the one refresh at the end.
  {
    const TReplayFlags Flags;
    const std::vector<std::string> Lines =
        Platform.TakeTranscriptViewLines("Interpreting file", ".");
    LastReplayStop.reset();
    // A refusal from before the replay (Append keeps the line) is not this replay's.
    State().LineOfArgumentation->LimitReached.reset();
    State().LineOfArgumentation->Evaluation.Deferred = true;
    TWindowReplayMoves Moves(*this, Platform, std::move(Earlier));
    TReplayEnd End = ReplayTranscriptLines(Lines, State().Language, Moves);
    Moves.EndTakingOver();
    TLineOfArgumentation& Line = *State().LineOfArgumentation;
    Line.EvaluateCurrentStage();
    if (End.Stopped)
      LastReplayStop = TReplayStop{*Line.LimitReached, Line.ArgumentationMoves.Count()};
    Platform.SetForwardEnabled(HoldsEntryKeyword(End.Rest));
    State().ForwardLines = std::move(End.Rest);
    State().ForwardLinesAreRest = End.Stopped;
  }
  RefreshCurrentView();
  if (LastReplayStop) {
    Platform.MessageBoxes().Warning(
        ReplayLimitText(State().Language, LastReplayStop->Limit, LastReplayStop->MovesMade));
    LogUserAction(EvaluationLimitMessage);
  }
}

void TMainWindowCore::TakeOverMoves(TLineOfArgumentation& Earlier, int Moves) {
  const PLineOfArgumentation Fresh = State().LineOfArgumentation;
  PLineOfArgumentation Line = Earlier.TakeFirstMoves(Moves);
  Line->FileName = Fresh->FileName;
  Line->Changed = Fresh->Changed;
  Line->Evaluation.Deferred = true;
  State().LineOfArgumentation = std::move(Line);
  // As the moves would have on their way.
  EnableBackWhenMoves();
  Platform.RecoveryDue();
}

void TMainWindowCore::ReplayIntoNewLine(std::vector<std::string> Lines) {
  PLineOfArgumentation Earlier = State().LineOfArgumentation;
  ReplaceLine(Earlier->FileName);
  // Kept for the replay only when its stages can be taken over.
  if (!Earlier->CanBeTakenOver(State().Language)) Earlier.reset();
  Platform.SetTranscriptViewLines(std::move(Lines));
  InterpretTranscript(std::move(Earlier));
  State().LineOfArgumentation->Changed = true;
  Platform.RecoveryDue();
}

void TMainWindowCore::StepBack() {
  RebuildTranscriptView();
  TLines L = Platform.TranscriptViewLines();
  std::size_t Index = 0;
  std::size_t Count = 0;
  if (FindLastEntry(L, Index, Count)) MoveEntryToForward(L, Index, Count, State().ForwardLines);
  AppendMarkerAndForward(L, State().ForwardLines);

  ReplayIntoNewLine(std::move(L));
  if (State().LineOfArgumentation->ArgumentationMoves.Empty()) Platform.SetBackEnabled(false);
}

void TMainWindowCore::StepForward() {
  RebuildTranscriptView();
  TLines L = Platform.TranscriptViewLines();
  if (State().ForwardLinesAreRest) {
    // The rest of a text whose replay stopped: replayed as it stands, with its own marker, so
    // that a move still past the limit leaves the same rest, and one no longer past it goes on
    // to where the text meant to be.
    const TLines& Rest = State().ForwardLines;
    L.insert(L.end(), Rest.begin(), Rest.end());
    ReplayIntoNewLine(std::move(L));
    return;
  }
  TLines F = State().ForwardLines;
  std::size_t Index = 0;
  std::size_t Count = 0;
  if (FindFirstEntry(F, Index, Count)) {
    const auto First = F.begin() + static_cast<long>(Index);
    L.insert(L.end(), First, First + static_cast<long>(Count));
    F.erase(First, First + static_cast<long>(Count));
  }
  Platform.SetForwardEnabled(HoldsEntryKeyword(F));
  AppendMarkerAndForward(L, F);
  State().ForwardLines = std::move(F);
  ReplayIntoNewLine(std::move(L));
}

// --- Transcript deletions ------------------------------------------------------------------
// They run once the line of argumentation has had the user's Yes.

void TMainWindowCore::DeleteStatementFromTranscript(const TStatement& S) {
  // S may belong to the line that is about to be replaced.
  const std::string Sentence = S.Sentence;
  RebuildTranscriptView();
  ReplayIntoNewLine(StatementLinesDeleted(Platform.TranscriptViewLines(), Sentence));
}

void TMainWindowCore::DeleteReasonConclusionFromTranscript(const TReasonConclusion& C) {
  const std::string Reason = C.Reason->Sentence;
  const std::string Conclusion = C.Conclusion->Sentence;
  // The warrant of the step goes first, in its Supporting form whatever the connection's kind,
  // and only in the current language.
  DeleteStatementFromTranscript(TStatement(
      StepWarrantSentence(Reason, Conclusion, TConnectionKind::Supporting, State().Language),
      TStatementType::Assumption));
  RebuildTranscriptView();
  ReplayIntoNewLine(
      ReasonConclusionLinesDeleted(Platform.TranscriptViewLines(), Reason, Conclusion));
}

void TMainWindowCore::DeleteExceptionFromTranscript(const TReasonConclusion& C) {
  const std::string Exception = C.Exceptions.Empty() ? std::string() : C.Exceptions[0]->Sentence;
  const std::string Reason = C.Reason->Sentence;
  const std::string Conclusion = C.Conclusion->Sentence;
  DeleteStatementFromTranscript(
      TStatement(UndercutterWarrantSentence(Exception, Reason, Conclusion, State().Language),
                 TStatementType::Assumption));
  RebuildTranscriptView();
  ReplayIntoNewLine(
      ExceptionLinesDeleted(Platform.TranscriptViewLines(), Exception, Reason, Conclusion));
}

}  // namespace palaver
