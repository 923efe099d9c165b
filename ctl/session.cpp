#include "ctl/session.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "link/debuglog.h"

namespace trx::ctl {

namespace {
// Requests go out this often while a search runs, more slowly while they bring no new reply.
constexpr int kRequestEveryMs = 250, kSlowestRequestMs = 1000;
// While named units have not all answered, faster: each lost request or reply costs one step,
// and twins have more chances to be heard in the settle time.
constexpr int kNamedRequestMs = 50;
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

bool Known(const QHostAddress& address) { return !address.isNull() && address != QHostAddress::AnyIPv4; }

std::string AddressText(const QHostAddress& address) {
  if (address == QHostAddress::AnyIPv4) return "0.0.0.0 (no address of its own yet)";
  return Known(address) ? address.toString().toStdString() : "an unknown address";
}

Session::Session(Transport& transport, Surroundings surroundings)
    : transport_(transport), surroundings_(std::move(surroundings)) {
  transport_.SetReceiver([this](link::ByteView datagram, const QHostAddress& from, const QString& where) {
    Receive(datagram, from, where);
  });
}

bool Session::Open() { return transport_.Open(); }

void Session::Send(link::ByteView datagram) { transport_.Send(QHostAddress(link::kBroadcastAddress), datagram); }

void Session::Receive(link::ByteView datagram, const QHostAddress& source, const QString& where) {
  const auto note = [&](const QString& what) {
    if (!link::DebugEnabled()) return;
    link::DebugLine(QString("recv %1 bytes from %2%3: %4")
                        .arg(datagram.size())
                        .arg(source.toString(), where.isEmpty() ? "" : " on " + where, what));
  };
  if (searching_ && link::HasHeader(datagram, link::kReplySignature) && NoDevice(source)) {
    if (strange_++ == 0) strangeFrom_ = source;
    note("ignored: no access point answers from there");
  } else if (searching_ && link::HasHeader(datagram, link::kReplySignature)) {
    // Most replies come in on one adapter: they share one list of it.
    if (where.isEmpty() ? !lastInterfaces_.isEmpty() : lastInterfaces_ != QStringList{where})
      lastInterfaces_ = where.isEmpty() ? QStringList() : QStringList{where};
    Answer a{source,
             lastInterfaces_,
             link::CheckReply(datagram),
             link::DecodeReply(datagram),
             link::Bytes(datagram.begin(), datagram.end()),
             Now() - listeningSince_,
             Now() - listeningSince_};
    const link::ByteView settings = link::SettingsBytes(a.bytes);
    const std::string from = Known(source) ? source.toString().toStdString() : std::string();
    if (const std::ptrdiff_t earlier = seen_.Find(from, settings); earlier >= 0) {
      Answer& copied = answers_[static_cast<std::size_t>(earlier)];
      copied.lastAt = a.at;
      QStringList& on = copied.interfaces;
      if (!where.isEmpty() && !on.contains(where)) {
        on << where;
        on.sort();  // the same list whichever copy came first
      }
      note("duplicate: the same settings from the same address as an earlier reply");
      return;
    }
    if (link::DebugEnabled())
      note(QString("reply from %1: %2")
               .arg(a.record ? QString::fromStdString(link::FormatMac(a.record->mac)) : QString("?"),
                    link::Reason(a.outcome)));
    if (answers_.size() >= kMostReplies) {
      if (leftOut_++ == 0) note("not kept: too many replies");
      return;  // and not noted: a flood costs no memory past the cap
    }
    seen_.Note(a.record ? a.record->mac : link::Mac{}, from, settings);
    // What is kept of a reply: its bytes up to the end of its record, no more.
    if (a.bytes.size() > link::kSmallestReply) a.bytes.resize(link::kSmallestReply);
    a.bytes.shrink_to_fit();
    answers_.push_back(std::move(a));
    heard_ = true;
  } else if (saving_ && link::HasHeader(datagram, link::kAckHeader)) {
    acknowledgements_.push_back({source, Now()});
    note("acknowledgement");
    heard_ = true;
  } else if (hearOthers_ && link::HasHeader(datagram, link::kSettingsHeader)) {
    if (posted_.count(std::string(datagram.begin(), datagram.end())) > 0) return;  // our own, heard back
    const auto record = link::DecodeSettingsMessage(datagram);
    if (!record || datagram.size() != link::kSettingsMessageSize) return note("ignored: not a settings message");
    note(QString("a settings message for %1 from another sender")
             .arg(QString::fromStdString(link::FormatMac(record->mac))));
    if (foreign_.size() >= kMostForeign) {
      ++foreignLeftOut_;
      return;
    }
    foreign_.push_back({source, *record});
    heard_ = true;
  } else {
    note("ignored: not waiting for it");
  }
}

// An address no access point can answer from: loopback, multicast, the broadcast address, this
// PC's own (a program on it that plays a unit, or our own datagram looped back).
bool Session::NoDevice(const QHostAddress& a) const {
  return a.isLoopback() || a.isMulticast() || a.isBroadcast() || transport_.Own(a);
}

void Session::RunUntil(int ms, const std::function<bool()>& done) {
  transport_.RunUntil(ms, [&] { return Interrupted() != 0 || done(); });
}

void Session::Listen() {
  answers_.clear();
  seen_.Clear();
  leftOut_ = 0;
  searching_ = true;
  listeningSince_ = Now();
}

void Session::Request() { Send(link::SearchRequest()); }

std::vector<Answer> Session::Search(int waitMs, const std::function<bool(const Answer&)>& enough) {
  Listen();
  // A search or its reply lost on the way is a device missing from the list: the request
  // goes out again every quarter second as long as its replies can still come in before
  // the end (less often while requests bring nothing new, more often while named units are
  // missing). Devices answer each, and the copies merge.
  const int lastRequest = waitMs - std::min(kRequestEveryMs, waitMs / 4);
  const qint64 start = Now();
  const auto elapsed = [&] { return Now() - start; };
  qint64 next = 0;
  bool named = !enough;
  int every = kRequestEveryMs;
  std::size_t looked = 0, before = 0;
  const auto send = [&] {
    if (elapsed() < next || next > lastRequest) return;
    every = !named                     ? kNamedRequestMs
            : answers_.size() > before ? kRequestEveryMs
                                       : std::min(every * 2, kSlowestRequestMs);
    before = answers_.size();
    Request();
    next += every;
  };
  send();
  RunUntil(waitMs, [&] {
    for (; looked < answers_.size(); ++looked) named = named || enough(answers_[looked]);
    send();
    return elapsed() >= waitMs;
  });
  searching_ = false;
  seen_.Clear();
  if (strange_ > 0)
    Note(
        "note: " + std::to_string(std::exchange(strange_, 0)) + " replies from " +
        strangeFrom_.toString().toStdString() +
        " or another address no access point can answer from (loopback, multicast, broadcast, this PC's own) were ignored");
  if (leftOut_ > 0)
    Note("note: " + std::to_string(leftOut_) + " more different replies came than the " + std::to_string(kMostReplies) +
         " that one search keeps; they were left out (is a device flooding the network?)");
  return std::exchange(answers_, {});
}

void Session::Post(const link::Bytes& message) {
  saving_ = true;
  posted_.insert(std::string(message.begin(), message.end()));
  Send(message);
}

std::vector<Session::Acknowledgement> Session::TakeAcknowledgements() { return std::exchange(acknowledgements_, {}); }

std::vector<Session::Foreign> Session::TakeForeign() { return std::exchange(foreign_, {}); }

void Session::Wait(int ms) {
  heard_ = false;
  RunUntil(ms, [&] { return heard_; });
}

}  // namespace trx::ctl
