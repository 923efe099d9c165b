// trx61-apsim: stands in for TRX61 ver. 2.2 access points on a test segment. It answers
// every discovery request with one reply per access point, and acknowledges and applies a
// settings message that names one of its access points. Runs only inside a private
// network namespace (see tools/netns-run).
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <deque>
#include <random>
#include <thread>

#include "link/messages.h"
#include "link/udpsocket.h"
#include "tools/apsim/accesspoints.h"
#include "tools/netns/guard.h"

namespace {

using trx::link::Bytes;
using trx::link::SettingsRecord;

struct Options {
  int delayMs = 0;
  int ackDelayMs = 0;
  int ackLimit = -1;  // acknowledge only this many settings messages; -1: all
  bool noAck = false, shortReply = false, domainZero = false, badChannel = false, badDefaultKey = false,
       duplicate = false, hex = false, showKeys = false;
  int faulty = -1;          // how many access points carry the faults; -1: all
  int lineRateMbit = 1000;  // replies leave no faster than a link of this speed carries them; 0: no limit
  int applyDelayMs = 0;     // settings take effect this long after they arrive
  bool keepOld = false;     // acknowledge settings but keep the old values
  int lossPercent = 0;      // each search, reply, settings message and acknowledgement lost at this rate
  unsigned seed = 0;        // of the losses, so that a run can be repeated
  int rebootMs = 0;         // silent this long after applying settings, as a unit that restarts
  QString stateFile;        // where the access points are kept across runs; empty: nowhere
  QHostAddress from;        // every datagram from this address; null: each access point's own
  int padBytes = 0;         // replies this much longer than their record
  bool mimic = false;       // take on every access point a settings message names
  int flood = 0;            // distinct large replies sent after the first search, as a hostile device would
};

class Simulator : public QObject {
 public:
  Simulator(std::vector<SettingsRecord> aps, const Options& options)
      : aps_(std::move(aps)), o_(options), random_(options.seed), quietUntil_(aps_.size(), 0) {
    clock_.start();
    socket_.lclPort = trx::link::kPort;
    socket_.rmtPort = trx::link::kPort;
    socket_.RmtAddr = trx::link::kBroadcastAddress;
    connect(&socket_, &trx::link::UdpSocket::OnRecv, this,
            [this](QObject*, const std::uint8_t* buf, int len) { Receive(Bytes(buf, buf + len)); });
    connect(&pump_, &QTimer::timeout, this, &Simulator::Pump);
    // Its own replies come back to it on the segment: only requests take buffer space.
    socket_.SetAcceptedHeaders({std::string(trx::link::kSearchRequest), std::string(trx::link::kSettingsHeader)},
                               trx::link::UdpSocket::HeaderCheck::InSystem);
    pump_.setInterval(1);
  }

  bool Open() {
    if (!socket_.Open()) return false;
    Print(QString("listening on UDP port %1 with %2 access point(s)").arg(trx::link::kPort).arg(aps_.size()));
    return true;
  }

 public:
  void SaveState() {
    QString error;
    if (!o_.stateFile.isEmpty() && !trx::apsim::SaveAccessPoints(o_.stateFile, aps_, &error))
      Print("cannot keep the state: " + error);
  }

 private:
  void Print(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
  }

  // Key areas and the pass phrase are secrets: shown only when asked for.
  QString Hex(const Bytes& bytes, std::size_t recordOffset) const {
    QString out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const std::size_t r = i - recordOffset;
      const bool secret = !o_.showKeys && i >= recordOffset &&
                          ((r >= trx::link::record::kPassphrase.offset && r < trx::link::record::kWepOn.offset) ||
                           (r >= trx::link::record::kKeys64.offset && r < trx::link::record::kAddressMode.offset));
      out += secret ? QString("**") : QString("%1").arg(bytes[i], 2, 16, QChar('0')).toUpper();
      out += i + 1 < bytes.size() ? " " : "";
    }
    return out;
  }

