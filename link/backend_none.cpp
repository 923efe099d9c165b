// A system with no socket backend of its own: Qt's sockets serve, and the system does not
// tell what it dropped.
#include "link/backend.h"

namespace trx::link {

std::unique_ptr<SocketBackend> MakeNativeBackend(UdpSocket*, SystemFaults) { return nullptr; }

long long ReceiveDrops(qintptr) { return -1; }

}  // namespace trx::link
