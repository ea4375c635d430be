#pragma once

#include "cli/CommandLine.h"
#include "model/ArgumentationStage.h"
#include "views/DiagramExport.h"

namespace palaver {

// Draws the stage as the window's paint surface would show it for the command's view, width and
// "Show structure only", through the window's own layout and painter, and writes it to the
// command's output file (replaced safely). Throws TPlatformError "Unable to write to <path>" when
// the drawing cannot be made and "Cannot create file <path>" when the file cannot be written.
// Needs a QGuiApplication.
// The greatest height of a drawing written to a file, the window's export's as well.
inline constexpr int RenderHeightLimit = ImageHeightLimit;

void RenderStage(const TCliCommand& Command, const TArgumentationStage& Stage);

}  // namespace palaver
