#pragma once
// What a session talks through: datagrams to an address, datagrams from one, and the time it
// waits in. The program's is the UDP port on every adapter and Qt's event loop; a test's
// plays the devices on a clock of its own, so that a minute of waiting costs no time.
#include <QHostAddress>
#include <QList>
#include <QString>
#include <functional>

#include "link/messages.h"
#include "link/udpsocket.h"

namespace trx::ctl {

class Transport {
 public:
  // A datagram that came: its bytes (valid during the call only), its sender (null where the
  // system does not tell) and the adapter it came in on (empty where unknown).
  using Receiver = std::function<void(link::ByteView datagram, const QHostAddress& from, const QString& interface)>;

  virtual ~Transport() = default;
  virtual bool Open() = 0;
  virtual void Send(const QHostAddress& to, link::ByteView datagram) = 0;
  // Milliseconds on a monotonic clock.
  virtual qint64 Now() const = 0;
  // Hands the datagrams that come to the receiver for up to ms, looking at done() every
  // 10 ms or so and returning as soon as it holds.
  virtual void RunUntil(int ms, const std::function<bool()>& done) = 0;
  // Whether the address is this PC's own: a reply from there is no access point's.
  virtual bool Own(const QHostAddress& address) const = 0;
  void SetReceiver(Receiver receiver) { receiver_ = std::move(receiver); }

 protected:
  void Deliver(link::ByteView datagram, const QHostAddress& from, const QString& interface) const {
    if (receiver_) receiver_(datagram, from, interface);
  }

 private:
  Receiver receiver_;
};

// UDP port 27155 on every adapter, through the event loop of the thread that owns it. It
// hands over replies, acknowledgements and settings messages only, each cut after a reply's
// record.
class UdpTransport : public Transport {
 public:
  UdpTransport();
  bool Open() override;
  void Send(const QHostAddress& to, link::ByteView datagram) override;
  qint64 Now() const override;
  void RunUntil(int ms, const std::function<bool()>& done) override;
  bool Own(const QHostAddress& address) const override;

 private:
  link::UdpSocket socket_;
  QList<QHostAddress> own_;  // read when the port opens
};

}  // namespace trx::ctl
