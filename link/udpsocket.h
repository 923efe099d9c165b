#pragma once
// UdpSocket sends every datagram to RmtAddr:rmtPort (a limited broadcast goes out on every
// adapter, see interfaces.h) and delivers each datagram that arrives on lclPort through
// OnRecv, in arrival order, on the thread that owns it. trx61ctl and the simulator use it as
// it is; TZEL_UDPSocket is the form's control over it.
//
// A reader thread takes datagrams off the system's buffer as fast as they come, so a burst
// of replies is not dropped while the owner is busy; the owner's thread then gets them in
// turns of the event loop, each turn short enough to keep the window responsive. The
// reading and sending is a backend's, one file per system (backend.h).
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace trx::link {

class SocketBackend;

// The system calls of a native backend that can fail for reasons outside the program: no
// handles or memory left, an option refused, an error queued on the socket by an earlier
// send. A test hands a socket its own SystemFaults to make any of them fail.
enum class SystemCall {
  Startup,  // Winsock's start
  Socket,   // a socket, for receiving or for sending from an unopened component
  Option,   // a socket option or control
  Bind,     //
  Event,    // a wake-up or readiness event
  Select,   // tying readiness to its event (Windows)
  Thread,   // the reader thread
  Receive,  // taking one datagram, or a batch, off the socket
};
// Called before each such call: the error code it is to fail with (errno on Linux, the
// Winsock or system error code on Windows), or 0 to make it. Called from any thread.
using SystemFaults = std::function<int(SystemCall)>;

class UdpSocket : public QObject {
  Q_OBJECT
 public:
  // Receive buffer requested so that a burst of replies is not dropped while the reader waits
  // for a processor: on Linux a reply takes about 1.3 KB of it, so that the system's doubled
  // grant holds some 6500 of them, 60 ms of a burst. Under wine each datagram is a round trip
  // to its server, which needs the room as much. The system caps it (net.core.rmem_max).
  static constexpr int kReceiveBufferBytes = 4 << 20;
  // How long one turn of delivery, OnRecvDone's handlers included, may hold the owner's thread.
  static constexpr int kDeliveryTurnMs = 8;

  // Native: the system's own socket calls where this build has them (Linux, Windows), else
  // Qt's. Portable: Qt's socket classes everywhere, as a build for another system uses them.
  enum class Backend { Native, Portable };

  explicit UdpSocket(QObject* parent = nullptr, Backend backend = Backend::Native, SystemFaults faults = {});
  ~UdpSocket() override;

  QString LclAddr;  // never set by the form; an empty text binds to every address
  QString RmtAddr;
  int lclPort = 0;
  int rmtPort = 0;

  // Binds lclPort with address reuse and broadcast permission. Opening a socket that is
  // already open on the same port keeps it, with every datagram already queued. On failure
  // nothing is left open and ErrorString() says why.
  bool Open();
  QString ErrorString() const;
  // Returns the bytes sent when at least one interface took the
  // datagram, or -1 when none could take it now.
  int SendBytes(const std::uint8_t* bytes, int count);
  // Several datagrams in one go, with one look at the interfaces; returns how many of them,
  // from the first, were taken.
  int SendMany(const std::vector<QByteArray>& datagrams);
  // The same, datagram i sent from the address sources[i] (a null address: the system's
  // choice) where the system allows it (Linux, in a network namespace of one's own); else
  // from the system's choice.
  int SendManyFrom(const std::vector<QByteArray>& datagrams, const std::vector<QHostAddress>& sources);
  void Close();

  bool IsOpen() const;
  // The receive buffer size the system granted, in bytes.
  int ReceiveBufferSize() const;
  // Asks for this receive buffer now (when open) and at every later Open. The system may
  // cap the request at its own maximum, as it does for an ordinary user.
  void SetReceiveBufferSize(int bytes);
  // Only datagrams that begin with one of these headers are handed over; the rest are
  // dropped by the reader. Empty (the default): every datagram.
  // InSystem also drops the rest before they take buffer space or are copied, where the system
  // can (Linux; not while the debug log is on, which names each); they then count in
  // DroppedBySystem too, which tells them from a full buffer's drops no more.
  enum class HeaderCheck { InReader, InSystem };
  void SetAcceptedHeaders(std::vector<std::string> headers, HeaderCheck where = HeaderCheck::InReader);
  // Only the first bytes of each datagram are kept and handed over (0: all): a flood of large
  // datagrams then costs memory for what is read, not for what arrives.
  void SetLargestKept(int bytes) { largestKept_ = bytes; }
  int LargestKept() const { return largestKept_; }
  // Datagrams the system dropped for want of buffer space since Open; -1 if it does not tell.
  long long DroppedBySystem() const;

  // Where the datagram being delivered came from, during OnRecv.
  QHostAddress CurrentSource() const { return currentSource_; }
  QString CurrentInterface() const;

 signals:
  // One per datagram: the sender, its bytes (valid during the call only), its length.
  void OnRecv(QObject* sender, const std::uint8_t* buf, int len);
  // After the datagrams of one turn of delivery.
  void OnRecvDone();

 public:
  struct Datagram {
    QByteArray bytes;
    QHostAddress source;
    int interfaceIndex = 0;
  };
  // From the reader: datagrams to hand over, in arrival order. Safe from any thread.
  void Queue(std::vector<Datagram>&& datagrams);

 private:
  void DeliverPending();  // owner's thread

  std::unique_ptr<SocketBackend> backend_;
  std::atomic<int> largestKept_ = 0;
  int receiveBufferRequest_ = kReceiveBufferBytes;

  std::mutex mutex_;
  std::deque<Datagram> incoming_;
  bool deliveryPosted_ = false;
  bool delivering_ = false;
  QTimer nextTurn_{this};                      // the turn after one that ended with datagrams left
  qint64 lastDoneNs_ = 0, lastDelivered_ = 0;  // what OnRecvDone took after how many datagrams
  QHostAddress currentSource_;
  int currentInterface_ = 0;
};

// The form's UDP socket component, by its own name.
class TZEL_UDPSocket : public UdpSocket {
  Q_OBJECT
 public:
  explicit TZEL_UDPSocket(QObject* parent = nullptr, Backend backend = Backend::Native);
  // Sends count bytes, byte i being the low eight bits of element i.
  int SendBuffer(const std::uint16_t* buffer, int count);
};

}  // namespace trx::link
