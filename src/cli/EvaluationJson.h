#pragma once

#include <string>
#include <vector>

#include "cli/JsonWriter.h"
#include "line/LineOfArgumentation.h"
#include "model/Argument.h"
#include "model/DialecticalArgument.h"
#include "model/Language.h"

namespace palaver {

// What palaver-cli evaluate prints for a line of argumentation: one JSON object with, in this
// order, "language", "moves", "statements", "connections", "arguments",
// "maximal_dialectical_arguments", "forward_lines" and "transcript" (the lines a Save would
// write). Lists follow the current stage's order. Ends with a line feed.
std::string EvaluationJson(const TLineOfArgumentation& Line,
                           const std::vector<std::string>& ForwardLines, TLanguage Language);

// One argument as {"conclusion", "subarguments"} and one dialectical argument as
// {"conclusion", "status", "steps"}, with everything nested in them. Both walk the tree with a
// work list of their own instead of recursion, so the depth of a tree never touches the stack.
void WriteArgument(TJsonWriter& Writer, const TArgument& A);
void WriteDialecticalArgument(TJsonWriter& Writer, const TDialecticalArgument& D);

}  // namespace palaver
