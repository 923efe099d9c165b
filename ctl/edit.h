#pragma once
// What `set` and `apply` change in an access point's settings: read-modify-write over the
// record the device reported, so that every field not named goes back as it came. The
// wizard's checks and messages where the wizard has them; trx61ctl's own address checks.
#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "link/devicetext.h"
#include "link/fields.h"
#include "link/messages.h"
#include "link/reading.h"

namespace trx::ctl {

struct Changes {
  std::optional<std::string> host, essid, passphrase, ip, mask, gateway;  // UTF-8
  std::array<std::optional<std::string>, 4> keys;                         // key 1 to 4, hexadecimal digits
  std::array<bool, 4> keyFromPhrase{};  // the key the pass phrase makes (an empty key cell beside a phrase)
  std::optional<int> channel;           // the channel number, as listed for the device's domain
  std::optional<bool> dhcp;             // named by --dhcp, --ip or a dhcp cell
  std::optional<int> wepSize;           // 0 off, 1 to 3: 64, 128, 256 bits
  // The texts of columns whose setting writes itself (link::Setting::written), by column.
  std::map<std::string, std::string, std::less<>> byTable;
  // Read-only values a backup carries: another domain names another device (its channels
  // differ); another firmware is only worth a warning, as nothing can write it.
  std::optional<std::string> domain, firmware;
  // Read from a file's cells, which a spreadsheet may have converted and where a space may be
  // typed by accident: a value that differs from the device's only so is refused. A quoted
  // cell's spaces are meant.
  bool fromFile = false;
  bool hostQuoted = false, essidQuoted = false, passphraseQuoted = false;
  // A cell that kept its leading apostrophe is text as typed: no spreadsheet evaluated it.
  bool hostMarked = false, essidMarked = false, passphraseMarked = false;
  bool Empty() const;
  // Names a fixed address: an address field, or DHCP off.
  bool SetsAddress() const { return ip || mask || gateway || dhcp == false; }
};

// The setting that writes a column by itself (link::Setting::written), or nothing.
const link::Setting* WrittenBy(std::string_view column);
// A column and its value as a refusal names them: a short value shown, a long one (maybe a
// pass phrase typed into the wrong column) only by its length.
std::string NamedValue(std::string_view column, const QString& value);

// Checks that need no device: texts, addresses, keys. Empty when they pass, else the message,
// naming the option or column and the value (a pass phrase's or key's only by its problem). asRead: what a device's own
// value, read back, may be (a text that fills its whole area, control characters), judged again once it turns out to
// differ from the device's.
std::string CheckAlone(const Changes& changes, bool asRead = false);

// The changes less the values the device already has.
Changes Effective(const Changes& changes, const link::SettingsRecord& device);

// The record to send; on a refusal, nothing, and *error says why (the wizard's message
// where the wizard has one). Unless force, an address that would leave the device out of
// reach is refused too.
std::optional<link::SettingsRecord> Apply(const Changes& changes, const link::SettingsRecord& device, bool force,
                                          std::string* error);

// Why an address setting would leave the device unreachable (empty when it would not): the
// option and its value are named.
std::string AddressProblem(const link::SettingsRecord& result);

// Why a row's read-only values differ from the device's (empty when they do not): worth a
// warning, not a refusal.
std::string ReadOnlyDifference(const Changes& changes, const link::SettingsRecord& device);

// Key k of the record's shown set (its WEP size's, the 64-bit set when off) is the one its
// pass phrase makes: a backup leaves such a key cell empty.
bool KeyFromPhrase(const link::SettingsRecord& record, std::size_t k);

// Field names whose values differ between two records, as the device reports them.
std::vector<std::string> Differences(const link::SettingsRecord& a, const link::SettingsRecord& b);

// One line per changed field: "essid: office-2 -> lobby". Secrets only with showSecrets,
// else "passphrase: changed".
std::vector<std::string> DescribeChanges(const link::SettingsRecord& before, const link::SettingsRecord& after,
                                         bool showSecrets);

// An address as one number, its first byte highest.
std::uint32_t AddressValue(const link::Ipv4& address);

// The parts with the separator between them.
std::string Join(const std::vector<std::string>& parts, const char* separator);

// Device text (single-byte code page) as UTF-8, and back; nothing when a character cannot be stored.
using link::DeviceFromUtf8;
using link::Utf8FromDevice;

// The channel number a record's channel byte stands for in its domain, if any.
using link::ChannelNumber;
// "off", "64", "128", "256", or "?" when unreadable.
using link::WepText;
// Key k (0 to 3) of the record's current size (the 64-bit set when WEP is off), as hex digits.
using link::KeyText;

}  // namespace trx::ctl
