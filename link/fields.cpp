#include "link/fields.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

#include "link/cp1252.h"
#include "link/reading.h"

namespace trx::link {

namespace {

using R = const SettingsRecord&;
using std::size_t;

std::string Number(std::optional<int> n) { return n ? std::to_string(*n) : "?"; }

// A number as typed by hand or kept by a spreadsheet: digits, spaces around them allowed.
std::optional<int> WholeNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int n = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return n;
}

// The four areas of a key set as one field.
constexpr Field KeySet(Field first) { return {first.offset, 4 * first.size}; }

template <std::string SettingsRecord::*M>
std::string TextOf(R r, size_t) {
  return DeviceToUtf8(r.*M);
}
template <Ipv4 SettingsRecord::*M>
std::string AddressOf(R r, size_t) {
  return FormatIpv4(r.*M);
}

using namespace record;
using S = SettingsRecord;
constexpr std::array<std::string_view, 4> kNone{};

std::string MacText(R r, size_t) { return FormatMac(r.mac); }
std::string Dhcp(R r, size_t) { return UsesDhcp(r) ? "yes" : "no"; }
std::string DomainName(R r, size_t) {
  const Domain* d = FindDomain(r.domain);
  return d ? std::string(d->name) : "?";
}
std::string Channel(R r, size_t) { return Number(ChannelNumber(r)); }
std::string ChannelByte(R r) { return HexCode(r.channel); }
std::string Wep(R r, size_t) { return WepText(r); }
std::string DefaultKey(R r, size_t) {
  return Number(r.defaultKey <= 3 ? std::optional(r.defaultKey + 1) : std::nullopt);
}
std::string DefaultKeyByte(R r) { return std::to_string(r.defaultKey + 1); }
std::string WriteDefaultKey(SettingsRecord& r, std::string_view text) {
  const std::optional<int> n = WholeNumber(text);
  if (!n || *n < 1 || *n > 4) return "1, 2, 3 or 4";
  r.defaultKey = static_cast<std::uint8_t>(*n - 1);
  return {};
}
std::string Key(R r, size_t k) { return KeyText(r, k); }

// clang-format off
// name, place, member, setting, columns, shown, json, literal, secret, compared, rank, kept,
// written, help, valueName
const Setting kSettings[] = {
  {"mac", kMac, &S::mac, "mac", {"mac"}, MacText, Json::Text, false, false, nullptr, 0, true},
  {"hostName", kHostName, &S::hostName, "host", {"host"}, TextOf<&S::hostName>, Json::Text, true, false, nullptr, 1,
   false, nullptr, "Host name (up to 31 characters).", "NAME"},
  {"ip", kIp, &S::ip, "ip", {"ip"}, AddressOf<&S::ip>, Json::Text, false, false, nullptr, 5, false, nullptr,
   "Fixed IP address (turns DHCP off).", "A"},
  {"mask", kMask, &S::mask, "mask", {"mask"}, AddressOf<&S::mask>, Json::Text, false, false, nullptr, 6, false, nullptr,
   "Net mask (with --ip on a device that uses DHCP).", "M"},
  {"gateway", kGateway, &S::gateway, "gateway", {"gateway"}, AddressOf<&S::gateway>, Json::Text, false, false, nullptr,
   7, false, nullptr, "Gateway (with --ip on a device that uses DHCP).", "G"},
  // An option without a value: named, it means yes.
  {"addressMode", kAddressMode, &S::addressMode, "dhcp", {"dhcp"}, Dhcp, Json::Boolean, false, false, nullptr, 4,
   false, nullptr, "Address from a DHCP server."},
  {"domain", kDomain, &S::domain, "domain", {"domain"}, DomainName, Json::Text, false, false, nullptr, 0},
  // Shown as a channel number of the domain; compared by its byte, which needs no domain.
  {"channel", kChannel, &S::channel, "channel", {"channel"}, Channel, Json::Number, false, false, ChannelByte, 3,
   false, nullptr, "Channel number, one of the access point's domain.", "N"},
  {"essid", kEssid, &S::essid, "essid", {"essid"}, TextOf<&S::essid>, Json::Text, true, false, nullptr, 2, false,
   nullptr, "ESSID (1 to 32 characters).", "TEXT"},
  {"firmware", kFirmware, &S::firmware, "firmware", {"firmware"}, TextOf<&S::firmware>, Json::Text, true, false,
   nullptr, 0, true},
  {"wepOn", kWepOn, &S::wepOn, "wep", {"wep"}, Wep, Json::Text, false, false, nullptr, 8, false, nullptr,
   "WEP: off, 64, 128 or 256.", "SIZE"},
  {"keySize", kKeySize, &S::keySize, {}, kNone, nullptr, Json::Text, false, false, nullptr, 0},
  // Shown "?" where it marks no key; compared by its byte all the same.
  {"defaultKey", kDefaultKey, &S::defaultKey, "default_key", {"default_key"}, DefaultKey, Json::Number, false, false,
   DefaultKeyByte, 11, false, WriteDefaultKey, "The key in use: 1 to 4.", "N"},
  {"passphrase", kPassphrase, &S::passphrase, "passphrase", {"passphrase"}, TextOf<&S::passphrase>, Json::Text, true,
   true, nullptr, 9},
  // The keys of the size in use (the 64-bit set while WEP is off), a column each.
  {"keys64", KeySet(kKeys64), &S::keys64, "keys", {"key1", "key2", "key3", "key4"}, Key, Json::Text, true, true,
   nullptr, 10},
  {"keys128", KeySet(kKeys128), &S::keys128, {}, kNone, nullptr, Json::Text, false, true, nullptr, 0},
  {"keys256", KeySet(kKeys256), &S::keys256, {}, kNone, nullptr, Json::Text, false, true, nullptr, 0},
};
// clang-format on

}  // namespace

std::span<const Setting> Settings() { return kSettings; }

std::span<const Field> ReservedBytes() { return {}; }

std::span<const std::string_view> Columns(const Setting& s) {
  const auto n = static_cast<size_t>(
      std::count_if(s.columns.begin(), s.columns.end(), [](std::string_view c) { return !c.empty(); }));
  return std::span<const std::string_view>(s.columns).first(n);
}

const Setting* SettingOfColumn(std::string_view column) {
  for (const Setting& s : kSettings)
    if (std::ranges::find(Columns(s), column) != Columns(s).end()) return &s;
  return nullptr;
}

std::span<const Setting* const> ComparedSettings() {
  static const std::vector<const Setting*> compared = [] {
    std::vector<const Setting*> all;
    for (const Setting& s : kSettings)
      if (s.rank > 0) all.push_back(&s);
    std::sort(all.begin(), all.end(), [](const Setting* a, const Setting* b) { return a->rank < b->rank; });
    return all;
  }();
  return compared;
}

std::string ComparedText(const Setting& s, const SettingsRecord& r) {
  if (s.compared) return s.compared(r);
  std::string text;
  for (size_t c = 0; c < Columns(s).size(); ++c) {
    if (c) text += ' ';
    text += s.shown(r, c);
  }
  return text;
}

}  // namespace trx::link
