// Winsock: a reader thread of its own that waits in the system for the socket to become
// readable and then takes every queued datagram with WSARecvMsg (the adapter from
// IP_PKTINFO), handing them over in batches; sends go straight from the caller's thread.
// No event loop is in the reader's way: under Qt's, a burst waited for the window's turns
// and overflowed the buffer. The reader waits on an event rather than inside a blocking
// call, so that Close wakes it without closing the socket under it.
#include <mswsock.h>
#include <windows.h>
#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstring>
#include <functional>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include "link/backend.h"
#include "link/debuglog.h"
#include "link/udpsocket.h"

namespace trx::link {

namespace {

QString LastError() {
  const int error = ::WSAGetLastError();
  return QString("%1 (%2)").arg(qt_error_string(error)).arg(error);
}

// Winsock's own control code; older SDK headers lack it.
#ifndef SIO_UDP_CONNRESET
#define SIO_UDP_CONNRESET _WSAIOW(IOC_VENDOR, 12)
#endif

sockaddr_in Address(const QHostAddress& host, quint16 port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = ::htons(port);
  address.sin_addr.s_addr = ::htonl(host.toIPv4Address());
  return address;
}

// One datagram out of s, by the adapter of that index (0: as the routing table says).
bool SendDatagram(SOCKET s, const QByteArray& bytes, const QHostAddress& to, quint16 port, int index, QString* error) {
  sockaddr_in address = Address(to, port);
  WSABUF data{static_cast<ULONG>(bytes.size()), const_cast<char*>(bytes.constData())};
  alignas(WSACMSGHDR) char control[WSA_CMSG_SPACE(sizeof(IN_PKTINFO))] = {};
  WSAMSG message{};
  message.name = reinterpret_cast<sockaddr*>(&address);
  message.namelen = sizeof address;
  message.lpBuffers = &data;
  message.dwBufferCount = 1;
  if (index > 0) {  // leave by that adapter, whatever the routing table says
    message.Control = {sizeof control, control};
    WSACMSGHDR* c = WSA_CMSG_FIRSTHDR(&message);
    c->cmsg_level = IPPROTO_IP;
    c->cmsg_type = IP_PKTINFO;
    c->cmsg_len = WSA_CMSG_LEN(sizeof(IN_PKTINFO));
    IN_PKTINFO info{};
    info.ipi_ifindex = static_cast<ULONG>(index);
    std::memcpy(WSA_CMSG_DATA(c), &info, sizeof info);
  }
  DWORD sent = 0;
  const bool ok =
      ::WSASendMsg(s, &message, 0, &sent, nullptr, nullptr) == 0 && sent == static_cast<DWORD>(bytes.size());
  if (!ok) *error = LastError();
  return ok;
}

class WinsockBackend : public SocketBackend {
 public:
  WinsockBackend(UdpSocket* owner, SystemFaults faults) : owner_(owner), faults_(std::move(faults)) {
    WSADATA data;
    const int error = Refused(SystemCall::Startup) ? ::WSAGetLastError() : ::WSAStartup(MAKEWORD(2, 2), &data);
    started_ = error == 0;
    if (!started_) startError_ = error;
  }
  ~WinsockBackend() override {
    WinsockBackend::Close();
    if (started_) ::WSACleanup();
  }

