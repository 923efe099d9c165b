#include "link/udpsocket.h"

#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QThread>
#include <QUdpSocket>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <thread>
#if defined(__linux__)
#include <arpa/inet.h>
#include <linux/filter.h>
#include <netinet/in.h>
#include <poll.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#endif

#include "link/debuglog.h"
#include "link/interfaces.h"

namespace trx::link {

namespace {

QString InterfaceName(int index) {
  const QString name = index > 0 ? QNetworkInterface::interfaceNameFromIndex(index) : QString();
  return name.isEmpty() && index > 0 ? QString("#%1").arg(index) : name;
}

// The first bytes of a datagram, readable in a log line.
QString Preview(const QByteArray& bytes) {
  QString out;
  for (const char c : bytes.left(9)) out += (c >= 0x20 && c < 0x7F) ? QChar(c) : QChar('.');
  return out;
}

bool Accepted(const std::vector<std::string>& headers, const char* data, qsizetype size) {
  if (headers.empty()) return true;
  return std::any_of(headers.begin(), headers.end(), [&](const std::string& h) {
    return size >= static_cast<qsizetype>(h.size()) && std::equal(h.begin(), h.end(), data);
  });
}

void NoteRefused(qsizetype size, const QHostAddress& from, int interfaceIndex) {
  DebugLine(QString("recv %1 bytes from %2 on %3: refused, not a reply or acknowledgement")
                .arg(size)
                .arg(from.toString(), InterfaceName(interfaceIndex)));
}

// One datagram out: interfaceIndex 0 follows the routing table, any other leaves by that
// interface. Returns true when the system took it; else error says why.
using SendOne = std::function<bool(const QByteArray&, const QHostAddress&, quint16, int interfaceIndex, QString* error)>;

// Each datagram: the routed send, then one copy out of each other adapter for a limited
// broadcast. Returns how many of the datagrams, from the first, some interface took.
int SendEverywhere(const std::vector<QByteArray>& datagrams, const QHostAddress& to, quint16 port, const SendOne& send) {
  const bool debug = DebugEnabled();
  const QList<QNetworkInterface> others =
      to == QHostAddress(QHostAddress::Broadcast) ? OtherBroadcastInterfaces() : QList<QNetworkInterface>();
  const QString routedVia = debug ? InterfaceName(RoutedBroadcastInterface()) : QString();
  int taken = 0;
  for (const QByteArray& bytes : datagrams) {
    QStringList report;
    QString error;
    bool anyTaken = send(bytes, to, port, 0, &error);
    if (debug)
      report << QString("routed%1 %2").arg(routedVia.isEmpty() ? "" : " via " + routedVia,
                                           anyTaken ? "ok" : "failed (" + error + ")");
    for (const QNetworkInterface& i : others) {  // a failure on one adapter does not stop the others
      const bool sent = send(bytes, to, port, i.index(), &error);
      anyTaken = anyTaken || sent;
      if (debug) report << QString("%1 %2").arg(i.name(), sent ? "ok" : "failed (" + error + ")");
    }
    if (debug)
      DebugLine(QString("send \"%1\" (%2 bytes) to %3:%4: %5")
                    .arg(Preview(bytes))
                    .arg(bytes.size())
                    .arg(to.toString())
                    .arg(port)
                    .arg(report.join(", ")));
    if (!anyTaken) break;
    ++taken;
  }
  return taken;
}

}  // namespace

// A bound UDP socket with a reader that takes datagrams off it as they come.
class SocketBackend {
 public:
  virtual ~SocketBackend() = default;
  virtual bool Open(const QHostAddress& local, quint16 port, int receiveBuffer) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  virtual int SetReceiveBuffer(int bytes) = 0;  // returns the size granted
  virtual int ReceiveBuffer() const = 0;
  virtual long long Drops() const = 0;
  virtual void SetHeaders(std::vector<std::string> headers, bool inSystem) = 0;
  virtual int Send(const std::vector<QByteArray>& datagrams, const QHostAddress& to, quint16 port) = 0;
  // Takes what is queued on the socket now, unless the reader is at it already.
  virtual void ReadNow() {}
};

namespace {

// Qt's sockets: the socket lives in a reader thread with an event loop of its own, and the
// owner's calls are carried over to it.
class QtReader : public QObject {
 public:
  explicit QtReader(TZEL_UDPSocket* owner) : owner_(owner) {}

