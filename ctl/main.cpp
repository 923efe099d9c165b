// trx61ctl: the installer's command line for many access points at once.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <vector>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "ctl/csv.h"
#include "ctl/edit.h"
#include "ctl/jobs.h"
#include "ctl/session.h"

using namespace trx;

namespace {

// Exit statuses, as --help lists them; the per-device ones come from ctl::ExitStatus.
enum Status { kOk = 0, kRefused = 1, kNotFound = 2, kOutputFailed = 6 };

constexpr char kStatuses[] =
    "Exit status: 0 done (discover: at least one access point answered; set, apply: verified, unchanged, or changed "
    "without acknowledgement),\n1 refused: bad arguments, a bad file, or the UDP port cannot be opened; nothing was "
    "sent,\n2 not found, 3 not acknowledged, 4 acknowledged but different, 5 refused for some devices (the others "
    "went ahead),\n6 standard output or the report could not be written, 130 and 143 interrupted (Ctrl-C, SIGTERM).";

void Err(const std::string& line) { std::fprintf(stderr, "trx61ctl: %s\n", line.c_str()); }

bool Terminal(std::FILE* f) {
#ifdef _WIN32
  return _isatty(_fileno(f)) != 0;
#else
  return isatty(fileno(f)) != 0;
#endif
}

// Standard output must have taken everything: a full disk is a failure, not a success.
int Finish(int status) {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    Err("cannot write standard output");
    return std::max(status, static_cast<int>(kOutputFailed));
  }
  return status;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A value as the table and CSV show it, and as JSON types it.
struct Cell {
  std::string name, text;
  QJsonValue json;
};
using Row = std::vector<Cell>;

Cell Text(const char* name, const std::string& text) { return {name, text, Q(text)}; }
Cell Number(const char* name, std::optional<int> n) {
  return {name, n ? std::to_string(*n) : "?", n ? QJsonValue(*n) : QJsonValue()};
}
Cell List(const char* name, const QStringList& items) {
  return {name, items.join(' ').toStdString(), QJsonArray::fromStringList(items)};
}

Row Describe(const ctl::Answer& a, bool showKeys, const QStringList& conflicts) {
  const link::SettingsRecord& r = *a.record;
  const link::Domain* domain = link::FindDomain(r.domain);
  Row row = {Text("mac", link::FormatMac(r.mac)),
             Text("host", ctl::Utf8FromDevice(r.hostName)),
             Text("ip", link::FormatIpv4(r.ip)),
             Text("mask", link::FormatIpv4(r.mask)),
             Text("gateway", link::FormatIpv4(r.gateway)),
             {"dhcp", r.addressMode == 0 ? "yes" : "no", r.addressMode == 0},
             Text("domain", domain ? std::string(domain->name) : "Error"),
             Number("channel", ctl::ChannelNumber(r)),
             Text("essid", ctl::Utf8FromDevice(r.essid)),
             Text("firmware", ctl::Utf8FromDevice(r.firmware)),
             Text("wep", ctl::WepText(r)),
             Number("default_key", r.defaultKey <= 3 ? std::optional<int>(r.defaultKey + 1) : std::nullopt)};
  if (showKeys) {
    row.push_back(Text("passphrase", ctl::Utf8FromDevice(r.passphrase)));
    static const char* const kKeys[] = {"key1", "key2", "key3", "key4"};
    for (std::size_t k = 0; k < 4; ++k) row.push_back(Text(kKeys[k], ctl::KeyText(r, k)));
  }
  row.push_back(List("interfaces", a.interfaces));
  row.push_back(List("conflicts", conflicts));
  return row;
}

// A device's text may hold anything; a table row must stay one line.
std::string OneLine(const std::string& text) {
  QString line = Q(text);
  for (QChar& c : line)
    if (c.category() == QChar::Other_Control) c = QChar(0xFFFD);
  return line.toStdString();
}

void Print(const std::vector<Row>& rows, const std::string& format) {
  if (format == "json") {
    QJsonArray all;
    for (const Row& row : rows) {
      QJsonObject o;
      for (const Cell& c : row) o.insert(Q(c.name), c.json);
      all.append(o);
    }
    std::printf("%s", QJsonDocument(all).toJson().constData());
    return;
  }
  if (rows.empty()) return;
  if (format == "csv") {
    std::vector<std::string> head;
    for (const Cell& c : rows.front()) head.push_back(c.name);
    std::printf("%s\n", ctl::Join(head, ",").c_str());
    for (const Row& row : rows) {
      std::vector<std::string> cells;
      for (const Cell& c : row) cells.push_back(ctl::CsvCell(c.text));
      std::printf("%s\n", ctl::Join(cells, ",").c_str());
    }
    return;
  }
  // The table: a "!" before a device that shares its address or MAC with another.
  const bool marks = std::any_of(rows.begin(), rows.end(), [](const Row& row) { return !row.back().text.empty(); });
  std::vector<std::vector<QString>> lines(1);
  if (marks) lines[0].push_back(" ");
  for (const Cell& c : rows.front()) lines[0].push_back(Q(c.name));
  for (const Row& row : rows) {
    lines.emplace_back();
    if (marks) lines.back().push_back(row.back().text.empty() ? " " : "!");
    for (const Cell& c : row) lines.back().push_back(Q(OneLine(c.text)));
  }
  std::vector<qsizetype> widths(lines[0].size(), 0);
  for (const auto& cells : lines)
    for (std::size_t i = 0; i < cells.size(); ++i) widths[i] = std::max(widths[i], cells[i].size());
  for (const auto& cells : lines) {
    QString text;
    for (std::size_t i = 0; i < cells.size(); ++i) text += cells[i].leftJustified(widths[i] + (marks && i == 0 ? 1 : 2));
    while (text.endsWith(' ')) text.chop(1);
    std::printf("%s\n", text.toStdString().c_str());
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

// The changes named by options or CSV columns of the same names (nothing: keep). Everything
// that needs no device is checked here, before anything is sent. "?" (a value the device
// reported unreadable, in a backup) keeps the device's value.
std::optional<ctl::Changes> ReadChanges(const std::function<std::optional<QString>(const char*)>& value,
                                        std::string* error) {
  ctl::Changes c;
  for (const auto& [name, field] : {std::pair{"host", &c.host}, {"essid", &c.essid}, {"passphrase", &c.passphrase},
                                    {"ip", &c.ip}, {"mask", &c.mask}, {"gateway", &c.gateway},
                                    {"domain", &c.domain}, {"firmware", &c.firmware}})
    if (const auto v = value(name)) *field = v->toStdString();
  static const char* const kKeys[] = {"key1", "key2", "key3", "key4"};
  for (std::size_t k = 0; k < 4; ++k)
    if (const auto v = value(kKeys[k])) c.keys[k] = v->toStdString();
  const auto number = [&](const char* name, std::optional<int>& field) {
    const auto v = value(name);
    if (!v || *v == "?") return true;
    bool ok = false;
    field = v->toInt(&ok);
    return ok;
  };
  if (!number("channel", c.channel)) return *error = "the channel is a number", std::nullopt;
  if (!number("default_key", c.defaultKey)) return *error = "the default key is 1, 2, 3 or 4", std::nullopt;
  if (const auto v = value("dhcp")) {
    if (v->toLower() != "yes" && v->toLower() != "no") return *error = "dhcp is yes or no", std::nullopt;
    c.dhcp = v->toLower() == "yes";
  }
  if (c.ip && !c.dhcp) c.dhcp = false;  // a fixed address turns DHCP off
  if (const auto v = value("wep"); v && *v != "?") {
    const auto i = QStringList{"off", "64", "128", "256"}.indexOf(v->toLower());
    if (i < 0) return *error = "WEP is off, 64, 128 or 256", std::nullopt;
    c.wepSize = static_cast<int>(i);
  }
  *error = ctl::CheckAlone(c);
  if (!error->empty()) return std::nullopt;
  return c;
}

QJsonObject JobJson(const ctl::Job& job, bool withLine) {
  QJsonObject o{{"mac", Q(link::FormatMac(job.mac))},
                {"outcome", ctl::OutcomeText(job.outcome)},
                {"detail", Q(job.detail)},
                {"sent", job.sent},
                {"acknowledged", job.acknowledged}};
  if (withLine) o.insert("line", job.line);
  QJsonArray changes;
  for (const std::string& c : job.shown) changes.append(Q(c));
  o.insert("changes", changes);
  return o;
}

// The waits every command that talks to devices shares.
struct Waits {
  QCommandLineOption search{"wait", "How long each search waits for replies (default 3).", "SECONDS", "3"};
  QCommandLineOption ack{"ack-wait", "How long to wait for each acknowledgement (default 3).", "SECONDS", "3"};
  QCommandLineOption apply{"apply-time", "How long the access points may take to apply (default 60).", "SECONDS", "60"};
  void AddTo(QCommandLineParser& p) { p.addOptions({search, ack, apply}); }
  // Fills the options' times, or says which option is wrong.
  bool Read(const QCommandLineParser& p, ctl::RunOptions& o) {
    const std::pair<const QCommandLineOption*, int*> all[] = {{&search, &o.searchMs}, {&ack, &o.ackMs}, {&apply, &o.applyMs}};
    for (const auto& [option, ms] : all) {
      bool ok = false;
      const double seconds = p.value(*option).toDouble(&ok);
      if (!ok || seconds < 0 || seconds > 3600) {
        Err("--" + option->names().first().toStdString() + " takes a number of seconds from 0 to 3600");
        return false;
      }
      *ms = static_cast<int>(seconds * 1000);
    }
    return true;
  }
};

// Verification progress on a terminal, on one line that is cleared at the end.
struct Progress {
  bool on = Terminal(stderr);
  bool shown = false;
  void Show(int verified, int waiting, int secondsLeft) {
    if (!on) return;
    std::fprintf(stderr, "\rverifying: %d verified, %d waiting, %d s left   ", verified, waiting, secondsLeft);
    std::fflush(stderr);
    shown = true;
  }
  void Clear() {
    if (shown) std::fprintf(stderr, "\r%60s\r", "");
    shown = false;
  }
};

// One line per outcome count on standard error: "95 verified, 5 not found".
void Summary(const std::vector<ctl::Job>& jobs) {
  std::map<std::string, int> counts;
  for (const ctl::Job& job : jobs) ++counts[ctl::OutcomeText(job.outcome)];
  std::vector<std::string> parts;
  for (const auto& [what, n] : counts) parts.push_back(std::to_string(n) + " " + what);
  Err(ctl::Join(parts, ", "));
}

int Status(const std::vector<ctl::Job>& jobs) {
  if (const int signal = ctl::Interrupted()) return 128 + signal;
  int status = kOk;
  for (const ctl::Job& job : jobs) status = std::max(status, ctl::ExitStatus(job.outcome));
  return status;
}

// A file to read, or standard input for "-".
bool OpenInput(QFile& file, const QString& path) {
  if (path == "-") return file.open(stdin, QIODevice::ReadOnly);
  file.setFileName(path);
  return file.open(QIODevice::ReadOnly);
}

bool WriteReport(const QString& path, const QJsonArray& all) {
  QSaveFile out(path);
  if (out.open(QIODevice::WriteOnly) && out.write(QJsonDocument(all).toJson()) >= 0 && out.commit()) return true;
  Err(path.toStdString() + ": " + out.errorString().toStdString());
  return false;
}

int Apply(const QStringList& args) {
  QCommandLineParser p;
  p.setApplicationDescription(
      QString("Sets up every access point named in a CSV file, all at once, and verifies each.\n"
              "The first line names the columns (in any letter case): mac (required), and any of host, essid, channel, "
              "dhcp (yes/no), ip, mask, gateway, wep (off/64/128/256), passphrase, key1 to key4 (key is key1), "
              "default_key (1 to 4), as the options of set. domain and firmware must match the device; interfaces "
              "and conflicts are read and ignored, so what discover --csv prints is a file this command takes. "
              "An empty cell keeps the device's value; so does a row that names only what the device already has "
              "(unchanged: nothing is sent). A fixed ip turns DHCP off unless the row says dhcp yes (then the "
              "addresses are kept for later). Bad rows are refused, with file:line and the reason, before anything "
              "is sent. FILE - reads standard input.\nOne line per device as its outcome is known. ") +
      kStatuses + "\nThe status is that of the worst outcome.");
  p.addHelpOption();
  p.addPositionalArgument("FILE", "The CSV file, or - for standard input.");
  const QCommandLineOption report("report", "Write every device's outcome to this JSON file.", "FILE");
  const QCommandLineOption dryRun("dry-run", "Print what each device would change, and send nothing.");
  const QCommandLineOption force("force", "Send addresses that look wrong or that another device has.");
  const QCommandLineOption json("json", "Print the outcomes as JSON at the end.");
  const QCommandLineOption keys("show-keys", "Show pass phrases and keys in the changes.");
  Waits waits;
  p.addOptions({report, dryRun, force, json, keys});
  waits.AddTo(p);
  p.process(args);
  if (p.positionalArguments().size() != 1) {
    Err("apply takes one CSV file; see trx61ctl apply --help");
    return kRefused;
  }
  ctl::RunOptions options;
  if (!waits.Read(p, options)) return kRefused;
  const QString path = p.positionalArguments().first();
  const std::string name = path == "-" ? "(standard input)" : path.toStdString();
  QFile file;
  if (!OpenInput(file, path)) {
    Err(name + ": " + file.errorString().toStdString());
    return kRefused;
  }
  const QByteArray text = file.readAll();

  static const QStringList kColumns = {"mac",  "host", "essid", "channel",    "dhcp",       "ip",     "mask",
                                       "gateway", "wep", "passphrase", "key", "key1", "key2", "key3", "key4",
                                       "default_key", "domain", "firmware", "interfaces", "conflicts"};
  std::vector<std::string> refusals;
  const auto refuseRow = [&](int line, const std::string& why) {
    refusals.push_back(name + ":" + std::to_string(line) + ": " + why);
  };
  ctl::CsvError csvError;
  const std::vector<ctl::CsvRecord> records = ctl::ReadCsv(std::string_view(text.constData(), static_cast<std::size_t>(text.size())), &csvError);
  if (!csvError.what.empty()) refuseRow(csvError.line, csvError.what);
  if (records.empty() && csvError.what.empty()) refuseRow(1, "the file is empty");

  std::vector<QString> header;
  std::vector<ctl::Job> jobs;
  std::map<link::Mac, int> firstLine;
  if (!records.empty()) {
    const ctl::CsvRecord& head = records.front();
    for (const std::string& cell : head.cells) {
      QString column = Q(cell).toLower();
      if (column == "key") column = "key1";
      if (column.isEmpty()) {
        refuseRow(head.line, "a column without a name (a trailing comma?)");
      } else if (!kColumns.contains(column)) {
        const bool joined = head.cells.size() == 1 && (column.contains(';') || column.contains('\t'));
        refuseRow(head.line, joined ? "the columns seem separated by " + std::string(column.contains(';') ? "semicolons" : "tabs") +
                                          "; trx61ctl reads commas (save the file as comma-separated values)"
                                    : "unknown column \"" + cell + "\"");
      } else if (std::find(header.begin(), header.end(), column) != header.end()) {
        refuseRow(head.line, "the column \"" + column.toStdString() + "\" twice");
      }
      header.push_back(column);
    }
    if (std::find(header.begin(), header.end(), "mac") == header.end()) refuseRow(head.line, "no mac column");
  }
  const bool headerRefused = !refusals.empty();
  for (std::size_t r = 1; !headerRefused && r < records.size(); ++r) {
    const ctl::CsvRecord& row = records[r];
    if (row.cells.size() != header.size()) {
      const bool trailing = row.cells.size() == header.size() + 1 && row.cells.back().empty();
      refuseRow(row.line, trailing ? "a trailing comma" : std::to_string(row.cells.size()) + " cells where the header names " +
                                                             std::to_string(header.size()));
      continue;
    }
    const auto cell = [&](const char* column) -> std::optional<QString> {
      for (std::size_t i = 0; i < header.size(); ++i)
        if (header[i] == column && !row.cells[i].empty()) return Q(row.cells[i]);
      return std::nullopt;
    };
    const auto mac = ParseMac(cell("mac").value_or(""));
    if (!mac) {
      refuseRow(row.line, "not a MAC address: \"" + cell("mac").value_or("").toStdString() + "\"");
      continue;
    }
    if (const auto [at, added] = firstLine.emplace(*mac, row.line); !added) {
      refuseRow(row.line, "the same MAC as line " + std::to_string(at->second));
      continue;
    }
    std::string error;
    const auto changes = ReadChanges(cell, &error);
    if (!changes) {
      refuseRow(row.line, error);
      continue;
    }
    ctl::Job job;
    job.line = row.line;
    job.mac = *mac;
    job.changes = *changes;
    jobs.push_back(std::move(job));
  }
  if (!refusals.empty()) {
    for (const std::string& r : refusals) Err(r);
    Err("nothing was sent");
    return kRefused;
  }

  ctl::CatchInterrupts();
  ctl::Session session;
  if (!Open(session)) return kRefused;
  Progress progress;
  options.dryRun = p.isSet(dryRun);
  options.force = p.isSet(force);
  options.showSecrets = p.isSet(keys);
  options.conflictRefusesAll = true;
  options.progress = [&](int v, int w, int s) { progress.Show(v, w, s); };
  options.done = [&](const ctl::Job& job) {
    progress.Clear();
    if (p.isSet(json)) return;
    std::string detail;
    if (job.outcome == ctl::Outcome::Refused) detail = name + ":" + std::to_string(job.line) + ": ";
    detail += job.detail;
    std::printf("%s %s%s%s\n", link::FormatMac(job.mac).c_str(), ctl::OutcomeText(job.outcome), detail.empty() ? "" : ": ",
                detail.c_str());
    if (job.outcome == ctl::Outcome::WouldChange)
      for (const std::string& line : job.shown) std::printf("  %s\n", line.c_str());
    std::fflush(stdout);
  };
  const bool went = ctl::Run(session, jobs, options);
  progress.Clear();
  QJsonArray all;
  for (const ctl::Job& job : jobs) all.append(JobJson(job, true));
  if (p.isSet(json)) std::printf("%s", QJsonDocument(all).toJson().constData());
  int status = went ? Status(jobs) : static_cast<int>(kRefused);
  if (!went) Err("two devices would have one fixed address; nothing was sent");
  if (p.isSet(report) && !WriteReport(p.value(report), all)) status = std::max(status, static_cast<int>(kOutputFailed));
  Summary(jobs);
  return Finish(status);
}

std::vector<ctl::Answer> Listed(const std::vector<ctl::Answer>& answers) {
  std::vector<ctl::Answer> listed;
  for (const ctl::Answer& a : answers)
    if (a.outcome == link::ReplyOutcome::Listed && a.record) listed.push_back(a);
  return listed;
}

int Discover(const QStringList& args) {
  QCommandLineParser p;
  p.setApplicationDescription(
      QString("Searches every network adapter for access points and lists each in arrival order on standard output, "
              "once however many adapters it answered on (interfaces names them). conflicts names what a device "
              "shares with another: ip (two devices with one fixed address) or mac; the table marks them with !. "
              "What --csv prints, apply takes back as it stands.\n") +
      kStatuses);
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
  const auto listed = Listed(answers);

  std::map<link::Ipv4, int> byIp;
  std::map<link::Mac, int> byMac;
  for (const ctl::Answer& a : listed) {
    if (a.record->addressMode != 0) ++byIp[a.record->ip];
    ++byMac[a.record->mac];
  }
  std::vector<Row> rows;
  std::set<std::string> sharedIps, sharedMacs;
  for (const ctl::Answer& a : listed) {
    QStringList conflicts;
    if (a.record->addressMode != 0 && byIp[a.record->ip] > 1) {
      conflicts << "ip";
      sharedIps.insert(link::FormatIpv4(a.record->ip));
    }
    if (byMac[a.record->mac] > 1) {
      conflicts << "mac";
      sharedMacs.insert(link::FormatMac(a.record->mac));
    }
    rows.push_back(Describe(a, p.isSet(keys), conflicts));
  }
  Print(rows, p.isSet(json) ? "json" : p.isSet(csv) ? "csv" : "table");
  ReportUnusable(answers);
  for (const auto& [shared, what] : {std::pair{&sharedIps, "the fixed address"}, {&sharedMacs, "the MAC"}})
    for (const std::string& value : *shared) Err(std::string("more than one access point has ") + what + " " + value);
  if (rows.empty()) Err("no access point answered");
  return Finish(rows.empty() ? kNotFound : kOk);
}

int Set(const QStringList& args) {
  QCommandLineParser p;
  p.setApplicationDescription(
      QString("Changes the named settings of the access point with this MAC address (02-00-00-0A-1B-2C), keeps the "
              "rest exactly as it reports them, sends them, waits for the acknowledgement, and then searches until the "
              "access point reports the new values (verified) or its apply time runs out. Nothing is sent when it "
              "already has every value named (unchanged). --ip turns DHCP off.\n") +
      kStatuses);
  p.addHelpOption();
  p.addPositionalArgument("MAC", "The access point's MAC address.");
  const QCommandLineOption host("host", "Host name (up to 31 characters).", "NAME");
  const QCommandLineOption essid("essid", "ESSID (1 to 32 characters).", "TEXT");
  const QCommandLineOption channel("channel", "Channel number, one of the access point's domain.", "N");
  const QCommandLineOption dhcp("dhcp", "Address from a DHCP server.");
  const QCommandLineOption ip("ip", "Fixed IP address (turns DHCP off).", "A");
  const QCommandLineOption mask("mask", "Net mask (with --ip on a device that uses DHCP).", "M");
  const QCommandLineOption gateway("gateway", "Gateway (with --ip on a device that uses DHCP).", "G");
  const QCommandLineOption wep("wep", "WEP: off, 64, 128 or 256.", "SIZE");
  const QCommandLineOption phrase("passphrase", "Pass phrase the keys are made from (seen by other users of this "
                                                "PC while it runs: prefer --passphrase-file).", "P");
  const QCommandLineOption phraseFile("passphrase-file", "Read the pass phrase from the first line of FILE (- for "
                                                         "standard input).", "FILE");
  const QCommandLineOption key1({"key", "key1"}, "Key 1 in hexadecimal digits (10, 26 or 58, as the WEP size).", "HEX");
  const QCommandLineOption key2("key2", "Key 2.", "HEX");
  const QCommandLineOption key3("key3", "Key 3.", "HEX");
  const QCommandLineOption key4("key4", "Key 4.", "HEX");
  const QCommandLineOption defaultKey("default-key", "The key in use: 1 to 4.", "N");
  const QCommandLineOption dryRun("dry-run", "Print the changes field by field and send nothing.");
  const QCommandLineOption force("force", "Send an address that looks wrong or that another device has.");
  const QCommandLineOption json("json", "Print the outcome as JSON.");
  const QCommandLineOption keys("show-keys", "Show pass phrases and keys in the changes.");
  Waits waits;
  p.addOptions({host, essid, channel, dhcp, ip, mask, gateway, wep, phrase, phraseFile, key1, key2, key3, key4,
                defaultKey, dryRun, force, json, keys});
  waits.AddTo(p);
  p.process(args);

  const auto refuse = [](const std::string& why) {
    Err(why);
    return kRefused;
  };
  if (p.positionalArguments().size() != 1) return refuse("set takes one MAC address; see trx61ctl set --help");
  const auto mac = ParseMac(p.positionalArguments().first());
  if (!mac) return refuse("not a MAC address: " + p.positionalArguments().first().toStdString());
  if (p.isSet(dhcp) && (p.isSet(ip) || p.isSet(mask) || p.isSet(gateway)))
    return refuse("--dhcp and a fixed address exclude each other");
  std::optional<QString> passphrase;
  if (p.isSet(phraseFile)) {
    if (p.isSet(phrase)) return refuse("--passphrase and --passphrase-file exclude each other");
    QFile file;
    const QString path = p.value(phraseFile);
    if (!OpenInput(file, path)) return refuse(path.toStdString() + ": " + file.errorString().toStdString());
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
    passphrase = QString::fromUtf8(line);
  } else if (p.isSet(phrase)) {
    passphrase = p.value(phrase);
  }
  const std::map<std::string, const QCommandLineOption*> byName = {
      {"host", &host}, {"essid", &essid}, {"channel", &channel}, {"ip", &ip}, {"mask", &mask}, {"gateway", &gateway},
      {"wep", &wep}, {"key1", &key1}, {"key2", &key2}, {"key3", &key3}, {"key4", &key4}, {"default_key", &defaultKey}};
  const auto value = [&](const char* name) -> std::optional<QString> {
    const std::string n = name;
    if (n == "dhcp") return p.isSet(dhcp) ? std::optional<QString>("yes") : std::nullopt;
    if (n == "passphrase") return passphrase;
    const auto option = byName.find(n);
    return option != byName.end() && p.isSet(*option->second) ? std::optional<QString>(p.value(*option->second)) : std::nullopt;
  };
  std::string error;
  const auto read = ReadChanges(value, &error);
  if (!read) return refuse(error);
  ctl::RunOptions options;
  if (!waits.Read(p, options)) return kRefused;
  if (read->Empty()) return refuse("nothing to change; see trx61ctl set --help");

  ctl::CatchInterrupts();
  ctl::Session session;
  if (!Open(session)) return kRefused;
  std::vector<ctl::Job> jobs(1);
  jobs[0].mac = *mac;
  jobs[0].changes = *read;
  Progress progress;
  options.dryRun = p.isSet(dryRun);
  options.force = p.isSet(force);
  options.showSecrets = p.isSet(keys);
  options.progress = [&](int v, int w, int s) { progress.Show(v, w, s); };
  options.done = [&](const ctl::Job& job) {
    progress.Clear();
    if (p.isSet(json)) return;
    if (job.outcome == ctl::Outcome::Refused) {
      Err(job.detail);
      return;
    }
    if (job.outcome == ctl::Outcome::WouldChange) {
      for (const std::string& line : job.shown) std::printf("%s\n", line.c_str());
      return;
    }
    std::printf("%s%s%s\n", ctl::OutcomeText(job.outcome), job.detail.empty() ? "" : ": ", job.detail.c_str());
  };
  ctl::Run(session, jobs, options);
  progress.Clear();
  if (p.isSet(json)) std::printf("%s", QJsonDocument(JobJson(jobs[0], false)).toJson().constData());
  if (ctl::Interrupted()) Summary(jobs);
  // A refusal here sent nothing: the status of a refused command.
  const int status = Status(jobs);
  return Finish(status == ctl::ExitStatus(ctl::Outcome::Refused) ? kRefused : status);
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
    return Finish(kOk);
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
  return asked ? Finish(kOk) : kRefused;
}