  bool Open(const QHostAddress& local, quint16 port, int receiveBuffer) override {
    if (IsOpen() && port_ == port) return true;
    Close();
    error_.clear();
    if (!started_) {
      error_ = OpenFailure(port, "Winsock start", startError_);
      return false;
    }
    socket_ = Refused(SystemCall::Socket) ? INVALID_SOCKET : ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (socket_ == INVALID_SOCKET) return Failed(port, "socket");
    if (!Enable(socket_, SOL_SOCKET, SO_REUSEADDR)) return Failed(port, "address reuse");
    if (!Enable(socket_, SOL_SOCKET, SO_BROADCAST)) return Failed(port, "broadcast permission");
    // The arrival adapter only names it in the debug log: no reason to fail.
    if (!Enable(socket_, IPPROTO_IP, IP_PKTINFO)) DebugLine(QString("no arrival adapter: %1").arg(LastError()));
    // A send that meets no listener would otherwise leave a reset for a later receive to
    // report, ahead of the datagrams behind it.
    DWORD off = FALSE, length = 0;
    if (Refused(SystemCall::Option) ||
        ::WSAIoctl(socket_, SIO_UDP_CONNRESET, &off, sizeof off, nullptr, 0, &length, nullptr, nullptr) != 0)
      DebugLine(QString("resets still reported: %1").arg(LastError()));
    GUID id = WSAID_WSARECVMSG;
    if (Refused(SystemCall::Option) || ::WSAIoctl(socket_, SIO_GET_EXTENSION_FUNCTION_POINTER, &id, sizeof id,
                                                  &recvMsg_, sizeof recvMsg_, &length, nullptr, nullptr) != 0)
      return Failed(port, "receive function");
    const sockaddr_in address = Address(local, port);
    if (Refused(SystemCall::Bind) || ::bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
      return Failed(port, "bind");
    port_ = port;
    SetReceiveBuffer(receiveBuffer);
    readable_ = Refused(SystemCall::Event) ? WSA_INVALID_EVENT : ::WSACreateEvent();
    if (readable_ == WSA_INVALID_EVENT) return Failed(port, "readiness event");
    stop_ = Refused(SystemCall::Event) ? nullptr : ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (stop_ == nullptr) return Failed(port, "stop event");
    // Also makes the socket non-blocking: without it a read on the window's thread would block.
    if (Refused(SystemCall::Select) || ::WSAEventSelect(socket_, readable_, FD_READ) != 0)
      return Failed(port, "readiness selection");
    try {
      if (Refused(SystemCall::Thread)) throw std::system_error(::WSAGetLastError(), std::system_category());
      reader_ = std::thread([this] { ReadLoop(); });
    } catch (const std::system_error& e) {
      ::WSASetLastError(e.code().value());
      return Failed(port, "reader thread");
    }
    return true;
  }

  QString Error() const override { return error_; }

  void Close() override {
    if (reader_.joinable()) {
      ::SetEvent(stop_);
      reader_.join();
    }
    if (socket_ != INVALID_SOCKET) ::closesocket(socket_);
    if (readable_ != WSA_INVALID_EVENT) ::WSACloseEvent(readable_);
    if (stop_ != nullptr) ::CloseHandle(stop_);
    socket_ = INVALID_SOCKET;
    readable_ = WSA_INVALID_EVENT;
    stop_ = nullptr;
    port_ = 0;
  }

  bool IsOpen() const override { return socket_ != INVALID_SOCKET; }

  void ReadNow() override {
    std::unique_lock lock(readMutex_, std::try_to_lock);
    if (lock.owns_lock() && IsOpen()) ReadQueued();
  }

  int SetReceiveBuffer(int bytes) override {
    if (!IsOpen()) return 0;
    ::setsockopt(socket_, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&bytes), sizeof bytes);
    return ReceiveBuffer();
  }
  int ReceiveBuffer() const override {
    int size = 0;
    int length = sizeof size;
    return IsOpen() && ::getsockopt(socket_, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<char*>(&size), &length) == 0 ? size
                                                                                                                  : 0;
  }
  long long Drops() const override { return -1; }  // Winsock keeps no such count
  void SetHeaders(std::vector<std::string> headers, bool) override {
    std::lock_guard lock(headersMutex_);
    headers_ = std::move(headers);
  }

  int Send(const std::vector<QByteArray>& datagrams, const QHostAddress& to, quint16 port) override {
    SOCKET s = socket_;
    if (s == INVALID_SOCKET) {  // an unopened socket still sends, from an ephemeral port, as a plain socket would
      if (!started_) return 0;
      s = Refused(SystemCall::Socket) ? INVALID_SOCKET : ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
      if (s != INVALID_SOCKET && !Enable(s, SOL_SOCKET, SO_BROADCAST)) {
        const int error = ::WSAGetLastError();
        ::closesocket(s);
        s = INVALID_SOCKET;
        ::WSASetLastError(error);
      }
      if (s == INVALID_SOCKET) {
        DebugLine(QString("nothing sent: no socket to send from: %1").arg(LastError()));
        return 0;
      }
    }
    const int taken = SendEverywhere(datagrams, to, port, std::bind_front(SendDatagram, s));
    if (s != socket_) ::closesocket(s);
    return taken;
  }

 private:
  // The error a test asks for, as the call would leave it, in place of the call.
  bool Refused(SystemCall call) const {
    const int error = faults_ ? faults_(call) : 0;
    if (error != 0) ::WSASetLastError(error);
    return error != 0;
  }
  bool Enable(SOCKET s, int level, int option) const {
    const DWORD one = 1;
    return !Refused(SystemCall::Option) &&
           ::setsockopt(s, level, option, reinterpret_cast<const char*>(&one), sizeof one) == 0;
  }
  // Undoes what Open did so far and keeps the reason. Winsock's last error is the thread's
  // last system error, so this serves the event calls too.
  bool Failed(quint16 port, const char* step) {
    const int error = ::WSAGetLastError();
    Close();
    error_ = OpenFailure(port, step, error);
    return false;
  }

