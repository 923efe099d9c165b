// Files as installers have them: the encodings spreadsheets save, a workbook, a header
// alone, a backup with twin MACs or without keys.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QString>
#include <map>

#include "ctl/csv.h"
#include "ctl/output.h"
#include "ctl/rows.h"
#include "input/wepkeys.h"

namespace trx::ctl {
namespace {

TEST(Rows, SpreadsheetEncodingsAreReadAndAWorkbookIsNot) {
  std::string note, error;
  // "mac,essid\n..,Büro €" in Windows-1252: ü is FC, € is 80.
  EXPECT_EQ(FileText("essid\nB\xFCro \x80\n", &note, &error), "essid\nBüro €\n");
  EXPECT_EQ(note, "read as Windows-1252 (not UTF-8)");
  note.clear();
  EXPECT_EQ(FileText("essid\nBüro €\n", &note, &error), "essid\nBüro €\n");
  EXPECT_EQ(note, "");
  // One row typed in Windows-1252 into a UTF-8 file: read as either, a name would be garbled.
  for (const char* mixed : {"essid\nCafé-Zürich\nx\nB\xFCro\n",
                            "\xEF\xBB\xBF"
                            "essid\nx\nx\nB\xFCro\n"}) {
    EXPECT_FALSE(FileText(mixed, &note, &error)) << mixed;
    EXPECT_EQ(error.rfind("line 4, byte 2 (FC): not UTF-8, though the rest of the file is", 0), 0u) << error;
  }
  EXPECT_FALSE(FileText("essid\n\xC3\xA9\xED\xA0\x80\n", &note, &error)) << "a surrogate is no UTF-8";
  EXPECT_EQ(error.rfind("line 2, byte 3 (ED)", 0), 0u) << error;
  EXPECT_EQ(FileText(std::string_view("\xFF\xFE"
                                      "a\0\xAC\x20",
                                      6),
                     &note, &error),
            "a€");
  EXPECT_EQ(note, "read as UTF-16LE");
  EXPECT_EQ(FileText(std::string_view("\0m\0a\0c", 6), &note, &error), "mac");
  EXPECT_EQ(note, "read as UTF-16BE");
  EXPECT_FALSE(FileText(std::string_view("PK\x03\x04\x14\0", 6), &note, &error));
  EXPECT_EQ(error, "a spreadsheet workbook (.xlsx or .ods), not CSV: save it as CSV (comma-separated values) first");
}

TEST(Rows, AHeaderAloneSaysThereIsNothingToDo) {
  EXPECT_EQ(ReadRows("mac,essid\n", "f.csv").refusals,
            std::vector<std::string>{"f.csv:1: no rows under the header: nothing to do"});
}

TEST(Rows, RowsOfSeparatorsAloneAreNoRowsAndAPhraseInAnotherColumnIsNotEchoed) {
  const Rows rows = ReadRows("mac,essid\n02-00-00-0A-00-01,a\n,\n,,\n", "f.csv");
  EXPECT_TRUE(rows.refusals.empty()) << rows.refusals.front();
  EXPECT_EQ(rows.jobs.size(), 1u);
  EXPECT_EQ(ReadRows("mac,wep\n02-00-00-0A-00-01,correct horse\n", "f.csv").refusals,
            std::vector<std::string>{"f.csv:2: wep (13 characters, not shown): off, 64, 128 or 256"});
}

TEST(Rows, TwinMacsAreSkippedAndTheRestGoesAhead) {
  const Rows rows = ReadRows("mac,essid\n02-00-00-0A-00-01,a\n02-00-00-0A-00-02,b\n02:00:00:0a:00:01,c\n", "f.csv");
  ASSERT_TRUE(rows.refusals.empty());
  ASSERT_EQ(rows.jobs.size(), 3u);
  EXPECT_EQ(rows.jobs[0].refusal, rows.jobs[2].refusal);
  EXPECT_EQ(rows.jobs[0].refusal.rfind("skipped: the MAC is on lines 2, 4 ", 0), 0u) << rows.jobs[0].refusal;
  EXPECT_EQ(rows.jobs[1].refusal, "");
}

TEST(Rows, ACellsQuotesTravelWithItsChanges) {
  const Rows rows = ReadRows("mac, essid, host\n02-00-00-0A-00-01, \" lobby\", ap-ten\n", "f.csv");
  ASSERT_EQ(rows.jobs.size(), 1u);
  const Changes& c = rows.jobs[0].changes;
  EXPECT_TRUE(c.fromFile);
  EXPECT_TRUE(c.essidQuoted);
  EXPECT_FALSE(c.hostQuoted);
  EXPECT_EQ(c.host, " ap-ten");
}

// Anything a device, a file or an argument says reaches a terminal harmless.
TEST(Output, ControlCharactersAndBrokenUtf8NeverReachATerminal) {
  const std::pair<std::string, std::string> cases[] = {
      {"a\x1B]0;title\x07"
       "b",
       "a\uFFFD]0;title\uFFFDb"},
      {"\x1B[2J\r\t\x7F", "\uFFFD[2J\uFFFD\uFFFD\uFFFD"},
      {"c1 \u0081\u008D\u009B\u009F", "c1 \uFFFD\uFFFD\uFFFD\uFFFD"},
      {"B\xFCro \x9B", "B\uFFFDro \uFFFD"},
      {"two\nlines \u00A0Z\u00FCrich \u20AC \U0001F600", "two\nlines \u00A0Z\u00FCrich \u20AC \U0001F600"},
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(TerminalSafe(text), shown) << text;
  EXPECT_EQ(MessageLine("host \"a\nb\x1B\": refused"), "host \"a\u21B5b\uFFFD\": refused");
  const std::string json = JsonText(QJsonDocument(QJsonArray{QString::fromUtf8("a\u009B\x7F\x1B")}));
  EXPECT_EQ(json, "[\n    \"a\\u009b\\u007f\\u001b\"\n]\n");
  EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(json)).array()[0].toString(),
            QString::fromUtf8("a\u009B\x7F\x1B"));
}

TEST(Output, AWarningOfOneKindIsShownOnceAndRefusalsCloseTheRun) {
  std::vector<Job> jobs(6);
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    jobs[i].line = static_cast<int>(i) + 2;
    jobs[i].mac = {2, 0, 0, 0x0A, 0, static_cast<std::uint8_t>(i + 1)};
    jobs[i].outcome = Outcome::Unchanged;
    jobs[i].warning = "firmware: 2.2.0 on the access point, 2000/02/02 in the file";
  }
  jobs[2].warning.clear();
  jobs[2].outcome = Outcome::Refused;
  jobs[2].detail = "channel 99 is not one of this access point's channels (1 to 14)";
  EXPECT_EQ(Afterword(jobs, "f.csv"),
            (std::vector<std::string>{
                "warning, firmware, on 5 access points; the first 3:",
                "  f.csv:2: 02-00-00-0A-00-01: firmware: 2.2.0 on the access point, 2000/02/02 in the file",
                "  f.csv:3: 02-00-00-0A-00-02: firmware: 2.2.0 on the access point, 2000/02/02 in the file",
                "  f.csv:5: 02-00-00-0A-00-04: firmware: 2.2.0 on the access point, 2000/02/02 in the file",
                "  and 2 more",
                "refused, 1 access point (nothing was sent to it):",
                "  f.csv:4: 02-00-00-0A-00-03: channel 99 is not one of this access point's channels (1 to 14)",
            }));
}

