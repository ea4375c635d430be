#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace palaver {

// Model text is a byte string; Qt's is UTF-16. Every crossing of that boundary goes through this
// pair, so the encoding is decided in one place.
inline QString ToQString(std::string_view Text) {
  return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

inline std::string FromQString(const QString& Text) {
  const QByteArray Bytes = Text.toUtf8();
  return std::string(Bytes.constData(), static_cast<std::size_t>(Bytes.size()));
}

}  // namespace palaver
