// The replay of a transcript's entries into moves.

#include "transcript/TranscriptInterpreter.h"

#include <cstddef>
#include <string>
#include <vector>

#include "model/WarrantSentences.h"
#include "transcript/TranscriptFormat.h"

namespace palaver {

namespace {

// The working list with bounds-checked access: a line past the end is never a keyword, so an
// entry cut short by the end of the text counts as incomplete.
class TWorkingLines {
 public:
  explicit TWorkingLines(const std::vector<std::string>& Lines) : Lines(Lines) {}
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
  const std::vector<std::string>& Lines;
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

TReplayEnd ReplayTranscriptLines(const std::vector<std::string>& Lines, TLanguage Language,
                                 TReplayMoves& Moves) {
  const TWorkingLines L(Lines);
  constexpr TStatementType Issue = TStatementType::Issue;
  constexpr TStatementType Assumption = TStatementType::Assumption;

  bool MarkerFound = false;
  bool Stopped = false;
  // The entry being replayed starts at Entry; a move past a limit stops the replay there.
  std::size_t Entry = 0;
  const auto Stop = [&] { return Stopped = Moves.Stopped(); };
  std::size_t I = 0;
  while (I < L.Count()) {
    if (I % 10 == 0) Moves.Progress();
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
      Moves.StatementMove(ReadStatementLine(L[I + 1], Issue));
      if (Stop()) break;
      I += 2;
    } else if (T == ConclusionKeyword) {
      if (!L.Is(I + 2, ReasonKeyword) || !L.Exists(I + 3)) {
        I += 1;
        continue;
      }
      Moves.ReasonConclusionMove(NewConnection(ReadStatementLine(L[I + 3], Issue),
                                               ReadStatementLine(L[I + 1], Assumption)));
      if (Stop()) break;
      I += 4;
    } else if (T == ExceptionKeyword) {
      if (!L.Is(I + 2, ConclusionKeyword) || !L.Is(I + 4, ReasonKeyword) || !L.Exists(I + 5)) {
        I += 1;
        continue;
      }
      PReasonConclusion C = NewConnection(ReadStatementLine(L[I + 5], Issue),
                                          ReadStatementLine(L[I + 3], Assumption));
      C->Exceptions.Add(ReadStatementLine(L[I + 1], Issue));
      Moves.ExceptionMove(C);
      if (Stop()) break;
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
        Moves.StatementMove(
            NewStatement(StepWarrantSentence(C->Reason->Sentence, C->Conclusion->Sentence,
                                             TConnectionKind::Defeating, Language),
                         Assumption));
        if (Stop()) break;
        Moves.ReasonConclusionMove(C);
        if (Stop()) break;
        I += 5;
      } else if (L.Is(I + 4, UnlessKeyword)) {
        if (!L.Exists(I + 5)) {
          I += 1;
          continue;
        }
        PReasonConclusion C = NewConnection(TrimmedIssue(L[I + 1]), TrimmedIssue(L[I + 3]));
        C->Exceptions.Add(TrimmedIssue(L[I + 5]));
        Moves.ExceptionMove(C);
        if (Stop()) break;
        I += 6;
      } else {
        PReasonConclusion C = NewConnection(TrimmedIssue(L[I + 1]), TrimmedIssue(L[I + 3]));
        Moves.StatementMove(
            NewStatement(StepWarrantSentence(C->Reason->Sentence, C->Conclusion->Sentence,
                                             TConnectionKind::Supporting, Language),
                         Assumption));
        if (Stop()) break;
        Moves.ReasonConclusionMove(C);
        if (Stop()) break;
        I += 4;
      }
    } else {
      std::string Sentence = TrimControlCharacters(T);
      if (!Sentence.empty()) {
        Moves.StatementMove(NewStatement(std::move(Sentence), Assumption));
        if (Stop()) break;
      }
      I += 1;
    }
  }

  TReplayEnd End;
  End.Stopped = Stopped;
  if (Stopped) {
    End.Rest = L.From(Entry);
  } else if (MarkerFound) {
    // After the marker, one empty line is the separator that every written file has.
    std::size_t K = I + 1;
    if (L.Exists(K) && L[K].empty()) K += 1;
    End.Rest = L.From(K);
  }
  return End;
}

}  // namespace palaver
