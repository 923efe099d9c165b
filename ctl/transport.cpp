#include "ctl/transport.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkInterface>
#include <QTimer>
#include <string>

namespace trx::ctl {

UdpTransport::UdpTransport() {
  socket_.lclPort = link::kPort;
  socket_.rmtPort = link::kPort;
  socket_.RmtAddr = link::kBroadcastAddress;
  socket_.SetAcceptedHeaders(
      {std::string(link::kReplySignature), std::string(link::kAckHeader), std::string(link::kSettingsHeader)});
  // Nothing past a reply's record is read: a flood of large datagrams costs no more than
  // that each.
  socket_.SetLargestKept(static_cast<int>(link::kSmallestReply));
  QObject::connect(&socket_, &link::UdpSocket::OnRecv, &socket_, [this](QObject*, const std::uint8_t* buf, int len) {
    Deliver(link::ByteView(buf, static_cast<std::size_t>(len)), socket_.CurrentSource(), socket_.CurrentInterface());
  });
}

bool UdpTransport::Open() {
  own_ = QNetworkInterface::allAddresses();
  return socket_.Open();
}

bool UdpTransport::Own(const QHostAddress& address) const { return own_.contains(address); }

void UdpTransport::Send(const QHostAddress& to, link::ByteView datagram) {
  socket_.RmtAddr = to.toString();
  socket_.SendBytes(datagram.data(), static_cast<int>(datagram.size()));
}

qint64 UdpTransport::Now() const {
  QElapsedTimer now;
  now.start();
  return now.msecsSinceReference();
}

void UdpTransport::RunUntil(int ms, const std::function<bool()>& done) {
  QEventLoop loop;
  QElapsedTimer clock;
  clock.start();
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, &loop, [&] {
    if (clock.elapsed() >= ms || done()) loop.quit();
  });
  check.start(10);
  loop.exec();
}

}  // namespace trx::ctl
