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

// How many bytes of text the arguments and the maximal dialectical arguments of palaver-cli
// evaluate may take. The model shares the parts of its trees, so written out in full they can be
// far larger than anything that evaluates quickly; the rest of the output is as large as the
// line itself.
inline constexpr std::uint64_t JsonTreeByteLimit = 50'000'000;

// What palaver-cli evaluate prints for a line of argumentation: one JSON object with, in this
// order, "language", "moves", "statements", "connections", "arguments",
// "maximal_dialectical_arguments", "forward_lines" and "transcript" (the lines a Save would
// write). Lists follow the current stage's order. The trees ("arguments" and
// "maximal_dialectical_arguments") begin no node, step or undercutter once their text has reached
// TreeByteLimit bytes: from there on their lists end early and a dialectical argument that must
// stand somewhere is null, so they pass the limit by no more than the last node begun and the
// brackets that close what is open. When that cut anything, the object ends with
// "cut": {"byte_limit": TreeByteLimit, "nodes_written": the argument and dialectical-argument
// nodes written, "nodes_in_full": their number in full}. Ends with a line feed.
std::string EvaluationJson(const TLineOfArgumentation& Line,
                           const std::vector<std::string>& ForwardLines, TLanguage Language,
                           bool ForwardLinesAreRest = false,
                           std::uint64_t TreeByteLimit = JsonTreeByteLimit);
// The same text, written to Stream as it is made, a megabyte at a time: the text of a large
// line is never held whole.
void WriteEvaluationJson(std::ostream& Stream, const TLineOfArgumentation& Line,
                         const std::vector<std::string>& ForwardLines, TLanguage Language,
                         bool ForwardLinesAreRest = false,
                         std::uint64_t TreeByteLimit = JsonTreeByteLimit);

// One argument as {"conclusion", "subarguments"} and one dialectical argument as
// {"conclusion", "status", "steps"}, with everything nested in them. Both walk the tree with a
// work list of their own instead of recursion, so the depth of a tree never touches the stack.
void WriteArgument(TJsonWriter& Writer, const TArgument& A);
void WriteDialecticalArgument(TJsonWriter& Writer, const TDialecticalArgument& D);

}  // namespace palaver
