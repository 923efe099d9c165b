#include "tools/apsim/accesspoints.h"

#include <QFile>
#include <QHostAddress>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>

#include "input/wepkeys.h"
#include "link/fields.h"

namespace trx::apsim {
namespace {

std::uint8_t HexByte(const std::string& digits, std::size_t i) {
  return static_cast<std::uint8_t>(std::stoul(digits.substr(2 * i, 2), nullptr, 16));
}

template <std::size_t N>
void FillKeys(std::array<std::array<std::uint8_t, N>, 4>& areas, const input::FourKeys& keys) {
  for (std::size_t k = 0; k < 4; ++k)
    for (std::size_t i = 0; i < N; ++i) areas[k][i] = HexByte(keys[k], i);
}

bool ParseIpv4(const QString& text, link::Ipv4& out) {
  QHostAddress address;
  if (!address.setAddress(text) || address.protocol() != QAbstractSocket::IPv4Protocol) return false;
  const quint32 v = address.toIPv4Address();
  out = {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
         static_cast<std::uint8_t>(v)};
  return true;
}

}  // namespace

void MakeKeys(link::SettingsRecord& ap) {
  if (ap.passphrase.empty()) return;
  FillKeys(ap.keys64, input::Keys64(ap.passphrase));
  FillKeys(ap.keys128, input::Keys128(ap.passphrase));
  FillKeys(ap.keys256, input::Keys256(ap.passphrase));
}

std::vector<link::SettingsRecord> MakeAccessPoints(int count) {
  static const std::uint8_t kDomains[] = {0x10, 0x30, 0x41, 0x20, 0x32, 0x31, 0x40};
  std::vector<link::SettingsRecord> aps;
  aps.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    link::SettingsRecord ap;
    const int n = i + 1;
    ap.mac = {0x02, 0x00, 0x00, 0x0A, static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)};
    ap.ip = {192, 168, static_cast<std::uint8_t>(1 + n / 240), static_cast<std::uint8_t>(10 + n % 240)};
    ap.mask = {255, 255, 255, 0};
    ap.gateway = {192, 168, 1, 1};
    ap.hostName = "TRX61-AP-" + std::to_string(n);
    ap.firmware = "2.2.0";
    ap.domain = kDomains[i % 7];
    const link::Domain* domain = link::FindDomain(ap.domain);
    // The channel byte relates to the channel list by position, as the utility reads it.
    const int channels = domain->lastChannel - domain->firstChannel + 1;
    ap.channel = static_cast<std::uint8_t>(1 + (5 * i) % channels);
    ap.essid = "office-" + std::to_string(n);
    ap.passphrase = "secret phrase " + std::to_string(n);
    MakeKeys(ap);
    ap.wepOn = i % 4 == 0 ? 0 : 1;
    ap.keySize = static_cast<std::uint8_t>(i % 4 == 0 ? 1 : i % 4);
    ap.defaultKey = 0;
    ap.addressMode = i % 2 == 0 ? 1 : 0;
    aps.push_back(std::move(ap));
  }
  return aps;
}

