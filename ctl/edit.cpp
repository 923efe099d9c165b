#include "ctl/edit.h"

#include <QString>
#include <cctype>

#include "ctl/csv.h"
#include "input/address.h"
#include "input/wepkeys.h"
#include "link/fields.h"
#include "link/reading.h"

namespace trx::ctl {

bool Changes::Empty() const {
  bool anyKey = false;
  for (const auto& k : keys) anyKey = anyKey || k.has_value();
  for (const bool k : keyFromPhrase) anyKey = anyKey || k;
  return !host && !essid && !passphrase && !anyKey && !ip && !mask && !gateway && !channel && !dhcp && !wepSize &&
         byTable.empty();
}

const link::Setting* WrittenBy(std::string_view column) {
  const link::Setting* s = link::SettingOfColumn(column);
  return s && s->written ? s : nullptr;
}

std::string NamedValue(std::string_view column, const QString& value) {
  std::string name(column);
  std::replace(name.begin(), name.end(), '_', ' ');
  return value.size() <= 5 ? name + " " + value.toStdString()
                           : name + " (" + std::to_string(value.size()) + " characters, not shown)";
}

std::uint32_t AddressValue(const link::Ipv4& a) {
  return std::uint32_t{a[0]} << 24 | std::uint32_t{a[1]} << 16 | std::uint32_t{a[2]} << 8 | a[3];
}

std::string Join(const std::vector<std::string>& parts, const char* separator) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i) text += separator;
    text += parts[i];
  }
  return text;
}

