// trx61ctl discover: every access point that answers, once, with what it shares with another.
#include <map>
#include <set>

#include "ctl/command.h"
#include "ctl/output.h"

namespace trx::ctl {

namespace {

// How many units answered for the first time in the last quarter of the wait: more may come
// after it.
int LateUnits(const std::vector<const Answer*>& listed, int waitMs) {
  std::set<link::Mac> early;
  int late = 0;
  for (const Answer* a : listed) {
    if (a->at < waitMs * 3 / 4)
      early.insert(a->record->mac);
    else if (early.insert(a->record->mac).second)
      ++late;
  }
  return late;
}

// What the listed units share with one another: a fixed address, a MAC.
class Shared {
 public:
  explicit Shared(const std::vector<const Answer*>& listed) {
    for (const Answer* a : listed) {
      if (a->record->addressMode != 0) ++byIp_[a->record->ip];
      ++byMac_[a->record->mac];
    }
    for (const Answer* a : listed) {
      const QStringList what = Of(*a);
      if (what.contains("ip")) ips_.insert(link::FormatIpv4(a->record->ip));
      if (what.contains("mac")) macs_.insert(link::FormatMac(a->record->mac));
    }
  }
  // "ip", "mac": what this one shares.
  QStringList Of(const Answer& a) const {
    QStringList what;
    if (a.record->addressMode != 0 && byIp_.at(a.record->ip) > 1) what << "ip";
    if (byMac_.at(a.record->mac) > 1) what << "mac";
    return what;
  }
  void Report() const {
    for (const auto& [values, what] : {std::pair{&ips_, "the fixed address"}, {&macs_, "the MAC"}})
      for (const std::string& value : *values) Err(std::string("more than one access point has ") + what + " " + value);
  }

 private:
  std::map<link::Ipv4, int> byIp_;
  std::map<link::Mac, int> byMac_;
  std::set<std::string> ips_, macs_;
};

}  // namespace

int Discover(const QStringList& args, Transport& network) {
  QCommandLineParser p;
  p.setApplicationDescription(
      QString("Searches every network adapter for access points and lists each in arrival order on standard output, "
              "once however many adapters it answered on (interfaces names them). conflicts names what a device "
              "shares with another: ip (two devices with one fixed address) or mac; the table marks them with !. "
              "What --csv prints, apply takes back as it stands; a cell that a spreadsheet would take for a formula "
              "(beginning with = + - @, a tab or a carriage return) or that begins with an apostrophe gets one more "
              "apostrophe in front, and apply takes one off.\n") +
      kStatuses);
  p.addHelpOption();
  const QCommandLineOption wait("wait", "How long to wait for replies, from 0.1 to 600 s (default 3).", "SECONDS", "3");
  const QCommandLineOption json("json", "Output as JSON.");
  const QCommandLineOption csv("csv", "Output as CSV with a header line.");
  const QCommandLineOption keys("show-keys",
                                "Include pass phrases and keys (in CSV, a key the pass phrase makes is left empty).");
  const QCommandLineOption output("output",
                                  "Write the list to FILE, whole or not at all; with --show-keys it is readable by "
                                  "its owner only.",
                                  "FILE");
  p.addOptions({wait, json, csv, keys, output});
  ProcessArguments(p, args);
  if (p.isSet(json) && p.isSet(csv)) {
    Err("--json and --csv exclude each other");
    return kRefused;
  }
  bool ok = false;
  const double seconds = p.value(wait).toDouble(&ok);
  if (!ok || seconds < 0.1 || seconds > 600) {
    Err("--wait " + p.value(wait).toStdString() + ": takes a number of seconds from 0.1 to 600");
    return kRefused;
  }
  if (p.isSet(output))
    if (const std::string problem = WriteProblem(p.value(output)); !problem.empty()) {
      Err("--output " + p.value(output).toStdString() + ": " + problem);
      return kRefused;
    }
  CatchInterrupts();
  Session session(network, CommandLine());
  if (!Open(session)) return kRefused;
  const int waitMs = static_cast<int>(seconds * 1000);
  const auto answers = session.Search(waitMs);
  std::vector<const Answer*> listed;
  for (const Answer& a : answers)
    if (Usable(a)) listed.push_back(&a);
  const int late = LateUnits(listed, waitMs);
  const Shared shared(listed);
  // Each row is made as it is printed: a flood of replies costs no row text in memory.
  const bool showKeys = p.isSet(keys), backup = p.isSet(csv);
  const auto row = [&](std::size_t i) { return Describe(*listed[i], showKeys, shared.Of(*listed[i]), backup); };
  // Interrupted: what answered so far is listed all the same, and the status says so.
  const Format format = p.isSet(json) ? Format::Json : p.isSet(csv) ? Format::Csv : Format::Table;
  int status = listed.empty() ? kNotFound : kOk;
  if (p.isSet(output)) {
    if (!WriteWhole(
            p.value(output), [&](const Writer& write) { Print(listed.size(), row, format, false, write); },
            p.isSet(keys)))
      status = kOutputFailed;
  } else {
    std::ostream& out = TheConsole().out;
    Print(listed.size(), row, format, TheConsole().outTerminal,
          [&](std::string_view piece) { out.write(piece.data(), static_cast<std::streamsize>(piece.size())); });
  }
  ReportUnusable(answers);
  shared.Report();
  if (listed.empty()) Err("no access point answered");
  if (late > 0)
    Err("note: " + std::to_string(late) + " access point(s) answered for the first time in the last quarter of the " +
        "wait: the list may be short; search longer (--wait)");
  if (const int signal = Interrupted()) {
    Err("interrupted: " + std::to_string(listed.size()) + " access point(s) listed so far");
    status = 128 + signal;
  }
  return Finish(status);
}

}  // namespace trx::ctl
