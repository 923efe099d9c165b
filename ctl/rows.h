#pragma once
// Changes as people write them: a MAC address, options or CSV cells of the same names, and
// a whole file of rows (what discover --csv prints, edited or not).
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ctl/edit.h"
#include "ctl/jobs.h"

namespace trx::ctl {

// 02-00-00-0A-1B-2C or 02:00:00:0a:1b:2c.
std::optional<link::Mac> ParseMac(const QString& text);

// The changes named by options or CSV columns of the same names (nothing: keep). Everything
// that needs no device is checked here, before anything is sent. "?" (a value the device
// reported unreadable, in a backup) keeps the device's value.
std::optional<Changes> ReadChanges(const std::function<std::optional<QString>(const char*)>& value, std::string* error);

// A file's text as UTF-8: UTF-8 as it stands, UTF-16 (with its byte order mark, or without
// one when every other byte is zero) and Windows-1252 (what older spreadsheets save)
// converted, noted in *note. Nothing, and *error says why, for a spreadsheet workbook, text
// in none of these, or a file in two: UTF-8 but for some bytes (rows typed in another
// encoding), named by the line and byte of the first. Windows-1252 is taken only for a file
// without any UTF-8 sequence of two bytes or more, so no name is ever garbled.
std::optional<std::string> FileText(std::string_view bytes, std::string* note, std::string* error);

// What apply reads at most: far more than any site has, far less than a PC's memory.
constexpr long long kLargestFile = 16 << 20;  // bytes
constexpr std::size_t kMostRows = 100'000;

// The jobs of a file; refusals holds "name:line: why" for each row or header fault, and a
// file with any refusal sends nothing. Faults that only a device's own values can judge
// (a channel of its domain, a text it cannot store) refuse that device alone, later.
struct Rows {
  std::vector<Job> jobs;
  std::vector<std::string> refusals;
  std::vector<std::string> notes;  // what the file leaves out, said before anything is sent
};
Rows ReadRows(std::string_view text, const std::string& name);

}  // namespace trx::ctl
