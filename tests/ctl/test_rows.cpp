// Files as installers have them: the encodings spreadsheets save, a workbook, a header
// alone, a backup with twin MACs or without keys.
#include <gtest/gtest.h>

#include "ctl/rows.h"

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

TEST(Rows, TwinMacsAreSkippedAndTheRestGoesAhead) {
  const Rows rows = ReadRows("mac,essid\n02-00-00-0A-00-01,a\n02-00-00-0A-00-02,b\n02:00:00:0a:00:01,c\n", "f.csv");
  ASSERT_TRUE(rows.refusals.empty());
  ASSERT_EQ(rows.jobs.size(), 3u);
  EXPECT_EQ(rows.jobs[0].refusal, rows.jobs[2].refusal);
  EXPECT_EQ(rows.jobs[0].refusal.rfind("skipped: the MAC is on lines 2, 4 ", 0), 0u) << rows.jobs[0].refusal;
  EXPECT_EQ(rows.jobs[1].refusal, "");
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
