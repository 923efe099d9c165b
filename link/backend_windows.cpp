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
#include <thread>
#include <utility>

#include "link/backend.h"
#include "link/debuglog.h"
#include "link/udpsocket.h"

namespace trx::link {

namespace {

QString LastError() { return QString("Winsock error %1").arg(::WSAGetLastError()); }

void Enable(SOCKET s, int level, int option) {
  const DWORD one = 1;
  ::setsockopt(s, level, option, reinterpret_cast<const char*>(&one), sizeof one);
}

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
  explicit WinsockBackend(UdpSocket* owner) : owner_(owner) {
    WSADATA data;
    started_ = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }
  ~WinsockBackend() override {
    WinsockBackend::Close();
    if (started_) ::WSACleanup();
  }

  bool Open(const QHostAddress& local, quint16 port, int receiveBuffer) override {
    if (IsOpen() && port_ == port) return true;
    Close();
    const SOCKET s = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (s == INVALID_SOCKET) return false;
    Enable(s, SOL_SOCKET, SO_REUSEADDR);
    Enable(s, SOL_SOCKET, SO_BROADCAST);
    Enable(s, IPPROTO_IP, IP_PKTINFO);  // the arrival adapter
    GUID id = WSAID_WSARECVMSG;
    DWORD length = 0;
    const sockaddr_in address = Address(local, port);
    if (::WSAIoctl(s, SIO_GET_EXTENSION_FUNCTION_POINTER, &id, sizeof id, &recvMsg_, sizeof recvMsg_, &length, nullptr,
                   nullptr) != 0 ||
        ::bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
      DebugLine(QString("cannot open UDP port %1: %2").arg(port).arg(LastError()));
      ::closesocket(s);
      return false;
    }
    socket_ = s;
    port_ = port;
    SetReceiveBuffer(receiveBuffer);
    readable_ = ::WSACreateEvent();
    stop_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ::WSAEventSelect(s, readable_, FD_READ);  // also makes the socket non-blocking
    reader_ = std::thread([this] { ReadLoop(); });
    return true;
  }

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
      s = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
      Enable(s, SOL_SOCKET, SO_BROADCAST);
    }
    const int taken = SendEverywhere(datagrams, to, port, std::bind_front(SendDatagram, s));
    if (s != socket_) ::closesocket(s);
    return taken;
  }

 private:
  void ReadLoop() {
    // A full buffer lasts a few milliseconds of a burst: run ahead of the window's thread.
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL);
    const HANDLE waits[2] = {stop_, readable_};
    for (;;) {
      const DWORD woken = ::WaitForMultipleObjects(2, waits, FALSE, INFINITE);
      if (woken != WAIT_OBJECT_0 + 1) return;  // stopped, or the wait itself failed
      ::WSAResetEvent(readable_);
      std::lock_guard lock(readMutex_);
      ReadQueued();
    }
  }

  // Everything queued on the socket now, into the owner's queue in batches. Called with
  // readMutex_ held, so that datagrams reach the queue in the order they were read.
  void ReadQueued() {
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
      if (recvMsg_(socket_, &message, &size, nullptr, nullptr) != 0) break;  // WSAEWOULDBLOCK: all taken
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
  }

  static constexpr ULONG kMaxDatagram = 65536;

  UdpSocket* owner_;
  bool started_ = false;
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

std::unique_ptr<SocketBackend> MakeNativeBackend(UdpSocket* owner) { return std::make_unique<WinsockBackend>(owner); }

long long ReceiveDrops(qintptr) { return -1; }

}  // namespace trx::link
