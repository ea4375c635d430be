#pragma once

#include <string>

#include "model/ArgumentationStage.h"

namespace palaver::bench {

enum class TShape { Chain, Tree, Unconnected };
enum class TMoveKind { Statement, ReasonConclusion, Exception };

const char* ShapeName(TShape Shape);
const char* MoveName(TMoveKind Kind);

// A recomputed stage of about N statements in the given shape, built by filling its lists
// directly (building it by moves would cost N moves of the kind being measured).
PArgumentationStage BuildStage(TShape Shape, int N);

// One move of the given kind on Stage, with new objects each time: a new statement; a new reason
// for the stage's first statement; a new exception on the stage's first connection (or, when the
// stage has none, on a new connection between its first two statements).
PArgumentationStage MakeMove(const TArgumentationStage& Stage, TMoveKind Kind);

// Undoes what MakeMove changed in objects that Stage shares (an exception appended to an
// existing connection), so the next move starts from the same stage.
void RestoreStage(const TArgumentationStage& Stage, TMoveKind Kind);

}  // namespace palaver::bench
