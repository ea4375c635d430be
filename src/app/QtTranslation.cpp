#include "app/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace palaver {

TQtTranslation::TQtTranslation(QString Directory)
    : Directory(Directory.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                                    : std::move(Directory)) {}

TQtTranslation::~TQtTranslation() {
  if (DutchInstalled) QCoreApplication::removeTranslator(Dutch.get());
}

bool TQtTranslation::Apply(TLanguage Language) {
  if (Language == TLanguage::English) {
    if (DutchInstalled) QCoreApplication::removeTranslator(Dutch.get());
    DutchInstalled = false;
    return true;
  }
  // The file is read once; a switch back to Dutch installs what was read.
  if (!Dutch) {
    Dutch = std::make_unique<QTranslator>();
    DutchLoaded = Dutch->load(QStringLiteral("qtbase_nl"), Directory);
  }
  if (DutchLoaded && !DutchInstalled)
    DutchInstalled = QCoreApplication::installTranslator(Dutch.get());
  return DutchInstalled;
}

}  // namespace palaver
