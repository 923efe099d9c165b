// The CSV reader that apply takes its file through: RFC 4180 cases with known answers, and
// random input that must never fault (run under the sanitizer preset, nothing is read past
// the text). TRX_FUZZ_CSV sets the count (default a million).
#include <gtest/gtest.h>

#include <QString>
#include <random>

#include "ctl/csv.h"
#include "ctl/output.h"

using trx::ctl::CellValue;
using trx::ctl::CsvCell;
using trx::ctl::CsvError;
using trx::ctl::ReadCsv;
using trx::ctl::SpreadsheetConversion;
using trx::ctl::SpreadsheetWouldConvert;

namespace {

std::vector<std::vector<std::string>> Cells(std::string_view text, CsvError* error = nullptr) {
  CsvError ignored;
  std::vector<std::vector<std::string>> out;
  for (const auto& r : ReadCsv(text, error ? error : &ignored)) out.push_back(r.cells);
  return out;
}

using Rows = std::vector<std::vector<std::string>>;

TEST(Csv, QuotedCellsKeepSpacesCommasQuotesAndLineBreaks) {
  CsvError error;
  const auto records = ReadCsv("mac , essid\r\n\n02-00-00-0A-00-01,\" a, \"\"b\"\"\nc \"\r\nx,\"\"\n", &error);
  EXPECT_EQ(error.what, "");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].cells, (std::vector<std::string>{"mac ", " essid"})) << "unquoted cells keep their spaces";
  EXPECT_EQ(records[1].cells[1], " a, \"b\"\nc ");
  EXPECT_EQ(records[1].line, 3) << "the blank line counts";
  EXPECT_EQ(records[2].line, 5) << "the line break inside the quotes counts";
  EXPECT_EQ(records[2].cells, (std::vector<std::string>{"x", ""}));
  EXPECT_EQ(Cells("\xEF\xBB\xBFmac\n"), (Rows{{"mac"}})) << "a spreadsheet's byte order mark";
  EXPECT_EQ(Cells("a,\n"), (Rows{{"a", ""}})) << "a trailing comma is one more, empty, cell";
}

TEST(Csv, FaultsNameTheirLine) {
  const std::pair<const char*, CsvError> cases[] = {
      {"mac\n\"02-00\n\n", {2, "a quote that is never closed"}},
      {"mac\n\"a\"b\n", {2, "text after the closing quote of a cell"}},
      {"mac\nab\"c\n", {2, "a quote inside a cell that does not begin with one (quote the cell and double it)"}},
  };
  for (const auto& [text, expected] : cases) {
    CsvError error;
    EXPECT_TRUE(ReadCsv(text, &error).empty()) << text;
    EXPECT_EQ(error.line, expected.line) << text;
    EXPECT_EQ(error.what, expected.what) << text;
  }
}

TEST(Csv, WrittenCellsReadBackUnchanged) {
  for (const std::string v :
       {"plain", " lead", "trail ", "a,b", "a;b", "a\tb", "say \"hi\"", "two\nlines", "cr\r", ""}) {
    for (const char* header : {"a,b\n", "a;b\n", "a\tb\n"}) {
      std::string text = header;
      text += CsvCell(v);
      text += header[1];
      text += CsvCell(v);
      text += '\n';
      const auto rows = Cells(text);
      ASSERT_EQ(rows.size(), 2u) << v;
      EXPECT_EQ(rows[1], (std::vector<std::string>{v, v})) << v << " after " << header;
    }
  }
}

TEST(Csv, SemicolonAndTabFilesAsEuropeanSpreadsheetsSaveThem) {
  EXPECT_EQ(Cells("mac;essid\n02;\"a;b \"\n02; x\n"), (Rows{{"mac", "essid"}, {"02", "a;b "}, {"02", " x"}}));
  EXPECT_EQ(Cells("mac\tessid\n02\t\" tab\"\n"), (Rows{{"mac", "essid"}, {"02", " tab"}}));
  EXPECT_EQ(Cells("mac,essid\n02,a;b\n"), (Rows{{"mac", "essid"}, {"02", "a;b"}})) << "the header decides";
}

TEST(Csv, CellsASpreadsheetWouldRunAreWrittenAsText) {
  // The characters that start a formula, and the apostrophe that marks text.
  for (const std::string v :
       {"=HYPERLINK(\"http://x\")", "+cmd|' /C calc'!A0", "-2+3", "@SUM(1+1)", "\tx", "\rx", "'quoted", "''"}) {
    const std::string cell = CsvCell(v);
    const std::size_t first = cell.front() == '"' ? 1 : 0;
    EXPECT_EQ(cell[first], '\'') << v;
    const auto rows = Cells(std::string("a,b\n").append(cell).append(",").append(cell).append("\n"));
    ASSERT_EQ(rows.size(), 2u) << v;
    EXPECT_EQ(CellValue(rows[1][0]), v);
  }
  EXPECT_EQ(CsvCell("a=b"), "a=b");
  EXPECT_EQ(CellValue("x'"), "x'");
}

// Names that Calc, Gnumeric or Excel would turn into numbers, dates, times or booleans keep
// an apostrophe in a backup; other names are written as they are.
TEST(Csv, TextThatASpreadsheetWouldConvertIsMarkedAsText) {
  for (const std::string v : {"0123", "00042", "1E5", "1/2", "2.2.0", "TRUE", "false", "12:30", "3.14", "50%", "Jan-5",
                              "5 May 2026", "(5)", "1 1/2"}) {
    EXPECT_EQ(CsvCell(v, true), "'" + v) << v;
    EXPECT_EQ(CellValue(Cells("a\n" + CsvCell(v, true) + "\n")[1][0]), v);
  }
  for (const std::string v : {"ap-1", "lobby", "B\u00FCro", "exe-2", "10", "0123"})
    EXPECT_EQ(CsvCell(v, v == "exe-2"), v) << "a number in a number column, and names, as they are";
}

TEST(Csv, RandomInputNeverFaults) {
  const long total =
      qEnvironmentVariableIsSet("TRX_FUZZ_CSV") ? qEnvironmentVariable("TRX_FUZZ_CSV").toLong() : 1'000'000;
  std::mt19937_64 random(4180);
  const char alphabet[] = {',',  '"', '\n', '\r', ' ', '\t', 'a', '0', ';',  '\xEF', '\xBB', '\xBF',
                           '\0', '/', '.',  'E',  '1', '_',  'x', ':', '\'', '\xC2', '\x9B'};
  long records = 0;
  for (long n = 0; n < total; ++n) {
    const std::size_t length = random() % 64;
    // An exact-size heap copy, so that a read one past its end is caught.
    const std::unique_ptr<char[]> text(new char[length ? length : 1]);
    for (std::size_t i = 0; i < length; ++i)
      text[i] = random() % 8 ? alphabet[random() % sizeof alphabet] : static_cast<char>(random());
    const std::string_view view(text.get(), length);
    // The spreadsheet and terminal readings of text, as random as the file's.
    SpreadsheetWouldConvert(view);
    SpreadsheetConversion(std::string(view.substr(0, length / 2)), std::string(view.substr(length / 2)));
    ASSERT_LE(trx::ctl::TerminalSafe(view).size(), 3 * length);
    CsvError error;
    const auto read = ReadCsv(view, &error);
    records += static_cast<long>(read.size());
    if (!read.empty()) {
      ASSERT_EQ(error.what, "") << "records come with no fault";
    }
  }
  EXPECT_GT(records, 0);
}

}  // namespace
