// trx61ctl: the installer's command line for many access points at once.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QThread>
#include <cstdio>
#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include "ctl/edit.h"
#include "ctl/jobs.h"
#include "ctl/session.h"

using namespace trx;

namespace {

// Exit statuses, as --help lists them.
enum Status { kOk = 0, kRefused = 1, kNotFound = 2 };

constexpr char kStatuses[] =
    "Exit status: 0 done (discover: at least one access point answered; set, apply: verified),\n"
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
    for (const auto& [k, v] : rows.front()) {
      if (!head.empty()) head += ',';
      head += k;
    }
    std::printf("%s\n", head.c_str());
    for (const Row& row : rows) {
      std::string line;
      for (std::size_t i = 0; i < row.size(); ++i) {
        if (i) line += ',';
        line += CsvField(row[i].second);
      }
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

bool Open(ctl::Session& session) {
  if (session.Open()) return true;
  Err("cannot open UDP port 27155 (is another program using it?)");
  return false;
}

// The changes named by options or CSV columns of the same names (empty: keep). Everything
// but the channel, which depends on the device's domain, is checked before anything is sent.
std::optional<ctl::Changes> ReadChanges(const std::function<std::optional<QString>(const char*)>& value,
                                        std::string* error) {
  ctl::Changes c;
  for (const auto& [name, field] : {std::pair{"host", &c.host}, {"essid", &c.essid}, {"passphrase", &c.passphrase},
                                    {"key", &c.key}, {"ip", &c.ip}, {"mask", &c.mask}, {"gateway", &c.gateway}})
    if (const auto v = value(name)) *field = v->toStdString();
  if (const auto v = value("dhcp")) {
    if (*v != "yes" && *v != "no") return *error = "dhcp is yes or no", std::nullopt;
    c.dhcp = *v == "yes";
  }
  if (c.dhcp == true && (c.ip || c.mask || c.gateway)) return *error = "DHCP and a fixed address exclude each other", std::nullopt;
  if (c.ip || c.mask || c.gateway) c.dhcp = false;
  if (const auto v = value("channel")) {
    bool ok = false;
    c.channel = v->toInt(&ok);
    if (!ok) return *error = "the channel is a number", std::nullopt;
  }
  if (const auto v = value("wep")) {
    const auto i = QStringList{"off", "64", "128", "256"}.indexOf(*v);
    if (i < 0) return *error = "WEP is off, 64, 128 or 256", std::nullopt;
    c.wepSize = static_cast<int>(i);
  }
  ctl::Changes firstLook = c;
  firstLook.channel.reset();
  if (!ctl::Apply(firstLook, link::SettingsRecord{}, error)) return std::nullopt;
  return c;
}

// One CSV record per line (quoted fields may hold commas and doubled quotes, not line breaks).
std::vector<QString> CsvCells(const QString& line) {
  std::vector<QString> cells(1);
  bool quoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar ch = line[i];
    if (quoted && ch == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      cells.back() += '"';
      ++i;
    } else if (ch == '"') {
      quoted = !quoted;
    } else if (ch == ',' && !quoted) {
      cells.emplace_back();
    } else {
      cells.back() += ch;
    }
  }
  return cells;
}

int Apply(const QStringList& args) {
  QCommandLineParser p;
  p.setApplicationDescription(
      QString("Sets up every access point named in a CSV file, all at once, and verifies each.\n"
              "The first line names the columns: mac (required), and any of host, essid, channel, dhcp (yes/no), "
              "ip, mask, gateway, wep (off/64/128/256), passphrase, key, as the options of set. An empty cell keeps "
              "the device's value. Bad rows are refused, with file:line and the reason, before anything is sent.\n"
              "One line per device as its outcome is known. ") +
      kStatuses + "\nThe status is that of the worst outcome.");
  p.addHelpOption();
  p.addPositionalArgument("FILE", "The CSV file.");
  const QCommandLineOption report("report", "Write every device's outcome to this JSON file.", "FILE");
  const QCommandLineOption applyTime("apply-time", "How long the access points may take to apply (default 60).",
                                     "SECONDS", "60");
  p.addOptions({report, applyTime});
  p.process(args);
  if (p.positionalArguments().size() != 1) {
    Err("apply takes one CSV file; see trx61ctl apply --help");
    return kRefused;
  }
  const QString path = p.positionalArguments().first();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    Err(path.toStdString() + ": " + file.errorString().toStdString());
    return kRefused;
  }
  bool ok = false;
  const double applySeconds = p.value(applyTime).toDouble(&ok);
  if (!ok || applySeconds < 0) {
    Err("--apply-time takes a number of seconds");
    return kRefused;
  }

