#include "ctl/edit.h"

#include <QString>

#include "input/address.h"
#include "input/wepkeys.h"
#include "link/cp1252.h"
#include "link/reading.h"

namespace trx::ctl {

bool Changes::Empty() const {
  return !host && !essid && !passphrase && !key && !ip && !mask && !gateway && !channel && !dhcp && !wepSize;
}

std::string Utf8FromDevice(const std::string& bytes) {
  return QString::fromStdU16String(link::DeviceToUnicode(bytes)).toStdString();
}

std::optional<std::string> DeviceFromUtf8(const std::string& utf8) {
  return link::UnicodeToDevice(QString::fromStdString(utf8).toStdU16String());
}

std::optional<int> ChannelNumber(const link::SettingsRecord& record) {
  const link::Domain* domain = link::FindDomain(record.domain);
  const auto position = link::ReadChannel(record.channel);
  return domain && position ? link::ChannelAt(*domain, *position) : std::nullopt;
}

std::string WepText(const link::SettingsRecord& record) {
  static const char* const kNames[] = {"off", "64", "128", "256"};
  const auto size = link::ReadWepSize(record.wepOn, record.keySize);
  return size ? kNames[*size] : "?";
}

namespace {

// A text field: stored in the device's code page, within its length.
bool SetText(const std::optional<std::string>& value, std::string& field, std::size_t maxLength, const char* name,
             std::string* error) {
  if (!value) return true;
  const auto bytes = DeviceFromUtf8(*value);
  if (!bytes) {
    *error = std::string(name) + ": a character cannot be stored by the access point";
    return false;
  }
  if (bytes->size() > maxLength) {
    *error = std::string(name) + ": at most " + std::to_string(maxLength) + " characters";
    return false;
  }
  field = *bytes;
  return true;
}

bool SetAddress(const std::optional<std::string>& value, link::Ipv4& field, const char* message, std::string* error) {
  if (!value) return true;
  if (!input::IsDottedQuad(*value)) {
    *error = message;
    return false;
  }
  field = input::AddressBytes(*value);
  return true;
}

template <std::size_t N>
void SetKeys(std::array<std::array<std::uint8_t, N>, 4>& keys, const input::FourKeys& text) {
  for (std::size_t k = 0; k < 4; ++k) {
    const auto bytes = input::KeyBytes(text[k], N);
    std::copy(bytes.begin(), bytes.end(), keys[k].begin());
  }
}

}  // namespace

std::optional<link::SettingsRecord> Apply(const Changes& c, const link::SettingsRecord& device, std::string* error) {
  link::SettingsRecord r = device;
  if (c.essid && c.essid->empty()) {
    *error = "Wrong ESSID value!";
    return std::nullopt;
  }
  if (!SetText(c.host, r.hostName, 31, "host name", error) || !SetText(c.essid, r.essid, 32, "ESSID", error) ||
      !SetText(c.passphrase, r.passphrase, 32, "pass phrase", error) ||
      !SetAddress(c.ip, r.ip, "Wrong IP address value!", error) ||
      !SetAddress(c.mask, r.mask, "Wrong NetMask IP address value!", error) ||
      !SetAddress(c.gateway, r.gateway, "Wrong GateWay IP address value!", error))
    return std::nullopt;
  if (c.dhcp) r.addressMode = *c.dhcp ? 0 : 1;

  // The domain and channel as the wizard writes them: the domain by the code for its name,
  // the channel by its position in the domain's list.
  const link::Domain* domain = link::FindDomain(device.domain);
  r.domain = link::SettingsDomainCode(domain ? domain->name : "Error");
  if (c.channel) {
    if (!domain || *c.channel < domain->firstChannel || *c.channel > domain->lastChannel) {
      *error = "channel " + std::to_string(*c.channel) + " is not one of this access point's channels" +
               (domain ? " (" + std::to_string(domain->firstChannel) + " to " + std::to_string(domain->lastChannel) + ")"
                       : std::string());
      return std::nullopt;
    }
    r.channel = static_cast<std::uint8_t>(*c.channel - domain->firstChannel + 1);
  }

  const int size = c.wepSize.value_or(link::ReadWepSize(device.wepOn, device.keySize).value_or(0));
  if (c.key && size == 0) {
    *error = "a key needs WEP on: --wep 64, 128 or 256";
    return std::nullopt;
  }
  if (size == 0) {
    r.wepOn = 0;  // the key size and keys keep what they held, as the wizard leaves them
  } else if (c.wepSize || c.passphrase || c.key) {
    r.wepOn = 1;
    r.keySize = static_cast<std::uint8_t>(size);
    const std::string phrase = r.passphrase;
    input::FourKeys keys = size == 1 ? input::Keys64(phrase) : size == 2 ? input::Keys128(phrase) : input::Keys256(phrase);
    if (c.key) {
      const int digits = input::KeyDigits(static_cast<input::WepSize>(size));
      if (const char* failure = input::KeyFailure(*c.key, digits)) {
        *error = failure;
        return std::nullopt;
      }
      keys[0] = *c.key;
    }
    if (size == 1) SetKeys(r.keys64, keys);
    if (size == 2) SetKeys(r.keys128, keys);
    if (size == 3) SetKeys(r.keys256, keys);
  }
  r.defaultKey = 0;
  return r;
}

namespace {

struct Shown {
  const char* name;
  std::string (*text)(const link::SettingsRecord&);
};

std::string Keys(const link::SettingsRecord& r) {
  const auto size = link::ReadWepSize(r.wepOn, r.keySize).value_or(0);
  std::string text;
  for (std::size_t k = 0; k < 4; ++k) {
    if (size == 1) text += link::FormatHex(r.keys64[k]) + " ";
    if (size == 2) text += link::FormatHex(r.keys128[k]) + " ";
    if (size == 3) text += link::FormatHex(r.keys256[k]) + " ";
  }
  return text;
}

// The fields a settings message can change, as they are compared and shown.
const Shown kFields[] = {
    {"host", [](const link::SettingsRecord& r) { return Utf8FromDevice(r.hostName); }},
    {"essid", [](const link::SettingsRecord& r) { return Utf8FromDevice(r.essid); }},
    {"channel", [](const link::SettingsRecord& r) { return link::HexCode(r.channel); }},
    {"dhcp", [](const link::SettingsRecord& r) { return std::string(r.addressMode == 0 ? "yes" : "no"); }},
    {"ip", [](const link::SettingsRecord& r) { return link::FormatIpv4(r.ip); }},
    {"mask", [](const link::SettingsRecord& r) { return link::FormatIpv4(r.mask); }},
    {"gateway", [](const link::SettingsRecord& r) { return link::FormatIpv4(r.gateway); }},
    {"wep", WepText},
    {"passphrase", [](const link::SettingsRecord& r) { return Utf8FromDevice(r.passphrase); }},
    {"keys", Keys},
};

}  // namespace

std::vector<std::string> Differences(const link::SettingsRecord& sent, const link::SettingsRecord& reported) {
  std::vector<std::string> names;
  for (const Shown& f : kFields)
    if (f.text(sent) != f.text(reported)) names.push_back(f.name);
  return names;
}

std::vector<std::string> DescribeChanges(const link::SettingsRecord& before, const link::SettingsRecord& after) {
  std::vector<std::string> lines;
  for (const Shown& f : kFields) {
    std::string was = f.text(before), now = f.text(after);
    if (std::string(f.name) == "channel") {  // as a channel number of the device's domain
      link::SettingsRecord moved = before;
      moved.channel = after.channel;
      const auto a = ChannelNumber(before), b = ChannelNumber(moved);
      was = a ? std::to_string(*a) : was;
      now = b ? std::to_string(*b) : now;
    }
    if (was != now) lines.push_back(std::string(f.name) + ": " + was + " -> " + now);
  }
  return lines;
}

}  // namespace trx::ctl
