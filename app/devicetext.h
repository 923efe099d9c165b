#pragma once
// Texts as the device stores them: single bytes of the Windows ANSI code page.
#include <QString>
#include <string>
#include <string_view>

namespace trx::app {

QString FromDevice(std::string_view bytes);
// Characters the code page cannot hold never reach here: the fields refuse them as typed.
std::string ToDevice(const QString& text);

// An ESSID where space is short: whole up to 15 characters, else its first 12 and "...".
QString ShortEssid(const QString& essid);

}  // namespace trx::app
