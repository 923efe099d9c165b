#include "link/udpsocket.h"

#include <QElapsedTimer>
#include <algorithm>

#include "link/backend.h"

namespace trx::link {

UdpSocket::UdpSocket(QObject* parent, Backend backend, SystemFaults faults) : QObject(parent) {
  nextTurn_.setSingleShot(true);
  nextTurn_.setInterval(0);
  nextTurn_.setTimerType(Qt::PreciseTimer);  // a coarse one came late, while the socket filled
  connect(&nextTurn_, &QTimer::timeout, this, &UdpSocket::DeliverPending);
  if (backend == Backend::Native) backend_ = MakeNativeBackend(this, std::move(faults));
  if (!backend_) backend_ = MakeQtBackend(this);
}

UdpSocket::~UdpSocket() { backend_.reset(); }

bool UdpSocket::Open() {
  const QHostAddress local = LclAddr.isEmpty() ? QHostAddress(QHostAddress::AnyIPv4) : QHostAddress(LclAddr);
  return backend_->Open(local, static_cast<quint16>(lclPort), receiveBufferRequest_);
}

QString UdpSocket::ErrorString() const { return backend_->Error(); }
void UdpSocket::Close() { backend_->Close(); }
bool UdpSocket::IsOpen() const { return backend_->IsOpen(); }
int UdpSocket::ReceiveBufferSize() const { return backend_->ReceiveBuffer(); }
long long UdpSocket::DroppedBySystem() const { return backend_->Drops(); }
void UdpSocket::SetAcceptedHeaders(std::vector<std::string> headers, HeaderCheck where) {
  backend_->SetHeaders(std::move(headers), where == HeaderCheck::InSystem);
}

void UdpSocket::SetReceiveBufferSize(int bytes) {
  receiveBufferRequest_ = bytes;
  backend_->SetReceiveBuffer(bytes);
}

int UdpSocket::SendBytes(const std::uint8_t* bytes, int count) {
  if (bytes == nullptr || count < 0) return 0;
  return SendMany({QByteArray(reinterpret_cast<const char*>(bytes), count)}) == 1 ? count : -1;
}

int UdpSocket::SendMany(const std::vector<QByteArray>& datagrams) {
  return backend_->Send(datagrams, QHostAddress(RmtAddr), static_cast<quint16>(rmtPort));
}

int UdpSocket::SendManyFrom(const std::vector<QByteArray>& datagrams, const std::vector<QHostAddress>& sources) {
  return backend_->SendFrom(datagrams, sources, QHostAddress(RmtAddr), static_cast<quint16>(rmtPort));
}

void UdpSocket::Queue(std::vector<Datagram>&& datagrams) {
  if (const int keep = largestKept_; keep > 0)
    for (Datagram& d : datagrams)
      if (d.bytes.size() > keep) d.bytes = d.bytes.left(keep);  // a copy of its own: the rest is freed
  bool post = false;
  {
    std::lock_guard lock(mutex_);
    for (Datagram& d : datagrams) incoming_.push_back(std::move(d));
    post = !deliveryPosted_;
    deliveryPosted_ = true;
  }
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the queued call's event owns its slot object
  if (post) QMetaObject::invokeMethod(this, &UdpSocket::DeliverPending, Qt::QueuedConnection);
}

void UdpSocket::DeliverPending() {
  if (delivering_) return;  // a handler ran the event loop; the outer turn goes on
  delivering_ = true;
  QElapsedTimer turn;
  turn.start();
  constexpr std::size_t kChunk = 32;
  constexpr qint64 kTurnNs = qint64{kDeliveryTurnMs} * 1000000;
  std::vector<Datagram> chunk;
  qint64 delivered = 0;
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
      ++delivered;
    }
    if (chunk.empty()) break;
    // OnRecvDone's share of the turn, as the last one took it: the same again up to as many
    // datagrams, in proportion past them; before any, as long as the delivery so far.
    const qint64 elapsed = turn.nsecsElapsed();
    const qint64 doneNs =
        lastDelivered_ == 0 ? elapsed : lastDoneNs_ * std::max<qint64>(lastDelivered_, delivered) / lastDelivered_;
    if (elapsed + doneNs >= kTurnNs) {
      // The rest in a later turn, so that timers, paints and clicks come in between: on a
      // timer, which waits behind timers due before it, where a posted call would be taken
      // with the next posted events, ahead of them.
      nextTurn_.start();
      break;
    }
  }
  currentSource_.clear();
  currentInterface_ = 0;
  delivering_ = false;
  if (delivered > 0) {
    QElapsedTimer done;
    done.start();
    emit OnRecvDone();
    lastDoneNs_ = done.nsecsElapsed();
    lastDelivered_ = delivered;
  }
}

QString UdpSocket::CurrentInterface() const { return InterfaceName(currentInterface_); }

TZEL_UDPSocket::TZEL_UDPSocket(QObject* parent, Backend backend) : UdpSocket(parent, backend) {
  setObjectName("ZEL_UDPSocket1");
}

int TZEL_UDPSocket::SendBuffer(const std::uint16_t* buffer, int count) {
  if (buffer == nullptr || count <= 0) return 0;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(buffer[i] & 0xFF);
  return SendBytes(bytes.data(), count);
}

}  // namespace trx::link