  bool Open(const QHostAddress& local, quint16 port, int receiveBuffer) {
    if (IsOpen() && socket_->localPort() == port) return true;
    socket_ = std::make_unique<QUdpSocket>();
    connect(socket_.get(), &QUdpSocket::readyRead, this, &QtReader::ReadAll);
    if (!socket_->bind(local, port, QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
      DebugLine(QString("cannot open UDP port %1: %2").arg(port).arg(socket_->errorString()));
      socket_.reset();
      return false;
    }
    SetReceiveBuffer(receiveBuffer);
    return true;
  }
  void Close() { socket_.reset(); }
  bool IsOpen() const { return socket_ && socket_->state() == QAbstractSocket::BoundState; }
  int SetReceiveBuffer(int bytes) {
    if (IsOpen()) socket_->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, bytes);
    return ReceiveBuffer();
  }
  int ReceiveBuffer() const {
    return IsOpen() ? socket_->socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toInt() : 0;
  }
  long long Drops() const { return IsOpen() ? ReceiveDrops(socket_->socketDescriptor()) : -1; }
  void SetHeaders(std::vector<std::string> headers) { headers_ = std::move(headers); }

  int Send(const std::vector<QByteArray>& datagrams, const QHostAddress& to, quint16 port) {
    QUdpSocket* s = socket_.get();
    std::unique_ptr<QUdpSocket> unopened;
    if (!s) {  // an unopened socket still sends, from an ephemeral port, as a plain socket would
      unopened = std::make_unique<QUdpSocket>();
      s = unopened.get();
    }
    return SendEverywhere(datagrams, to, port,
                          [s](const QByteArray& bytes, const QHostAddress& to, quint16 port, int index, QString* error) {
                            QNetworkDatagram d(bytes, to, port);
                            if (index > 0) d.setInterfaceIndex(static_cast<uint>(index));
                            const bool ok = s->writeDatagram(d) == bytes.size();
                            if (!ok) *error = s->errorString();
                            return ok;
                          });
  }

 private:
  void ReadAll() {
    std::vector<TZEL_UDPSocket::Datagram> got;
    while (socket_ && socket_->hasPendingDatagrams()) {
      QNetworkDatagram d = socket_->receiveDatagram();
      if (!d.isValid()) break;
      const int index = static_cast<int>(d.interfaceIndex());
      if (!Accepted(headers_, d.data().constData(), d.data().size())) {
        if (DebugEnabled()) NoteRefused(d.data().size(), d.senderAddress(), index);
        continue;
      }
      got.push_back({d.data(), d.senderAddress(), index});
    }
    if (!got.empty()) owner_->Queue(std::move(got));
  }

  TZEL_UDPSocket* owner_;
  std::unique_ptr<QUdpSocket> socket_;
  std::vector<std::string> headers_;
};

class QtBackend : public SocketBackend {
  // Runs f in the reader thread and waits for its result.
  template <class F>
  std::invoke_result_t<F> Call(F f) const {
    std::invoke_result_t<F> result{};
    QMetaObject::invokeMethod(reader_, f, Qt::BlockingQueuedConnection, &result);
    return result;
  }