namespace {

constexpr int kKeyDigits[] = {0, 10, 26, 58};
const char* const kSizeNames[] = {"off", "64", "128", "256"};

// The bytes the code page leaves undefined come from a device as these C1 characters; they
// are its text, not line breaks or tabs.
bool DeviceByte(QChar c) {
  const char16_t u = c.unicode();
  return u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D;
}

// A text as the device stores it, or why it cannot be; the option or column and the value
// named. asRead: the area may be full, and control characters pass (judged once they differ).
std::string TextProblem(const std::optional<std::string>& value, std::size_t maxLength, const char* name, bool asRead,
                        bool secret = false) {
  if (!value) return {};
  const std::string named = std::string(name) + (secret ? "" : " \"" + *value + "\"") + ": ";
  if (!asRead)
    for (const QChar c : QString::fromStdString(*value))
      if (c.category() == QChar::Other_Control && !DeviceByte(c))
        return std::string(name) + ": control characters (such as a line break or tab) cannot be stored";
  const auto bytes = DeviceFromUtf8(*value);
  if (!bytes) return named + "a character cannot be stored by the access point (it keeps Windows-1252 characters)";
  if (bytes->size() > maxLength + (asRead ? 1 : 0))
    return named + "at most " + std::to_string(maxLength) + " characters";
  return {};
}

// Named by its number and problem alone: a key is a secret.
std::string KeyProblem(const std::string& key, std::size_t k, std::optional<int> size) {
  const std::string name = "key" + std::to_string(k + 1) + ": ";
  // "0", "1.23E+09": a key column that a spreadsheet took for numbers.
  bool number = false;
  QString::fromStdString(key).toDouble(&number);
  number = number && (key.size() < 10 || key.find_first_of(".,+") != std::string::npos);
  const std::string hint = number ? " (a spreadsheet may have read the key as a number: format the key columns "
                                    "as text, and empty them to make the keys from the pass phrase)"
                                  : "";
  for (const char c : key)
    if (!std::isxdigit(static_cast<unsigned char>(c)))
      return std::string(name).append("hexadecimal digits only (0-9, A-F)").append(hint);
  const int digits = static_cast<int>(key.size());
  std::string problem = name + std::to_string(digits) + " digits where ";
  if (size && *size > 0 && digits != kKeyDigits[*size])
    problem.append(std::to_string(kKeyDigits[*size]))
        .append(" are needed for ")
        .append(kSizeNames[*size])
        .append("-bit WEP");
  else if (digits != 10 && digits != 26 && digits != 58)
    problem += "10, 26 or 58 hexadecimal digits are needed";
  else
    return {};
  return problem.append(hint);
}

input::FourKeys MadeKeys(const std::string& passphrase, int size) {
  return size == 3 ? input::Keys256(passphrase) : size == 2 ? input::Keys128(passphrase) : input::Keys64(passphrase);
}

template <std::size_t N>
void SetKey(std::array<std::uint8_t, N>& key, const std::string& hex) {
  const auto bytes = input::KeyBytes(QString::fromStdString(hex).toUpper().toStdString(), N);
  std::copy(bytes.begin(), bytes.end(), key.begin());
}

void SetKey(link::SettingsRecord& r, int size, std::size_t k, const std::string& hex) {
  if (size == 1) SetKey(r.keys64[k], hex);
  if (size == 2) SetKey(r.keys128[k], hex);
  if (size == 3) SetKey(r.keys256[k], hex);
}

std::size_t Leading(const std::string& s) { return std::min(s.find_first_not_of(' '), s.size()); }
std::size_t Trailing(const std::string& s) {
  const std::size_t last = s.find_last_not_of(' ');
  return last == std::string::npos ? s.size() : s.size() - 1 - last;
}

// A text cell that differs from the device's value only as a spreadsheet's conversion would
// make it, or by spaces around it, is almost never meant; a quoted cell is.
std::string CellProblem(const Changes& c, const link::SettingsRecord& d) {
  if (!c.fromFile) return {};
  struct Text {
    const std::optional<std::string>* value;
    std::string now;
    const char* name;
    bool quoted, secret, marked;
  };
  for (const Text& t : {Text{&c.host, Utf8FromDevice(d.hostName), "host", c.hostQuoted, false, c.hostMarked},
                        Text{&c.essid, Utf8FromDevice(d.essid), "essid", c.essidQuoted, false, c.essidMarked},
                        Text{&c.passphrase, Utf8FromDevice(d.passphrase), "passphrase", c.passphraseQuoted, true,
                             c.passphraseMarked}}) {
    if (!*t.value || t.quoted) continue;
    const std::string& v = **t.value;
    const std::string named = std::string(t.name) + (t.secret ? "" : " \"" + v + "\"") + ": ";
    const std::string has =
        t.secret ? "the access point's value, which" : "the access point has \"" + t.now + "\", which";
    // A spreadsheet evaluates such a value once its protecting apostrophe is gone: what comes
    // back is the formula's result, never a value anyone typed.
    if (!t.marked && v != t.now && !t.now.empty() &&
        std::string_view("=+-@").find(t.now.front()) != std::string_view::npos)
      return named + has +
             " a spreadsheet reads as a formula, and the cell differs: a formula's result is not applied (put the "
             "cell in double quotes, or begin it with an apostrophe, if the value is meant)";
    const bool leading = Leading(v) > Leading(t.now);
    const bool spaces = leading || Trailing(v) > Trailing(t.now);
    if (spaces && v.substr(Leading(v), v.size() - Leading(v) - Trailing(v)) ==
                      t.now.substr(Leading(t.now), t.now.size() - Leading(t.now) - Trailing(t.now)))
      return named + (leading ? "begins" : "ends") +
             " with a space the access point's value does not have: put the cell in double quotes if the spaces are "
             "meant";
    if (const std::string how = SpreadsheetConversion(v, t.now); !how.empty())
      return std::string(named)
          .append(t.secret ? std::string("differs from the access point's") : "the access point has \"" + t.now + "\"")
          .append(" as a spreadsheet changes a cell (")
          .append(how)
          .append(
              "): open the file with the text columns imported as text (see CSV FORMAT in trx61ctl(1)), or put the "
              "cell in double quotes if the value is meant");
    if (spaces)
      return named + (leading ? "begins" : "ends") +
             " with a space the access point's value does not have: put the cell in double quotes if the spaces are "
             "meant";
  }
  return {};
}

}  // namespace

std::string CheckAlone(const Changes& c, bool asRead) {
  if (c.essid && c.essid->empty()) return "essid \"\": 1 to 32 characters";
  if (c.passphrase && c.passphrase->empty())
    return "passphrase: empty (the keys made from it would be all zeros); 1 to 32 characters";
  // A device may fill a text's whole area (no terminator); such a value, as read, goes back.
  for (std::string problem : {TextProblem(c.host, 31, "host", asRead), TextProblem(c.essid, 32, "essid", asRead),
                              TextProblem(c.passphrase, 32, "passphrase", false, true)})
    if (!problem.empty()) return problem;
  for (const auto& [value, name] : {std::pair{&c.ip, "ip"}, {&c.mask, "mask"}, {&c.gateway, "gateway"}})
    if (*value && !input::IsDottedQuad(**value))
      return std::string(name) + " " + **value + ": not an IPv4 address (four numbers from 0 to 255 with dots)";
  for (std::size_t k = 0; k < 4; ++k) {
    if (!c.keys[k]) continue;
    // With WEP off the keys shown and kept are the 64-bit set.
    const std::optional<int> size = c.wepSize == 0 ? std::optional<int>(1) : c.wepSize;
    if (std::string problem = KeyProblem(*c.keys[k], k, size); !problem.empty()) return problem;
  }
  for (const auto& [column, text] : c.byTable) {
    link::SettingsRecord scratch;
    if (std::string problem = WrittenBy(column)->written(scratch, text); !problem.empty())
      return NamedValue(column, QString::fromStdString(text)) + ": " + problem;
  }
  return {};
}

