#include "ctl/csv.h"

#include <algorithm>

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
    CsvRecord record{line, {}};
    bool anything = false;  // a line of blanks only is no record
    for (;;) {              // one cell per turn
      std::size_t start = i;
      while (i < text.size() && blank(text[i])) ++i;
      std::string cell;
      if (i < text.size() && text[i] == '"') {
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

std::string CsvCell(const std::string& value) {
  const bool formula = !value.empty() && std::string_view("=+-@\t\r'").find(value.front()) != std::string_view::npos;
  std::string cell = formula ? "'" + value : value;
  const bool plain = cell.find_first_of(",;\t\"\r\n") == std::string::npos &&
                     (cell.empty() || (cell.front() != ' ' && cell.back() != ' '));
  if (plain) return cell;
  std::string quoted = "\"";
  for (const char c : cell) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string CellValue(const std::string& cell) { return !cell.empty() && cell.front() == '\'' ? cell.substr(1) : cell; }

}  // namespace trx::ctl
