#pragma once

#include <string>
#include <vector>

#include "views/DiagramPicture.h"

namespace palaver {

// One place in a drawing where a change shows: Box is the box of the statement itself, Whole the
// part of the drawing worth seeing with it (for a step, from its conclusion's box down to Box).
struct TDiagramFocus {
  TDiagramRect Whole;
  TDiagramRect Box;
};

// The places in Picture where a move's change shows, in drawing order, found by sentence:
// - only Statement given (a statement move): every box of that statement;
// - Conclusion too (a reason/conclusion move): every box of the reason Statement drawn as the
//   reason of a step to Conclusion, with that conclusion's box;
// - Conclusion and Reason too (an exception move): every box of the exception Statement drawn
//   as an exception to the step from Reason to Conclusion, with the conclusion's box.
// When the drawing has no such step (the statements drawing has none), the boxes of Statement.
std::vector<TDiagramFocus> ChangedBoxes(const TDiagramPicture& Picture,
                                        const std::string& Statement,
                                        const std::string& Conclusion = {},
                                        const std::string& Reason = {});

}  // namespace palaver
