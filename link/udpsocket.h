#pragma once
// TZEL_UDPSocket: the UDP socket component of the form. It sends every datagram to
// RmtAddr:rmtPort and delivers each datagram that arrives on lclPort through OnRecv, on
// the thread that runs the event loop.
#include <QObject>
#include <QString>
#include <QUdpSocket>
#include <cstdint>
#include <functional>

namespace trx::link {

// True when no network interface but loopback (and the test segment's own "trx" links)
// exists here: a broadcast sent from such a namespace cannot reach a real network.
bool InPrivateNetworkNamespace();

class TZEL_UDPSocket : public QObject {
  Q_OBJECT
 public:
  // Receive buffer requested so that a burst of a thousand replies is not dropped.
  static constexpr int kReceiveBufferBytes = 1 << 20;

  explicit TZEL_UDPSocket(QObject* parent = nullptr);

  QString LclAddr;  // never set by the form; an empty text binds to every address
  QString RmtAddr;
  int lclPort = 0;
  int rmtPort = 0;

  // Binds lclPort with address reuse and broadcast permission. Opening a socket that is
  // already open on the same port keeps it, with every datagram already queued.
  bool Open();
  // Sends count bytes, byte i being the low eight bits of element i.
  int SendBuffer(const std::uint16_t* buffer, int count);
  // The same for plain bytes, for the tools that share this component. Returns the bytes
  // sent, or -1 when the system could not take the datagram now.
  int SendBytes(const std::uint8_t* bytes, int count);
  void Close();

  bool IsOpen() const;
  // The receive buffer size the system granted at Open, in bytes.
  int ReceiveBufferSize() const { return receiveBufferSize_; }

  // One call per datagram: the sender, its bytes (valid during the call only), its length.
  std::function<void(QObject* sender, const std::uint8_t* buf, int len)> OnRecv;

 private:
  void ReadPending();

  QUdpSocket socket_;
  int receiveBufferSize_ = 0;
};

}  // namespace trx::link
