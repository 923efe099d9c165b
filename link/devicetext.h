#pragma once
// Texts as the device stores them, single bytes of the Windows ANSI code page, as the wizard's
// Qt texts and trx61ctl's UTF-8.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace trx::link {

QString FromDevice(std::string_view bytes);
// A character the code page cannot hold becomes '?': the wizard's fields refuse such
// characters as they are typed, so none reaches here.
std::string ToDevice(const QString& text);

std::string Utf8FromDevice(std::string_view bytes);
// Nothing when a character cannot be stored.
std::optional<std::string> DeviceFromUtf8(std::string_view utf8);

}  // namespace trx::link
