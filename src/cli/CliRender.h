#pragma once

#include "cli/CommandLine.h"
#include "model/ArgumentationStage.h"

namespace palaver {

// Draws the stage as the window's paint surface would show it for the command's view, width and
// "Show structure only", through the window's own layout and painter, and writes it to the
// command's output file (replaced safely). Throws TPlatformError "Unable to write to <path>" when
// the drawing cannot be made and "Cannot create file <path>" when the file cannot be written.
// Needs a QGuiApplication.
// The greatest height of a drawing written to a file: 32,000 pixels, which image programs open
// (about 1,100 one-line boxes). A taller drawing stops there with its last box saying how many
// boxes it leaves out.
inline constexpr int RenderHeightLimit = 32'000;

void RenderStage(const TCliCommand& Command, const TArgumentationStage& Stage);

}  // namespace palaver
