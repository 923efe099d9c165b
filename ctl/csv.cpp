#include "ctl/csv.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

namespace trx::ctl {

char CsvSeparator(std::string_view text) {
  std::size_t counts[3] = {};
  const char separators[3] = {',', ';', '\t'};
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') break;
    for (int s = 0; s < 3; ++s) counts[s] += c == separators[s] ? 1 : 0;
  }
  return separators[std::max_element(counts, counts + 3) - counts];
}

std::vector<CsvRecord> ReadCsv(std::string_view text, CsvError* error, std::size_t maxRecords) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a spreadsheet's UTF-8 mark
  const char separator = CsvSeparator(text);
  // Spaces around a quoted cell are passed over; a tab is one only where it separates nothing.
  const auto blank = [&](char c) { return c == ' ' || (c == '\t' && separator != '\t'); };
  const auto ends = [&](char c) { return c == separator || c == '\n' || c == '\r'; };
  std::vector<CsvRecord> records;
  const auto fail = [&](int line, std::string what) {
    *error = {line, std::move(what)};
    return std::vector<CsvRecord>{};
  };
  std::size_t i = 0;
  int line = 1;
  while (i < text.size()) {
    CsvRecord record{line, {}, {}};
    bool anything = false;  // a line of blanks only is no record
    for (;;) {              // one cell per turn
      std::size_t start = i;
      while (i < text.size() && blank(text[i])) ++i;
      std::string cell;
      const bool quoted = i < text.size() && text[i] == '"';
      if (quoted) {
        const int opened = line;
        for (++i;; ++i) {
          if (i >= text.size()) return fail(opened, "a quote that is never closed");
          if (text[i] == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"') {
              cell += '"';
              ++i;
              continue;
            }
            ++i;
            break;
          }
          if (text[i] == '\n') ++line;
          cell += text[i];
        }
        while (i < text.size() && blank(text[i])) ++i;
        if (i < text.size() && !ends(text[i])) return fail(line, "text after the closing quote of a cell");
        anything = true;
      } else {
        anything = anything || (i < text.size() && !ends(text[i]));
        for (i = start; i < text.size() && !ends(text[i]); ++i) {
          if (text[i] == '"')
            return fail(line, "a quote inside a cell that does not begin with one (quote the cell and double it)");
          cell += text[i];
        }
      }
      record.cells.push_back(std::move(cell));
      record.quoted.push_back(quoted);
      if (i < text.size() && text[i] == separator) {
        ++i;
        anything = true;
        continue;
      }
      break;
    }
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
    ++line;
    if (!anything) continue;
    if (records.size() == maxRecords)
      return fail(record.line, "more than " + std::to_string(maxRecords) + " lines: split the file");
    records.push_back(std::move(record));
  }
  return records;
}

std::string CsvCell(const std::string& value, bool text) {
  const bool formula = !value.empty() && std::string_view("=+-@\t\r'").find(value.front()) != std::string_view::npos;
  std::string cell = formula || (text && SpreadsheetWouldConvert(value)) ? "'" + value : value;
  const bool plain = cell.find_first_of(",;\t\"\r\n") == std::string::npos &&
                     (cell.empty() || (cell.front() != ' ' && cell.back() != ' '));
  if (plain) return cell;
  std::string quoted = "\"";
  for (const char c : cell) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

namespace {

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

bool Digit(char c) { return c >= '0' && c <= '9'; }

// A number as a spreadsheet reads one: a sign, digits with a decimal point or comma, an
// exponent, a percent sign; with the significant digits it shows.
struct Number {
  double value = 0;
  int digits = 0;
  bool exponent = false, leadingZero = false;
};

std::optional<Number> ReadNumber(std::string_view s) {
  s = Trimmed(s);
  Number n;
  std::string plain;  // in the C locale's form
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) plain += s[i++];
  n.leadingZero = i + 1 < s.size() && s[i] == '0' && Digit(s[i + 1]);
  bool point = false, any = false;
  for (; i < s.size(); ++i) {
    if (Digit(s[i])) {
      any = true;
      plain += s[i];
      if (n.digits || s[i] != '0') ++n.digits;
    } else if ((s[i] == '.' || s[i] == ',') && !point) {
      point = true;
      plain += '.';
    } else {
      break;
    }
  }
  if (!any) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    plain += s[i++];
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) plain += s[i++];
    const std::size_t start = i;
    while (i < s.size() && Digit(s[i])) plain += s[i++];
    if (i == start) return std::nullopt;
    n.exponent = true;
  }
  const bool percent = i < s.size() && s[i] == '%';
  if (i + (percent ? 1 : 0) != s.size()) return std::nullopt;
  bool ok = false;
  n.value = QLocale::c().toDouble(QString::fromStdString(plain), &ok) / (percent ? 100 : 1);
  n.digits = std::max(n.digits, 1);
  return ok ? std::optional<Number>(n) : std::nullopt;
}

