#include "app/devicetext.h"

#include "link/cp1252.h"

namespace trx::app {

QString FromDevice(std::string_view bytes) { return QString::fromStdU16String(link::DeviceToUnicode(bytes)); }

std::string ToDevice(const QString& text) { return *link::UnicodeToDevice(text.toStdU16String(), '?'); }

QString ShortEssid(const QString& essid) { return essid.size() <= 15 ? essid : essid.left(12) + "..."; }

}  // namespace trx::app