  static const QStringList kColumns = {"mac", "host", "essid", "channel", "dhcp", "ip",
                                       "mask", "gateway", "wep", "passphrase", "key"};
  std::vector<ctl::Job> jobs;
  std::vector<std::string> refusals;
  std::vector<QString> header;
  const auto refuseRow = [&](int line, const std::string& why) {
    refusals.push_back(path.toStdString() + ":" + std::to_string(line) + ": " + why);
  };
  QTextStream in(&file);
  for (int line = 1; !in.atEnd(); ++line) {
    const QString text = in.readLine();
    if (text.trimmed().isEmpty()) continue;
    std::vector<QString> cells = CsvCells(text);
    for (QString& cell : cells) cell = cell.trimmed();
    if (header.empty()) {
      header = cells;
      for (const QString& name : header)
        if (!kColumns.contains(name.toLower())) refuseRow(line, "unknown column \"" + name.toStdString() + "\"");
      if (std::find(header.begin(), header.end(), "mac") == header.end()) refuseRow(line, "no mac column");
      continue;
    }
    if (cells.size() != header.size()) {
      refuseRow(line, std::to_string(cells.size()) + " cells where the header names " + std::to_string(header.size()));
      continue;
    }
    const auto cell = [&](const char* name) -> std::optional<QString> {
      for (std::size_t i = 0; i < header.size(); ++i)
        if (header[i].toLower() == name && !cells[i].isEmpty()) return cells[i];
      return std::nullopt;
    };
    ctl::Job job;
    job.line = line;
    const auto mac = ParseMac(cell("mac").value_or(""));
    if (!mac) {
      refuseRow(line, "not a MAC address: \"" + cell("mac").value_or("").toStdString() + "\"");
      continue;
    }
    for (const ctl::Job& other : jobs)
      if (other.mac == *mac) refuseRow(line, "the same MAC as line " + std::to_string(other.line));
    job.mac = *mac;
    std::string error;
    const auto changes = ReadChanges(cell, &error);
    if (!changes) {
      refuseRow(line, error);
      continue;
    }
    job.changes = *changes;
    jobs.push_back(job);
  }
  if (header.empty()) refuseRow(1, "the file is empty");
  if (!refusals.empty()) {
    for (const std::string& r : refusals) Err(r);
    Err("nothing was sent");
    return kRefused;
  }

  ctl::Session session;
  if (!Open(session)) return kRefused;
  ctl::Run(session, jobs, static_cast<int>(applySeconds * 1000), false, [](const ctl::Job& job) {
    std::printf("%s %s%s\n", link::FormatMac(job.mac).c_str(), ctl::OutcomeText(job.outcome),
                job.detail.empty() ? "" : (": " + job.detail).c_str());
    std::fflush(stdout);
  });
  int status = kOk;
  QJsonArray all;
  for (const ctl::Job& job : jobs) {
    status = std::max(status, ctl::ExitStatus(job.outcome));
    all.append(QJsonObject{{"mac", QString::fromStdString(link::FormatMac(job.mac))},
                           {"line", job.line},
                           {"outcome", ctl::OutcomeText(job.outcome)},
                           {"detail", QString::fromStdString(job.detail)}});
  }
  if (p.isSet(report)) {
    QSaveFile out(p.value(report));
    if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(all).toJson()) < 0 || !out.commit()) {
      Err(p.value(report).toStdString() + ": " + out.errorString().toStdString());
      return std::max(status, static_cast<int>(kRefused));
    }
  }
  return status;
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
  if (!Open(session)) return kRefused;
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
  const auto value = [&](const char* name) -> std::optional<QString> {
    if (std::string(name) == "dhcp") return p.isSet(dhcp) ? std::optional<QString>("yes") : std::nullopt;
    return p.isSet(name) ? std::optional<QString>(p.value(name)) : std::nullopt;
  };
  std::string error;
  const auto read = ReadChanges(value, &error);
  if (!read) return refuse(error);
  const ctl::Changes c = *read;
  bool ok = false;
  const double applySeconds = p.value(applyTime).toDouble(&ok);
  if (!ok || applySeconds < 0) return refuse("--apply-time takes a number of seconds");
  if (c.Empty()) return refuse("nothing to change; see trx61ctl set --help");

  ctl::Session session;
  if (!Open(session)) return kRefused;
  std::vector<ctl::Job> jobs(1);
  jobs[0].mac = *mac;
  jobs[0].changes = c;
  ctl::Run(session, jobs, static_cast<int>(applySeconds * 1000), p.isSet(dryRun), [&](const ctl::Job& job) {
    if (p.isSet(dryRun) && job.outcome == ctl::Outcome::Verified) {
      for (const std::string& line : job.dryRun) std::printf("%s\n", line.c_str());
    } else if (job.outcome == ctl::Outcome::Refused) {
      Err(job.detail);
    } else {
      std::printf("%s%s\n", ctl::OutcomeText(job.outcome), job.detail.empty() ? "" : (": " + job.detail).c_str());
    }
  });
  return ctl::ExitStatus(jobs[0].outcome);
}

}  // namespace

int main(int argc, char* argv[]) {
  // "trx61ctl set ..." runs as a program of its own name, so that its --help says "trx61ctl set".
  const std::string command = argc > 1 ? argv[1] : "";
  const bool known = command == "discover" || command == "set" || command == "apply";
  std::string name = "trx61ctl " + command;
  std::vector<char*> arguments(argv, argv + argc);
  if (known) {
    arguments.erase(arguments.begin() + 1);
    arguments[0] = name.data();
  }
  int count = static_cast<int>(arguments.size());
  QCoreApplication app(count, arguments.data());
  QCoreApplication::setApplicationName("trx61ctl");
  QCoreApplication::setApplicationVersion(TRX_VERSION);
  if (known) {
    const QStringList args = app.arguments();
    return command == "discover" ? Discover(args) : command == "set" ? Set(args) : Apply(args);
  }
  if (command == "--version") {
    std::printf("trx61ctl %s\n", TRX_VERSION);
    return kOk;
  }
  const bool asked = command.empty() || command == "--help" || command == "-h";
  if (!asked) Err("unknown command \"" + command + "\"");
  std::fprintf(asked ? stdout : stderr,
               "Usage: trx61ctl COMMAND [OPTIONS]\n"
               "Sets up TRX61 ver. 2.2 access points on every network adapter of this PC (UDP port 27155).\n\n"
               "Commands:\n"
               "  discover   list the access points that answer a search\n"
               "  set MAC    change one access point's settings and verify them\n"
               "  apply CSV  set up every access point of a file at once, and verify each\n\n"
               "trx61ctl COMMAND --help describes each. %s\n"
               "With TRX61_DEBUG=1 the network traffic is reported on standard error.\n",
               kStatuses);
  return asked ? kOk : kRefused;
}
