#include "ctl/command.h"

#include "ctl/output.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <cstdio>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace trx::ctl {

namespace {
volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int signal) {
  interrupted = signal;
  std::signal(signal, SIG_DFL);  // a second one ends the program without a report
}
}  // namespace

const char kStatuses[] =
    "Exit status: 0 done (discover: at least one access point answered; set, apply: verified, unchanged, or changed "
    "without acknowledgement),\n1 refused: bad arguments, a bad file, or the UDP port cannot be opened; nothing was "
    "sent,\n2 not found, 3 not acknowledged, 4 acknowledged but different, 5 refused for some devices (the others "
    "went ahead),\n6 standard output or the report could not be written, 7 acknowledged but not seen again before the "
    "apply time ran out,\n8 changed by another sender during the run, 9 contradicted: another device answers with its MAC "
    "or it answers two ways,\n130 and 143 interrupted (Ctrl-C, SIGTERM). Verified: acknowledged, and every answer with "
    "its MAC after the change shows the new values from where it should.";

const std::vector<Command>& Commands() {
  static const std::vector<Command> kCommands = {
      {"discover", "", "list the access points that answer a search", Discover},
      {"set", "MAC", "change one access point's settings and verify them", Set},
      {"apply", "CSV", "set up every access point of a file at once, and verify each", Apply},
  };
  return kCommands;
}

// Each line in one write, so that lines of two runs on one terminal do not mix.
void Err(const std::string& line) { TheConsole().err << "trx61ctl: " + MessageLine(line) + "\n" << std::flush; }

void CatchInterrupts() {
  interrupted = 0;
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
}

int Interrupted() { return interrupted; }

Surroundings CommandLine() { return {Err, Interrupted}; }

bool Terminal(std::FILE* f) {
#ifdef _WIN32
  return _isatty(_fileno(f)) != 0;
#else
  return isatty(fileno(f)) != 0;
#endif
}

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

int Finish(int status) {
  std::ostream& out = TheConsole().out;
  if (!out.flush()) {
    Err("cannot write standard output");
    return std::max(status, static_cast<int>(kOutputFailed));
  }
  return status;
}

bool Open(Session& session) {
  if (session.Open()) return true;
  Err("cannot open UDP port 27155 (is another program using it?)");
  return false;
}

bool OpenInput(QFile& file, const QString& path) {
  if (path == "-") return file.open(stdin, QIODevice::ReadOnly);
  file.setFileName(path);
  return file.open(QIODevice::ReadOnly);
}

SendOptions::SendOptions(const char* dryRunHelp)
    : dryRun("dry-run", dryRunHelp),
      force("force", "Send addresses that look wrong or that another device has."),
      json("json", "Print the outcomes as JSON at the end."),
      keys("show-keys", "Show pass phrases and keys in the changes.") {}

void SendOptions::AddTo(QCommandLineParser& p) const {
  p.addOptions({dryRun, force, json, keys, search, ack, apply, retries});
}

bool SendOptions::Read(const QCommandLineParser& p, RunOptions& o) const {
  struct Wait {
    const QCommandLineOption* option;
    int* ms;
    bool zero;  // 0 allowed
  };
  const Wait all[] = {{&search, &o.searchMs, false}, {&ack, &o.ackMs, true}, {&apply, &o.applyMs, true}};
  for (const Wait& w : all) {
    bool ok = false;
    const QString text = p.value(*w.option);
    const double seconds = text.toDouble(&ok);
    if (!ok || seconds < (w.zero ? 0 : 0.1) || seconds > 3600) {
      Err("--" + w.option->names().first().toStdString() + " " + text.toStdString() +
          ": takes a number of seconds from " + (w.zero ? "0" : "0.1") + " to 3600");
      return false;
    }
    *w.ms = static_cast<int>(seconds * 1000);
  }
  bool ok = false;
  o.retries = p.value(retries).toInt(&ok);
  if (!ok || o.retries < 0 || o.retries > 10) {
    Err("--retries " + p.value(retries).toStdString() + ": takes a whole number from 0 to 10");
    return false;
  }
  o.dryRun = p.isSet(dryRun);
  o.force = p.isSet(force);
  o.showSecrets = p.isSet(keys);
  return true;
}

void WarnCleartext() {
  Err("note: a settings message carries the pass phrase and WEP keys unencrypted to every device on the network "
      "segment");
}

class RunLock {
 public:
  explicit RunLock(const QString& path) : file(path) {}
  QLockFile file;
};

std::shared_ptr<RunLock> LockSends() {
  // One per user: in the user's runtime folder, else in the temporary one under the user's number.
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
#ifdef _WIN32
  const QString name = "trx61ctl.lock";  // the temporary folder is the user's own
#else
  const QString name = QString("trx61ctl-%1.lock").arg(getuid());
#endif
  const QString folder = !runtime.isEmpty() && QFileInfo(QString::fromLocal8Bit(runtime)).isDir()
                             ? QString::fromLocal8Bit(runtime)
                             : QDir::tempPath();
  auto lock = std::make_shared<RunLock>(folder + "/" + name);
  lock->file.setStaleLockTime(0);  // held as long as its run lives; a dead run's is taken over
  bool said = false;
  while (!lock->file.tryLock(100)) {
    if (Interrupted()) return nullptr;
    if (lock->file.error() != QLockFile::LockFailedError) {
      Err("note: cannot lock " + lock->file.fileName().toStdString() +
          ": another run on this PC may send at the same time");
      return lock;
    }
    if (!said) {
      qint64 pid = 0;
      QString host, app;
      lock->file.getLockInfo(&pid, &host, &app);
      Err("waiting for another trx61ctl run on this PC to finish (process " + std::to_string(pid) + ")");
      said = true;
    }
  }
  return lock;
}

int RunStatus(const std::vector<Job>& jobs) {
  if (const int signal = Interrupted()) return 128 + signal;
  int status = kOk;
  for (const Job& job : jobs) status = std::max(status, ExitStatus(job.outcome));
  return status;
}

}  // namespace trx::ctl
