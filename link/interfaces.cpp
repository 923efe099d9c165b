#include "link/interfaces.h"

#include <QFile>
#include <QStringList>

namespace trx::link {

#if defined(__linux__)
namespace {

// A line of /proc/net/route split at white space.
QList<QByteArray> Columns(const QByteArray& line) { return line.simplified().split(' '); }

}  // namespace
#endif

int RoutedBroadcastInterface() {
#if defined(__linux__)
  // The main routing table: the longest prefix that holds 255.255.255.255, then the lowest metric.
  QFile routes("/proc/self/net/route");
  if (!routes.open(QIODevice::ReadOnly)) return 0;
  routes.readLine();  // the heading
  QByteArray best;
  int bestPrefix = -1;
  unsigned bestMetric = 0;
  for (QByteArray line = routes.readLine(); !line.isEmpty(); line = routes.readLine()) {
    const QList<QByteArray> c = Columns(line);
    if (c.size() < 8) continue;
    bool ok1 = false, ok2 = false, ok3 = false, ok4 = false;
    const unsigned destination = c[1].toUInt(&ok1, 16);
    const unsigned flags = c[3].toUInt(&ok2, 16);
    const unsigned metric = c[6].toUInt(&ok3, 10);
    const unsigned mask = c[7].toUInt(&ok4, 16);
    constexpr unsigned kRouteUp = 0x1;
    if (!(ok1 && ok2 && ok3 && ok4) || !(flags & kRouteUp) || (0xFFFFFFFFu & mask) != destination) continue;
    const int prefix = __builtin_popcount(mask);
    if (prefix > bestPrefix || (prefix == bestPrefix && metric < bestMetric)) {
      best = c[0];
      bestPrefix = prefix;
      bestMetric = metric;
    }
  }
  return best.isEmpty() ? 0 : QNetworkInterface::interfaceIndexFromName(QString::fromLatin1(best));
#else
  return 0;
#endif
}

QList<QNetworkInterface> OtherBroadcastInterfaces() {
  const int routed = RoutedBroadcastInterface();
  QList<QNetworkInterface> out;
  for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
    const auto f = i.flags();
    if (!f.testFlag(QNetworkInterface::IsUp) || f.testFlag(QNetworkInterface::IsLoopBack) ||
        !f.testFlag(QNetworkInterface::CanBroadcast) || i.index() == routed || i.index() <= 0)
      continue;
    out.push_back(i);
  }
  return out;
}

}  // namespace trx::link
