#pragma once
// Comma-separated values as installers keep them in a spreadsheet (RFC 4180): a cell keeps
// its spaces, and a quoted cell may hold separators, doubled quotes and line breaks. Lines
// may end in CRLF or LF; blank lines are skipped. Spreadsheets set to a European locale
// separate cells with semicolons, and "text" exports with tabs: the header line tells which.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "link/terminaltext.h"

namespace trx::ctl {

struct CsvRecord {
  int line = 0;  // where the record begins, from 1
  std::vector<std::string> cells;
  std::vector<bool> quoted;  // per cell: written in double quotes (its spaces are meant)
};

struct CsvError {
  int line = 0;
  std::string what;
};

// The separator of a file: whichever of comma, semicolon and tab its first line holds most
// often outside quotes; a comma when it holds none.
char CsvSeparator(std::string_view text);

// The records of a file, or the first fault and its line (an unterminated quote, a quote in
// the middle of a cell, text after a closing quote, more than maxRecords records).
std::vector<CsvRecord> ReadCsv(std::string_view text, CsvError* error, std::size_t maxRecords = 1'000'000);

// One cell as written: quoted when it holds a comma, semicolon, quote, tab or line break, or
// begins or ends with a space, so that any separator reads it back unchanged. A value that a
// spreadsheet would take for a formula (it begins with = + - @, a tab or a carriage return)
// gets a leading apostrophe, the mark spreadsheets read as "text"; so does one that begins
// with an apostrophe, so that CellValue gives every value back. A text cell (a name, a key)
// that a spreadsheet would read as a number, date, time or boolean gets one as well: Gnumeric
// takes the apostrophe as the mark of text, Calc and Excel keep it as a character; either way
// the text comes back as it was.
std::string CsvCell(const std::string& value, bool text = false);
// A value that a spreadsheet opening a CSV file turns into a number, date, time or boolean.
bool SpreadsheetWouldConvert(std::string_view value);
// What a spreadsheet did when a cell reads value where the text was original: "leading
// zeros dropped", "a date written for the text", ... ; empty when the two differ otherwise.
std::string SpreadsheetConversion(const std::string& value, const std::string& original);
// The length of the well-formed UTF-8 sequence that begins at text[i]: shared with the wizard.
using link::Utf8Sequence;

// A cell's value: one leading apostrophe less.
std::string CellValue(const std::string& cell);

}  // namespace trx::ctl
