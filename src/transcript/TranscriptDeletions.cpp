// The transcript edits behind the dialogs' Delete buttons.

#include "transcript/TranscriptDeletions.h"

#include <deque>
#include <string>
#include <vector>

#include "transcript/TranscriptFormat.h"

namespace palaver {

namespace {

// The edits walk the transcript line by line, and each one changes only the few lines at and
// just after the current line, which the walk then sees as changed. Done holds the lines the
// walk has passed; Ahead holds the rest, the current line first, so that every edit is cheap
// however long the transcript is.
class TTranscriptEdit {
 public:
  explicit TTranscriptEdit(const std::vector<std::string>& Lines)
      : Ahead(Lines.begin(), Lines.end()) {
    Done.reserve(Lines.size());
  }

  bool AtEnd() const { return Ahead.empty(); }
  // Line I counted from the current line.
  const std::string& Line(std::size_t I) const { return Ahead[I]; }
  bool Is(std::size_t I, const char* Keyword) const {
    return I < Ahead.size() && Ahead[I] == Keyword;
  }
  // Whether line I exists and reads as a statement line of Sentence.
  bool HasSentence(std::size_t I, const std::string& Sentence) const {
    return I < Ahead.size() && DeletionSentence(Ahead[I]) == Sentence;
  }
  std::size_t Available() const { return Ahead.size(); }

  void Replace(std::size_t I, const char* Text) { Ahead[I] = Text; }
  void Insert(std::size_t I, const char* Text) {
    Ahead.insert(Ahead.begin() + static_cast<long>(I), Text);
  }
  void Erase(std::size_t I, std::size_t Count) {
    const auto First = Ahead.begin() + static_cast<long>(I);
    Ahead.erase(First, First + static_cast<long>(Count));
  }
  void Advance() {
    Done.push_back(std::move(Ahead.front()));
    Ahead.pop_front();
  }
  std::vector<std::string> Result() && { return std::move(Done); }

 private:
  std::vector<std::string> Done;
  std::deque<std::string> Ahead;
};

// One step of the statement deletion at the current line T.
void DeleteStatementAt(TTranscriptEdit& E, const std::string& T, const std::string& S) {
  if (T == StatementKeyword) {
    // The entry's empty line stays.
    if (E.HasSentence(1, S)) E.Erase(0, 2);
  } else if (T == ConclusionKeyword) {
    if (E.HasSentence(1, S) && E.Available() >= 3) {
      // Without its conclusion the entry becomes a statement entry of the reason.
      E.Erase(0, 3);
      E.Insert(0, StatementKeyword);
    } else if (E.HasSentence(3, S)) {
      E.Replace(0, StatementKeyword);
      E.Erase(2, 2);
    }
  } else if (T == ExceptionKeyword) {
    if (E.HasSentence(1, S)) {
      // A reason/conclusion entry remains.
      E.Erase(0, 2);
    } else if (E.HasSentence(3, S) && E.Available() >= 5) {
      // The exception, then the reason, as statement entries.
      E.Replace(0, StatementKeyword);
      E.Erase(2, 3);
      E.Insert(2, StatementKeyword);
    } else if (E.HasSentence(5, S)) {
      // The exception, then the conclusion, as statement entries.
      E.Replace(0, StatementKeyword);
      E.Replace(2, StatementKeyword);
      E.Erase(4, 2);
    }
  }
}

}  // namespace

std::vector<std::string> StatementLinesDeleted(const std::vector<std::string>& Lines,
                                               const std::string& Sentence) {
  TTranscriptEdit E(Lines);
  while (!E.AtEnd()) {
    const std::string T = E.Line(0);
    DeleteStatementAt(E, T, Sentence);
    if (E.AtEnd()) break;
    E.Advance();
  }
  return std::move(E).Result();
}

std::vector<std::string> ReasonConclusionLinesDeleted(const std::vector<std::string>& Lines,
                                                      const std::string& Reason,
                                                      const std::string& Conclusion) {
  TTranscriptEdit E(Lines);
  for (; !E.AtEnd(); E.Advance()) {
    if (E.Is(0, ConclusionKeyword) && E.HasSentence(1, Conclusion) && E.HasSentence(3, Reason)) {
      // Two statement entries: the conclusion, then the reason.
      E.Replace(0, StatementKeyword);
      E.Insert(2, "");
      E.Replace(3, StatementKeyword);
    } else if (E.Is(0, ExceptionKeyword) && E.HasSentence(3, Conclusion) &&
               E.HasSentence(5, Reason)) {
      // Three statement entries: the exception, the conclusion and the reason.
      E.Replace(0, StatementKeyword);
      E.Replace(2, StatementKeyword);
      E.Insert(4, "");
      E.Replace(5, StatementKeyword);
    }
  }
  return std::move(E).Result();
}

std::vector<std::string> ExceptionLinesDeleted(const std::vector<std::string>& Lines,
                                               const std::string& Exception,
                                               const std::string& Reason,
                                               const std::string& Conclusion) {
  TTranscriptEdit E(Lines);
  for (; !E.AtEnd(); E.Advance()) {
    if (E.Is(0, ExceptionKeyword) && E.HasSentence(1, Exception) && E.HasSentence(3, Conclusion) &&
        E.HasSentence(5, Reason)) {
      // A statement entry of the exception, then the connection's own entry.
      E.Replace(0, StatementKeyword);
      E.Insert(2, "");
    }
  }
  return std::move(E).Result();
}

}  // namespace palaver