struct Date {
  int year = -1;  // -1: none given
  int month = 0, day = 0;
  bool named = false;  // the month by its name
};

int Month(const QString& word) {
  static const QStringList kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                      "jul", "aug", "sep", "oct", "nov", "dec"};
  return static_cast<int>(kMonths.indexOf(word.left(3).toLower())) + 1;  // 0: none
}

// The dates a text can stand for: day, month and year in the orders spreadsheets use, a
// month by its English name, a time of day after it (as a spreadsheet writes a date).
std::vector<Date> Dates(std::string_view text) {
  static const QRegularExpression kDate(R"(^(\d{1,4}|[A-Za-z]{3,9})([/.\- ])(\d{1,2}|[A-Za-z]{3,9})(?:\2(\d{1,4}))?\.?)"
                                        R"((?:[ T]\d{1,2}:\d{2}(?::\d{2})?(?: ?[AaPp][Mm])?)?$)");
  const auto match = kDate.match(QString::fromStdString(std::string(Trimmed(text))));
  if (!match.hasMatch()) return {};
  const QString a = match.captured(1), b = match.captured(3), c = match.captured(4);
  const int named = Month(a) && !a[0].isDigit() ? 1 : Month(b) && !b[0].isDigit() ? 2 : 0;
  if ((!a[0].isDigit() && named != 1) || (!b[0].isDigit() && named != 2)) return {};
  const int x = named == 1 ? Month(a) : a.toInt(), y = named == 2 ? Month(b) : b.toInt();
  const int z = c.isEmpty() ? -1 : c.toInt();
  std::vector<Date> all;
  if (z < 0) {
    all = {{-1, x, y}, {-1, y, x}};
  } else if (a.size() >= 3 && named == 0) {
    all = {{x, y, z}};
  } else {
    all = {{z, y, x}, {z, x, y}, {x, y, z}};
  }
  if (named == 1) all = {{z, x, y}};
  if (named == 2) all = {{z, y, x}};
  std::vector<Date> valid;
  for (Date d : all) {
    d.named = named != 0;
    if (d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= 31) valid.push_back(d);
  }
  return valid;
}

// A spreadsheet writes a date with its year or its month's name; 1/2 for 2/1 is an edit.
bool SameDate(const Date& original, const Date& written) {
  return original.month == written.month && original.day == written.day && (written.year >= 0 || written.named) &&
         (original.year < 0 || (written.year >= 0 && original.year % 100 == written.year % 100));
}

bool Boolean(std::string_view text) {
  static const QStringList kWords = {"true", "false", "vrai", "faux", "wahr", "falsch", "verdadero", "falso", "vero"};
  return kWords.contains(QString::fromStdString(std::string(Trimmed(text))).toLower());
}

