#include "ctl/output.h"

#include <QJsonDocument>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>

#include "ctl/command.h"
#include "ctl/csv.h"
#include "ctl/edit.h"
#include "link/fields.h"

namespace trx::ctl {

namespace {

Cell List(const char* name, const QStringList& items) {
  return {name, items.join(' ').toStdString(), QJsonArray::fromStringList(items)};
}

// A device's text may hold anything; a table row must stay one line.
std::string OneLine(const std::string& text) { return link::TerminalSafe(text, true); }

Console* current = nullptr;

}  // namespace

void UseConsole(Console* console) { current = console; }

Console& TheConsole() {
  static std::ostream nowhere(nullptr);
  static Console none{nowhere, nowhere};
  return current ? *current : none;
}

std::string TerminalSafe(std::string_view text) { return link::TerminalSafe(text); }

void ProcessArguments(QCommandLineParser& parser, const QStringList& args) {
  if (!parser.parse(args)) {
    Err(parser.errorText().toStdString());
    std::exit(kRefused);
  }
  parser.process(args);
}

std::string MessageLine(std::string_view text) {
  std::string line = TerminalSafe(text);
  for (std::size_t at = line.find('\n'); at != std::string::npos; at = line.find('\n', at))
    line.replace(at, 1, "\u21B5");
  return line;
}

void Say(const std::string& line) { TheConsole().out << MessageLine(line) + "\n"; }

std::string JsonText(const QJsonDocument& document) {
  const std::string json = document.toJson().toStdString();
  std::string out;
  out.reserve(json.size());
  for (std::size_t i = 0; i < json.size(); ++i) {
    const auto b = static_cast<unsigned char>(json[i]);
    const auto next = i + 1 < json.size() ? static_cast<unsigned char>(json[i + 1]) : 0;
    char escape[8];
    if (b == 0x7F || (b == 0xC2 && next >= 0x80 && next < 0xA0)) {
      std::snprintf(escape, sizeof escape, "\\u%04x", b == 0x7F ? 0x7F : next);
      out += escape;
      i += b == 0x7F ? 0 : 1;
    } else {
      out += json[i];
    }
  }
  return out;
}

Row Describe(const Answer& a, bool showKeys, const QStringList& conflicts, bool backup) {
  const link::SettingsRecord& r = *a.record;
  Row row;
  for (const link::Setting& s : link::Settings()) {
    if (s.secret && !showKeys) continue;
    const auto columns = link::Columns(s);
    for (std::size_t c = 0; c < columns.size(); ++c) {
      std::string text = s.shown(r, c);
      if (backup && s.setting == "keys" && KeyFromPhrase(r, c)) text.clear();  // the phrase makes it again
      const QJsonValue json = s.json == link::Json::Boolean ? QJsonValue(text == "yes")
                              : s.json == link::Json::Text  ? QJsonValue(Q(text))
                              : text == "?"                 ? QJsonValue()
                                                            : QJsonValue(std::stoi(text));
      row.push_back({std::string(columns[c]), std::move(text), json, s.literal});
    }
  }
  row.push_back(List("interfaces", a.interfaces));
  row.push_back(List("conflicts", conflicts));
  return row;
}

std::string Print(const std::vector<Row>& rows, Format format, bool terminal) {
  std::string out;
  Print(
      rows.size(), [&](std::size_t i) { return rows[i]; }, format, terminal,
      [&](std::string_view piece) { out += piece; });
  return out;
}

void Print(std::size_t count, const std::function<Row(std::size_t)>& make, Format format, bool terminal,
           const Writer& write) {
  if (format == Format::Json) {
    if (count == 0) return write(JsonText(QJsonDocument(QJsonArray())));
    // The array as QJsonDocument indents it, one object at a time: each of its lines one
    // level deeper, a comma after each but the last.
    write("[\n");
    for (std::size_t i = 0; i < count; ++i) {
      QJsonObject o;
      for (const Cell& c : make(i)) o.insert(Q(c.name), c.json);
      const std::string object = JsonText(QJsonDocument(o));
      std::string text;
      text.reserve(object.size() * 2);
      for (std::size_t at = 0; at < object.size();) {
        const std::size_t end = std::min(object.find('\n', at), object.size());
        text += "    ";
        text.append(object, at, end - at);
        at = end + 1;
        text += at < object.size() || i + 1 == count ? "\n" : ",\n";
      }
      write(text);
    }
    return write("]\n");
  }
  if (count == 0) return;
  if (format == Format::Csv) {
    std::vector<std::string> head;
    for (const Cell& c : make(0)) head.push_back(c.name);
    write(Join(head, ",") + "\n");
    for (std::size_t i = 0; i < count; ++i) {
      std::vector<std::string> cells;
      for (const Cell& c : make(i)) cells.push_back(CsvCell(terminal ? OneLine(c.text) : c.text, c.literal));
      write(Join(cells, ",") + "\n");
    }
    return;
  }
  // The table: a "!" before a device that shares its address or MAC with another. A first
  // pass finds the marks and the column widths.
  bool marks = false;
  std::vector<QString> head;
  std::vector<qsizetype> widths;
  for (std::size_t i = 0; i < count; ++i) {
    const Row row = make(i);
    if (i == 0) {
      for (const Cell& c : row) head.push_back(Q(c.name));
      widths.assign(head.size(), 0);
      for (std::size_t k = 0; k < head.size(); ++k) widths[k] = head[k].size();
    }
    marks = marks || !row.back().text.empty();
    for (std::size_t k = 0; k < row.size() && k < widths.size(); ++k)
      widths[k] = std::max(widths[k], Q(OneLine(row[k].text)).size());
  }
  if (marks) widths.insert(widths.begin(), 1);
  const auto line = [&](const std::vector<QString>& cells) {
    QString text;
    for (std::size_t i = 0; i < cells.size(); ++i)
      text += cells[i].leftJustified(widths[i] + (marks && i == 0 ? 1 : 2));
    while (text.endsWith(' ')) text.chop(1);
    write(text.toStdString() + "\n");
  };
  if (marks) head.insert(head.begin(), " ");
  line(head);
  for (std::size_t i = 0; i < count; ++i) {
    const Row row = make(i);
    std::vector<QString> cells;
    if (marks) cells.push_back(row.back().text.empty() ? " " : "!");
    for (const Cell& c : row) cells.push_back(Q(OneLine(c.text)));
    line(cells);
  }
}

void ReportUnusable(const std::vector<Answer>& answers) {
  std::map<std::string, int> reasons;
  for (const Answer& a : answers) {
    if (!Usable(a))
      ++reasons[link::Reason(a.outcome)];
    else if (const std::string what = Unreadable(a); !what.empty())
      Err(link::FormatMac(a.record->mac) + ": " + what + " (listed with ?)");
  }
  for (const auto& [reason, n] : reasons) Err(std::to_string(n) + " reply(s) " + reason);
}

QJsonObject JobJson(const Job& job, bool withLine) {
  QJsonObject o{{"mac", Q(link::FormatMac(job.mac))},
                {"outcome", OutcomeText(job.outcome)},
                {"detail", Q(job.detail)},
                {"sent", job.sent},
                {"sends", job.sends},
                {"acknowledged", job.acknowledged}};
  if (!job.warning.empty()) o.insert("warning", Q(job.warning));
  if (withLine) o.insert("line", job.line);
  QJsonArray changes;
  for (const std::string& c : job.shown) changes.append(Q(c));
  o.insert("changes", changes);
  return o;
}

void Summary(const std::vector<Job>& jobs) {
  std::map<std::string, int> counts;
  for (const Job& job : jobs) ++counts[OutcomeText(job.outcome)];
  std::vector<std::string> parts;
  parts.reserve(counts.size());
  for (const auto& [what, n] : counts) parts.push_back(std::to_string(n) + " " + what);
  Err((Interrupted() ? "interrupted: " : "") + Join(parts, ", "));
}

std::vector<std::string> Afterword(const std::vector<Job>& jobs, const std::string& file) {
  constexpr std::size_t kShown = 3;  // devices named for a kind of warning
  const auto where = [&](const Job& job) {
    return file + ":" + std::to_string(job.line) + ": " + link::FormatMac(job.mac);
  };
  std::vector<std::string> lines;
  // A warning's kind is what it begins with: "firmware: ...".
  std::vector<std::pair<std::string, std::vector<const Job*>>> kinds;
  for (const Job& job : jobs) {
    if (job.warning.empty()) continue;
    const std::string kind = job.warning.substr(0, job.warning.find(':'));
    auto it = std::find_if(kinds.begin(), kinds.end(), [&](const auto& k) { return k.first == kind; });
    if (it == kinds.end()) it = kinds.insert(kinds.end(), {kind, {}});
    it->second.push_back(&job);
  }
  for (const auto& [kind, all] : kinds) {
    if (all.size() > 1)
      lines.push_back("warning, " + kind + ", on " + std::to_string(all.size()) + " access points" +
                      (all.size() > kShown ? "; the first " + std::to_string(kShown) : "") + ":");
    for (std::size_t i = 0; i < std::min(all.size(), kShown); ++i)
      lines.push_back((all.size() > 1 ? "  " : "") + where(*all[i]) + ": " + all[i]->warning);
    if (all.size() > kShown) lines.push_back("  and " + std::to_string(all.size() - kShown) + " more");
  }
  std::vector<const Job*> refused;
  for (const Job& job : jobs)
    if (job.outcome == Outcome::Refused) refused.push_back(&job);
  if (!refused.empty())
    lines.push_back("refused, " + std::to_string(refused.size()) + " access point" + (refused.size() > 1 ? "s" : "") +
                    " (nothing was sent to " + (refused.size() > 1 ? "them" : "it") + "):");
  for (const Job* job : refused) lines.push_back("  " + where(*job) + ": " + job->detail);
  return lines;
}

bool WriteReport(const QString& path, const QJsonArray& all) {
  return WriteWhole(path, JsonText(QJsonDocument(all)), true);
}

bool WriteWhole(const QString& path, const std::string& text, bool secret) {
  return WriteWhole(
      path, [&](const Writer& write) { write(text); }, secret);
}

bool WriteWhole(const QString& path, const std::function<void(const Writer&)>& produce, bool secret) {
#ifdef _WIN32
  constexpr bool kAccessListDecides = true;  // file modes mean little there; the folder's access list rules
#else
  constexpr bool kAccessListDecides = false;
#endif
  QSaveFile out(path);
  if (out.open(QIODevice::WriteOnly) &&
      (!secret || out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) || kAccessListDecides) &&
      [&] {
        bool written = true;
        produce([&](std::string_view piece) {
          written = written && out.write(piece.data(), static_cast<qint64>(piece.size())) >= 0;
        });
        return written;
      }() &&
      out.commit())
    return true;
  Err(path.toStdString() + ": " + out.errorString().toStdString());
  return false;
}

