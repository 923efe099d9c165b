#include "tools/apsim/simulator.h"

#include <algorithm>
#include <cstdio>
#include <thread>

#include "link/fields.h"
#include "tools/apsim/accesspoints.h"

namespace trx::apsim {

using link::Bytes;
using link::SettingsRecord;

Simulator::Simulator(std::vector<SettingsRecord> aps, const Options& options, Send send)
    : aps_(std::move(aps)), o_(options), send_(std::move(send)), random_(options.seed), quietUntil_(aps_.size(), 0) {
  clock_.start();
  if (!send_)
    send_ = [this](const std::vector<QByteArray>& datagrams, const std::vector<QHostAddress>& sources) {
      return socket_.SendManyFrom(datagrams, sources);
    };
  socket_.lclPort = link::kPort;
  socket_.rmtPort = link::kPort;
  socket_.RmtAddr = link::kBroadcastAddress;
  connect(&socket_, &link::UdpSocket::OnRecv, this,
          [this](QObject*, const std::uint8_t* buf, int len) { Receive(Bytes(buf, buf + len)); });
  connect(&pump_, &QTimer::timeout, this, &Simulator::Pump);
  // Its own replies come back to it on the segment: only requests take buffer space.
  socket_.SetAcceptedHeaders({std::string(link::kSearchRequest), std::string(link::kSettingsHeader)},
                             link::UdpSocket::HeaderCheck::InSystem);
  pump_.setInterval(1);
}

bool Simulator::Open() {
  if (!socket_.Open()) return false;
  Print(QString("listening on UDP port %1 with %2 access point(s)").arg(link::kPort).arg(aps_.size()));
  return true;
}

void Simulator::SaveState() {
  QString error;
  if (!o_.stateFile.isEmpty() && !SaveAccessPoints(o_.stateFile, aps_, &error))
    Print("cannot keep the state: " + error);
}

void Simulator::Print(const QString& line) {
  std::printf("%s\n", qPrintable(line));
  std::fflush(stdout);
}

// Key areas and the pass phrase are secrets: shown only when asked for.
QString Simulator::Hex(const Bytes& bytes, std::size_t recordOffset) const {
  const auto secret = [&](std::size_t i) {
    if (o_.showKeys || i < recordOffset) return false;
    const std::size_t r = i - recordOffset;
    return std::any_of(link::Settings().begin(), link::Settings().end(), [&](const link::Setting& s) {
      return s.secret && r >= s.place.offset && r < s.place.offset + s.place.size;
    });
  };
  QString out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    out += secret(i) ? QString("**") : QString("%1").arg(bytes[i], 2, 16, QChar('0')).toUpper();
    out += i + 1 < bytes.size() ? " " : "";
  }
  return out;
}

QString Simulator::Describe(const SettingsRecord& s) const {
  QString wep = s.wepOn == 0 ? "off" : s.keySize == 1 ? "64" : s.keySize == 2 ? "128" : s.keySize == 3 ? "256" : "?";
  QString line = QString("mac=%1 host=\"%2\" essid=\"%3\" domain=0x%4 channel=%5 wep=%6 %7 ip=%8")
                     .arg(QString::fromStdString(link::FormatMac(s.mac)), QString::fromLatin1(s.hostName.c_str()),
                          QString::fromLatin1(s.essid.c_str()))
                     .arg(s.domain, 2, 16, QChar('0'))
                     .arg(s.channel)
                     .arg(wep, s.addressMode == 0 ? "dhcp" : "fixed", QString::fromStdString(link::FormatIpv4(s.ip)));
  if (o_.showKeys && s.wepOn != 0) {
    const auto area = link::record::KeyArea(s.keySize, 0);
    Bytes record(link::kRecordSize);
    link::WriteRecord(s, record, 0);
    line += " key1=" + QString::fromStdString(link::FormatHex({record.data() + area.offset, area.size}));
  }
  return line;
}

// One datagram of one access point lost on the way, at the rate asked for.
bool Simulator::Lost() { return o_.lossPercent > 0 && static_cast<int>(random_() % 100) < o_.lossPercent; }

void Simulator::Applied(std::size_t i) {
  SaveState();
  if (o_.rebootMs <= 0 || !Faulty(i)) return;
  quietUntil_[i] = clock_.elapsed() + o_.rebootMs;
  Print(QString("%1 restarts: silent for %2 ms")
            .arg(QString::fromStdString(link::FormatMac(aps_[i].mac)))
            .arg(o_.rebootMs));
}