  void ReadLoop() {
    // A full buffer lasts a few milliseconds of a burst: run ahead of the window's thread.
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL);
    const HANDLE waits[2] = {stop_, readable_};
    bool retry = false;
    for (;;) {
      // After a read error, another try shortly: a receive that failed may not have asked
      // the system to signal readiness again.
      const DWORD woken = ::WaitForMultipleObjects(2, waits, FALSE, retry ? kRetryMs : INFINITE);
      if (woken == WAIT_OBJECT_0) return;  // stopped
      if (woken != WAIT_OBJECT_0 + 1 && woken != WAIT_TIMEOUT) {
        DebugLine(QString("reading stopped: wait failed: %1").arg(qt_error_string(static_cast<int>(::GetLastError()))));
        return;
      }
      ::WSAResetEvent(readable_);
      std::lock_guard lock(readMutex_);
      retry = !ReadQueued();
    }
  }

  // Everything queued on the socket now, into the owner's queue in batches. Called with
  // readMutex_ held, so that datagrams reach the queue in the order they were read. False
  // when a read failed for another reason than an empty queue.
  bool ReadQueued() {
    bool ok = true;
    std::vector<std::string> headers;
    {
      std::lock_guard lock(headersMutex_);
      headers = headers_;
    }
    constexpr std::size_t kBatch = 64;
    std::vector<UdpSocket::Datagram> got;
    for (;;) {
      sockaddr_in source{};
      WSABUF data{kMaxDatagram, buffer_.get()};
      alignas(WSACMSGHDR) char control[WSA_CMSG_SPACE(sizeof(IN_PKTINFO))];
      WSAMSG message{};
      message.name = reinterpret_cast<sockaddr*>(&source);
      message.namelen = sizeof source;
      message.lpBuffers = &data;
      message.dwBufferCount = 1;
      message.Control = {sizeof control, control};
      DWORD size = 0;
      if (Refused(SystemCall::Receive) || recvMsg_(socket_, &message, &size, nullptr, nullptr) != 0) {
        const int error = ::WSAGetLastError();
        if (error == WSAEWOULDBLOCK) break;  // all taken
        // A reset left by an earlier send, or a datagram too large: that one alone is lost.
        if (error == WSAECONNRESET || error == WSAENETRESET || error == WSAEMSGSIZE || error == WSAEINTR) continue;
        DebugLine(QString("cannot read: %1").arg(LastError()));
        ok = false;
        break;
      }
      const bool accepted = Accepted(headers, buffer_.get(), static_cast<qsizetype>(size));
      if (!accepted && !DebugEnabled()) continue;  // junk costs no more than this look
      int index = 0;
      for (WSACMSGHDR* c = WSA_CMSG_FIRSTHDR(&message); c; c = WSA_CMSG_NXTHDR(&message, c)) {
        if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO) {
          IN_PKTINFO info{};
          std::memcpy(&info, WSA_CMSG_DATA(c), sizeof info);
          index = static_cast<int>(info.ipi_ifindex);
        }
      }
      const QHostAddress from(::ntohl(source.sin_addr.s_addr));
      if (!accepted) {
        NoteRefused(static_cast<qsizetype>(size), from, index);
        continue;
      }
      got.push_back({QByteArray(buffer_.get(), static_cast<qsizetype>(size)), from, index});
      if (got.size() == kBatch) owner_->Queue(std::exchange(got, {}));
    }
    if (!got.empty()) owner_->Queue(std::move(got));
    return ok;
  }

  static constexpr ULONG kMaxDatagram = 65536;
  static constexpr DWORD kRetryMs = 20;

  UdpSocket* owner_;
  SystemFaults faults_;
  QString error_;
  bool started_ = false;
  int startError_ = 0;
  SOCKET socket_ = INVALID_SOCKET;
  quint16 port_ = 0;
  LPFN_WSARECVMSG recvMsg_ = nullptr;
  WSAEVENT readable_ = WSA_INVALID_EVENT;
  HANDLE stop_ = nullptr;
  std::thread reader_;
  std::mutex readMutex_;
  std::unique_ptr<char[]> buffer_{new char[kMaxDatagram]};  // under readMutex_
  std::mutex headersMutex_;
  std::vector<std::string> headers_;
};

}  // namespace

std::unique_ptr<SocketBackend> MakeNativeBackend(UdpSocket* owner, SystemFaults faults) {
  return std::make_unique<WinsockBackend>(owner, std::move(faults));
}

long long ReceiveDrops(qintptr) { return -1; }

}  // namespace trx::link
