// The replay of a transcript into the current line of argumentation.

#include <cstddef>
#include <string>
#include <vector>

#include "line/LineTexts.h"
#include "model/WarrantSentences.h"
#include "session/ProgramState.h"
#include "session/UserActionLog.h"
#include "transcript/MainWindowCore.h"
#include "transcript/TranscriptFormat.h"

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

// The working list with bounds-checked access: a line past the end is never a keyword, so an
// entry cut short by the end of the text counts as incomplete.
class TWorkingLines {
 public:
  explicit TWorkingLines(std::vector<std::string> Lines) : Lines(std::move(Lines)) {}
  std::size_t Count() const { return Lines.size(); }
  bool Exists(std::size_t I) const { return I < Lines.size(); }
  bool Is(std::size_t I, const char* Keyword) const { return Exists(I) && Lines[I] == Keyword; }
  const std::string& operator[](std::size_t I) const { return Lines[I]; }
  std::vector<std::string> From(std::size_t I) const {
    return I < Lines.size()
               ? std::vector<std::string>(Lines.begin() + static_cast<long>(I), Lines.end())
               : std::vector<std::string>();
  }

 private:
  std::vector<std::string> Lines;
};

PReasonConclusion NewConnection(PStatement Reason, PStatement Conclusion) {
  PReasonConclusion C = NewReasonConclusion();
  C->Reason = std::move(Reason);
  C->Conclusion = std::move(Conclusion);
  return C;
}

PStatement TrimmedIssue(const std::string& Line) {
  return NewStatement(TrimControlCharacters(Line), TStatementType::Issue);
}

}  // namespace

void TMainWindowCore::InterpretTranscript() {
  // The flags are on again before the one refresh at the end.
  {
    const TReplayFlags Flags;
    const TWorkingLines L(Platform.TranscriptViewLines());
    Platform.ShowProgressText("Interpreting file", ".");

    constexpr TStatementType Issue = TStatementType::Issue;
    constexpr TStatementType Assumption = TStatementType::Assumption;
    const TLanguage Language = State().Language;

    bool MarkerFound = false;
    LastReplayStop.reset();
    // A refusal from before the replay (Append keeps the line) is not this replay's.
    State().LineOfArgumentation->LimitReached.reset();
    // The entry being replayed starts at Entry; a move past a limit stops the replay there.
    std::size_t Entry = 0;
    const auto Stopped = [&] {
      const TLineOfArgumentation& Line = *State().LineOfArgumentation;
      if (!Line.LimitReached) return false;
      LastReplayStop = TReplayStop{*Line.LimitReached, Line.ArgumentationMoves.Count()};
      return true;
    };
    std::size_t I = 0;
    while (I < L.Count() && !LastReplayStop) {
      if (I % 10 == 0) Platform.AddProgressDot();
      const std::string& T = L[I];
      Entry = I;

      if (T == CurrentPositionKeyword) {
        MarkerFound = true;
        break;
      }
      if (T == StatementKeyword) {
        if (!L.Exists(I + 1)) {
          I += 1;
          continue;
        }
        StatementMove(ReadStatementLine(L[I + 1], Issue));
        if (Stopped()) break;
        I += 2;
      } else if (T == ConclusionKeyword) {
        if (!L.Is(I + 2, ReasonKeyword) || !L.Exists(I + 3)) {
          I += 1;
          continue;
        }
        ReasonConclusionMove(NewConnection(ReadStatementLine(L[I + 3], Issue),
                                           ReadStatementLine(L[I + 1], Assumption)));
        if (Stopped()) break;
        I += 4;
      } else if (T == ExceptionKeyword) {
        if (!L.Is(I + 2, ConclusionKeyword) || !L.Is(I + 4, ReasonKeyword) || !L.Exists(I + 5)) {
          I += 1;
          continue;
        }
        PReasonConclusion C = NewConnection(ReadStatementLine(L[I + 5], Issue),
                                            ReadStatementLine(L[I + 3], Assumption));
        C->Exceptions.Add(ReadStatementLine(L[I + 1], Issue));
        ExceptionMove(C);
        if (Stopped()) break;
        I += 6;
      } else if (T == StepWarrantKeyword || T == UndercutterWarrantKeyword) {
        I += 2;
      } else if (T == IfKeyword) {
        if (!L.Is(I + 2, ThenKeyword) || !L.Exists(I + 3)) {
          I += 1;
          continue;
        }
        if (L[I + 3] == DefeatedKeyword) {
          if (!L.Exists(I + 4)) {
            I += 1;
            continue;
          }
          PReasonConclusion C = NewConnection(TrimmedIssue(L[I + 1]), TrimmedIssue(L[I + 4]));
          C->ConnectionKind = TConnectionKind::Defeating;
          StatementMove(
              NewStatement(StepWarrantSentence(C->Reason->Sentence, C->Conclusion->Sentence,
                                               TConnectionKind::Defeating, Language),
                           Assumption));
          if (Stopped()) break;
          ReasonConclusionMove(C);
          if (Stopped()) break;
          I += 5;
        } else if (L.Is(I + 4, UnlessKeyword)) {
          if (!L.Exists(I + 5)) {
            I += 1;
            continue;
          }
          PReasonConclusion C = NewConnection(TrimmedIssue(L[I + 1]), TrimmedIssue(L[I + 3]));
          C->Exceptions.Add(TrimmedIssue(L[I + 5]));
          ExceptionMove(C);
          if (Stopped()) break;
          I += 6;
        } else {
          PReasonConclusion C = NewConnection(TrimmedIssue(L[I + 1]), TrimmedIssue(L[I + 3]));
          StatementMove(
              NewStatement(StepWarrantSentence(C->Reason->Sentence, C->Conclusion->Sentence,
                                               TConnectionKind::Supporting, Language),
                           Assumption));
          if (Stopped()) break;
          ReasonConclusionMove(C);
          if (Stopped()) break;
          I += 4;
        }
      } else {
        std::string Sentence = TrimControlCharacters(T);
        if (!Sentence.empty()) StatementMove(NewStatement(std::move(Sentence), Assumption));
        if (Stopped()) break;
        I += 1;
      }
    }

    // After the marker, one empty line is the separator that every written file has.
    std::vector<std::string> Forward;
    if (LastReplayStop) {
      Forward = L.From(Entry);
    } else if (MarkerFound) {
      std::size_t K = I + 1;
      if (L.Exists(K) && L[K].empty()) K += 1;
      Forward = L.From(K);
    }
    Platform.SetForwardEnabled(HoldsEntryKeyword(Forward));
    State().ForwardLines = std::move(Forward);
    State().ForwardLinesAreRest = LastReplayStop.has_value();
  }
  RefreshCurrentView();
  if (LastReplayStop) {
    Platform.MessageBoxes().Warning(
        ReplayLimitText(State().Language, LastReplayStop->Limit, LastReplayStop->MovesMade));
    LogUserAction(EvaluationLimitMessage);
  }
}

}  // namespace palaver