TEST(Rows, ABackupWithoutKeysSaysTheyAreNotRestored) {
  const std::string head = "mac,host,ip,mask,gateway,dhcp,domain,channel,essid,firmware,wep,default_key";
  const std::string row = "\n02-00-00-0A-00-01,h,192.168.1.11,255.255.255.0,192.168.1.1,yes,ETSI,6,e,2.2.0,64,1\n";
  EXPECT_EQ(ReadRows(head + row, "b.csv").notes,
            std::vector<std::string>{
                "b.csv: no passphrase or key columns (a backup without --show-keys): keys are not restored"});
  EXPECT_TRUE(ReadRows(head + ",passphrase" + row.substr(0, row.size() - 1) + ",p\n", "b.csv").notes.empty());
}

}  // namespace
}  // namespace trx::ctl

namespace trx::ctl {
namespace {

// A backup as discover writes it, one cell edited, applied twice: the second run must find
// nothing to change, whatever the edit.
TEST(Rows, AnEditedBackupAppliedTwiceChangesNothingTheSecondTime) {
  link::SettingsRecord device;
  device.mac = {2, 0, 0, 0x0A, 0, 1};
  device.hostName = " Lobby ";
  device.firmware = "2.2.0";
  device.domain = 0x10;
  device.channel = 1;
  device.essid = "=cmd\x81";
  device.passphrase = "secret phrase ";
  device.wepOn = 1;
  device.keySize = 1;
  const input::FourKeys keys = input::Keys64(device.passphrase);
  for (std::size_t k = 0; k < 4; ++k)
    std::copy_n(input::KeyBytes(QString::fromStdString(keys[k]).toUpper().toStdString(), 5).begin(), 5,
                device.keys64[k].begin());
  device.keys64[3].fill(0x44);  // typed
  const Answer answer{{}, {}, link::ReplyOutcome::Listed, device, link::EncodeReply(device)};
  const std::string backup = Print({Describe(answer, true, {}, true)}, Format::Csv, false);
  // The backup with some cells replaced, written as discover writes cells.
  const auto edited = [&](const std::map<std::string, std::string>& cells) {
    CsvError error;
    const std::vector<CsvRecord> records = ReadCsv(backup, &error);
    std::string text;
    for (const CsvRecord& r : records) {
      std::vector<std::string> out;
      for (std::size_t i = 0; i < r.cells.size(); ++i) {
        const auto it = cells.find(records[0].cells[i]);
        out.push_back(CsvCell(r.line > 1 && it != cells.end() ? it->second : CellValue(r.cells[i])));
      }
      text += Join(out, ",") + "\n";
    }
    return text;
  };
  const std::map<std::string, std::string> edits[] = {
      {},
      {{"passphrase", "new phrase"}},
      {{"key2", "0123456789"}},
      {{"passphrase", "new phrase"}, {"key2", "0123456789"}},
      {{"wep", "128"}, {"key4", ""}},  // a typed key has the size's length
      {{"wep", "256"}, {"passphrase", "new phrase"}, {"key4", ""}},
      {{"essid", " Lobby "}}};
  for (const auto& cells : edits) {
    std::string named;
    for (const auto& [column, value] : cells) named += column + " ";
    const Rows rows = ReadRows(edited(cells), "b.csv");
    ASSERT_EQ(rows.refusals, std::vector<std::string>{}) << named;
    std::string error;
    const auto once = Apply(rows.jobs[0].changes, device, false, &error);
    ASSERT_TRUE(once) << named << error;
    const auto twice = Apply(rows.jobs[0].changes, *once, false, &error);
    ASSERT_TRUE(twice) << named << error;
    EXPECT_EQ(Differences(*once, *twice), std::vector<std::string>{}) << named;
    if (cells.empty()) {
      EXPECT_EQ(Differences(device, *once), std::vector<std::string>{}) << "a backup restores";
    }
  }
  // A new phrase gives its own keys where the backup's key cells were the old phrase's.
  std::string error;
  const auto phrase =
      Apply(ReadRows(edited({{"passphrase", "new phrase"}}), "b.csv").jobs[0].changes, device, false, &error);
  EXPECT_EQ(KeyText(*phrase, 0), QString::fromStdString(input::Keys64("new phrase")[0]).toUpper().toStdString());
  EXPECT_EQ(KeyText(*phrase, 3), "4444444444") << "a typed key stays";
}

// The list is printed row by row: as a whole document would be, with columns as wide as the
// widest cell of any row, not only of the first.
TEST(Rows, AListPrintedRowByRowIsTheWholeList) {
  link::SettingsRecord first, second;
  first.domain = second.domain = 0x10;
  first.hostName = "a";
  second.hostName = "a-much-longer-host-name";
  second.mac[5] = 1;
  std::vector<Row> rows;
  for (const link::SettingsRecord* r : {&first, &second}) {
    const Answer a{{}, {"eth0"}, link::ReplyOutcome::Listed, *r, link::EncodeReply(*r)};
    rows.push_back(Describe(a, true, {}));
  }
  QJsonArray whole;
  for (const Row& row : rows) {
    QJsonObject o;
    for (const Cell& c : row) o.insert(QString::fromStdString(c.name), c.json);
    whole.append(o);
  }
  EXPECT_EQ(Print(rows, Format::Json, false), JsonText(QJsonDocument(whole)));
  EXPECT_EQ(Print({}, Format::Json, false), JsonText(QJsonDocument(QJsonArray())));
  const std::string table = Print(rows, Format::Table, false);
  const QStringList lines = QString::fromStdString(table).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3);
  // The ip column, after the second row's longer host name, in the heading and both rows.
  for (const QString& line : lines.mid(1)) EXPECT_EQ(line.indexOf("0.0.0.0"), lines[0].indexOf(" ip ") + 1);
}

}  // namespace
}  // namespace trx::ctl
