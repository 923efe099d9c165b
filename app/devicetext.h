#pragma once
// The device's texts where the form is short of space.
#include <QString>

namespace trx::app {

// An ESSID where space is short: whole up to 15 characters, else its first 12 and "...".
QString ShortEssid(const QString& essid);

}  // namespace trx::app
