#pragma once

#include "model/Statement.h"

namespace palaver {

class TMessageBoxes;

// What a line of argumentation needs from the main window: the message boxes for its questions,
// and the transcript deletions to which a confirmed deletion is handed. A transcript deletion
// replaces the program's line of argumentation while the line that asked is still in its call;
// the caller of the line keeps it alive until the call returns.
class TLineOfArgumentationHost {
 public:
  virtual ~TLineOfArgumentationHost() = default;

  virtual TMessageBoxes& MessageBoxes() = 0;
  virtual void DeleteStatementFromTranscript(const TStatement& S) = 0;
  virtual void DeleteReasonConclusionFromTranscript(const TReasonConclusion& C) = 0;
  virtual void DeleteExceptionFromTranscript(const TReasonConclusion& C) = 0;
};

}  // namespace palaver