Changes Effective(const Changes& c, const link::SettingsRecord& d) {
  Changes e = c;
  const auto same = [](auto& field, const auto& now) {
    if (field && *field == now) field.reset();
  };
  same(e.host, Utf8FromDevice(d.hostName));
  same(e.essid, Utf8FromDevice(d.essid));
  same(e.passphrase, Utf8FromDevice(d.passphrase));
  for (const auto& [field, now] : {std::pair{&e.ip, d.ip}, {&e.mask, d.mask}, {&e.gateway, d.gateway}})
    if (*field && input::IsDottedQuad(**field) && input::AddressBytes(**field) == now) field->reset();
  same(e.dhcp, link::UsesDhcp(d));
  if (const auto n = ChannelNumber(d)) same(e.channel, *n);
  std::erase_if(e.byTable, [&](const auto& cell) {
    const link::Setting& s = *WrittenBy(cell.first);
    link::SettingsRecord written = d;
    return s.written(written, cell.second).empty() && written == d;
  });
  const auto size = link::ReadWepSize(d.wepOn, d.keySize);
  if (size) same(e.wepSize, *size);
  // While the phrase and size stay, a key equal to the device's changes nothing. Once either
  // changes, every key is made again, and a key cell is what it says.
  if (!e.wepSize && !e.passphrase)
    for (std::size_t k = 0; k < 4; ++k) {
      if (e.keys[k] && QString::fromStdString(*e.keys[k]).toUpper().toStdString() == KeyText(d, k)) e.keys[k].reset();
      if (e.keyFromPhrase[k] && (!size || KeyFromPhrase(d, k))) e.keyFromPhrase[k] = false;
    }
  return e;
}

bool KeyFromPhrase(const link::SettingsRecord& r, std::size_t k) {
  const auto size = link::ReadWepSize(r.wepOn, r.keySize);
  if (!size) return false;
  return QString::fromStdString(MadeKeys(r.passphrase, *size == 0 ? 1 : *size)[k]).toUpper().toStdString() ==
         KeyText(r, k);
}

std::string ReadOnlyDifference(const Changes& c, const link::SettingsRecord& device) {
  const std::string firmware = Utf8FromDevice(device.firmware);
  if (c.firmware && *c.firmware != firmware) {
    const std::string how = SpreadsheetConversion(*c.firmware, firmware);
    return "firmware: " + firmware + " on the access point, " + *c.firmware + " in the file" +
           (how.empty() ? "" : ", as a spreadsheet changes a cell (" + how + ")") + " (read-only: not written)";
  }
  return {};
}

namespace {

// Why an address can be no device's own (empty when it can).
std::string Unusable(std::uint32_t a) {
  if (a >> 24 == 0) return "reserved for this network (0.0.0.0/8)";
  if (a >> 24 == 127) return "a loopback address (127.0.0.0/8)";
  if (a >> 28 == 0xE) return "a multicast address (224.0.0.0/4)";
  if (a >> 28 == 0xF) return "reserved (240.0.0.0/4)";
  return {};
}

}  // namespace

