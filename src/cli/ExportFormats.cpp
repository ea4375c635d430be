#include <QSaveFile>

#include "cli/ExportFormats.h"
#include "session/PlatformError.h"
#include "views/QtText.h"

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
  QSaveFile File(ToQString(Path));
  if (!File.open(QIODevice::WriteOnly)) throw TPlatformError(CannotCreateFileMessage(Path));
  const auto Size = static_cast<qint64>(Bytes.size());
  if (File.write(Bytes.data(), Size) != Size) {
    File.cancelWriting();
    throw TPlatformError(UnableToWriteToMessage(Path));
  }
  if (!File.commit()) throw TPlatformError(UnableToWriteToMessage(Path));
}

}  // namespace palaver
