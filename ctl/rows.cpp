#include "ctl/rows.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <map>

#include "ctl/csv.h"
#include "link/devicetext.h"
#include "link/fields.h"

namespace trx::ctl {

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

std::optional<Changes> ReadChanges(const std::function<std::optional<QString>(const char*)>& value,
                                   std::string* error) {
  Changes c;
  for (const auto& [name, field] : {std::pair{"host", &c.host},
                                    {"essid", &c.essid},
                                    {"passphrase", &c.passphrase},
                                    {"ip", &c.ip},
                                    {"mask", &c.mask},
                                    {"gateway", &c.gateway},
                                    {"domain", &c.domain},
                                    {"firmware", &c.firmware}})
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
  if (!number("channel", c.channel))
    return *error = NamedValue("channel", *value("channel")) + ": not a channel number", std::nullopt;
  for (const link::Setting* s : link::ComparedSettings())
    if (s->written)
      for (const std::string_view column : link::Columns(*s))
        if (const auto v = value(std::string(column).c_str()); v && *v != "?")
          c.byTable[std::string(column)] = v->toStdString();
  if (const auto v = value("dhcp")) {
    if (v->toLower() != "yes" && v->toLower() != "no")
      return *error = NamedValue("dhcp", *v) + ": yes or no", std::nullopt;
    c.dhcp = v->toLower() == "yes";
  }
  if (c.ip && !c.dhcp) c.dhcp = false;  // a fixed address turns DHCP off
  if (const auto v = value("wep"); v && *v != "?") {
    const auto i = QStringList{"off", "64", "128", "256"}.indexOf(v->toLower());
    if (i < 0) return *error = NamedValue("wep", *v) + ": off, 64, 128 or 256", std::nullopt;
    c.wepSize = static_cast<int>(i);
  }
  *error = CheckAlone(c, true);
  if (!error->empty()) return std::nullopt;
  return c;
}

std::optional<std::string> FileText(std::string_view bytes, std::string* note, std::string* error) {
  if (bytes.substr(0, 4) == std::string_view("PK\x03\x04", 4)) {
    *error = "a spreadsheet workbook (.xlsx or .ods), not CSV: save it as CSV (comma-separated values) first";
    return std::nullopt;
  }
  const auto utf16 = [&](bool little, std::string_view body) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < body.size(); i += 2) {
      const auto a = static_cast<unsigned char>(body[i]), b = static_cast<unsigned char>(body[i + 1]);
      units.push_back(static_cast<char16_t>(little ? a | b << 8 : b | a << 8));
    }
    *note = std::string("read as UTF-16") + (little ? "LE" : "BE");
    return QString::fromStdU16String(units).toStdString();
  };
  if (bytes.substr(0, 2) == "\xFF\xFE") return utf16(true, bytes.substr(2));
  if (bytes.substr(0, 2) == "\xFE\xFF") return utf16(false, bytes.substr(2));
  if (bytes.size() >= 4 && bytes.size() % 2 == 0) {
    bool evenZero = true, oddZero = true;
    for (std::size_t i = 0; i < bytes.size(); ++i) (i % 2 ? oddZero : evenZero) &= bytes[i] == '\0';
    if (oddZero != evenZero) return utf16(oddZero, bytes);
  }
  if (bytes.find('\0') != std::string_view::npos) {
    *error = "not text: it holds zero bytes (save it as CSV, UTF-8 or Windows-1252)";
    return std::nullopt;
  }
  // One encoding for the whole file: a file with any UTF-8 sequence of two bytes or more is
  // UTF-8, and a byte outside one refuses it; only a file without any is Windows-1252.
  std::size_t bad = std::string_view::npos;
  bool multiByte = false;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t n = Utf8Sequence(bytes, i);
    if (n == 0 && bad == std::string_view::npos) bad = i;
    multiByte = multiByte || n > 1;
    i += std::max<std::size_t>(n, 1);
  }
  if (bad == std::string_view::npos) return std::string(bytes);
  if (multiByte) {
    const std::size_t lineStart = bytes.rfind('\n', bad);
    const std::size_t line =
        static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(bad), '\n')) + 1;
    const std::size_t column = bad - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1;
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(bytes[bad]));
    *error = "line " + std::to_string(line) + ", byte " + std::to_string(column) + " (" + hex +
             "): not UTF-8, though the rest of the file is; some rows were typed in another encoding. Save the file "
             "again as UTF-8 (CSV UTF-8), and check those rows";
    return std::nullopt;
  }
  *note = "read as Windows-1252 (not UTF-8)";
  return link::Utf8FromDevice(bytes);
}

