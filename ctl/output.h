#pragma once
// Everything trx61ctl prints: devices as a table, CSV or typed JSON; outcomes, the report,
// the summary and the progress line on a terminal.
#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "ctl/jobs.h"
#include "ctl/session.h"

namespace trx::ctl {

// Where trx61ctl writes: standard output and standard error in the program (main points it
// there), buffers in a test; whether each is a terminal decides what is shown safe and
// whether progress is shown. Nowhere until one is used.
struct Console {
  std::ostream& out;
  std::ostream& err;
  bool outTerminal = false, errTerminal = false;
};
// From now on every line goes to console, which outlives its use (nullptr: nowhere).
void UseConsole(Console* console);
Console& TheConsole();

// A value as the table and CSV show it, and as JSON types it.
struct Cell {
  std::string name, text;
  QJsonValue json;
  bool literal = false;  // a name or key: in CSV, marked as text where a spreadsheet would convert it
};
using Row = std::vector<Cell>;

// A device as discover lists it; conflicts names what it shares with another device. In a
// backup, a key cell is empty where the key is the one the pass phrase makes.
Row Describe(const Answer& a, bool showKeys, const QStringList& conflicts, bool backup = false);
enum class Format { Table, Csv, Json };
// The rows as text. Control characters become U+FFFD in a table, and in CSV for a terminal;
// a CSV file gets the exact text, so that it restores.
std::string Print(const std::vector<Row>& rows, Format format, bool terminal);
// The same, written piece by piece: row i is made by make(i) when it is needed and dropped
// after, so that a list of any length holds one row at a time (a table makes each row twice:
// once for its column widths, once to print it).
using Writer = std::function<void(std::string_view)>;
void Print(std::size_t count, const std::function<Row(std::size_t)>& make, Format format, bool terminal,
           const Writer& write);

// Text as a terminal may show it: every control character but the line break (C0, ESC, DEL,
// and C1, U+0080 to U+009F) and every byte that is not UTF-8 becomes U+FFFD, so that no
// device's, file's or argument's text can move the cursor, clear the screen or retitle the
// window. Every message goes through it (Err, Say); data (CSV and JSON to a file or pipe)
// does not.
std::string TerminalSafe(std::string_view text);
// The command line read as QCommandLineParser::process reads it (--help, --version), but a
// complaint about an argument goes through Err, TerminalSafe, and ends with status 1.
void ProcessArguments(QCommandLineParser& parser, const QStringList& args);
// A message as one line: TerminalSafe, and a line break in it (a device's host name may hold
// one) shown as U+21B5, so that no device text makes a line of its own.
std::string MessageLine(std::string_view text);
// A line of standard output meant for people (outcomes, changes), as MessageLine.
void Say(const std::string& line);
// JSON as printed: exact, with DEL and the C1 characters escaped (\u0080), which JSON
// readers take back and terminals do not act on.
std::string JsonText(const QJsonDocument& document);

// Replies that cannot be used, counted by reason on standard error; devices listed with
// unreadable values, by MAC.
void ReportUnusable(const std::vector<Answer>& answers);

QJsonObject JobJson(const Job& job, bool withLine);
// One line per outcome count on standard error: "95 verified, 5 not found".
void Summary(const std::vector<Job>& jobs);
// The end of a run of a file, on standard error: each kind of warning once, with its count
// and the first few devices; then every refusal, one line each, so that none is buried.
std::vector<std::string> Afterword(const std::vector<Job>& jobs, const std::string& file);
// The report, readable by its owner only: it may hold keys.
bool WriteReport(const QString& path, const QJsonArray& all);
// A file written whole or not at all (a temporary file renamed); secret: its owner's only.
// Says why on standard error when it cannot.
bool WriteWhole(const QString& path, const std::string& text, bool secret);
// The same, the text handed to the writer piece by piece by produce.
bool WriteWhole(const QString& path, const std::function<void(const Writer&)>& produce, bool secret);
// Why a file cannot be written there now (tried, and nothing left behind); empty when it can.
std::string WriteProblem(const QString& path);

// Progress on a terminal, on one line that is cleared before anything else is printed.
struct Progress;
// A run shown as it goes: the progress line, the warning before its first message, and each
// job's outcome told (unless tell is empty, as for JSON) as soon as it is known.
void ShowRun(RunOptions& o, Progress& progress, std::function<void(const Job&)> tell);
struct Progress {
  bool on;
  bool shown = false;
  Progress();
  void Show(const Tally& tally);
  void Clear();
};

}  // namespace trx::ctl
