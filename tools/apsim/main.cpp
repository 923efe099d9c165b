// trx61-apsim: stands in for TRX61 ver. 2.2 access points on a test segment. It answers
// every discovery request with one reply per access point, and acknowledges and applies a
// settings message that names one of its access points. Runs only inside a private
// network namespace (see tools/netns-run).
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <optional>

#include "tools/apsim/accesspoints.h"
#include "tools/apsim/simulator.h"
#include "tools/netns/guard.h"

namespace {

using trx::apsim::Options;
using trx::link::SettingsRecord;

// The command line: what to start from, and the faults and timings to play.
struct CommandLine {
  const QCommandLineOption count{"count", "Number of access points (1 to 10000, default 3).", "N", "3"};
  const QCommandLineOption config{"config", "Read the access points from a settings file.", "FILE"};
  const QCommandLineOption delay{"delay", "Wait this long before replying to a search.", "MS", "0"};
  const QCommandLineOption ackDelay{"ack-delay", "Wait this long before acknowledging settings.", "MS", "0"};
  const QCommandLineOption noAck{"no-ack", "Apply settings but never acknowledge them."};
  const QCommandLineOption ackLimit{"ack-limit", "Acknowledge only the first N settings messages.", "N"};
  const QCommandLineOption shortReply{"short", "Send replies one byte short (341 bytes)."};
  const QCommandLineOption domainZero{"domain-zero", "Send replies with domain code 0 (refused)."};
  const QCommandLineOption badChannel{"bad-channel", "Send replies with the unreadable channel byte 0x0F."};
  const QCommandLineOption badKey{"bad-default-key", "Send replies with the unreadable default-key byte 0x0A."};
  const QCommandLineOption faulty{
      "faulty", "Give the faults above (--no-ack and --reboot too) to the first N access points only.", "N"};
  const QCommandLineOption duplicate{"duplicate", "Send every reply twice."};
  const QCommandLineOption lineRate{"line-rate",
                                    "Send replies no faster than a link of this speed carries them (default 1000; "
                                    "0: as fast as the system takes them).",
                                    "MBIT", "1000"};
  const QCommandLineOption applyDelay{"apply-delay", "Apply settings this long after they arrive (default 0).", "MS",
                                      "0"};
  const QCommandLineOption keepOld{"keep-old", "Acknowledge settings but keep the old values."};
  const QCommandLineOption state{"state",
                                 "Keep the access points in this file across runs: read it when it exists and "
                                 "neither --count nor --config is given, write it after every change.",
                                 "FILE"};
  const QCommandLineOption loss{"loss",
                                "Lose this share of searches, replies, settings messages and acknowledgements, each "
                                "access point's at random (0 to 100, default 0).",
                                "PERCENT", "0"};
  const QCommandLineOption seed{"seed", "Start the losses' random numbers here, to repeat a run (default 0).", "N",
                                "0"};
  const QCommandLineOption reboot{"reboot", "Stay silent this long after applying settings, as a restarting unit.",
                                  "MS", "0"};
  const QCommandLineOption from{"from",
                                "Send everything from this address, as another device on the segment would (default: "
                                "each access point from its own address).",
                                "ADDRESS"};
  const QCommandLineOption pad{"pad", "Send replies this many bytes longer than their record (0 to 65000).", "BYTES",
                               "0"};
  const QCommandLineOption mimic{"mimic",
                                 "Take on every access point a settings message names, as a device that pretends to "
                                 "be it (with --from: from another address); --count 0 starts with none."};
  const QCommandLineOption flood{"flood",
                                 "After the first search, send N replies of 65507 bytes, each with a MAC of its own, "
                                 "as a hostile device would.",
                                 "N", "0"};
  const QCommandLineOption hex{"hex", "Print the bytes of every message in hexadecimal."};
  const QCommandLineOption showKeys{"show-keys", "Print key bytes and pass phrases too."};

  void AddTo(QCommandLineParser& parser) const {
    parser.addOptions({count,  config, delay,     ackDelay, noAck,      ackLimit, shortReply, domainZero, badChannel,
                       badKey, faulty, duplicate, lineRate, applyDelay, keepOld,  loss,       seed,       reboot,
                       state,  hex,    showKeys,  from,     pad,        mimic,    flood});
  }

  // The options' values; false when one is refused, said on standard error.
  bool Read(const QCommandLineParser& parser, Options& o) const {
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
    ok = ok && o.lineRateMbit >= 0 && o.applyDelayMs >= 0 && o.lossPercent >= 0 && o.lossPercent <= 100 &&
         o.rebootMs >= 0;
    if (!ok) {
      std::fprintf(stderr, "trx61-apsim: the times and counts must be whole numbers\n");
      return false;
    }
    if (parser.isSet(from) &&
        (!o.from.setAddress(parser.value(from)) || o.from.protocol() != QAbstractSocket::IPv4Protocol)) {
      std::fprintf(stderr, "trx61-apsim: --from takes an IPv4 address\n");
      return false;
    }
    o.padBytes = parser.value(pad).toInt(&ok);
    if (ok) o.flood = parser.value(flood).toInt(&ok);
    if (!ok || o.padBytes < 0 || o.padBytes > 65000 || o.flood < 0) {
      std::fprintf(stderr, "trx61-apsim: --pad takes 0 to 65000 bytes, --flood a count\n");
      return false;
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
    o.stateFile = parser.value(state);
    return true;
  }

  // --count and --config say what to start from; the state file is where the run left off
  // only when neither is given. Nothing when they cannot be had, said on standard error.
  std::optional<std::vector<SettingsRecord>> AccessPoints(const QCommandLineParser& parser, const Options& o) const {
    const bool fromState =
        !o.stateFile.isEmpty() && QFile::exists(o.stateFile) && !parser.isSet(count) && !parser.isSet(config);
    std::vector<SettingsRecord> aps;
    if (fromState || parser.isSet(config)) {
      QString error;
      aps = trx::apsim::LoadAccessPoints(fromState ? o.stateFile : parser.value(config), &error);
      if (aps.empty()) {
        std::fprintf(stderr, "trx61-apsim: %s\n", qPrintable(error));
        return std::nullopt;
      }
    } else {
      bool ok = false;
      const int n = parser.value(count).toInt(&ok);
      if (!ok || n < (o.mimic ? 0 : 1) || n > 10000) {
        std::fprintf(stderr, "trx61-apsim: --count takes 1 to 10000 (0 with --mimic)\n");
        return std::nullopt;
      }
      aps = trx::apsim::MakeAccessPoints(n);
    }
    std::printf("access points from %s\n",
                qPrintable(fromState              ? "the state file " + o.stateFile
                           : parser.isSet(config) ? "the settings file " + parser.value(config)
                                                  : "--count " + parser.value(count)));
    return aps;
  }
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
  const CommandLine line;
  line.AddTo(parser);
  parser.process(app);

  if (!trx::tools::InPrivateNetworkNamespace()) {
    std::fprintf(stderr,
                 "trx61-apsim: refusing to run in this machine's own network namespace; its broadcasts must not reach "
                 "a real network.\nRun it inside a private one: tools/netns-run build/trx61-apsim\n");
    return 2;
  }
  Options o;
  if (!line.Read(parser, o)) return 2;
  auto aps = line.AccessPoints(parser, o);
  if (!aps) return 2;

  trx::apsim::Simulator simulator(std::move(*aps), o);
  simulator.SaveState();  // a new state file starts from the access points given
  if (!simulator.Open()) {
    std::fprintf(stderr, "trx61-apsim: cannot open UDP port %d\n", trx::link::kPort);
    return 1;
  }
  return app.exec();
}
