#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/JsonWriter.h"
#include "line/LineOfArgumentation.h"
#include "model/Argument.h"
#include "model/DialecticalArgument.h"
#include "session/Language.h"

namespace palaver {

// The most argument and dialectical-argument nodes that palaver-cli evaluate writes: about 50 MB
// of JSON. The model shares the parts of its trees, so written out in full they can be far
// larger than anything that evaluates quickly.
inline constexpr std::uint64_t JsonNodeLimit = 250'000;

// What palaver-cli evaluate prints for a line of argumentation: one JSON object with, in this
// order, "language", "moves", "statements", "connections", "arguments",
// "maximal_dialectical_arguments", "forward_lines" and "transcript" (the lines a Save would
// write). Lists follow the current stage's order. When the arguments and the maximal
// dialectical arguments together have more than Limit nodes, the trees stop there (a list ends
// early, a missing dialectical argument is null) and the object ends with
// "cut": {"limit": Limit, "total": the number of nodes in full}. Ends with a line feed.
std::string EvaluationJson(const TLineOfArgumentation& Line,
                           const std::vector<std::string>& ForwardLines, TLanguage Language,
                           bool ForwardLinesAreRest = false, std::uint64_t Limit = JsonNodeLimit);
// The same text, written to Stream as it is made, a megabyte at a time: the text of a large
// line is never held whole.
void WriteEvaluationJson(std::ostream& Stream, const TLineOfArgumentation& Line,
                         const std::vector<std::string>& ForwardLines, TLanguage Language,
                         bool ForwardLinesAreRest = false, std::uint64_t Limit = JsonNodeLimit);

// One argument as {"conclusion", "subarguments"} and one dialectical argument as
// {"conclusion", "status", "steps"}, with everything nested in them. Both walk the tree with a
// work list of their own instead of recursion, so the depth of a tree never touches the stack.
void WriteArgument(TJsonWriter& Writer, const TArgument& A);
void WriteDialecticalArgument(TJsonWriter& Writer, const TDialecticalArgument& D);

}  // namespace palaver