std::vector<link::SettingsRecord> LoadAccessPoints(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    *error = path + ": " + file.errorString();
    return {};
  }
  std::vector<link::SettingsRecord> aps;
  QTextStream in(&file);
  int lineNumber = 0;
  const auto fail = [&](const QString& why) {
    *error = QString("%1:%2: %3").arg(path).arg(lineNumber).arg(why);
    return std::vector<link::SettingsRecord>{};
  };
  while (!in.atEnd()) {
    ++lineNumber;
    const QString line = in.readLine().trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    if (line == "[ap]") {
      aps.push_back(MakeAccessPoints(static_cast<int>(aps.size()) + 1).back());
      continue;
    }
    if (aps.empty()) return fail("settings before the first [ap]");
    const qsizetype eq = line.indexOf('=');
    if (eq < 0) return fail("expected key = value");
    const QString key = line.left(eq).trimmed().toLower();
    const QString value = line.mid(eq + 1).trimmed();
    const std::string bytes = value.toLatin1().toStdString();
    link::SettingsRecord& ap = aps.back();
    if (key == "mac") {
      const QStringList parts = value.split(QRegularExpression("[-:]"));
      bool ok = parts.size() == 6;
      for (int i = 0; ok && i < 6; ++i)
        ap.mac[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(parts[i].toUInt(&ok, 16));
      if (!ok) return fail("mac needs six hexadecimal bytes");
    } else if (key == "host") {
      ap.hostName = bytes;
    } else if (key == "firmware") {
      ap.firmware = bytes;
    } else if (key == "essid") {
      ap.essid = bytes;
    } else if (key == "passphrase") {
      ap.passphrase = bytes;
      MakeKeys(ap);
    } else if (key == "domain") {
      bool ok = false;
      ap.domain = static_cast<std::uint8_t>(value.toUInt(&ok, 0));
      if (!ok) return fail("domain needs a code such as 0x10");
    } else if (key == "channel") {
      bool ok = false;
      ap.channel = static_cast<std::uint8_t>(value.toUInt(&ok, 0));
      if (!ok) return fail("channel needs a number");
    } else if (key == "wep") {
      if (value == "off") {
        ap.wepOn = 0;
      } else if (value == "64" || value == "128" || value == "256") {
        ap.wepOn = 1;
        ap.keySize = value == "64" ? 1 : value == "128" ? 2 : 3;
      } else {
        return fail("wep is off, 64, 128 or 256");
      }
    } else if (key == "dhcp") {
      ap.addressMode = value == "yes" ? 0 : 1;
    } else if (key == "ip" || key == "mask" || key == "gateway") {
      link::Ipv4& target = key == "ip" ? ap.ip : key == "mask" ? ap.mask : ap.gateway;
      if (!ParseIpv4(value, target)) return fail(key + " needs a dotted address");
    } else if (key == "keys64" || key == "keys128" || key == "keys256") {
      const QStringList keys = value.split(' ', Qt::SkipEmptyParts);
      if (keys.size() != 4) return fail(key + " needs four keys");
      for (std::size_t k = 0; k < 4; ++k) {
        const std::string hex = keys[static_cast<int>(k)].toStdString();
        const auto put = [&](auto& set) {
          const auto b = input::KeyBytes(hex, set[k].size());
          std::copy(b.begin(), b.end(), set[k].begin());
        };
        if (key == "keys64") put(ap.keys64);
        if (key == "keys128") put(ap.keys128);
        if (key == "keys256") put(ap.keys256);
      }
    } else {
      return fail("unknown key " + key);
    }
  }
  if (aps.empty()) return fail("no [ap] section");
  return aps;
}

bool SaveAccessPoints(const QString& path, const std::vector<link::SettingsRecord>& aps, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
    *error = path + ": " + file.errorString();
    return false;
  }
  QTextStream out(&file);
  const auto text = [](const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  };
  const auto keys = [](const auto& set) {
    QStringList hex;
    for (const auto& key : set) hex << QString::fromStdString(link::FormatHex(key));
    return hex.join(' ');
  };
  static const char* const kWep[] = {"64", "128", "256"};
  out << "# access points as the simulator last left them\n";
  for (const link::SettingsRecord& ap : aps) {
    out << "[ap]\nmac = " << QString::fromStdString(link::FormatMac(ap.mac)) << "\nhost = " << text(ap.hostName)
        << "\nfirmware = " << text(ap.firmware) << "\nessid = " << text(ap.essid)
        << "\npassphrase = " << text(ap.passphrase) << "\ndomain = 0x" << QString::number(ap.domain, 16)
        << "\nchannel = " << static_cast<int>(ap.channel)
        << "\nwep = " << (ap.wepOn == 0 || ap.keySize < 1 || ap.keySize > 3 ? "off" : kWep[ap.keySize - 1])
        << "\ndhcp = " << (ap.addressMode == 0 ? "yes" : "no")
        << "\nip = " << QString::fromStdString(link::FormatIpv4(ap.ip))
        << "\nmask = " << QString::fromStdString(link::FormatIpv4(ap.mask))
        << "\ngateway = " << QString::fromStdString(link::FormatIpv4(ap.gateway)) << "\nkeys64 = " << keys(ap.keys64)
        << "\nkeys128 = " << keys(ap.keys128) << "\nkeys256 = " << keys(ap.keys256) << "\n";
  }
  out.flush();
  if (!file.commit()) {
    *error = path + ": " + file.errorString();
    return false;
  }
  return true;
}

void ApplySettings(link::SettingsRecord& ap, const link::SettingsRecord& s) {
  for (const link::Setting& setting : link::Settings())
    if (!setting.kept) std::visit([&](auto member) { ap.*member = s.*member; }, setting.member);
  // Settings messages name some domains by codes of their own; one no domain has stays as sent.
  for (const link::Domain& d : link::Domains())
    if (d.settingsCode == s.domain) ap.domain = d.code;
  ap.addressMode = s.addressMode == 0 ? 0 : 1;
}

}  // namespace trx::apsim