 public:
  explicit QtBackend(TZEL_UDPSocket* owner) : reader_(new QtReader(owner)) {
    thread_.setObjectName("udp reader");
    reader_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, reader_, &QObject::deleteLater);
    thread_.start();
  }
  ~QtBackend() override {
    Close();
    thread_.quit();
    thread_.wait();
  }
  bool Open(const QHostAddress& local, quint16 port, int receiveBuffer) override {
    return Call([&] { return reader_->Open(local, port, receiveBuffer); });
  }
  void Close() override {
    Call([&] {
      reader_->Close();
      return 0;
    });
  }
  bool IsOpen() const override { return Call([&] { return reader_->IsOpen(); }); }
  int SetReceiveBuffer(int bytes) override { return Call([&] { return reader_->SetReceiveBuffer(bytes); }); }
  int ReceiveBuffer() const override { return Call([&] { return reader_->ReceiveBuffer(); }); }
  long long Drops() const override { return Call([&] { return reader_->Drops(); }); }
  void SetHeaders(std::vector<std::string> headers, bool) override {
    Call([&] {
      reader_->SetHeaders(std::move(headers));
      return 0;
    });
  }
  int Send(const std::vector<QByteArray>& datagrams, const QHostAddress& to, quint16 port) override {
    return Call([&] { return reader_->Send(datagrams, to, port); });
  }

 private:

  QThread thread_;
  QtReader* reader_;  // lives in thread_
};

#if defined(__linux__)
// The system's socket calls: a reader thread that takes up to 64 datagrams per call, and
// sends straight from the caller's thread (the kernel serialises them).
class PosixBackend : public SocketBackend {
 public:
  explicit PosixBackend(TZEL_UDPSocket* owner) : owner_(owner) {}
  ~PosixBackend() override { Close(); }

  bool Open(const QHostAddress& local, quint16 port, int receiveBuffer) override {
    if (IsOpen() && port_ == port) return true;
    Close();
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
    ::setsockopt(fd, IPPROTO_IP, IP_PKTINFO, &one, sizeof one);  // the arrival interface
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(local.toIPv4Address());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
      DebugLine(QString("cannot open UDP port %1: %2").arg(port).arg(std::strerror(errno)));
      ::close(fd);
      return false;
    }
    fd_ = fd;
    port_ = port;
    SetReceiveBuffer(receiveBuffer);
    {
      std::lock_guard lock(headersMutex_);
      AttachFilter();
    }
    wake_ = ::eventfd(0, EFD_CLOEXEC);
    reader_ = std::thread([this] { ReadLoop(); });
    return true;
  }

  void Close() override {
    if (reader_.joinable()) {
      const std::uint64_t one = 1;
      [[maybe_unused]] const auto n = ::write(wake_, &one, sizeof one);
      reader_.join();
    }
    if (wake_ >= 0) ::close(wake_);
    if (fd_ >= 0) ::close(fd_);
    wake_ = fd_ = -1;
  }

  bool IsOpen() const override { return fd_ >= 0; }

  void ReadNow() override {
    std::unique_lock lock(readMutex_, std::try_to_lock);
    if (lock.owns_lock() && fd_ >= 0) ReadQueued();
  }

