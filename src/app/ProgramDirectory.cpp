#include "app/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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

// An installed program has its desktop entry beside its bin directory. Its directory is the
// system's, not the user's, even for an administrator who happens to be able to write there.
bool IsInstalledProgram(const QString& ExecutableDirectory) {
  return QFileInfo::exists(
      QDir(ExecutableDirectory).filePath(QStringLiteral("../share/applications/palaver.desktop")));
}

}  // namespace

std::string ChooseProgramDirectory(const QString& ExecutableDirectory,
                                   const QString& ConfigDirectory) {
  if (!IsInstalledProgram(ExecutableDirectory) && CanWriteIn(ExecutableDirectory))
    return FromQString(ExecutableDirectory);
  QDir().mkpath(ConfigDirectory);
  return FromQString(ConfigDirectory);
}

std::string ProgramDirectory() {
  return ChooseProgramDirectory(
      QCoreApplication::applicationDirPath(),
      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

}  // namespace palaver
