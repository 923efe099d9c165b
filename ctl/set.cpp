// trx61ctl set MAC: one access point, the named fields changed, the rest kept as it reports them.
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "ctl/command.h"
#include "ctl/output.h"
#include "ctl/rows.h"
#include "input/address.h"
#include "link/fields.h"

namespace trx::ctl {

namespace {

int Refuse(const std::string& why) {
  Err(why);
  return kRefused;
}

// The options that name a change, read into the changes as apply reads a row's cells.
struct ChangeOptions {
  QCommandLineOption phrase{"passphrase",
                            "Pass phrase the keys are made from (seen by other users of this "
                            "PC while it runs: prefer --passphrase-file).",
                            "P"};
  QCommandLineOption phraseFile{"passphrase-file",
                                "Read the pass phrase from the first line of FILE (- for "
                                "standard input).",
                                "FILE"};
  QCommandLineOption key1{QStringList{"key", "key1"}, "Key 1 in hexadecimal digits (10, 26 or 58, as the WEP size).",
                          "HEX"};
  QCommandLineOption key2{"key2", "Key 2.", "HEX"};
  QCommandLineOption key3{"key3", "Key 3.", "HEX"};
  QCommandLineOption key4{"key4", "Key 4.", "HEX"};

  // In the order the settings are shown; most from the table, named after their columns.
  QList<QCommandLineOption> All() const {
    QList<QCommandLineOption> options;
    for (const link::Setting* s : link::ComparedSettings()) {
      if (s->setting == "passphrase") options << phrase << phraseFile;
      if (s->setting == "keys") options << key1 << key2 << key3 << key4;
      if (!s->help.empty()) options.append({Q(s->columns[0]).replace('_', '-'), Q(s->help), Q(s->valueName)});
    }
    return options;
  }

  void AddTo(QCommandLineParser& p) const { p.addOptions(All()); }

