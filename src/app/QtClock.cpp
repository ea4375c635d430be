#include "app/QtClock.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include "views/QtText.h"

namespace palaver {

std::string TQtClock::TimeText() const {
  return FromQString(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
}

std::string TQtClock::DateText() const {
  return FromQString(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

}  // namespace palaver
