#include "ctl/csv.h"

namespace trx::ctl {

namespace {

bool Blank(char c) { return c == ' ' || c == '\t'; }

std::string Trimmed(const std::string& s) {
  std::size_t a = 0, b = s.size();
  while (a < b && Blank(s[a])) ++a;
  while (b > a && Blank(s[b - 1])) --b;
  return s.substr(a, b - a);
}

}  // namespace

std::vector<CsvRecord> ReadCsv(std::string_view text, CsvError* error) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a spreadsheet's UTF-8 mark
  std::vector<CsvRecord> records;
  const auto fail = [&](int line, const char* what) {
    *error = {line, what};
    return std::vector<CsvRecord>{};
  };
  std::size_t i = 0;
  int line = 1;
  while (i < text.size()) {
    CsvRecord record{line, {}};
    bool anything = false;  // a line of blanks only is no record
    for (;;) {              // one cell per turn
      std::string cell;
      while (i < text.size() && Blank(text[i])) cell += text[i++];
      if (i < text.size() && text[i] == '"') {
        const int opened = line;
        cell.clear();
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
        while (i < text.size() && Blank(text[i])) ++i;
        if (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r')
          return fail(line, "text after the closing quote of a cell");
        anything = true;
      } else {
        for (; i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r'; ++i) {
          if (text[i] == '"')
            return fail(line, "a quote inside a cell that does not begin with one (quote the cell and double it)");
          cell += text[i];
        }
        cell = Trimmed(cell);
        anything = anything || !cell.empty();
      }
      record.cells.push_back(std::move(cell));
      if (i < text.size() && text[i] == ',') {
        ++i;
        anything = true;
        continue;
      }
      break;
    }
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
    ++line;
    if (anything) records.push_back(std::move(record));
  }
  return records;
}

std::string CsvCell(const std::string& value) {
  const bool plain = value.find_first_of(",\"\r\n") == std::string::npos &&
                     (value.empty() || (!Blank(value.front()) && !Blank(value.back())));
  if (plain) return value;
  std::string quoted = "\"";
  for (const char c : value) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace trx::ctl
