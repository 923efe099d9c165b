#pragma once
// Comma-separated values as installers keep them in a spreadsheet (RFC 4180): a quoted cell
// keeps its spaces and may hold commas, doubled quotes and line breaks; an unquoted cell is
// taken without the spaces around it. Lines may end in CRLF or LF; blank lines are skipped.
#include <string>
#include <string_view>
#include <vector>

namespace trx::ctl {

struct CsvRecord {
  int line = 0;  // where the record begins, from 1
  std::vector<std::string> cells;
};

struct CsvError {
  int line = 0;
  std::string what;
};

// The records of a file, or the first fault and its line (an unterminated quote, a quote in
// the middle of a cell, text after a closing quote).
std::vector<CsvRecord> ReadCsv(std::string_view text, CsvError* error);

// One cell as written: quoted when it holds a comma, quote or line break, or begins or ends
// with a space, so that reading gives it back unchanged.
std::string CsvCell(const std::string& value);

}  // namespace trx::ctl