void Simulator::Receive(const Bytes& d) {
  if (d == link::SearchRequest()) return OnSearch(d);
  if (link::HasHeader(d, link::kSettingsHeader)) return OnSettings(d);
  // Everything else, our own replies and acknowledgements included, is not for us.
}

void Simulator::OnSearch(const Bytes& d) {
  Print(QString("recv gstsearch (%1 bytes)").arg(d.size()));
  floodLeft_ += std::exchange(o_.flood, 0);
  // Each access point hears the search, or not, on its own.
  std::vector<std::size_t> heard;
  for (std::size_t i = 0; i < aps_.size(); ++i)
    if (!Quiet(i) && !Lost()) heard.push_back(i);
  const auto answer = [this, heard] {
    for (const std::size_t i : heard) {
      if (Quiet(i)) continue;
      Reply(i);
      if (o_.duplicate) Reply(i);
    }
    Pump();
  };
  if (o_.delayMs > 0)
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the timer deletes its slot object after the call
    QTimer::singleShot(o_.delayMs, this, answer);
  else
    answer();
}

void Simulator::OnSettings(const Bytes& d) {
  const auto settings = link::DecodeSettingsMessage(d);
  if (!settings) {
    Print(QString("drop short gstset (%1 bytes)").arg(d.size()));
    return;
  }
  if (o_.mimic &&
      std::none_of(aps_.begin(), aps_.end(), [&](const SettingsRecord& a) { return a.mac == settings->mac; })) {
    aps_.push_back(*settings);
    quietUntil_.push_back(0);
    Print(QString("takes on %1").arg(QString::fromStdString(link::FormatMac(settings->mac))));
  }
  const auto ap =
      std::find_if(aps_.begin(), aps_.end(), [&](const SettingsRecord& a) { return a.mac == settings->mac; });
  if (ap == aps_.end()) {
    Print(QString("ignore gstset for %1: not one of ours").arg(QString::fromStdString(link::FormatMac(settings->mac))));
    return;
  }
  const auto index = static_cast<std::size_t>(ap - aps_.begin());
  if (Quiet(index) || Lost()) {
    Print(QString("lost gstset for %1").arg(QString::fromStdString(link::FormatMac(ap->mac))));
    return;
  }
  // A unit acknowledges from the address the message found it at, before a new one applies.
  const QHostAddress ackFrom = Source(*ap);
  Print(QString("recv gstset (%1 bytes) %2").arg(d.size()).arg(Describe(*settings)));
  if (o_.hex) Print("  " + Hex(d, link::kSettingsRecordOffset));
  Take(index, *settings);
  ++settingsTaken_;
  if ((o_.noAck && Faulty(index)) || (o_.ackLimit >= 0 && settingsTaken_ > o_.ackLimit)) {
    Print("no acknowledgement (as asked)");
    return;
  }
  Acknowledge(ackFrom);
}

void Simulator::Take(std::size_t i, const SettingsRecord& settings) {
  if (o_.keepOld) {
    Print("settings kept out (as asked)");
  } else if (o_.applyDelayMs > 0) {
    const link::Mac mac = aps_[i].mac;
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the timer deletes its slot object after the call
    QTimer::singleShot(o_.applyDelayMs, this, [this, mac, wanted = settings] {
      for (auto& a : aps_)
        if (a.mac == mac) {
          ApplySettings(a, wanted);
          Print("settings applied");
          Applied(static_cast<std::size_t>(&a - aps_.data()));
        }
    });
  } else {
    ApplySettings(aps_[i], settings);
    Applied(i);
  }
}

void Simulator::Acknowledge(const QHostAddress& from) {
  const auto ack = [this, from] {
    if (Lost()) {
      Print("lost gstack");
      return;
    }
    queue_.push_back({link::Acknowledgement(), from});
    Print("send gstack (6 bytes)");
    Pump();
  };
  if (o_.ackDelayMs > 0)
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the timer deletes its slot object after the call
    QTimer::singleShot(o_.ackDelayMs, this, ack);
  else
    ack();
}