  int SetReceiveBuffer(int bytes) override {
    if (!IsOpen()) return 0;
    ::setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
    // Only the component's own large request goes past the system's cap, where privileges allow.
    if (ReceiveBuffer() < bytes && bytes >= TZEL_UDPSocket::kReceiveBufferBytes)
      ::setsockopt(fd_, SOL_SOCKET, SO_RCVBUFFORCE, &bytes, sizeof bytes);
    return ReceiveBuffer();
  }
  int ReceiveBuffer() const override {
    int size = 0;
    socklen_t length = sizeof size;
    return IsOpen() && ::getsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &size, &length) == 0 ? size : 0;
  }
  long long Drops() const override { return IsOpen() ? ReceiveDrops(fd_) : -1; }
  void SetHeaders(std::vector<std::string> headers, bool inSystem) override {
    std::lock_guard lock(headersMutex_);
    headers_ = std::move(headers);
    filterInSystem_ = inSystem;
    AttachFilter();
  }

  int Send(const std::vector<QByteArray>& datagrams, const QHostAddress& to, quint16 port) override {
    int fd = fd_;
    if (fd < 0) {  // an unopened socket still sends, from an ephemeral port, as a plain socket would
      fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
      const int one = 1;
      ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
    }
    const int taken = SendEverywhere(
        datagrams, to, port, [fd](const QByteArray& bytes, const QHostAddress& to, quint16 port, int index, QString* error) {
          sockaddr_in address{};
          address.sin_family = AF_INET;
          address.sin_port = htons(port);
          address.sin_addr.s_addr = htonl(to.toIPv4Address());
          iovec data{const_cast<char*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
          alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
          msghdr message{};
          message.msg_name = &address;
          message.msg_namelen = sizeof address;
          message.msg_iov = &data;
          message.msg_iovlen = 1;
          if (index > 0) {  // leave by that interface, whatever the routing table says
            message.msg_control = control;
            message.msg_controllen = sizeof control;
            cmsghdr* c = CMSG_FIRSTHDR(&message);
            c->cmsg_level = IPPROTO_IP;
            c->cmsg_type = IP_PKTINFO;
            c->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
            in_pktinfo info{};
            info.ipi_ifindex = index;
            std::memcpy(CMSG_DATA(c), &info, sizeof info);
          }
          const bool ok = ::sendmsg(fd, &message, MSG_DONTWAIT) == bytes.size();
          if (!ok) *error = QString::fromLocal8Bit(std::strerror(errno));
          return ok;
        });
    if (fd != fd_) ::close(fd);
    return taken;
  }

 private:
  // A full buffer lasts about a millisecond of a burst at gigabit rate: ask the scheduler
  // for short turns, so that this thread, woken by data, runs ahead of long-running ones.
  // Kernels before 6.12 take no such request; nothing else changes.
  static void AskForShortTurns() {
    struct {
      std::uint32_t size;
      std::uint32_t policy;
      std::uint64_t flags;
      std::int32_t nice;
      std::uint32_t priority;
      std::uint64_t runtime, deadline, period;
    } attributes{};
    attributes.size = sizeof attributes;
    attributes.policy = SCHED_OTHER;
    attributes.nice = ::getpriority(PRIO_PROCESS, 0);
    attributes.runtime = 100000;  // ns, the shortest turn the scheduler grants
    ::syscall(SYS_sched_setattr, 0, &attributes, 0);
  }

  // A socket filter that passes only datagrams beginning with one of the headers (the
  // filter sees the UDP header first, eight bytes). Called with headersMutex_ held.
  void AttachFilter() {
    if (fd_ < 0) return;
    if (!filterInSystem_ || headers_.empty()) {
      ::setsockopt(fd_, SOL_SOCKET, SO_DETACH_FILTER, nullptr, 0);
      return;
    }
    constexpr std::uint32_t kUdpHeader = 8;
    std::vector<sock_filter> code;
    for (const std::string& h : headers_) {
      const auto length = static_cast<std::uint8_t>(std::min<std::size_t>(h.size(), 100));
      for (std::uint8_t i = 0; i < length; ++i) {
        code.push_back(BPF_STMT(BPF_LD | BPF_B | BPF_ABS, kUdpHeader + i));
        // on a mismatch, skip the rest of this header's checks and its accept
        code.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<std::uint8_t>(h[i]), 0,
                                static_cast<std::uint8_t>(2 * (length - i - 1) + 1)));
      }
      code.push_back(BPF_STMT(BPF_RET | BPF_K, 0xFFFFFFFFu));
    }
    code.push_back(BPF_STMT(BPF_RET | BPF_K, 0));
    const sock_fprog program{static_cast<unsigned short>(code.size()), code.data()};
    if (::setsockopt(fd_, SOL_SOCKET, SO_ATTACH_FILTER, &program, sizeof program) != 0)
      DebugLine(QString("no system filter: %1").arg(std::strerror(errno)));
  }

  void ReadLoop() {
    AskForShortTurns();
    pollfd waits[2] = {{fd_, POLLIN, 0}, {wake_, POLLIN, 0}};
    for (;;) {
      if (::poll(waits, 2, -1) < 0 && errno != EINTR) return;
      if (waits[1].revents) return;
      std::lock_guard lock(readMutex_);
      ReadQueued();
    }
  }

  // Everything queued on the socket now, into the owner's queue. Called with readMutex_
  // held, so that datagrams reach the queue in the order they were read.
  void ReadQueued() {
    std::vector<TZEL_UDPSocket::Datagram> got;
    std::vector<std::string> headers;
    {
      std::lock_guard lock(headersMutex_);
      headers = headers_;
    }
    Batch& b = *batch_;
    for (;;) {
      for (int i = 0; i < Batch::kSize; ++i) {
        b.vectors[i] = {b.buffers.get() + static_cast<std::size_t>(i) * Batch::kMaxDatagram, Batch::kMaxDatagram};
        b.messages[i].msg_hdr = {};
        b.messages[i].msg_hdr.msg_name = &b.sources[i];
        b.messages[i].msg_hdr.msg_namelen = sizeof b.sources[i];
        b.messages[i].msg_hdr.msg_iov = &b.vectors[i];
        b.messages[i].msg_hdr.msg_iovlen = 1;
        b.messages[i].msg_hdr.msg_control = b.controls[i];
        b.messages[i].msg_hdr.msg_controllen = sizeof b.controls[i];
      }
      const int n = ::recvmmsg(fd_, b.messages, Batch::kSize, MSG_DONTWAIT, nullptr);
      if (n <= 0) break;
      for (int i = 0; i < n; ++i) {
        const char* bytes = static_cast<const char*>(b.vectors[i].iov_base);
        const auto size = static_cast<qsizetype>(b.messages[i].msg_len);
        const bool accepted = Accepted(headers, bytes, size);
        if (!accepted && !DebugEnabled()) continue;  // junk costs no more than this look
        int index = 0;
        for (cmsghdr* c = CMSG_FIRSTHDR(&b.messages[i].msg_hdr); c; c = CMSG_NXTHDR(&b.messages[i].msg_hdr, c)) {
          if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO) {
            in_pktinfo info{};
            std::memcpy(&info, CMSG_DATA(c), sizeof info);
            index = info.ipi_ifindex;
          }
        }
        const QHostAddress from(ntohl(b.sources[i].sin_addr.s_addr));
        if (accepted)
          got.push_back({QByteArray(bytes, size), from, index});
        else
          NoteRefused(size, from, index);
      }
    }
    if (!got.empty()) owner_->Queue(std::move(got));
  }

  struct Batch {
    static constexpr int kSize = 64;
    static constexpr std::size_t kMaxDatagram = 65536;
    // Left uninitialised: the system maps its pages only as datagrams land in them, where
    // zeroing 4 MiB would cost the form's start-up a millisecond or two.
    std::unique_ptr<char[]> buffers{new char[kSize * kMaxDatagram]};
    sockaddr_in sources[kSize];
    alignas(cmsghdr) char controls[kSize][CMSG_SPACE(sizeof(in_pktinfo))];
    iovec vectors[kSize];
    mmsghdr messages[kSize];
  };

  TZEL_UDPSocket* owner_;
  int fd_ = -1, wake_ = -1;
  quint16 port_ = 0;
  std::thread reader_;
  std::mutex readMutex_;
  std::unique_ptr<Batch> batch_ = std::make_unique<Batch>();  // under readMutex_
  std::mutex headersMutex_;
  std::vector<std::string> headers_;
  bool filterInSystem_ = false;
};
#endif

}  // namespace

