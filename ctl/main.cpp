// trx61ctl: the installer's command line for many access points at once.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QThread>
#include <cstdio>
#include <map>

#include "ctl/edit.h"
#include "ctl/session.h"

using namespace trx;

namespace {

// Exit statuses, as --help lists them.
enum Status { kOk = 0, kRefused = 1, kNotFound = 2, kNotAcknowledged = 3, kDifferent = 4 };

constexpr char kStatuses[] =
    "Exit status: 0 done (discover: at least one access point answered; set: verified),\n"
    "1 refused (bad arguments or values, or the UDP port cannot be opened), 2 not found,\n"
    "3 not acknowledged, 4 acknowledged but different.";

void Err(const std::string& line) { std::fprintf(stderr, "trx61ctl: %s\n", line.c_str()); }

using Row = std::vector<std::pair<std::string, std::string>>;

Row Describe(const link::SettingsRecord& r, bool showKeys) {
  const link::Domain* domain = link::FindDomain(r.domain);
  const auto channel = ctl::ChannelNumber(r);
  Row row = {{"mac", link::FormatMac(r.mac)},
             {"host", ctl::Utf8FromDevice(r.hostName)},
             {"ip", link::FormatIpv4(r.ip)},
             {"mask", link::FormatIpv4(r.mask)},
             {"gateway", link::FormatIpv4(r.gateway)},
             {"dhcp", r.addressMode == 0 ? "yes" : "no"},
             {"domain", domain ? std::string(domain->name) : "Error"},
             {"channel", channel ? std::to_string(*channel) : "?"},
             {"essid", ctl::Utf8FromDevice(r.essid)},
             {"firmware", ctl::Utf8FromDevice(r.firmware)},
             {"wep", ctl::WepText(r)}};
  if (showKeys) {
    row.push_back({"passphrase", ctl::Utf8FromDevice(r.passphrase)});
    const auto size = link::ReadWepSize(r.wepOn, r.keySize).value_or(0);
    for (std::size_t k = 0; k < 4; ++k) {
      const std::string key = size == 2 ? link::FormatHex(r.keys128[k])
                              : size == 3 ? link::FormatHex(r.keys256[k])
                                          : link::FormatHex(r.keys64[k]);
      row.push_back({"key" + std::to_string(k + 1), key});
    }
  }
  return row;
}

std::string CsvField(const std::string& v) {
  if (v.find_first_of(",\"\r\n") == std::string::npos) return v;
  std::string quoted = "\"";
  for (const char c : v) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

void Print(const std::vector<Row>& rows, const std::string& format) {
  if (format == "json") {
    QJsonArray all;
    for (const Row& row : rows) {
      QJsonObject o;
      for (const auto& [k, v] : row) o.insert(QString::fromStdString(k), QString::fromStdString(v));
      all.append(o);
    }
    std::printf("%s", QJsonDocument(all).toJson().constData());
    return;
  }
  if (rows.empty()) return;
  if (format == "csv") {
    std::string head;
    for (const auto& [k, v] : rows.front()) head += (head.empty() ? "" : ",") + k;
    std::printf("%s\n", head.c_str());
    for (const Row& row : rows) {
      std::string line;
      for (std::size_t i = 0; i < row.size(); ++i) line += (i ? "," : "") + CsvField(row[i].second);
      std::printf("%s\n", line.c_str());
    }
    return;
  }
  std::vector<int> widths;
  for (const auto& [k, v] : rows.front()) widths.push_back(static_cast<int>(QString::fromStdString(k).size()));
  for (const Row& row : rows)
    for (std::size_t i = 0; i < row.size(); ++i)
      widths[i] = std::max(widths[i], static_cast<int>(QString::fromStdString(row[i].second).size()));
  const auto line = [&](const std::vector<std::string>& cells) {
    QString text;
    for (std::size_t i = 0; i < cells.size(); ++i)
      text += QString::fromStdString(cells[i]).leftJustified(widths[i] + 2);
    std::printf("%s\n", text.trimmed().toStdString().c_str());
  };
  std::vector<std::string> head;
  for (const auto& [k, v] : rows.front()) head.push_back(k);
  line(head);
  for (const Row& row : rows) {
    std::vector<std::string> cells;
    for (const auto& [k, v] : row) cells.push_back(v);
    line(cells);
  }
}

// Replies that cannot be used, counted by reason on standard error.
void ReportUnusable(const std::vector<ctl::Answer>& answers) {
  std::map<std::string, int> reasons;
  for (const ctl::Answer& a : answers)
    if (a.outcome != link::ReplyOutcome::Listed) ++reasons[link::Reason(a.outcome)];
  for (const auto& [reason, n] : reasons) Err(std::to_string(n) + " reply(s) " + reason);
}

std::optional<link::Mac> ParseMac(const QString& text) {
  const QStringList parts = text.split(QRegularExpression("[-:]"));
  if (parts.size() != 6) return std::nullopt;
  link::Mac mac{};
  for (int i = 0; i < 6; ++i) {
    bool ok = false;
    const uint v = parts[i].toUInt(&ok, 16);
    if (!ok || v > 255 || parts[i].size() != 2) return std::nullopt;
    mac[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v);
  }
  return mac;
}

int Discover(const QStringList& args) {
  QCommandLineParser p;
  p.setApplicationDescription(QString("Searches every network adapter for access points and lists each reply in "
                                      "arrival order on standard output.\n") + kStatuses);
  p.addHelpOption();
  const QCommandLineOption wait("wait", "How long to wait for replies (default 3).", "SECONDS", "3");
  const QCommandLineOption json("json", "Output as JSON.");
  const QCommandLineOption csv("csv", "Output as CSV with a header line.");
  const QCommandLineOption keys("show-keys", "Include pass phrases and keys.");
  p.addOptions({wait, json, csv, keys});
  p.process(args);
  bool ok = false;
  const double seconds = p.value(wait).toDouble(&ok);
  if (!ok || seconds <= 0 || seconds > 600) {
    Err("--wait takes a number of seconds from 0 to 600");
    return kRefused;
  }
  ctl::Session session;
  if (!session.Open()) {
    Err("cannot open UDP port 27155 (is another program using it?)");
    return kRefused;
  }
  const auto answers = session.Search(static_cast<int>(seconds * 1000));
  std::vector<Row> rows;
  for (const ctl::Answer& a : answers)
    if (a.outcome == link::ReplyOutcome::Listed) rows.push_back(Describe(*a.record, p.isSet(keys)));
  Print(rows, p.isSet(json) ? "json" : p.isSet(csv) ? "csv" : "table");
  ReportUnusable(answers);
  if (rows.empty()) Err("no access point answered");
  return rows.empty() ? kNotFound : kOk;
}

int Set(const QStringList& args) {
  QCommandLineParser p;
  p.setApplicationDescription(
      QString("Changes the named settings of the access point with this MAC address (02-00-00-0A-1B-2C), keeps the "
              "rest as it reports them, sends them, waits for the acknowledgement, and then searches until the "
              "access point reports the new values (verified) or its apply time runs out.\n") +
      kStatuses);
  p.addHelpOption();
  p.addPositionalArgument("MAC", "The access point's MAC address.");
  const QCommandLineOption host("host", "Host name (up to 31 characters).", "NAME");
  const QCommandLineOption essid("essid", "ESSID (1 to 32 characters).", "TEXT");
  const QCommandLineOption channel("channel", "Channel number, one of the access point's domain.", "N");
  const QCommandLineOption dhcp("dhcp", "Address from a DHCP server.");
  const QCommandLineOption ip("ip", "Fixed IP address.", "A");
  const QCommandLineOption mask("mask", "Net mask.", "M");
  const QCommandLineOption gateway("gateway", "Gateway.", "G");
  const QCommandLineOption wep("wep", "WEP: off, 64, 128 or 256.", "SIZE");
  const QCommandLineOption phrase("passphrase", "Pass phrase the keys are made from.", "P");
  const QCommandLineOption key("key", "Key 1 in hexadecimal digits (0-9, A-F; 10, 26 or 58).", "HEX");
  const QCommandLineOption dryRun("dry-run", "Print the changes field by field and send nothing.");
  const QCommandLineOption applyTime("apply-time", "How long the access point may take to apply (default 60).",
                                     "SECONDS", "60");
  p.addOptions({host, essid, channel, dhcp, ip, mask, gateway, wep, phrase, key, dryRun, applyTime});
  p.process(args);

  const auto refuse = [](const std::string& why) {
    Err(why);
    return kRefused;
  };
  if (p.positionalArguments().size() != 1) return refuse("set takes one MAC address; see trx61ctl set --help");
  const auto mac = ParseMac(p.positionalArguments().first());
  if (!mac) return refuse("not a MAC address: " + p.positionalArguments().first().toStdString());
  ctl::Changes c;
  const auto text = [&](const QCommandLineOption& o, std::optional<std::string>& field) {
    if (p.isSet(o)) field = p.value(o).toStdString();
  };
  text(host, c.host);
  text(essid, c.essid);
  text(phrase, c.passphrase);
  text(key, c.key);
  text(ip, c.ip);
  text(mask, c.mask);
  text(gateway, c.gateway);
  if (p.isSet(dhcp) && (c.ip || c.mask || c.gateway)) return refuse("--dhcp and a fixed address exclude each other");
  if (p.isSet(dhcp)) c.dhcp = true;
  if (c.ip || c.mask || c.gateway) c.dhcp = false;
  if (p.isSet(channel)) {
    bool ok = false;
    c.channel = p.value(channel).toInt(&ok);
    if (!ok) return refuse("--channel takes a number");
  }
  if (p.isSet(wep)) {
    const QStringList sizes = {"off", "64", "128", "256"};
    const auto i = sizes.indexOf(p.value(wep));
    if (i < 0) return refuse("--wep takes off, 64, 128 or 256");
    c.wepSize = static_cast<int>(i);
  }
  bool ok = false;
  const double applySeconds = p.value(applyTime).toDouble(&ok);
  if (!ok || applySeconds < 0) return refuse("--apply-time takes a number of seconds");
  if (c.Empty()) return refuse("nothing to change; see trx61ctl set --help");
  std::string error;
  {
    // Everything but the channel can be refused before anything is sent.
    ctl::Changes firstLook = c;
    firstLook.channel.reset();
    if (!ctl::Apply(firstLook, link::SettingsRecord{}, &error)) return refuse(error);
  }

  ctl::Session session;
  if (!session.Open()) return refuse("cannot open UDP port 27155 (is another program using it?)");
  const auto isIt = [&](const ctl::Answer& a) {
    return a.outcome == link::ReplyOutcome::Listed && a.record && a.record->mac == *mac;
  };
  const auto first = session.Search(3000, isIt);
  const ctl::Answer* device = ctl::FindMac(first, *mac);
  if (!device) {
    std::printf("not found\n");
    return kNotFound;
  }
  const auto wanted = ctl::Apply(c, *device->record, &error);
  if (!wanted) return refuse(error);
  if (p.isSet(dryRun)) {
    for (const std::string& line : ctl::DescribeChanges(*device->record, *wanted)) std::printf("%s\n", line.c_str());
    return kOk;
  }
  if (!session.Send(*wanted, 3000)) {
    std::printf("not acknowledged\n");
    return kNotAcknowledged;
  }
  // Proof: search until the device reports what was sent, or its apply time is over.
  QElapsedTimer clock;
  clock.start();
  std::vector<std::string> different;
  do {
    const auto answers = session.Search(3000, isIt);
    if (const ctl::Answer* now = ctl::FindMac(answers, *mac)) {
      different = ctl::Differences(*wanted, *now->record);
      if (different.empty()) {
        std::printf("verified\n");
        return kOk;
      }
    }
    QThread::msleep(500);
  } while (clock.elapsed() < applySeconds * 1000);
  std::string names;
  for (const std::string& n : different) names += (names.empty() ? "" : ", ") + n;
  std::printf("acknowledged but different%s\n", names.empty() ? " (not found again)" : (": " + names).c_str());
  return kDifferent;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("trx61ctl");
  QCoreApplication::setApplicationVersion(TRX_VERSION);
  QStringList args = app.arguments();
  const QString command = args.size() > 1 ? args[1] : QString();
  if (command == "discover" || command == "set") {
    args.removeAt(1);
    args[0] += " " + command;
    return command == "discover" ? Discover(args) : Set(args);
  }
  if (command == "--version") {
    std::printf("trx61ctl %s\n", TRX_VERSION);
    return kOk;
  }
  std::fprintf(command.isEmpty() || command == "--help" || command == "-h" ? stdout : stderr,
               "Usage: trx61ctl COMMAND [OPTIONS]\n"
               "Sets up TRX61 ver. 2.2 access points on every network adapter of this PC (UDP port 27155).\n\n"
               "Commands:\n"
               "  discover   list the access points that answer a search\n"
               "  set MAC    change one access point's settings and verify them\n\n"
               "trx61ctl COMMAND --help describes each. %s\n"
               "With TRX61_DEBUG=1 the network traffic is reported on standard error.\n",
               kStatuses);
  return command.isEmpty() || command == "--help" || command == "-h" ? kOk : kRefused;
}
