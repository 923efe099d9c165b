// trx61ctl apply FILE: every row of a CSV file at once, each verified.
#include <QJsonDocument>
#include <algorithm>
#include <optional>

#include "ctl/command.h"
#include "ctl/output.h"
#include "ctl/rows.h"

namespace trx::ctl {

namespace {

QString Help() {
  return QString(
             "Sets up every access point named in a CSV file, all at once, and verifies each.\n"
             "The first line names the columns (in any letter case): mac (required), and any of host, essid, channel, "
             "dhcp (yes/no), ip, mask, gateway, wep (off/64/128/256), passphrase, key1 to key4 (key is key1), "
             "default_key (1 to 4), as the options of set. domain must match the device; a firmware that differs "
             "is a warning; interfaces and conflicts are ignored, so what discover --csv prints is a file this "
             "command takes. Cells are separated by commas, semicolons or tabs (the header line tells which) and "
             "keep their spaces; one leading apostrophe is taken off. A host, essid or passphrase cell that differs from the "
             "device's value only as a spreadsheet converts a cell (0123 to 123, a text to a date) or by spaces "
             "around it is refused for that device unless it is in double quotes. An empty cell keeps the device's value, "
             "except an empty key cell beside a pass phrase: the key the phrase makes. A row that names only what "
             "the device already has is unchanged: nothing is sent. A fixed ip turns DHCP off unless the row says "
             "dhcp yes (then the addresses are kept for later). A fault of the file or of a row that needs no "
             "device refuses the whole file, with file:line and the reason, before anything is sent; a value that "
             "the device cannot take (a channel of another domain, a control character) refuses that device, and "
             "rows that share a MAC are skipped: the rest goes ahead. A value the device already has is never "
             "refused. UTF-8, UTF-16 and Windows-1252 files of up to 16 MiB are read, each in one encoding (a UTF-8 file with "
             "some rows in another is refused). FILE - reads standard "
             "input.\n"
             "Every device is sent its settings at once; one line per device as soon as its outcome is known. ") +
         kStatuses + "\nThe status is that of the worst outcome.";
}

// The file's rows, or nothing when the file, a row or --report is refused (said, with "nothing
// was sent").
std::optional<Rows> ReadFile(const QString& path, const std::string& name, const QString& report) {
  QFile file;
  if (!OpenInput(file, path)) {
    Err(name + ": " + file.errorString().toStdString());
    return std::nullopt;
  }
  const QByteArray bytes = file.read(kLargestFile + 1);
  if (bytes.size() > kLargestFile) {
    Err(name + ": larger than 16 MiB, more than any site's file: is it the right one?");
    Err("nothing was sent");
    return std::nullopt;
  }
  std::string note, error;
  const auto text =
      FileText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), &note, &error);
  if (!text) {
    Err(name + ": " + error);
    Err("nothing was sent");
    return std::nullopt;
  }
  if (!note.empty()) Err(name + ": " + note);
  Rows rows = ReadRows(*text, name);
  // The report's folder must take it before anything is sent.
  if (!report.isEmpty())
    if (const std::string problem = WriteProblem(report); !problem.empty())
      rows.refusals.push_back("--report " + report.toStdString() + ": " + problem);
  if (!rows.refusals.empty()) {
    for (const std::string& r : rows.refusals) Err(r);
    Err("nothing was sent");
    return std::nullopt;
  }
  for (const std::string& n : rows.notes) Err(n);
  return rows;
}

// One device's line as soon as its outcome is known, and for a dry run what it would change.
void SayOutcome(const Job& job, const std::string& name) {
  std::string detail;
  if (job.outcome == Outcome::Refused) detail = name + ":" + std::to_string(job.line) + ": ";
  detail += job.detail;
  Say(link::FormatMac(job.mac) + " " + OutcomeText(job.outcome) + (detail.empty() ? "" : ": ") + detail);
  if (job.outcome == Outcome::WouldChange)
    for (const std::string& line : job.shown) Say("  " + line);
  TheConsole().out.flush();
}

}  // namespace

int Apply(const QStringList& args, Transport& network) {
  QCommandLineParser p;
  p.setApplicationDescription(Help());
  p.addHelpOption();
  p.addPositionalArgument("FILE", "The CSV file, or - for standard input.");
  const QCommandLineOption report("report", "Write every device's outcome to this JSON file.", "FILE");
  const SendOptions send("Print what each device would change, and send nothing.");
  p.addOption(report);
  send.AddTo(p);
  ProcessArguments(p, args);
  if (p.positionalArguments().size() != 1) {
    Err("apply takes one CSV file; see trx61ctl apply --help");
    return kRefused;
  }
  RunOptions options;
  if (!send.Read(p, options)) return kRefused;
  const QString path = p.positionalArguments().first();
  const std::string name = path == "-" ? "(standard input)" : path.toStdString();
  std::optional<Rows> rows = ReadFile(path, name, p.isSet(report) ? p.value(report) : QString());
  if (!rows) return kRefused;
  std::vector<Job>& jobs = rows->jobs;

  CatchInterrupts();
  const auto lock = options.dryRun ? nullptr : LockSends();
  if (!options.dryRun && !lock) return Finish(128 + Interrupted());
  Session session(network, CommandLine());
  if (!Open(session)) return kRefused;
  Progress progress;
  const bool json = p.isSet(send.json);
  options.conflictRefusesAll = true;
  ShowRun(
      options, progress, json ? std::function<void(const Job&)>() : [&name](const Job& job) { SayOutcome(job, name); });
  const bool went = Run(session, jobs, options);
  progress.Clear();
  QJsonArray all;
  for (const Job& job : jobs) all.append(JobJson(job, true));
  if (json) TheConsole().out << JsonText(QJsonDocument(all));
  int status = went ? RunStatus(jobs) : static_cast<int>(kRefused);
  if (!went) Err("two devices would have one fixed address; nothing was sent");
  if (p.isSet(report) && !WriteReport(p.value(report), all)) status = std::max(status, static_cast<int>(kOutputFailed));
  // Warnings of one kind once, and refusals last, where they are seen.
  for (const std::string& line : Afterword(jobs, name)) Err(line);
  Summary(jobs);
  return Finish(status);
}

}  // namespace trx::ctl