TZEL_UDPSocket::TZEL_UDPSocket(QObject* parent, [[maybe_unused]] Backend backend) : QObject(parent) {
  setObjectName("ZEL_UDPSocket1");
#if defined(__linux__)
  if (backend == Backend::Native) backend_ = std::make_unique<PosixBackend>(this);
#endif
  if (!backend_) backend_ = std::make_unique<QtBackend>(this);
}

TZEL_UDPSocket::~TZEL_UDPSocket() { backend_.reset(); }

bool TZEL_UDPSocket::Open() {
  const QHostAddress local = LclAddr.isEmpty() ? QHostAddress(QHostAddress::AnyIPv4) : QHostAddress(LclAddr);
  return backend_->Open(local, static_cast<quint16>(lclPort), receiveBufferRequest_);
}

void TZEL_UDPSocket::Close() { backend_->Close(); }
bool TZEL_UDPSocket::IsOpen() const { return backend_->IsOpen(); }
int TZEL_UDPSocket::ReceiveBufferSize() const { return backend_->ReceiveBuffer(); }
long long TZEL_UDPSocket::DroppedBySystem() const { return backend_->Drops(); }
void TZEL_UDPSocket::SetAcceptedHeaders(std::vector<std::string> headers, HeaderCheck where) {
  backend_->SetHeaders(std::move(headers), where == HeaderCheck::InSystem);
}

