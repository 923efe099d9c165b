#include "link/devicetext.h"

#include "link/cp1252.h"

namespace trx::link {

QString FromDevice(std::string_view bytes) { return QString::fromStdU16String(DeviceToUnicode(bytes)); }

std::string ToDevice(const QString& text) { return *UnicodeToDevice(text.toStdU16String(), '?'); }

std::string Utf8FromDevice(std::string_view bytes) { return DeviceToUtf8(bytes); }

std::optional<std::string> DeviceFromUtf8(std::string_view utf8) {
  return UnicodeToDevice(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toStdU16String());
}

}  // namespace trx::link
