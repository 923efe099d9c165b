#pragma once
// What every trx61ctl command shares: its exit statuses, the options that talk to devices,
// the way it opens the socket and files, and how it ends.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>
#include <QString>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ctl/jobs.h"
#include "ctl/session.h"

namespace trx::ctl {

// Exit statuses, as --help lists them; the per-device ones come from ExitStatus(Outcome).
enum Status { kOk = 0, kRefused = 1, kNotFound = 2, kOutputFailed = 6 };
extern const char kStatuses[];

// One command: its name as typed, a line for the list of commands, and its body, which gets
// the arguments with the command's name first ("trx61ctl set", ...), and the network it talks
// over; it writes to TheConsole().
struct Command {
  const char* name;
  const char* argument;  // what follows the name in the list of commands
  const char* summary;
  int (*run)(const QStringList& args, Transport& network);
};
const std::vector<Command>& Commands();
int Discover(const QStringList& args, Transport& network);
int Set(const QStringList& args, Transport& network);
int Apply(const QStringList& args, Transport& network);

void Err(const std::string& line);  // "trx61ctl: line" on standard error, as MessageLine
// Catches SIGINT and SIGTERM from now on, an earlier one forgotten; a second one of the same
// ends the program at once.
void CatchInterrupts();
// The signal that interrupted the run, or 0.
int Interrupted();
// A session's surroundings on the command line: notes on standard error, interrupts by signal.
Surroundings CommandLine();
bool Terminal(std::FILE* f);
QString Q(std::string_view s);
// Standard output must have taken everything: a full disk is a failure, not a success.
int Finish(int status);
bool Open(Session& session);  // says why when it cannot
// A file to read, or standard input for "-".
bool OpenInput(QFile& file, const QString& path);

// The options of the commands that send settings (set, apply), and the run options they make.
struct SendOptions {
  QCommandLineOption dryRun, force, json, keys;
  QCommandLineOption search{"wait", "How long each search waits for replies, from 0.1 to 3600 s (default 3).",
                            "SECONDS", "3"};
  QCommandLineOption ack{"ack-wait", "How long to wait for each acknowledgement, from 0 to 3600 s (default 3).",
                         "SECONDS", "3"};
  QCommandLineOption apply{"apply-time", "How long the access points may take to apply, from 0 to 3600 s (default 60).",
                           "SECONDS", "60"};
  QCommandLineOption retries{"retries",
                             "Send a settings message again, up to N times (0 to 10, default 4), when nothing is heard "
                             "of its device: after 0.6 s, then twice as long each time. A device that answers with "
                             "its old values is sent it again until its apply time ends.",
                             "N", "4"};
  explicit SendOptions(const char* dryRunHelp);
  void AddTo(QCommandLineParser& p) const;
  // Fills the run options, or says which option is wrong.
  bool Read(const QCommandLineParser& p, RunOptions& o) const;
};

// The worst outcome's status, or that of the signal that interrupted the run.
int RunStatus(const std::vector<Job>& jobs);

// Said once, before the first settings message of a run goes out.
void WarnCleartext();

// Two runs on this PC that send settings take turns: the lock is held from the first search
// to the last verifying one, so that neither builds its messages over values the other is
// changing. Waits (saying so once) while another run holds it; nothing when interrupted.
class RunLock;
std::shared_ptr<RunLock> LockSends();

}  // namespace trx::ctl
