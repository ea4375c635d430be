#pragma once

#include <string>
#include <vector>

#include "model/ArgumentationStage.h"

namespace palaver::bench {

// One move of a generated argumentation, as the transcript and the moves have it.
struct TPlannedMove {
  enum class TKind { Statement, ReasonConclusion, Exception };
  TKind Kind = TKind::Statement;
  // Statement: the statement. Reason/conclusion: conclusion, reason. Exception: exception,
  // conclusion, reason.
  std::vector<std::string> Sentences;
  std::vector<TStatementType> Types;
};

// The argumentation the speed targets are set for, about Statements statements, the same for
// the same seed: a tree of reasons up to eight levels deep, built top-down, in which about 1 %
// of the leaf reasons also support a second conclusion; the step warrant (an Assumption, now and
// then an Issue) put forward on about half of the connections, after the connection, as the
// dialogs do; a new statement as exception on about a fifth of them.
std::vector<TPlannedMove> TargetArgumentation(int Statements, unsigned Seed = 1);

// K Issues, each a reason for every other one; then Exceptions new Issues, each an exception on
// one of those connections in turn, and Statements new Issues on their own.
std::vector<TPlannedMove> FullyConnectedIssues(int K, int Exceptions = 0, int Statements = 0);

// N Issues in a ring, each a reason for the next, and a chord from every second one to the third
// one after it: N + N / 2 connections.
std::vector<TPlannedMove> RingWithChords(int N);

// A chain of Levels levels below one Issue: every statement on it has two reasons that share a
// reason of their own, which is the next level's statement. Acyclic; 4 connections a level.
std::vector<TPlannedMove> PairedReasonChain(int Levels);

// One of the shapes above by name: "target:N" (about N statements), "full:K" (with "+x:N" for
// exceptions and "+s:N" for statements after it, e.g. "full:5+x:40"), "ring:N", "chain:L".
// Empty for a name it does not know.
std::vector<TPlannedMove> NamedShape(const std::string& Name);

// The moves as transcript lines (the entries a line of argumentation writes).
std::vector<std::string> TranscriptLines(const std::vector<TPlannedMove>& Moves);

// A stage holding the moves' statements and connections, filled in directly and recomputed
// once (making the moves one by one would cost the reference model far too long).
PArgumentationStage StageOf(const std::vector<TPlannedMove>& Moves);

}  // namespace palaver::bench