void Simulator::Reply(std::size_t i) {
  if (Lost()) return;
  const SettingsRecord& ap = aps_[i];
  Bytes reply = link::EncodeReply(ap);
  const bool faulty = Faulty(i);
  constexpr std::size_t at = link::kReplyRecordOffset;
  if (o_.padBytes > 0) reply.resize(reply.size() + static_cast<std::size_t>(o_.padBytes), 0);
  if (faulty) {
    if (o_.domainZero) reply[at + link::record::kDomain.offset] = 0x00;
    if (o_.badChannel) reply[at + link::record::kChannel.offset] = 0x0F;
    if (o_.badDefaultKey) reply[at + link::record::kDefaultKey.offset] = 0x0A;
    if (o_.shortReply) reply.resize(link::kSmallestReply - 1);
  }
  if (aps_.size() <= 50 || i < 3) {
    Print(QString("send reply (%1 bytes) %2").arg(reply.size()).arg(Describe(ap)));
    if (o_.hex) Print("  " + Hex(reply, at));
  } else if (i == 3) {
    Print(QString("send %1 more replies").arg(aps_.size() - 3));
  }
  queue_.push_back({std::move(reply), Source(ap)});
}

// A device answers from its own address (as it reports it); a stand-in for another device,
// from the address it is given.
QHostAddress Simulator::Source(const SettingsRecord& ap) const {
  if (!o_.from.isNull()) return o_.from;
  return QHostAddress(static_cast<quint32>(ap.ip[0] << 24 | ap.ip[1] << 16 | ap.ip[2] << 8 | ap.ip[3]));
}

// A hostile device's flood: replies of the largest size, each with a MAC and settings of
// its own, made as the queue empties so that the flood costs this process nothing.
void Simulator::Flood() {
  for (; floodLeft_ > 0 && queue_.size() < 64; --floodLeft_) {
    SettingsRecord fake = aps_.empty() ? MakeAccessPoints(1).front() : aps_.front();
    const auto n = static_cast<std::uint32_t>(++flooded_);
    fake.mac = {0x06,
                0xF1,
                static_cast<std::uint8_t>(n >> 24),
                static_cast<std::uint8_t>(n >> 16),
                static_cast<std::uint8_t>(n >> 8),
                static_cast<std::uint8_t>(n)};
    fake.hostName = "flood-" + std::to_string(n);
    Bytes reply = link::EncodeReply(fake);
    reply.resize(65507, static_cast<std::uint8_t>(n));
    queue_.push_back({std::move(reply), QHostAddress("10.1.0.66")});
  }
  if (floodLeft_ == 0 && flooded_ > 0 && !floodTold_) {
    Print(QString("flood of %1 replies queued").arg(flooded_));
    floodTold_ = true;
  }
  if (floodLeft_ > 0 && !pump_.isActive()) pump_.start();
}

// Sends what is queued, no faster than the link would carry it (on a segment, access points
// answering at once queue up at the switch port); when the system's buffer is full, goes
// on a millisecond later.
void Simulator::Pump() {
  QElapsedTimer clock;
  clock.start();
  double linkNs = 0;  // when the link is free again, from the start of this call
  Flood();
  while (!queue_.empty()) {
    // Sixteen at a time, and with them any that the link would have carried by now: each send
    // call also lists the system's adapters (milliseconds on Windows), so a sender that falls
    // behind catches up in larger batches instead of falling further behind.
    const qint64 now = clock.nsecsElapsed();
    std::vector<QByteArray> batch;
    std::vector<QHostAddress> sources;
    for (std::size_t i = 0; i < queue_.size() && (i < 16 || (i < 256 && linkNs <= now)); ++i) {
      const Bytes& bytes = queue_[i].bytes;
      batch.emplace_back(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
      sources.push_back(queue_[i].from);
      // Ethernet frame with its UDP/IP headers, preamble and gap: 66 bytes around the payload.
      if (o_.lineRateMbit > 0) linkNs += (bytes.size() + 66) * 8.0 * 1000.0 / o_.lineRateMbit;
    }
    const qint64 ahead = static_cast<qint64>(linkNs) - clock.nsecsElapsed();
    if (ahead > 0) std::this_thread::sleep_for(std::chrono::nanoseconds(ahead));
    const int taken = send_(batch, sources);
    queue_.erase(queue_.begin(), queue_.begin() + taken);
    Flood();
    if (taken < static_cast<int>(batch.size())) {
      if (!pump_.isActive()) pump_.start();
      return;
    }
  }
  pump_.stop();
}

}  // namespace trx::apsim