  QString Describe(const SettingsRecord& s) const {
    QString wep = s.wepOn == 0 ? "off" : s.keySize == 1 ? "64" : s.keySize == 2 ? "128" : s.keySize == 3 ? "256" : "?";
    QString line =
        QString("mac=%1 host=\"%2\" essid=\"%3\" domain=0x%4 channel=%5 wep=%6 %7 ip=%8")
            .arg(QString::fromStdString(trx::link::FormatMac(s.mac)), QString::fromLatin1(s.hostName.c_str()),
                 QString::fromLatin1(s.essid.c_str()))
            .arg(s.domain, 2, 16, QChar('0'))
            .arg(s.channel)
            .arg(wep, s.addressMode == 0 ? "dhcp" : "fixed", QString::fromStdString(trx::link::FormatIpv4(s.ip)));
    if (o_.showKeys && s.wepOn != 0) {
      const auto area = trx::link::record::KeyArea(s.keySize, 0);
      Bytes record(trx::link::kRecordSize);
      trx::link::WriteRecord(s, record, 0);
      line += " key1=" + QString::fromStdString(trx::link::FormatHex({record.data() + area.offset, area.size}));
    }
    return line;
  }

  // One datagram of one access point lost on the way, at the rate asked for.
  bool Lost() { return o_.lossPercent > 0 && static_cast<int>(random_() % 100) < o_.lossPercent; }
  bool Quiet(std::size_t i) const { return clock_.elapsed() < quietUntil_[i]; }
  bool Faulty(std::size_t i) const { return o_.faulty < 0 || static_cast<int>(i) < o_.faulty; }

  void Applied(std::size_t i) {
    SaveState();
    if (o_.rebootMs <= 0 || !Faulty(i)) return;
    quietUntil_[i] = clock_.elapsed() + o_.rebootMs;
    Print(QString("%1 restarts: silent for %2 ms")
              .arg(QString::fromStdString(trx::link::FormatMac(aps_[i].mac)))
              .arg(o_.rebootMs));
  }

  void Receive(const Bytes& d) {
    if (d == trx::link::SearchRequest()) {
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
      return;
    }
    if (trx::link::HasHeader(d, trx::link::kSettingsHeader)) {
      const auto settings = trx::link::DecodeSettingsMessage(d);
      if (!settings) {
        Print(QString("drop short gstset (%1 bytes)").arg(d.size()));
        return;
      }
      if (o_.mimic &&
          std::none_of(aps_.begin(), aps_.end(), [&](const SettingsRecord& a) { return a.mac == settings->mac; })) {
        aps_.push_back(*settings);
        quietUntil_.push_back(0);
        Print(QString("takes on %1").arg(QString::fromStdString(trx::link::FormatMac(settings->mac))));
      }
      for (auto& ap : aps_) {
        if (ap.mac != settings->mac) continue;
        const std::size_t index = static_cast<std::size_t>(&ap - aps_.data());
        if (Quiet(index) || Lost()) {
          Print(QString("lost gstset for %1").arg(QString::fromStdString(trx::link::FormatMac(ap.mac))));
          return;
        }
        // A unit acknowledges from the address the message found it at, before a new one applies.
        const auto ackFrom = Source(ap);
        Print(QString("recv gstset (%1 bytes) %2").arg(d.size()).arg(Describe(*settings)));
        if (o_.hex) Print("  " + Hex(d, trx::link::kSettingsRecordOffset));
        if (o_.keepOld) {
          Print("settings kept out (as asked)");
        } else if (o_.applyDelayMs > 0) {
          const trx::link::Mac mac = ap.mac;
          // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the timer deletes its slot object after the call
          QTimer::singleShot(o_.applyDelayMs, this, [this, mac, wanted = *settings] {
            for (auto& a : aps_)
              if (a.mac == mac) {
                trx::apsim::ApplySettings(a, wanted);
                Print("settings applied");
                Applied(static_cast<std::size_t>(&a - aps_.data()));
              }
          });
        } else {
          trx::apsim::ApplySettings(ap, *settings);
          Applied(index);
        }
        ++settingsTaken_;
        if ((o_.noAck && Faulty(index)) || (o_.ackLimit >= 0 && settingsTaken_ > o_.ackLimit)) {
          Print("no acknowledgement (as asked)");
          return;
        }
        const auto ack = [this, ackFrom] {
          if (Lost()) {
            Print("lost gstack");
            return;
          }
          queue_.push_back({trx::link::Acknowledgement(), ackFrom});
          Print("send gstack (6 bytes)");
          Pump();
        };
        if (o_.ackDelayMs > 0)
          // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the timer deletes its slot object after the call
          QTimer::singleShot(o_.ackDelayMs, this, ack);
        else
          ack();
        return;
      }
      Print(QString("ignore gstset for %1: not one of ours")
                .arg(QString::fromStdString(trx::link::FormatMac(settings->mac))));
    }
    // Everything else, our own replies and acknowledgements included, is not for us.
  }