std::string AddressProblem(const link::SettingsRecord& r) {
  const std::uint32_t ip = AddressValue(r.ip), mask = AddressValue(r.mask), gateway = AddressValue(r.gateway);
  const std::string ipText = link::FormatIpv4(r.ip), maskText = link::FormatIpv4(r.mask),
                    gatewayText = link::FormatIpv4(r.gateway);
  if (mask == 0 || (~mask & (~mask + 1)) != 0) return "mask " + maskText + ": not a net mask (ones, then zeros)";
  if (~mask < 3) return "mask " + maskText + ": leaves no address for devices (at most 255.255.255.252)";
  if (const std::string why = Unusable(ip); !why.empty()) return "ip " + ipText + ": " + why;
  const std::string subnet = " of the subnet " + ipText + "/" + maskText;
  if (ip == (ip & mask)) return "ip " + ipText + ": the network address" + subnet;
  if (ip == (ip | ~mask)) return "ip " + ipText + ": the broadcast address" + subnet;
  if (gateway == 0) return {};
  if (const std::string why = Unusable(gateway); !why.empty()) return "gateway " + gatewayText + ": " + why;
  if ((gateway & mask) != (ip & mask))
    return "gateway " + gatewayText + ": outside the subnet " + ipText + "/" + maskText;
  if (gateway == (ip | ~mask)) return "gateway " + gatewayText + ": the broadcast address" + subnet;
  if (gateway == (ip & mask)) return "gateway " + gatewayText + ": the network address" + subnet;
  if (gateway == ip) return "gateway " + gatewayText + ": the access point's own address";
  return {};
}

namespace {

// The domain stays as the device reported it: the writer names it by its settings code, and
// sends a code it does not know back as it came (link::kCtlRules). Empty, or why the channel
// named cannot be written.
std::string WriteChannel(const Changes& c, const link::Domain* domain, link::SettingsRecord& r) {
  if (!c.channel) return {};
  if (!domain || *c.channel < domain->firstChannel || *c.channel > domain->lastChannel)
    return "channel " + std::to_string(*c.channel) + " is not one of this access point's channels" +
           (domain ? " (" + std::to_string(domain->firstChannel) + " to " + std::to_string(domain->lastChannel) + ")"
                   : std::string());
  r.channel = static_cast<std::uint8_t>(*c.channel - domain->firstChannel + 1);
  return {};
}

// WEP, its size and its keys into r, whose pass phrase is already the one to send. Empty, or
// why they cannot be written.
std::string WriteWep(const Changes& c, const link::SettingsRecord& device, link::SettingsRecord& r) {
  // Keys change only when the size or the pass phrase does (made again from the phrase, as
  // the wizard makes them) or a key is named; otherwise typed keys would be lost.
  // WEP bytes that cannot be read go back as they came, unless a size is named.
  const auto readable = link::ReadWepSize(device.wepOn, device.keySize);
  bool anyKey = false;
  for (std::size_t k = 0; k < 4; ++k) anyKey = anyKey || c.keys[k] || c.keyFromPhrase[k];
  // A backup written before key cells were left empty, its phrase edited and its keys not:
  // they would be written back as typed keys, or (made from the new phrase) differ from the
  // file on every later run. Only the user can tell which was meant.
  if (c.passphrase && r.passphrase != device.passphrase && (readable || c.wepSize)) {
    bool stale = false, other = false;
    for (std::size_t k = 0; k < 4; ++k)
      if (c.keys[k]) {
        const bool same = QString::fromStdString(*c.keys[k]).toUpper().toStdString() == KeyText(device, k);
        (same && KeyFromPhrase(device, k) ? stale : other) = true;
      }
    if (stale && !other)
      return "passphrase: changed, but the key cells hold the keys of the present pass phrase: empty them to make "
             "the keys from the new phrase, or type the keys wanted";
  }
  if (!readable && !c.wepSize && (c.passphrase || anyKey))
    return "wep: unreadable on the access point; name the WEP size with the pass phrase or keys";
  const int current = readable.value_or(0);
  const int size = c.wepSize.value_or(current);
  for (std::size_t k = 0; k < 4; ++k)
    if (c.keys[k])
      if (std::string problem = KeyProblem(*c.keys[k], k, size == 0 ? 1 : size); !problem.empty()) return problem;
  if (!readable && !c.wepSize) {
    // nothing: the WEP bytes as they came
  } else if (size == 0) {
    r.wepOn = 0;  // the key size and the other sets keep what they held, as the wizard leaves them
    // A new phrase makes the set shown while WEP is off, as it would with WEP on: the phrase
    // and the keys a backup shows then agree, and no old phrase's keys linger.
    if (r.passphrase != device.passphrase) {
      const input::FourKeys made = MadeKeys(r.passphrase, 1);
      for (std::size_t k = 0; k < 4; ++k) SetKey(r, 1, k, made[k]);
    }
    for (std::size_t k = 0; k < 4; ++k)
      if (c.keys[k]) SetKey(r, 1, k, *c.keys[k]);  // the set shown while WEP is off
  } else {
    r.wepOn = 1;
    r.keySize = static_cast<std::uint8_t>(size);
    const input::FourKeys made = MadeKeys(r.passphrase, size);
    const bool remade = size != current || r.passphrase != device.passphrase;
    for (std::size_t k = 0; k < 4; ++k)
      if (remade || c.keyFromPhrase[k]) SetKey(r, size, k, made[k]);
    for (std::size_t k = 0; k < 4; ++k)
      if (c.keys[k]) SetKey(r, size, k, *c.keys[k]);
  }
  return {};
}

}  // namespace

