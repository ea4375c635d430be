#include "cli/ExportFormats.h"
#include "session/PlatformError.h"
#include "session/WholeFile.h"

namespace palaver {

std::string ExportText(const TExportGraph& Graph, TExportFormat Format) {
  switch (Format) {
    case TExportFormat::Aif:
      return AifJson(Graph);
    case TExportFormat::Argdown:
      return ArgdownText(Graph);
    case TExportFormat::Dot:
      return DotText(Graph);
  }
  return {};
}

void WriteExportFile(const std::string& Path, const std::string& Bytes) {
  if (!ReplaceFileSafely(Path, Bytes)) throw TPlatformError(CannotCreateFileMessage(Path));
}

}  // namespace palaver
