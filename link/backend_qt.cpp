// Qt's sockets: the socket lives in a reader thread with an event loop of its own, and the
// owner's calls are carried over to it. The backend of systems with no file of their own,
// and the reference the native backends are tested beside.
#include <QNetworkDatagram>
#include <QThread>
#include <QUdpSocket>
#include <QVariant>

#include "link/backend.h"
#include "link/debuglog.h"
#include "link/udpsocket.h"

namespace trx::link {

namespace {

class QtReader : public QObject {
 public:
  explicit QtReader(UdpSocket* owner) : owner_(owner) {}

  bool Open(const QHostAddress& local, quint16 port, int receiveBuffer) {
    if (IsOpen() && socket_->localPort() == port) return true;
    error_.clear();
    socket_ = std::make_unique<QUdpSocket>();
    connect(socket_.get(), &QUdpSocket::readyRead, this, &QtReader::ReadAll);
    if (!socket_->bind(local, port, QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
      error_ = QString("cannot open UDP port %1: %2").arg(port).arg(socket_->errorString());
      DebugLine(error_);
      socket_.reset();
      return false;
    }
    SetReceiveBuffer(receiveBuffer);
    return true;
  }
  void Close() { socket_.reset(); }
  QString Error() const { return error_; }
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
    return SendEverywhere(
        datagrams, to, port,
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
    std::vector<UdpSocket::Datagram> got;
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

  UdpSocket* owner_;
  std::unique_ptr<QUdpSocket> socket_;
  std::vector<std::string> headers_;
  QString error_;
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
  explicit QtBackend(UdpSocket* owner) : reader_(new QtReader(owner)) {
    thread_.setObjectName("udp reader");
    reader_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, reader_, &QObject::deleteLater);
    thread_.start();
  }
  ~QtBackend() override {
    QtBackend::Close();
    thread_.quit();
    thread_.wait();
  }
  bool Open(const QHostAddress& local, quint16 port, int receiveBuffer) override {
    return Call([&] { return reader_->Open(local, port, receiveBuffer); });
  }
  QString Error() const override {
    return Call([&] { return reader_->Error(); });
  }
  void Close() override {
    Call([&] {
      reader_->Close();
      return 0;
    });
  }
  bool IsOpen() const override {
    return Call([&] { return reader_->IsOpen(); });
  }
  int SetReceiveBuffer(int bytes) override {
    return Call([&] { return reader_->SetReceiveBuffer(bytes); });
  }
  int ReceiveBuffer() const override {
    return Call([&] { return reader_->ReceiveBuffer(); });
  }
  long long Drops() const override {
    return Call([&] { return reader_->Drops(); });
  }
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

}  // namespace

std::unique_ptr<SocketBackend> MakeQtBackend(UdpSocket* owner) { return std::make_unique<QtBackend>(owner); }

}  // namespace trx::link