  void Reply(std::size_t i) {
    if (Lost()) return;
    const SettingsRecord& ap = aps_[i];
    Bytes reply = trx::link::EncodeReply(ap);
    const bool faulty = Faulty(i);
    constexpr std::size_t at = trx::link::kReplyRecordOffset;
    if (o_.padBytes > 0) reply.resize(reply.size() + static_cast<std::size_t>(o_.padBytes), 0);
    if (faulty) {
      if (o_.domainZero) reply[at + trx::link::record::kDomain.offset] = 0x00;
      if (o_.badChannel) reply[at + trx::link::record::kChannel.offset] = 0x0F;
      if (o_.badDefaultKey) reply[at + trx::link::record::kDefaultKey.offset] = 0x0A;
      if (o_.shortReply) reply.resize(trx::link::kSmallestReply - 1);
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
  QHostAddress Source(const SettingsRecord& ap) const {
    if (!o_.from.isNull()) return o_.from;
    return QHostAddress(static_cast<quint32>(ap.ip[0] << 24 | ap.ip[1] << 16 | ap.ip[2] << 8 | ap.ip[3]));
  }

  // A hostile device's flood: replies of the largest size, each with a MAC and settings of
  // its own, made as the queue empties so that the flood costs this process nothing.
  void Flood() {
    for (; floodLeft_ > 0 && queue_.size() < 64; --floodLeft_) {
      SettingsRecord fake = aps_.empty() ? trx::apsim::MakeAccessPoints(1).front() : aps_.front();
      const auto n = static_cast<std::uint32_t>(++flooded_);
      fake.mac = {0x06,
                  0xF1,
                  static_cast<std::uint8_t>(n >> 24),
                  static_cast<std::uint8_t>(n >> 16),
                  static_cast<std::uint8_t>(n >> 8),
                  static_cast<std::uint8_t>(n)};
      fake.hostName = "flood-" + std::to_string(n);
      Bytes reply = trx::link::EncodeReply(fake);
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
  void Pump() {
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
      const int taken = socket_.SendManyFrom(batch, sources);
      queue_.erase(queue_.begin(), queue_.begin() + taken);
      Flood();
      if (taken < static_cast<int>(batch.size())) {
        if (!pump_.isActive()) pump_.start();
        return;
      }
    }
    pump_.stop();
  }

  std::vector<SettingsRecord> aps_;
  Options o_;
  trx::link::UdpSocket socket_;
  struct Outgoing {
    Bytes bytes;
    QHostAddress from;
  };
  std::deque<Outgoing> queue_;
  QTimer pump_;
  int settingsTaken_ = 0;
  int floodLeft_ = 0;
  long long flooded_ = 0;
  bool floodTold_ = false;
  std::minstd_rand random_;
  QElapsedTimer clock_;
  std::vector<qint64> quietUntil_;  // per access point, on clock_
};

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("trx61-apsim");
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Simulates TRX61 ver. 2.2 access points for the setup utility. Run it inside a private network namespace, "
      "for example: tools/netns-run build/trx61-apsim");
  parser.addHelpOption();
  const QCommandLineOption count("count", "Number of access points (1 to 10000, default 3).", "N", "3");
  const QCommandLineOption config("config", "Read the access points from a settings file.", "FILE");
  const QCommandLineOption delay("delay", "Wait this long before replying to a search.", "MS", "0");
  const QCommandLineOption ackDelay("ack-delay", "Wait this long before acknowledging settings.", "MS", "0");
  const QCommandLineOption noAck("no-ack", "Apply settings but never acknowledge them.");
  const QCommandLineOption ackLimit("ack-limit", "Acknowledge only the first N settings messages.", "N");
  const QCommandLineOption shortReply("short", "Send replies one byte short (341 bytes).");
  const QCommandLineOption domainZero("domain-zero", "Send replies with domain code 0 (refused).");
  const QCommandLineOption badChannel("bad-channel", "Send replies with the unreadable channel byte 0x0F.");
  const QCommandLineOption badKey("bad-default-key", "Send replies with the unreadable default-key byte 0x0A.");
  const QCommandLineOption faulty(
      "faulty", "Give the faults above (--no-ack and --reboot too) to the first N access points only.", "N");
  const QCommandLineOption duplicate("duplicate", "Send every reply twice.");
  const QCommandLineOption lineRate("line-rate",
                                    "Send replies no faster than a link of this speed carries them (default 1000; "
                                    "0: as fast as the system takes them).",
                                    "MBIT", "1000");
  const QCommandLineOption applyDelay("apply-delay", "Apply settings this long after they arrive (default 0).", "MS",
                                      "0");
  const QCommandLineOption keepOld("keep-old", "Acknowledge settings but keep the old values.");
  const QCommandLineOption state("state",
                                 "Keep the access points in this file across runs: read it when it exists and "
                                 "neither --count nor --config is given, write it after every change.",
                                 "FILE");
  const QCommandLineOption loss("loss",
                                "Lose this share of searches, replies, settings messages and acknowledgements, each "
                                "access point's at random (0 to 100, default 0).",
                                "PERCENT", "0");
  const QCommandLineOption seed("seed", "Start the losses' random numbers here, to repeat a run (default 0).", "N",
                                "0");
  const QCommandLineOption reboot("reboot", "Stay silent this long after applying settings, as a restarting unit.",
                                  "MS", "0");
  const QCommandLineOption from("from",
                                "Send everything from this address, as another device on the segment would (default: "
                                "each access point from its own address).",
                                "ADDRESS");
  const QCommandLineOption pad("pad", "Send replies this many bytes longer than their record (0 to 65000).", "BYTES",
                               "0");
  const QCommandLineOption mimic("mimic",
                                 "Take on every access point a settings message names, as a device that pretends to "
                                 "be it (with --from: from another address); --count 0 starts with none.");
  const QCommandLineOption flood("flood",
                                 "After the first search, send N replies of 65507 bytes, each with a MAC of its own, "
                                 "as a hostile device would.",
                                 "N", "0");
  const QCommandLineOption hex("hex", "Print the bytes of every message in hexadecimal.");
  const QCommandLineOption showKeys("show-keys", "Print key bytes and pass phrases too.");
  parser.addOptions({count,  config, delay,     ackDelay, noAck,      ackLimit, shortReply, domainZero, badChannel,
                     badKey, faulty, duplicate, lineRate, applyDelay, keepOld,  loss,       seed,       reboot,
                     state,  hex,    showKeys,  from,     pad,        mimic,    flood});
  parser.process(app);

  if (!trx::tools::InPrivateNetworkNamespace()) {
    std::fprintf(stderr,
                 "trx61-apsim: refusing to run in this machine's own network namespace; its broadcasts must not reach "
                 "a real network.\nRun it inside a private one: tools/netns-run build/trx61-apsim\n");
    return 2;
  }

  Options o;
  bool ok = true;
  o.delayMs = parser.value(delay).toInt(&ok);
  if (ok) o.ackDelayMs = parser.value(ackDelay).toInt(&ok);
  if (ok && parser.isSet(ackLimit)) o.ackLimit = parser.value(ackLimit).toInt(&ok);
  if (ok && parser.isSet(faulty)) o.faulty = parser.value(faulty).toInt(&ok);
  if (ok) o.lineRateMbit = parser.value(lineRate).toInt(&ok);
  if (ok) o.applyDelayMs = parser.value(applyDelay).toInt(&ok);
  if (ok) o.lossPercent = parser.value(loss).toInt(&ok);
  if (ok) o.seed = parser.value(seed).toUInt(&ok);
  if (ok) o.rebootMs = parser.value(reboot).toInt(&ok);
  ok =
      ok && o.lineRateMbit >= 0 && o.applyDelayMs >= 0 && o.lossPercent >= 0 && o.lossPercent <= 100 && o.rebootMs >= 0;
  if (!ok) {
    std::fprintf(stderr, "trx61-apsim: the times and counts must be whole numbers\n");
    return 2;
  }
  if (parser.isSet(from) &&
      (!o.from.setAddress(parser.value(from)) || o.from.protocol() != QAbstractSocket::IPv4Protocol)) {
    std::fprintf(stderr, "trx61-apsim: --from takes an IPv4 address\n");
    return 2;
  }
  if (ok) o.padBytes = parser.value(pad).toInt(&ok);
  if (ok) o.flood = parser.value(flood).toInt(&ok);
  if (!ok || o.padBytes < 0 || o.padBytes > 65000 || o.flood < 0) {
    std::fprintf(stderr, "trx61-apsim: --pad takes 0 to 65000 bytes, --flood a count\n");
    return 2;
  }
  o.mimic = parser.isSet(mimic);
  o.noAck = parser.isSet(noAck);
  o.keepOld = parser.isSet(keepOld);
  o.shortReply = parser.isSet(shortReply);
  o.domainZero = parser.isSet(domainZero);
  o.badChannel = parser.isSet(badChannel);
  o.badDefaultKey = parser.isSet(badKey);
  o.duplicate = parser.isSet(duplicate);
  o.hex = parser.isSet(hex);
  o.showKeys = parser.isSet(showKeys);

  // --count and --config say what to start from; the state file is where the run left off
  // only when neither is given.
  std::vector<SettingsRecord> aps;
  o.stateFile = parser.value(state);
  const bool fromState =
      !o.stateFile.isEmpty() && QFile::exists(o.stateFile) && !parser.isSet(count) && !parser.isSet(config);
  if (fromState) {
    QString error;
    aps = trx::apsim::LoadAccessPoints(o.stateFile, &error);
    if (aps.empty()) {
      std::fprintf(stderr, "trx61-apsim: %s\n", qPrintable(error));
      return 2;
    }
  } else if (parser.isSet(config)) {
    QString error;
    aps = trx::apsim::LoadAccessPoints(parser.value(config), &error);
    if (aps.empty()) {
      std::fprintf(stderr, "trx61-apsim: %s\n", qPrintable(error));
      return 2;
    }
  } else {
    const int n = parser.value(count).toInt(&ok);
    if (!ok || n < (o.mimic ? 0 : 1) || n > 10000) {
      std::fprintf(stderr, "trx61-apsim: --count takes 1 to 10000 (0 with --mimic)\n");
      return 2;
    }
    aps = trx::apsim::MakeAccessPoints(n);
  }
  std::printf("access points from %s\n", qPrintable(fromState              ? "the state file " + o.stateFile
                                                    : parser.isSet(config) ? "the settings file " + parser.value(config)
                                                                           : "--count " + parser.value(count)));

  Simulator simulator(std::move(aps), o);
  simulator.SaveState();  // a new state file starts from the access points given
  if (!simulator.Open()) {
    std::fprintf(stderr, "trx61-apsim: cannot open UDP port %d\n", trx::link::kPort);
    return 1;
  }
  return app.exec();
}
