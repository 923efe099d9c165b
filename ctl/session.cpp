#include "ctl/session.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace trx::ctl {

Session::Session() {
  socket_.lclPort = link::kPort;
  socket_.rmtPort = link::kPort;
  socket_.RmtAddr = link::kBroadcastAddress;
  socket_.SetAcceptedHeaders({std::string(link::kReplySignature), std::string(link::kAckHeader)});
  connect(&socket_, &link::TZEL_UDPSocket::OnRecv, this, [this](QObject*, const std::uint8_t* buf, int len) {
    const link::ByteView datagram(buf, static_cast<std::size_t>(len));
    if (searching_ && link::HasHeader(datagram, link::kReplySignature)) {
      answers_.push_back({socket_.CurrentSource(), link::CheckReply(datagram), link::DecodeReply(datagram)});
    } else if (saving_ && link::HasHeader(datagram, link::kAckHeader)) {
      ++acknowledgements_;
    }
  });
}

bool Session::Open() { return socket_.Open(); }

void Session::RunUntil(int ms, const std::function<bool()>& done) {
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

std::vector<Answer> Session::Search(int waitMs, const std::function<bool(const Answer&)>& enough) {
  answers_.clear();
  searching_ = true;
  const link::Bytes request = link::SearchRequest();
  socket_.SendBytes(request.data(), static_cast<int>(request.size()));
  std::size_t looked = 0;
  RunUntil(waitMs, [&] {
    for (; looked < answers_.size(); ++looked)
      if (enough && enough(answers_[looked])) return true;
    return false;
  });
  searching_ = false;
  return answers_;
}

bool Session::Send(const link::SettingsRecord& record, int waitMs) {
  acknowledgements_ = 0;
  saving_ = true;
  const link::Bytes message = link::EncodeSettingsMessage(record);
  socket_.SendBytes(message.data(), static_cast<int>(message.size()));
  RunUntil(waitMs, [&] { return acknowledgements_ > 0; });
  saving_ = false;
  return acknowledgements_ > 0;
}

}  // namespace trx::ctl