std::string WriteProblem(const QString& path) {
  QSaveFile out(path);
  std::string problem = out.open(QIODevice::WriteOnly) ? "" : out.errorString().toStdString();
  out.cancelWriting();
  return problem;
}

Progress::Progress() : on(TheConsole().errTerminal) {}

void Progress::Show(const Tally& t) {
  if (!on) return;
  // Built by appending: GCC 12 warns falsely (-Wrestrict) on "text" + std::string&&.
  std::string line = "\r";
  line += std::to_string(t.done) + " of " + std::to_string(t.total) + " done: " + std::to_string(t.sent) + " sent, " +
          std::to_string(t.acknowledged) + " acknowledged, " + std::to_string(t.verified) +
          " showing the new values   ";
  TheConsole().err << line << std::flush;
  shown = true;
}

void Progress::Clear() {
  if (shown) TheConsole().err << '\r' << std::string(80, ' ') << '\r' << std::flush;
  shown = false;
}

void ShowRun(RunOptions& o, Progress& progress, std::function<void(const Job&)> tell) {
  o.progress = [&progress](const Tally& t) { progress.Show(t); };
  o.sending = [&progress] {
    progress.Clear();
    WarnCleartext();
  };
  o.done = [&progress, tell = std::move(tell)](const Job& job) {
    progress.Clear();
    if (tell) tell(job);
  };
}

}  // namespace trx::ctl