std::optional<link::SettingsRecord> Apply(const Changes& named, const link::SettingsRecord& device, bool force,
                                          std::string* error) {
  const auto refuse = [&](const std::string& why) {
    *error = why;
    return std::nullopt;
  };
  if (std::string problem = CheckAlone(named, true); !problem.empty()) return refuse(problem);
  // Only what differs from the device is judged and written.
  const Changes c = Effective(named, device);
  if (std::string problem = CellProblem(c, device); !problem.empty()) return refuse(problem);
  if (std::string problem = CheckAlone(c, false); !problem.empty()) return refuse(problem);
  const link::Domain* domain = link::FindDomain(device.domain);
  const std::string domainName = domain ? std::string(domain->name) : "?";
  if (c.domain && *c.domain != domainName && *c.domain != "?")
    return refuse("domain: " + domainName + " on the access point, " + *c.domain + " here");

  link::SettingsRecord r = device;
  if (c.host) r.hostName = *DeviceFromUtf8(*c.host);
  if (c.essid) r.essid = *DeviceFromUtf8(*c.essid);
  if (c.passphrase) r.passphrase = *DeviceFromUtf8(*c.passphrase);
  if (c.ip) r.ip = input::AddressBytes(*c.ip);
  if (c.mask) r.mask = input::AddressBytes(*c.mask);
  if (c.gateway) r.gateway = input::AddressBytes(*c.gateway);
  if (c.dhcp) r.addressMode = *c.dhcp ? 0 : 1;
  if (!named.dhcp && link::UsesDhcp(device) && (c.mask || c.gateway))  // dhcp yes: kept for later
    return refuse(std::string("the access point uses DHCP: ") + (c.mask ? "mask" : "gateway") +
                  " needs ip as well (a fixed ip turns DHCP off)");

  if (std::string problem = WriteChannel(c, domain, r); !problem.empty()) return refuse(problem);
  if (std::string problem = WriteWep(c, device, r); !problem.empty()) return refuse(problem);
  for (const auto& [column, text] : c.byTable) WrittenBy(column)->written(r, text);

  if (!force && c.SetsAddress() && r.addressMode != 0)
    if (std::string problem = AddressProblem(r); !problem.empty()) return refuse(problem);
  return r;
}

namespace {

std::string Keys(const link::SettingsRecord& r) {
  return Join({KeyText(r, 0), KeyText(r, 1), KeyText(r, 2), KeyText(r, 3)}, " ");
}

}  // namespace

std::vector<std::string> Differences(const link::SettingsRecord& a, const link::SettingsRecord& b) {
  std::vector<std::string> names;
  for (const link::Setting* f : link::ComparedSettings())
    if (link::ComparedText(*f, a) != link::ComparedText(*f, b)) names.emplace_back(f->setting);
  return names;
}

std::vector<std::string> DescribeChanges(const link::SettingsRecord& before, const link::SettingsRecord& after,
                                         bool showSecrets) {
  std::vector<std::string> lines;
  for (const link::Setting* f : link::ComparedSettings()) {
    std::string was = link::ComparedText(*f, before), now = link::ComparedText(*f, after);
    if (f->setting == "channel") {  // as a channel number of the device's domain
      link::SettingsRecord moved = before;
      moved.channel = after.channel;
      const auto a = ChannelNumber(before), b = ChannelNumber(moved);
      was = a ? std::to_string(*a) : was;
      now = b ? std::to_string(*b) : now;
    }
    if (was == now) continue;
    std::string line(f->setting);
    line += ": ";
    if (f->secret && !showSecrets)
      line += "changed";
    else
      line.append(was).append(" -> ").append(now);
    // What a new phrase does to the keys, which an administrator cannot see without them.
    if (f->setting == "passphrase" && Keys(before) == Keys(after))
      line += " (the keys are kept: typed in the file or on the command line)";
    else if (f->setting == "passphrase" && WepText(after) == "off")
      line += " (WEP is off: the keys are made from it, and used once WEP is on)";
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace trx::ctl
