#include "app/devicetext.h"

namespace trx::app {

QString ShortEssid(const QString& essid) { return essid.size() <= 15 ? essid : essid.left(12) + "..."; }

}  // namespace trx::app
