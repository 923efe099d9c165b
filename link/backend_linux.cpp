// The Linux system calls: a reader thread that takes up to 64 datagrams per call, a socket
// filter for the headers, and sends straight from the caller's thread.
#include <arpa/inet.h>
#include <linux/filter.h>
#include <netinet/in.h>
#include <poll.h>
#include <sched.h>
#include <sys/eventfd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <mutex>
#include <system_error>
#include <thread>

#include "link/backend.h"
#include "link/debuglog.h"
#include "link/interfaces.h"
#include "link/udpsocket.h"

namespace trx::link {

namespace {

// One datagram out of fd, by the interface of that index (0: as the routing table says),
// from the source address from when it is not null. A chosen source needs the interface
// named (the system picks none for a limited broadcast from a foreign address); routed is
// the one the routing table would take. Where the system refuses the source, the datagram
// goes from its own choice.
bool SendDatagram(int fd, const QByteArray& bytes, const QHostAddress& to, quint16 port, int index, QString* error,
                  const QHostAddress& from = {}, int routed = 0) {
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
  const bool chosen = !from.isNull() && from.protocol() == QAbstractSocket::IPv4Protocol;
  if (index > 0 || chosen) {  // leave by that interface, whatever the routing table says
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    cmsghdr* c = CMSG_FIRSTHDR(&message);
    c->cmsg_level = IPPROTO_IP;
    c->cmsg_type = IP_PKTINFO;
    c->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
    in_pktinfo info{};
    info.ipi_ifindex = index > 0 ? index : routed;
    if (chosen) info.ipi_spec_dst.s_addr = htonl(from.toIPv4Address());
    std::memcpy(CMSG_DATA(c), &info, sizeof info);
  }
  if (::sendmsg(fd, &message, MSG_DONTWAIT) == bytes.size()) return true;
  if (chosen) return SendDatagram(fd, bytes, to, port, index, error);
  *error = QString::fromLocal8Bit(std::strerror(errno));
  return false;
}

class PosixBackend : public SocketBackend {
 public:
  PosixBackend(UdpSocket* owner, SystemFaults faults) : owner_(owner), faults_(std::move(faults)) {}
  ~PosixBackend() override { PosixBackend::Close(); }

  bool Open(const QHostAddress& local, quint16 port, int receiveBuffer) override {
    if (IsOpen() && port_ == port) return true;
    Close();
    error_.clear();
    fd_ = Refused(SystemCall::Socket) ? -1 : ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) return Failed(port, "socket");
    if (!Enable(fd_, SOL_SOCKET, SO_REUSEADDR)) return Failed(port, "address reuse");
    if (!Enable(fd_, SOL_SOCKET, SO_BROADCAST)) return Failed(port, "broadcast permission");
    // The arrival interface only names the adapter in the debug log: no reason to fail.
    if (!Enable(fd_, IPPROTO_IP, IP_PKTINFO))
      DebugLine(QString("no arrival interface: %1").arg(qt_error_string(errno)));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(local.toIPv4Address());
    if (Refused(SystemCall::Bind) || ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
      return Failed(port, "bind");
    port_ = port;
    SetReceiveBuffer(receiveBuffer);
    {
      std::lock_guard lock(headersMutex_);
      AttachFilter();
    }
    // Without the wake-up, Close could not stop the reader.
    wake_ = Refused(SystemCall::Event) ? -1 : ::eventfd(0, EFD_CLOEXEC);
    if (wake_ < 0) return Failed(port, "wake-up event");
    try {
      if (Refused(SystemCall::Thread)) throw std::system_error(errno, std::generic_category());
      reader_ = std::thread([this] { ReadLoop(); });
    } catch (const std::system_error& e) {
      errno = e.code().value();
      return Failed(port, "reader thread");
    }
    return true;
  }

  QString Error() const override { return error_; }

  void Close() override {
    if (reader_.joinable()) {
      const std::uint64_t one = 1;
      [[maybe_unused]] const auto n = ::write(wake_, &one, sizeof one);
      reader_.join();
    }
    if (wake_ >= 0) ::close(wake_);
    if (fd_ >= 0) ::close(fd_);
    wake_ = fd_ = -1;
    port_ = 0;
    transparent_ = false;
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
    if (ReceiveBuffer() < bytes && bytes >= UdpSocket::kReceiveBufferBytes)
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
      fd = Refused(SystemCall::Socket) ? -1 : ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
      if (fd >= 0 && !Enable(fd, SOL_SOCKET, SO_BROADCAST)) {
        const int error = errno;
        ::close(fd);
        fd = -1;
        errno = error;
      }
      if (fd < 0) {
        DebugLine(QString("nothing sent: no socket to send from: %1").arg(qt_error_string(errno)));
        return 0;
      }
    }
    const int taken = SendEverywhere(datagrams, to, port,
                                     [fd](const QByteArray& bytes, const QHostAddress& t, quint16 p, int index,
                                          QString* error) { return SendDatagram(fd, bytes, t, p, index, error); });
    if (fd != fd_) ::close(fd);
    return taken;
  }

