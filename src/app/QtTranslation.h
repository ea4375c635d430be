#pragma once

#include <QString>
#include <memory>

#include "session/Language.h"

class QTranslator;

namespace palaver {

// Qt's own texts in the program's language: the buttons of the message boxes, the file dialogs,
// the editing menus of text fields. Qt writes them in English and ships their Dutch in
// qtbase_nl.qm among its translations; Palaver's own captions and messages do not go through it.
class TQtTranslation {
 public:
  // Empty: Qt's own translations directory.
  explicit TQtTranslation(QString Directory = {});
  ~TQtTranslation();
  TQtTranslation(const TQtTranslation&) = delete;
  TQtTranslation& operator=(const TQtTranslation&) = delete;

  // Dutch installs the Dutch translation for the whole application; English removes it again,
  // so Qt speaks its own English. When the translation file is missing or unreadable, Qt stays
  // English and nothing is reported: the program works the same, only its buttons say "Yes".
  // True when Qt now speaks Language.
  bool Apply(TLanguage Language);

 private:
  QString Directory;
  std::unique_ptr<QTranslator> Dutch;
  bool DutchLoaded = false;
  bool DutchInstalled = false;
};

}  // namespace palaver