void TZEL_UDPSocket::SetReceiveBufferSize(int bytes) {
  receiveBufferRequest_ = bytes;
  backend_->SetReceiveBuffer(bytes);
}

int TZEL_UDPSocket::SendBuffer(const std::uint16_t* buffer, int count) {
  if (buffer == nullptr || count <= 0) return 0;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(buffer[i] & 0xFF);
  return SendBytes(bytes.data(), count);
}

int TZEL_UDPSocket::SendBytes(const std::uint8_t* bytes, int count) {
  if (bytes == nullptr || count < 0) return 0;
  return SendMany({QByteArray(reinterpret_cast<const char*>(bytes), count)}) == 1 ? count : -1;
}

int TZEL_UDPSocket::SendMany(const std::vector<QByteArray>& datagrams) {
  return backend_->Send(datagrams, QHostAddress(RmtAddr), static_cast<quint16>(rmtPort));
}

void TZEL_UDPSocket::Queue(std::vector<Datagram>&& datagrams) {
  bool post = false;
  {
    std::lock_guard lock(mutex_);
    for (Datagram& d : datagrams) incoming_.push_back(std::move(d));
    post = !deliveryPosted_;
    deliveryPosted_ = true;
  }
  if (post) QMetaObject::invokeMethod(this, &TZEL_UDPSocket::DeliverPending, Qt::QueuedConnection);
}

void TZEL_UDPSocket::DeliverPending() {
  if (delivering_) return;  // a handler ran the event loop; the outer turn goes on
  delivering_ = true;
  QElapsedTimer turn;
  turn.start();
  constexpr std::size_t kChunk = 32;
  std::vector<Datagram> chunk;
  bool delivered = false;
  for (;;) {
    // While this thread is busy here the reader may get no processor: read on its behalf,
    // so that a burst never waits for the handlers.
    backend_->ReadNow();
    chunk.clear();
    {
      std::lock_guard lock(mutex_);
      const std::size_t n = std::min(kChunk, incoming_.size());
      std::move(incoming_.begin(), incoming_.begin() + static_cast<std::ptrdiff_t>(n), std::back_inserter(chunk));
      incoming_.erase(incoming_.begin(), incoming_.begin() + static_cast<std::ptrdiff_t>(n));
      if (chunk.empty()) deliveryPosted_ = false;  // the next datagram posts a turn again
    }
    for (const Datagram& d : chunk) {
      currentSource_ = d.source;
      currentInterface_ = d.interfaceIndex;
      emit OnRecv(this, reinterpret_cast<const std::uint8_t*>(d.bytes.constData()), static_cast<int>(d.bytes.size()));
      delivered = true;
    }
    if (chunk.empty()) break;
    if (turn.elapsed() >= kDeliveryTurnMs) {
      // The rest in a later turn, so that timers, paints and clicks come in between.
      QMetaObject::invokeMethod(this, &TZEL_UDPSocket::DeliverPending, Qt::QueuedConnection);
      break;
    }
  }
  currentSource_.clear();
  currentInterface_ = 0;
  delivering_ = false;
  if (delivered) emit OnRecvDone();
}

QString TZEL_UDPSocket::CurrentInterface() const { return InterfaceName(currentInterface_); }

}  // namespace trx::link