  int SendFrom(const std::vector<QByteArray>& datagrams, const std::vector<QHostAddress>& sources,
               const QHostAddress& to, quint16 port) override {
    if (fd_ < 0 || sources.size() != datagrams.size()) return Send(datagrams, to, port);
    // A source that is not this system's own: allowed to a sender with network privileges,
    // as in a namespace of its own.
    if (!transparent_) transparent_ = Enable(fd_, IPPROTO_IP, IP_TRANSPARENT);
    const int routed = RoutedBroadcastInterface();
    return SendEverywhere(datagrams, to, port,
                          [&](const QByteArray& bytes, const QHostAddress& t, quint16 p, int index, QString* error) {
                            const auto i = static_cast<std::size_t>(&bytes - datagrams.data());
                            return SendDatagram(fd_, bytes, t, p, index, error, sources[i], routed);
                          });
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
    // The debug log names every datagram refused, so it sees them all.
    if (!filterInSystem_ || headers_.empty() || DebugEnabled()) {
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

  // errno set to the error a test asks for, in place of the call.
  bool Refused(SystemCall call) const {
    const int error = faults_ ? faults_(call) : 0;
    if (error != 0) errno = error;
    return error != 0;
  }
  bool Enable(int fd, int level, int option) const {
    const int one = 1;
    return !Refused(SystemCall::Option) && ::setsockopt(fd, level, option, &one, sizeof one) == 0;
  }
  // Undoes what Open did so far and keeps the reason, from errno.
  bool Failed(quint16 port, const char* step) {
    const int error = errno;
    Close();
    error_ = OpenFailure(port, step, error);
    return false;
  }

  void ReadLoop() {
    AskForShortTurns();
    pollfd waits[2] = {{fd_, POLLIN, 0}, {wake_, POLLIN, 0}};
    bool retry = false;
    for (;;) {
      // After a read error, a pause before the next try (or Close): a lasting error would
      // otherwise keep this thread busy.
      const int ready = retry ? ::poll(&waits[1], 1, kRetryMs) : ::poll(waits, 2, -1);
      if (ready < 0) {
        if (errno == EINTR) continue;
        DebugLine(QString("reading stopped: %1").arg(qt_error_string(errno)));
        return;
      }
      if (waits[1].revents) return;
      std::lock_guard lock(readMutex_);
      retry = !ReadQueued();
    }
  }

  // Everything queued on the socket now, into the owner's queue. Called with readMutex_
  // held, so that datagrams reach the queue in the order they were read. False when a read
  // failed for another reason than an empty queue.
  bool ReadQueued() {
    bool ok = true;
    std::vector<UdpSocket::Datagram> got;
    std::vector<std::string> headers;
    {
      std::lock_guard lock(headersMutex_);
      headers = headers_;
    }
    Batch& b = *batch_;
    const int keep = owner_->LargestKept();
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
      const int n =
          Refused(SystemCall::Receive) ? -1 : ::recvmmsg(fd_, b.messages, Batch::kSize, MSG_DONTWAIT, nullptr);
      if (n == 0) break;
      if (n < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK) break;  // all taken
        // An error an earlier send left on the socket is reported once, ahead of the
        // datagrams queued behind it: take those now.
        if (errno == ECONNREFUSED || errno == ECONNRESET || errno == EINTR) continue;
        DebugLine(QString("cannot read: %1").arg(qt_error_string(errno)));
        ok = false;
        break;
      }
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
          got.push_back({QByteArray(bytes, keep > 0 ? std::min<qsizetype>(size, keep) : size), from, index});
        else
          NoteRefused(size, from, index);
      }
    }
    if (!got.empty()) owner_->Queue(std::move(got));
    return ok;
  }

  static constexpr int kRetryMs = 20;

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

  UdpSocket* owner_;
  SystemFaults faults_;
  QString error_;
  int fd_ = -1, wake_ = -1;
  quint16 port_ = 0;
  std::thread reader_;
  std::mutex readMutex_;
  std::unique_ptr<Batch> batch_ = std::make_unique<Batch>();  // under readMutex_
  std::mutex headersMutex_;
  std::vector<std::string> headers_;
  bool filterInSystem_ = false;
  bool transparent_ = false;  // sources of one's choice allowed
};
}  // namespace

std::unique_ptr<SocketBackend> MakeNativeBackend(UdpSocket* owner, SystemFaults faults) {
  return std::make_unique<PosixBackend>(owner, std::move(faults));
}

long long ReceiveDrops(qintptr socketDescriptor) {
  struct stat st {};
  if (socketDescriptor < 0 || ::fstat(static_cast<int>(socketDescriptor), &st) != 0) return -1;
  QFile table("/proc/self/net/udp");
  if (!table.open(QIODevice::ReadOnly)) return -1;
  const QByteArray inode = QByteArray::number(static_cast<qulonglong>(st.st_ino));
  table.readLine();  // the heading
  for (QByteArray line = table.readLine(); !line.isEmpty(); line = table.readLine()) {
    const QList<QByteArray> c = line.simplified().split(' ');
    // sl local rem st tx:rx tr:when retrnsmt uid timeout inode ref pointer drops
    if (c.size() >= 13 && c[9] == inode) return c[12].toLongLong();
  }
  return -1;
}

}  // namespace trx::link