Rows ReadRows(std::string_view text, const std::string& name) {
  // The settings' columns, and those discover adds, which apply reads past.
  static const QStringList kColumns = [] {
    QStringList all = {"key", "interfaces", "conflicts"};
    for (const link::Setting& s : link::Settings())
      for (const std::string_view c : link::Columns(s))
        all << QString::fromUtf8(c.data(), static_cast<qsizetype>(c.size()));
    return all;
  }();
  Rows out;
  const auto refuseRow = [&](int line, const std::string& why) {
    out.refusals.push_back(name + ":" + std::to_string(line) + ": " + why);
  };
  CsvError csvError;
  const std::vector<CsvRecord> records = ReadCsv(text, &csvError, kMostRows + 1);
  if (!csvError.what.empty()) refuseRow(csvError.line, csvError.what);
  if (records.empty() && csvError.what.empty()) refuseRow(1, "the file is empty");

  std::vector<QString> header;
  if (!records.empty()) {
    const CsvRecord& head = records.front();
    for (const std::string& cell : head.cells) {
      QString column = QString::fromStdString(cell).trimmed().toLower();
      if (column == "key") column = "key1";
      if (column.isEmpty()) {
        refuseRow(head.line, "a column without a name (a trailing separator?)");
      } else if (!kColumns.contains(column)) {
        refuseRow(head.line, "unknown column \"" + cell + "\"");
      } else if (std::find(header.begin(), header.end(), column) != header.end()) {
        refuseRow(head.line, "the column \"" + column.toStdString() + "\" twice");
      }
      header.push_back(column);
    }
    if (std::find(header.begin(), header.end(), "mac") == header.end()) refuseRow(head.line, "no mac column");
  }
  const bool headerRefused = !out.refusals.empty();
  if (!headerRefused && records.size() == 1) refuseRow(records.front().line, "no rows under the header: nothing to do");
  // A backup that discover wrote without --show-keys: the keys stay as the devices have them.
  const auto has = [&](const char* column) { return std::find(header.begin(), header.end(), column) != header.end(); };
  if (has("firmware") && !has("passphrase") && !has("key1"))
    out.notes.push_back(name + ": no passphrase or key columns (a backup without --show-keys): keys are not restored");
  for (std::size_t r = 1; !headerRefused && r < records.size(); ++r) {
    const CsvRecord& row = records[r];
    // Separators alone (a spreadsheet's empty rows at the end): no row at all.
    if (std::all_of(row.cells.begin(), row.cells.end(), [](const std::string& c) { return c.empty(); })) continue;
    if (row.cells.size() != header.size()) {
      const bool trailing = row.cells.size() == header.size() + 1 && row.cells.back().empty();
      refuseRow(row.line, trailing ? "a trailing separator"
                                   : std::to_string(row.cells.size()) + " cells where the header names " +
                                         std::to_string(header.size()));
      continue;
    }
    const auto cell = [&](const char* column) -> std::optional<QString> {
      for (std::size_t i = 0; i < header.size(); ++i)
        if (header[i] == column && !row.cells[i].empty()) return QString::fromStdString(CellValue(row.cells[i]));
      return std::nullopt;
    };
    const auto mac = ParseMac(cell("mac").value_or(""));
    if (!mac) {
      refuseRow(row.line, "not a MAC address: \"" + cell("mac").value_or("").toStdString() + "\"");
      continue;
    }
    std::string error;
    auto changes = ReadChanges(cell, &error);
    if (!changes) {
      refuseRow(row.line, error);
      continue;
    }
    const auto quoted = [&](const char* column) {
      for (std::size_t i = 0; i < header.size(); ++i)
        if (header[i] == column) return i < row.quoted.size() && row.quoted[i];
      return false;
    };
    const auto marked = [&](const char* column) {
      for (std::size_t i = 0; i < header.size(); ++i)
        if (header[i] == column) return i < row.cells.size() && row.cells[i].rfind('\'', 0) == 0;
      return false;
    };
    changes->fromFile = true;
    changes->hostMarked = marked("host");
    changes->essidMarked = marked("essid");
    changes->passphraseMarked = marked("passphrase");
    changes->hostQuoted = quoted("host");
    changes->essidQuoted = quoted("essid");
    changes->passphraseQuoted = quoted("passphrase");
    // Beside a pass phrase, an empty key cell stands for the key the phrase makes: that is
    // how discover writes such keys, so that editing the phrase alone gives its new keys,
    // and the same file applied again finds nothing to change.
    static const char* const kKeys[] = {"key1", "key2", "key3", "key4"};
    Job job;
    job.changes = *changes;
    for (std::size_t k = 0; k < 4; ++k)
      job.changes.keyFromPhrase[k] = changes->passphrase && has(kKeys[k]) && !cell(kKeys[k]);
    job.line = row.line;
    job.mac = *mac;
    out.jobs.push_back(std::move(job));
  }
  // Two devices that answer with one MAC both take a message sent to it: their rows are
  // skipped, and the rest of the file goes ahead.
  std::map<link::Mac, std::vector<std::string>> lines;
  for (const Job& job : out.jobs) lines[job.mac].push_back(std::to_string(job.line));
  for (Job& job : out.jobs)
    if (const auto& on = lines[job.mac]; on.size() > 1)
      job.refusal = "skipped: the MAC is on lines " + Join(on, ", ") +
                    " (devices that share a MAC all take what is sent to it; set them up one at a time)";
  return out;
}

}  // namespace trx::ctl
