#pragma once
// The network interfaces a broadcast goes out on. A limited broadcast leaves the system only
// through the interface that the routing table picks for 255.255.255.255; an access point
// cabled to any other adapter would never hear it, so each other adapter gets a copy.
#include <QList>
#include <QNetworkInterface>
#include <QString>

namespace trx::link {

// The index of the interface that the routing table picks for 255.255.255.255, or 0 when
// there is no such route or this system does not tell.
int RoutedBroadcastInterface();

// The interfaces that get a copy of each broadcast besides the routed send: up, not
// loopback, able to broadcast, and not the routed interface. Read afresh on every call.
QList<QNetworkInterface> OtherBroadcastInterfaces();

}  // namespace trx::link
