#include "app/gui/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "views/QtText.h"

namespace palaver {

namespace {

// Whether a file can be made in Directory; trying is the only answer that also holds for
// read-only mounts and access control lists.
bool CanWriteIn(const QString& Directory) {
  if (Directory.isEmpty() || !QDir(Directory).exists()) return false;
  QTemporaryFile Probe(QDir(Directory).filePath(QStringLiteral(".palaver-probe-XXXXXX")));
  return Probe.open();
}

}  // namespace

std::string ChooseProgramDirectory(const QString& ExecutableDirectory,
                                   const QString& ConfigDirectory) {
  if (CanWriteIn(ExecutableDirectory)) return FromQString(ExecutableDirectory);
  QDir().mkpath(ConfigDirectory);
  return FromQString(ConfigDirectory);
}

std::string ProgramDirectory() {
  return ChooseProgramDirectory(
      QCoreApplication::applicationDirPath(),
      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

}  // namespace palaver