// A time of day, as minutes past midnight or noon.
std::optional<int> Time(std::string_view text) {
  static const QRegularExpression kTime(R"(^(\d{1,2}):(\d{2})(?::\d{2}(?:[.,]\d+)?)?(?: ?[AaPp][Mm])?$)");
  const auto m = kTime.match(QString::fromStdString(std::string(Trimmed(text))));
  if (!m.hasMatch()) return std::nullopt;
  return m.captured(1).toInt() % 12 * 60 + m.captured(2).toInt();
}

}  // namespace

bool SpreadsheetWouldConvert(std::string_view value) {
  const std::string_view t = Trimmed(value);
  if (t.empty()) return false;
  if (ReadNumber(t) || !Dates(t).empty() || Time(t) || Boolean(t)) return true;
  // Fractions, amounts, negative numbers in brackets: anything of digits and the marks
  // numbers are written with. A mark too many costs nothing.
  bool digit = false;
  int exponents = 0;
  for (const char c : t) {
    digit = digit || Digit(c);
    exponents += c == 'e' || c == 'E' ? 1 : 0;
    if (!Digit(c) && c != 'e' && c != 'E' && std::string_view(" .,/-:+%()$").find(c) == std::string_view::npos)
      return false;
  }
  return digit && exponents <= 1;
}

std::string SpreadsheetConversion(const std::string& value, const std::string& original) {
  if (value == original) return {};
  if (const std::size_t marks = original.find_first_not_of('\'');
      marks > 0 && marks != std::string::npos && original.substr(marks) == value)
    return "the leading apostrophe dropped";
  static const QRegularExpression kEscape("_x([0-9A-Fa-f]{4})_");
  QString decoded = QString::fromStdString(value);
  if (decoded.contains(kEscape)) {
    QString out;
    qsizetype at = 0;
    for (auto it = kEscape.globalMatch(decoded); it.hasNext();) {
      const auto m = it.next();
      out += decoded.mid(at, m.capturedStart() - at);
      out += QChar(static_cast<char16_t>(m.captured(1).toUInt(nullptr, 16)));
      at = m.capturedEnd();
    }
    out += decoded.mid(at);
    if (out.toStdString() == original) return "control characters written as _xHHHH_";
  }
  const QString upper = QString::fromStdString(value).toUpper();
  if (Boolean(original) && upper.toStdString() == value && upper == QString::fromStdString(original).toUpper())
    return "a boolean's letter case changed";
  const auto a = ReadNumber(original), b = ReadNumber(value);
  if (a && b && !b->leadingZero) {  // zeros are dropped, never added
    // Shown with fewer digits (1.23E+11), the number is rounded to them.
    const double scale = std::max(std::abs(a->value), std::abs(b->value));
    if (std::abs(a->value - b->value) <= scale * 0.5 * std::pow(10.0, 1 - std::min(b->digits, 15))) {
      if (a->leadingZero && !b->leadingZero) return "leading zeros dropped";
      if (b->exponent && !a->exponent) return "a number written in exponent form";
      if (a->exponent && !b->exponent) return "a number in exponent form written out";
      return "a number written in another form";
    }
  }
  const std::vector<Date> was = Dates(original);
  std::vector<Date> now = Dates(value);
  if (b && !b->exponent && b->value >= 1 && b->value < 2958466 && b->value == std::floor(b->value)) {
    const QDate serial = QDate(1899, 12, 30).addDays(static_cast<qint64>(b->value));  // a date as its day number
    now.push_back({serial.year(), serial.month(), serial.day()});
  }
  for (const Date& w : was)
    for (const Date& n : now)
      if (SameDate(w, n)) return "a date written for the text";
  if (const auto t = Time(original)) {
    // Written as a time again, or as the fraction of a day it is.
    const auto u =
        b && b->value >= 0 && b->value < 1 ? std::optional<int>(std::lround(b->value * 1440) % 720) : Time(value);
    if (u == t) return "a time of day written for the text";
  }
  return {};
}

std::string CellValue(const std::string& cell) { return !cell.empty() && cell.front() == '\'' ? cell.substr(1) : cell; }

}  // namespace trx::ctl
