#include "ctl/session.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <utility>

#include "link/debuglog.h"

namespace trx::ctl {

namespace {
volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int signal) {
  interrupted = signal;
  std::signal(signal, SIG_DFL);  // a second one ends the program without a report
}
}  // namespace

bool Usable(const Answer& a) { return a.record && a.outcome != link::ReplyOutcome::Short; }

std::string Unreadable(const Answer& a) {
  switch (a.outcome) {
    case link::ReplyOutcome::RefusedDomain: return "domain code 0";
    case link::ReplyOutcome::UnreadableChannel: return "unreadable channel";
    case link::ReplyOutcome::UnreadableDefaultKey: return "unreadable default key";
    default: return {};
  }
}

void CatchInterrupts() {
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
}

int Interrupted() { return interrupted; }

Session::Session() {
  socket_.lclPort = link::kPort;
  socket_.rmtPort = link::kPort;
  socket_.RmtAddr = link::kBroadcastAddress;
  socket_.SetAcceptedHeaders({std::string(link::kReplySignature), std::string(link::kAckHeader)});
  connect(&socket_, &link::TZEL_UDPSocket::OnRecv, this, [this](QObject*, const std::uint8_t* buf, int len) {
    const link::ByteView datagram(buf, static_cast<std::size_t>(len));
    const QString where = socket_.CurrentInterface();
    const auto note = [&](const QString& what) {
      if (!link::DebugEnabled()) return;
      link::DebugLine(QString("recv %1 bytes from %2%3: %4")
                          .arg(len)
                          .arg(socket_.CurrentSource().toString(), where.isEmpty() ? "" : " on " + where, what));
    };
    if (searching_ && link::HasHeader(datagram, link::kReplySignature)) {
      if (const auto earlier = copies_.CopyOf(datagram)) {
        QStringList& on = answers_[*earlier].interfaces;
        if (!where.isEmpty() && !on.contains(where)) {
          on << where;
          on.sort();  // the same list whichever copy came first
        }
        note("duplicate: the same bytes as an earlier reply of this search");
        return;
      }
      Answer a{socket_.CurrentSource(), where.isEmpty() ? QStringList() : QStringList{where},
               link::CheckReply(datagram), link::DecodeReply(datagram), link::Bytes(datagram.begin(), datagram.end())};
      if (link::DebugEnabled())
        note(QString("reply from %1: %2")
                 .arg(a.record ? QString::fromStdString(link::FormatMac(a.record->mac)) : QString("?"),
                      link::Reason(a.outcome)));
      answers_.push_back(std::move(a));
    } else if (saving_ && link::HasHeader(datagram, link::kAckHeader)) {
      QElapsedTimer now;
      now.start();
      acknowledgements_.push_back({socket_.CurrentSource(), now.msecsSinceReference()});
      note("acknowledgement");
    } else {
      note("ignored: not waiting for it");
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
    if (clock.elapsed() >= ms || Interrupted() || done()) loop.quit();
  });
  check.start(10);
  loop.exec();
}

std::vector<Answer> Session::Search(int waitMs, const std::function<bool(const Answer&)>& enough) {
  answers_.clear();
  copies_.Clear();
  searching_ = true;
  // A search or its reply lost on the way is a device missing from the list: the request
  // goes out again every eighth of the wait (a quarter second at least) in its first three
  // quarters, so that the last one's replies still come in. Devices answer each, and the
  // copies merge.
  const link::Bytes request = link::SearchRequest();
  const int every = std::max(250, waitMs / 8);
  QElapsedTimer clock;
  clock.start();
  qint64 next = 0;
  const auto send = [&] {
    if (clock.elapsed() < next || next > waitMs * 3 / 4) return;
    socket_.SendBytes(request.data(), static_cast<int>(request.size()));
    next += every;
  };
  send();
  std::size_t looked = 0;
  RunUntil(waitMs, [&] {
    for (; looked < answers_.size(); ++looked)
      if (enough && enough(answers_[looked])) return true;
    send();
    return false;
  });
  searching_ = false;
  return answers_;
}

void Session::Post(const link::Bytes& message) {
  saving_ = true;
  socket_.SendBytes(message.data(), static_cast<int>(message.size()));
}

std::vector<Session::Acknowledgement> Session::TakeAcknowledgements() { return std::exchange(acknowledgements_, {}); }

void Session::WaitForAcknowledgement(int ms) {
  RunUntil(ms, [&] { return !acknowledgements_.empty(); });
}

}  // namespace trx::ctl
