#include "link/udpsocket.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QVariant>
#if defined(__linux__)
#include <sys/socket.h>
#endif
#include <vector>

namespace trx::link {

bool InPrivateNetworkNamespace() {
  for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
    if (i.flags().testFlag(QNetworkInterface::IsLoopBack) || i.name().startsWith("trx")) continue;
    return false;
  }
  return true;
}

TZEL_UDPSocket::TZEL_UDPSocket(QObject* parent) : QObject(parent) {
  setObjectName("ZEL_UDPSocket1");
  connect(&socket_, &QUdpSocket::readyRead, this, &TZEL_UDPSocket::ReadPending);
}

bool TZEL_UDPSocket::IsOpen() const { return socket_.state() == QAbstractSocket::BoundState; }

bool TZEL_UDPSocket::Open() {
  if (IsOpen() && socket_.localPort() == lclPort) return true;
  if (IsOpen()) socket_.close();
  const QHostAddress local = LclAddr.isEmpty() ? QHostAddress(QHostAddress::AnyIPv4) : QHostAddress(LclAddr);
  if (!socket_.bind(local, static_cast<quint16>(lclPort),
                    QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint))
    return false;

  socket_.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, kReceiveBufferBytes);
  receiveBufferSize_ = socket_.socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toInt();
#ifdef SO_RCVBUFFORCE
  // The system caps an ordinary request at its own maximum; a privileged process may go past it.
  if (receiveBufferSize_ < kReceiveBufferBytes) {
    const int wanted = kReceiveBufferBytes;
    if (::setsockopt(static_cast<int>(socket_.socketDescriptor()), SOL_SOCKET, SO_RCVBUFFORCE, &wanted,
                     sizeof wanted) == 0)
      receiveBufferSize_ = socket_.socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toInt();
  }
#endif
  return true;
}

int TZEL_UDPSocket::SendBuffer(const std::uint16_t* buffer, int count) {
  if (buffer == nullptr || count <= 0) return 0;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(buffer[i] & 0xFF);
  return SendBytes(bytes.data(), count);
}

int TZEL_UDPSocket::SendBytes(const std::uint8_t* bytes, int count) {
  if (bytes == nullptr || count < 0) return 0;
  // An unopened socket still sends, from an ephemeral port, as a plain socket would.
  return static_cast<int>(socket_.writeDatagram(reinterpret_cast<const char*>(bytes), count, QHostAddress(RmtAddr),
                                                static_cast<quint16>(rmtPort)));
}

void TZEL_UDPSocket::Close() { socket_.close(); }

void TZEL_UDPSocket::ReadPending() {
  // Read everything that is queued now, so that one readiness event never leaves datagrams behind.
  std::vector<std::uint8_t> data;
  while (socket_.hasPendingDatagrams()) {
    const qint64 size = socket_.pendingDatagramSize();
    data.resize(static_cast<std::size_t>(size > 0 ? size : 0) + 1);
    const qint64 got = socket_.readDatagram(reinterpret_cast<char*>(data.data()), static_cast<qint64>(data.size()));
    if (got < 0) break;
    if (OnRecv) OnRecv(this, data.data(), static_cast<int>(got));
  }
}

}  // namespace trx::link
