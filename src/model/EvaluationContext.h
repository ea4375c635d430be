#pragma once

#include <cstdint>
#include <memory>

#include "model/EvaluationLimit.h"
#include "session/Language.h"

namespace palaver {

// What the evaluation of a stage depends on besides the stage itself. A line of argumentation
// owns one and hands it to every move it makes; a stage filled in by hand is evaluated with the
// one it was made with.
// - Language: warrant sentences are built in it, so it decides which statements are recognised
//   as warrants.
// - Limits: how many dialectical arguments and comparisons one stage may cost.
// - A count of the times statuses were written into the statements of the stages evaluated
//   with this context. The statements are shared between the stages of a line, so a history
//   that finds the count moved on since its own last write knows that somebody else has
//   written statuses since, and does not rely on the ones it left. Copies of a context share
//   the count; a context made anew starts a count of its own.
class TEvaluationContext {
 public:
  TEvaluationContext() = default;
  explicit TEvaluationContext(TLanguage Language, TEvaluationLimits Limits = {})
      : Language(Language), Limits(Limits) {}

  TLanguage Language = TLanguage::English;
  TEvaluationLimits Limits;
  // Moves made with Deferred check the limits and note what they change, but leave the
  // dialectical arguments to be worked out when they are read and the statuses to be written
  // when the stage is evaluated (TArgumentationStage::EvaluateNow). A replay makes its moves so
  // and evaluates only the stage it ends on.
  bool Deferred = false;

  std::uint64_t StatusWrites() const { return *Writes; }
  // Notes that statuses were written; returns the new count.
  std::uint64_t CountStatusWrites() const { return ++*Writes; }
  bool SharesStatusWritesWith(const TEvaluationContext& Other) const {
    return Writes == Other.Writes;
  }

 private:
  std::shared_ptr<std::uint64_t> Writes = std::make_shared<std::uint64_t>(0);
};

}  // namespace palaver
