// trx61ctl discover: every access point that answers, once, with what it shares with another.
#include <map>
#include <set>

#include "ctl/command.h"
#include "ctl/output.h"

namespace trx::ctl {

int Discover(const QStringList& args) {
  QCommandLineParser p;
  p.setApplicationDescription(
      QString("Searches every network adapter for access points and lists each in arrival order on standard output, "
              "once however many adapters it answered on (interfaces names them). conflicts names what a device "
              "shares with another: ip (two devices with one fixed address) or mac; the table marks them with !. "
              "What --csv prints, apply takes back as it stands.\n") +
      kStatuses);
  p.addHelpOption();
  const QCommandLineOption wait("wait", "How long to wait for replies, from 0.1 to 600 s (default 3).", "SECONDS", "3");
  const QCommandLineOption json("json", "Output as JSON.");
  const QCommandLineOption csv("csv", "Output as CSV with a header line.");
  const QCommandLineOption keys("show-keys", "Include pass phrases and keys.");
  p.addOptions({wait, json, csv, keys});
  p.process(args);
  bool ok = false;
  const double seconds = p.value(wait).toDouble(&ok);
  if (!ok || seconds < 0.1 || seconds > 600) {
    Err("--wait " + p.value(wait).toStdString() + ": takes a number of seconds from 0.1 to 600");
    return kRefused;
  }
  Session session;
  if (!Open(session)) return kRefused;
  const auto answers = session.Search(static_cast<int>(seconds * 1000));
  std::vector<Answer> listed;
  for (const Answer& a : answers)
    if (Usable(a)) listed.push_back(a);

  std::map<link::Ipv4, int> byIp;
  std::map<link::Mac, int> byMac;
  for (const Answer& a : listed) {
    if (a.record->addressMode != 0) ++byIp[a.record->ip];
    ++byMac[a.record->mac];
  }
  std::vector<Row> rows;
  std::set<std::string> sharedIps, sharedMacs;
  for (const Answer& a : listed) {
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
  Print(rows, p.isSet(json) ? Format::Json : p.isSet(csv) ? Format::Csv : Format::Table);
  ReportUnusable(answers);
  for (const auto& [shared, what] : {std::pair{&sharedIps, "the fixed address"}, {&sharedMacs, "the MAC"}})
    for (const std::string& value : *shared) Err(std::string("more than one access point has ") + what + " " + value);
  if (rows.empty()) Err("no access point answered");
  return Finish(rows.empty() ? kNotFound : kOk);
}

}  // namespace trx::ctl
