#include "link/fields.h"

#include <algorithm>
#include <vector>

#include "link/cp1252.h"
#include "link/reading.h"

namespace trx::link {

namespace {

using R = const SettingsRecord&;
using std::size_t;

std::string Number(std::optional<int> n) { return n ? std::to_string(*n) : "?"; }

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
constexpr std::array<std::string_view, 4> kNone{};
const Setting kSettings[] = {
    {"mac",
     kMac,
     &SettingsRecord::mac,
     "mac",
     {"mac"},
     [](R r, size_t) { return FormatMac(r.mac); },
     Json::Text,
     false,
     false,
     nullptr,
     0},
    {"hostName",
     kHostName,
     &SettingsRecord::hostName,
     "host",
     {"host"},
     TextOf<&SettingsRecord::hostName>,
     Json::Text,
     true,
     false,
     nullptr,
     1},
    {"ip",
     kIp,
     &SettingsRecord::ip,
     "ip",
     {"ip"},
     AddressOf<&SettingsRecord::ip>,
     Json::Text,
     false,
     false,
     nullptr,
     5},
    {"mask",
     kMask,
     &SettingsRecord::mask,
     "mask",
     {"mask"},
     AddressOf<&SettingsRecord::mask>,
     Json::Text,
     false,
     false,
     nullptr,
     6},
    {"gateway",
     kGateway,
     &SettingsRecord::gateway,
     "gateway",
     {"gateway"},
     AddressOf<&SettingsRecord::gateway>,
     Json::Text,
     false,
     false,
     nullptr,
     7},
    {"addressMode",
     kAddressMode,
     &SettingsRecord::addressMode,
     "dhcp",
     {"dhcp"},
     [](R r, size_t) { return std::string(UsesDhcp(r) ? "yes" : "no"); },
     Json::Boolean,
     false,
     false,
     nullptr,
     4},
    {"domain",
     kDomain,
     &SettingsRecord::domain,
     "domain",
     {"domain"},
     [](R r, size_t) {
       const Domain* d = FindDomain(r.domain);
       return d ? std::string(d->name) : "?";
     },
     Json::Text,
     false,
     false,
     nullptr,
     0},
    // Shown as a channel number of the domain; compared by its byte, which needs no domain.
    {"channel",
     kChannel,
     &SettingsRecord::channel,
     "channel",
     {"channel"},
     [](R r, size_t) { return Number(ChannelNumber(r)); },
     Json::Number,
     false,
     false,
     [](R r) { return HexCode(r.channel); },
     3},
    {"essid",
     kEssid,
     &SettingsRecord::essid,
     "essid",
     {"essid"},
     TextOf<&SettingsRecord::essid>,
     Json::Text,
     true,
     false,
     nullptr,
     2},
    {"firmware",
     kFirmware,
     &SettingsRecord::firmware,
     "firmware",
     {"firmware"},
     TextOf<&SettingsRecord::firmware>,
     Json::Text,
     true,
     false,
     nullptr,
     0},
    {"wepOn",
     kWepOn,
     &SettingsRecord::wepOn,
     "wep",
     {"wep"},
     [](R r, size_t) { return WepText(r); },
     Json::Text,
     false,
     false,
     nullptr,
     8},
    {"keySize", kKeySize, &SettingsRecord::keySize, {}, kNone, nullptr, Json::Text, false, false, nullptr, 0},
    // Shown "?" when it marks no key; compared by its byte all the same.
    {"defaultKey",
     kDefaultKey,
     &SettingsRecord::defaultKey,
     "default_key",
     {"default_key"},
     [](R r, size_t) { return Number(r.defaultKey <= 3 ? std::optional<int>(r.defaultKey + 1) : std::nullopt); },
     Json::Number,
     false,
     false,
     [](R r) { return std::to_string(r.defaultKey + 1); },
     11},
    {"passphrase",
     kPassphrase,
     &SettingsRecord::passphrase,
     "passphrase",
     {"passphrase"},
     TextOf<&SettingsRecord::passphrase>,
     Json::Text,
     true,
     true,
     nullptr,
     9},
    // The keys of the size in use (the 64-bit set while WEP is off), one column each.
    {"keys64",
     KeySet(kKeys64),
     &SettingsRecord::keys64,
     "keys",
     {"key1", "key2", "key3", "key4"},
     [](R r, size_t k) { return KeyText(r, k); },
     Json::Text,
     true,
     true,
     nullptr,
     10},
    {"keys128", KeySet(kKeys128), &SettingsRecord::keys128, {}, kNone, nullptr, Json::Text, false, true, nullptr, 0},
    {"keys256", KeySet(kKeys256), &SettingsRecord::keys256, {}, kNone, nullptr, Json::Text, false, true, nullptr, 0},
};

}  // namespace

std::span<const Setting> Settings() { return kSettings; }

std::span<const Field> ReservedBytes() { return {}; }

std::span<const std::string_view> Columns(const Setting& s) {
  const auto n = static_cast<size_t>(
      std::count_if(s.columns.begin(), s.columns.end(), [](std::string_view c) { return !c.empty(); }));
  return std::span<const std::string_view>(s.columns).first(n);
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
  for (size_t c = 0; c < Columns(s).size(); ++c) text += (c ? " " : "") + s.shown(r, c);
  return text;
}

}  // namespace trx::link