  // The changes named, or nothing when a refusal was said.
  std::optional<Changes> Read(const QCommandLineParser& p) const {
    if (p.isSet("dhcp") && (p.isSet("ip") || p.isSet("mask") || p.isSet("gateway"))) {
      Refuse("--dhcp and a fixed address exclude each other");
      return std::nullopt;
    }
    std::optional<QString> passphrase;
    if (p.isSet(phraseFile)) {
      if (p.isSet(phrase)) {
        Refuse("--passphrase and --passphrase-file exclude each other");
        return std::nullopt;
      }
      QFile file;
      const QString path = p.value(phraseFile);
      if (!OpenInput(file, path)) {
        Refuse(path.toStdString() + ": " + file.errorString().toStdString());
        return std::nullopt;
      }
      QByteArray line = file.readLine();
      while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
      passphrase = QString::fromUtf8(line);
    } else if (p.isSet(phrase)) {
      passphrase = p.value(phrase);
    }
    const auto value = [&](const char* name) -> std::optional<QString> {
      const std::string n = name;
      if (n == "dhcp") return p.isSet("dhcp") ? std::optional<QString>("yes") : std::nullopt;
      if (n == "passphrase") return passphrase;
      // A column of a setting that can be set is the option of its name, with '-' for '_'.
      if (const link::Setting* s = link::SettingOfColumn(name); !s || s->rank == 0) return std::nullopt;
      const QString option = QString(name).replace('_', '-');
      return p.isSet(option) ? std::optional<QString>(p.value(option)) : std::nullopt;
    };
    std::string error;
    auto read = ReadChanges(value, &error);
    if (!read) Refuse(error);
    return read;
  }
};

// The MAC of the one unit that answers with this host name or IP address, after the whole
// wait, so that every unit that does is weighed; else the status to end with, said.
std::optional<link::Mac> FindByName(Session& session, const QString& target, int waitMs, int* status) {
  const bool byIp = input::IsDottedQuad(target.toStdString());
  const std::vector<Answer> answers = session.Search(waitMs);
  std::vector<const Answer*> matches;
  for (const Answer& a : answers) {
    if (!Usable(a)) continue;
    const link::SettingsRecord& r = *a.record;
    if (byIp ? link::FormatIpv4(r.ip) == link::FormatIpv4(input::AddressBytes(target.toStdString()))
             : Q(Utf8FromDevice(r.hostName)).compare(target, Qt::CaseInsensitive) == 0)
      matches.push_back(&a);
  }
  if (Interrupted()) {
    Err("interrupted: nothing was sent");
    *status = Finish(128 + Interrupted());
  } else if (session.LeftOut() > 0) {
    *status = Refuse(target.toStdString() + ": " + FloodedText());
  } else if (matches.empty()) {
    Err("no access point answered with the " + std::string(byIp ? "IP address " : "host name ") + target.toStdString());
    *status = Finish(ExitStatus(Outcome::NotFound));
  } else if (matches.size() > 1 && std::any_of(matches.begin(), matches.end(), [&](const Answer* a) {
               return a->record->mac != matches.front()->record->mac;
             })) {
    std::vector<std::string> all;
    all.reserve(matches.size());
    for (const Answer* a : matches)
      all.push_back(link::FormatMac(a->record->mac) + " (host " + Utf8FromDevice(a->record->hostName) + ", ip " +
                    link::FormatIpv4(a->record->ip) + ")");
    if (all.size() > 3) {  // a short line, whatever answered
      all.resize(3);
      all.push_back(std::to_string(matches.size() - 3) + " more");
    }
    *status = Refuse(target.toStdString() + " names " + std::to_string(matches.size()) +
                     " access points; name one by its MAC: " + Join(all, ", "));
  } else {
    // Another reply with its MAC, whatever its name, is a second unit.
    const link::Mac mac = matches.front()->record->mac;
    std::vector<const Answer*> same;
    for (const Answer& a : answers)
      if (Usable(a) && a.record->mac == mac) same.push_back(&a);
    const std::string twins = Twins(same);
    if (twins.empty()) return mac;
    *status = Refuse(link::FormatMac(mac) + ": " + twins);
  }
  return std::nullopt;
}

// The outcome as set prints it: a refusal on standard error, a dry run's changes, else the
// outcome and its detail.
void Tell(const Job& job) {
  if (job.outcome == Outcome::Refused) {
    Err(job.detail);
  } else if (job.outcome == Outcome::WouldChange) {
    for (const std::string& line : job.shown) Say(line);
  } else {
    Say(OutcomeText(job.outcome) + std::string(job.detail.empty() ? "" : ": ") + job.detail);
  }
}

}  // namespace

int Set(const QStringList& args, Transport& network) {
  QCommandLineParser p;
  p.setApplicationDescription(
      QString(
          "Changes the named settings of one access point, named by its MAC address (02-00-00-0A-1B-2C), its "
          "IP address or its host name (found by a search first; a name or address that several access points "
          "answer with is refused, and they are listed), keeps the rest exactly as it reports them, sends them, waits for the acknowledgement, and then searches until the "
          "access point reports the new values (verified) or its apply time runs out. Nothing is sent when it "
          "already has every value named (unchanged). --ip turns DHCP off.\n") +
      kStatuses);
  p.addHelpOption();
  p.addPositionalArgument("ACCESS-POINT", "The access point's MAC address, IP address or host name.");
  const ChangeOptions change;
  const SendOptions send("Print the changes field by field and send nothing.");
  change.AddTo(p);
  send.AddTo(p);
  ProcessArguments(p, args);

  if (p.positionalArguments().size() != 1)
    return Refuse("set takes one access point (MAC, IP address or host name); see trx61ctl set --help");
  const QString target = p.positionalArguments().first();
  std::optional<link::Mac> mac = ParseMac(target);
  const auto read = change.Read(p);
  if (!read) return kRefused;
  RunOptions options;
  if (!send.Read(p, options)) return kRefused;
  if (read->Empty()) return Refuse("nothing to change; see trx61ctl set --help");

  CatchInterrupts();
  const auto lock = options.dryRun ? nullptr : LockSends();
  if (!options.dryRun && !lock) return Finish(128 + Interrupted());
  Session session(network, CommandLine());
  if (!Open(session)) return kRefused;
  if (!mac) {
    int status = kOk;
    mac = FindByName(session, target, options.searchMs, &status);
    if (!mac) {
      // A script that asked for JSON gets it whatever the end: the name, and no MAC.
      if (p.isSet(send.json) && !Interrupted())
        TheConsole().out << JsonText(
            QJsonDocument(QJsonObject{{"target", target},
                                      {"mac", QJsonValue()},
                                      {"outcome", status == ExitStatus(Outcome::NotFound) ? "not found" : "refused"},
                                      {"sent", false}}));
      return Finish(status);
    }
  }
  std::vector<Job> jobs(1);
  jobs[0].mac = *mac;
  jobs[0].changes = *read;
  Progress progress;
  const bool json = p.isSet(send.json);
  ShowRun(options, progress, json ? std::function<void(const Job&)>() : Tell);
  Run(session, jobs, options);
  progress.Clear();
  if (json) TheConsole().out << JsonText(QJsonDocument(JobJson(jobs[0], false)));
  if (Interrupted()) Summary(jobs);
  // A refusal here sent nothing: the status of a refused command.
  const int status = RunStatus(jobs);
  return Finish(status == ExitStatus(Outcome::Refused) ? kRefused : status);
}

}  // namespace trx::ctl
