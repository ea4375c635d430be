#pragma once

#include <string>
#include <vector>

#include "model/Statement.h"
#include "session/Language.h"

namespace palaver {

// What the replay of a transcript does with each entry it reads: the main window's move
// operations, or whatever stands in for them. A move past an evaluation limit stops the replay.
class TReplayMoves {
 public:
  virtual ~TReplayMoves() = default;
  virtual void StatementMove(const PStatement& S) = 0;
  virtual void ReasonConclusionMove(const PReasonConclusion& C) = 0;
  virtual void ExceptionMove(const PReasonConclusion& C) = 0;
  // True once the last move was refused past an evaluation limit: the replay stops at its entry.
  virtual bool Stopped() const = 0;
  // Called at every line whose number is a multiple of ten, before it is read.
  virtual void Progress() {}
};

// How a replay ended.
struct TReplayEnd {
  // Stopped at a move past an evaluation limit: Rest holds that move's entry and every line
  // after it, as they stand. Otherwise Rest holds the lines after "CURRENT POSITION" less the
  // one empty line that follows the marker, or nothing when the text has no marker.
  bool Stopped = false;
  std::vector<std::string> Rest;
};

// Replays the lines entry by entry, in text order, up to "CURRENT POSITION": statement,
// reason/conclusion and exception entries, the hand-typed "IF" forms (whose warrant sentences are
// built in Language), and any other non-blank line as an Assumption. An entry cut short is passed
// over line by line; no text is an error.
TReplayEnd ReplayTranscriptLines(const std::vector<std::string>& Lines, TLanguage Language,
                                 TReplayMoves& Moves);

}  // namespace palaver
