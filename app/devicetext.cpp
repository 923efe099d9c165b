#include "app/devicetext.h"

#include "link/cp1252.h"

namespace trx::app {

QString FromDevice(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (const char b : bytes) text += QChar(link::Cp1252ToUnicode(static_cast<std::uint8_t>(b)));
  return text;
}

std::string ToDevice(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (const QChar c : text) bytes += static_cast<char>(link::UnicodeToCp1252(c.unicode()).value_or('?'));
  return bytes;
}

QString ShortEssid(const QString& essid) { return essid.size() <= 15 ? essid : essid.left(12) + "..."; }

}  // namespace trx::app
