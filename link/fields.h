#pragma once
// The settings record described once: for each setting its place in the record, how it is
// read and written, and how trx61ctl names, shows, compares and verifies it. The record's
// reader and writer, trx61ctl and the simulator all go by this table; a new setting is one
// row here (and, where the wizard shows it, its page).
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "link/messages.h"

namespace trx::link {

using KeySet64 = std::array<std::array<std::uint8_t, 5>, 4>;
using KeySet128 = std::array<std::array<std::uint8_t, 13>, 4>;
using KeySet256 = std::array<std::array<std::uint8_t, 29>, 4>;

// Where a setting is held, which says how its bytes are read and written: a text up to its
// first zero byte (written with one where it is shorter than its area), a byte, a run of
// bytes (an address, the MAC), or four key areas of one length one after the other.
using Member = std::variant<std::string SettingsRecord::*, std::uint8_t SettingsRecord::*, Ipv4 SettingsRecord::*,
                            Mac SettingsRecord::*, KeySet64 SettingsRecord::*, KeySet128 SettingsRecord::*,
                            KeySet256 SettingsRecord::*>;

// How JSON types a column's text: as it is, as a number (null for "?"), or true for "yes".
enum class Json { Text, Number, Boolean };

struct Setting {
  std::string_view name;  // the record's member
  Field place;            // in the record
  Member member;
  // trx61ctl's name of the setting: in comparisons, change lines and (with '-' for '_') its
  // options. Empty: shown and set with the one before it (the key size with wep, the 128- and
  // 256-bit keys with keys).
  std::string_view setting;
  // Its CSV and JSON columns, in the order shown: one, or a column per key.
  std::array<std::string_view, 4> columns;
  // Column c's text as trx61ctl shows and reads it: "?" where the device's bytes are unreadable.
  std::string (*shown)(const SettingsRecord&, std::size_t c);
  Json json;
  bool literal;  // a name or a key: CSV marks it as text where a spreadsheet would convert it
  bool secret;   // shown only when asked for, and named as "changed" in change lines
  // Two values differ when this text does (nullptr: the text of all its columns). Only
  // settings with a rank are compared, in the order of their ranks; verification checks those.
  std::string (*compared)(const SettingsRecord&);
  int rank;  // 0: not compared (read-only, or the domain, which a settings message codes otherwise)
  // The device keeps its own value whatever a settings message carries (the MAC names it).
  bool kept = false;
  // How trx61ctl sets it from its column's text: empty when written into the record, else the
  // value's problem (without the column's name). nullptr: not settable, or set by rules of
  // trx61ctl's own (texts a spreadsheet may change, addresses, the channel, WEP and its keys).
  // A setting with this and a rank is a column apply writes by itself.
  std::string (*written)(SettingsRecord&, std::string_view text) = nullptr;
  // set's option, named after the column: what it sets, and its value (none: a switch that
  // means yes). No help: set has options of its own for it (the pass phrase and the keys).
  std::string_view help = {}, valueName = {};
};

// Every setting, in the order trx61ctl shows them; bytes of the record no setting holds are
// in ReservedBytes().
std::span<const Setting> Settings();
// Runs of the record that no setting holds, kept as they came.
std::span<const Field> ReservedBytes();

// A setting's columns that are named (one, or four for the keys).
std::span<const std::string_view> Columns(const Setting& s);
// The setting a column belongs to, or nothing.
const Setting* SettingOfColumn(std::string_view column);
// The settings verification compares, in their order.
std::span<const Setting* const> ComparedSettings();
// The text two records are compared by for a compared setting.
std::string ComparedText(const Setting& s, const SettingsRecord& r);

// Calls f(place, value) for the value of each setting of a record (const or not).
template <class Record, class F>
void ForEachValue(Record& record, F&& f) {
  for (const Setting& s : Settings()) std::visit([&](auto member) { f(s.place, record.*member); }, s.member);
}

}  // namespace trx::link
