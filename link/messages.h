#pragma once
// The four datagrams exchanged with access points and their shared 318-byte settings record.
// Every read is bounds-checked: a buffer too short for a field yields nothing, never a read
// past its end.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trx::link {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

constexpr std::uint16_t kPort = 27155;
constexpr char kBroadcastAddress[] = "255.255.255.255";

constexpr std::string_view kSearchRequest = "gstsearch";
constexpr std::string_view kReplySignature = "KX7315";
constexpr std::string_view kSettingsHeader = "gstset";
constexpr std::string_view kAckHeader = "gstack";

constexpr std::size_t kRecordSize = 318;
constexpr std::size_t kReplyRecordOffset = 24;
constexpr std::size_t kSettingsRecordOffset = 6;
constexpr std::size_t kSettingsMessageSize = 324;
constexpr std::size_t kSmallestReply = kReplyRecordOffset + kRecordSize;  // 342

// A field of the settings record: its offset in the record and its size.
struct Field {
  std::size_t offset;
  std::size_t size;
};

namespace record {
constexpr Field kIp{0, 4};
constexpr Field kMask{4, 4};
constexpr Field kGateway{8, 4};
constexpr Field kHostName{12, 32};
constexpr Field kFirmware{44, 9};
constexpr Field kMac{53, 6};
constexpr Field kDomain{59, 1};
constexpr Field kChannel{60, 1};
constexpr Field kEssid{61, 33};
constexpr Field kPassphrase{94, 32};
constexpr Field kWepOn{126, 1};
constexpr Field kKeySize{127, 1};
constexpr Field kDefaultKey{128, 1};
// Key area k (0 to 3) of a size: the first area's offset plus k times the key length.
constexpr Field kKeys64{129, 5};
constexpr Field kKeys128{149, 13};
constexpr Field kKeys256{201, 29};
constexpr Field kAddressMode{317, 1};

// Key area k of the set for key size code 1, 2 or 3.
Field KeyArea(int sizeCode, int k);
}  // namespace record

using Ipv4 = std::array<std::uint8_t, 4>;
using Mac = std::array<std::uint8_t, 6>;

// The settings record in its decoded form. Texts hold the device's single-byte characters.
struct SettingsRecord {
  Ipv4 ip{}, mask{}, gateway{};
  std::string hostName, firmware;
  Mac mac{};
  std::uint8_t domain = 0, channel = 0;
  std::string essid, passphrase;
  std::uint8_t wepOn = 0, keySize = 0, defaultKey = 0;
  std::array<std::array<std::uint8_t, 5>, 4> keys64{};
  std::array<std::array<std::uint8_t, 13>, 4> keys128{};
  std::array<std::array<std::uint8_t, 29>, 4> keys256{};
  std::uint8_t addressMode = 1;

  bool operator==(const SettingsRecord&) const = default;
};

// Bounds-checked reads at absolute offsets of a datagram.
class Reader {
 public:
  explicit Reader(ByteView data) : data_(data) {}
  std::size_t size() const { return data_.size(); }
  std::optional<std::uint8_t> Byte(std::size_t offset) const;
  std::optional<ByteView> Run(std::size_t offset, std::size_t size) const;
  // A text: up to its first zero byte or the end of its area.
  std::optional<std::string> Text(std::size_t offset, std::size_t area) const;

 private:
  ByteView data_;
};

// Writes into a fixed buffer. A write that would not fit is dropped whole.
// A text shorter than its area is followed by one zero byte; one that fills it has none;
// a longer one is cut to the area. Bytes after the terminator are left as they were.
bool WriteText(std::span<std::uint8_t> buffer, std::size_t offset, std::size_t area, std::string_view text);
bool WriteRun(std::span<std::uint8_t> buffer, std::size_t offset, ByteView bytes);
bool WriteByte(std::span<std::uint8_t> buffer, std::size_t offset, std::uint8_t value);

// True when the datagram's first six bytes are exactly the six-character header.
bool HasHeader(ByteView datagram, std::string_view header);

std::optional<SettingsRecord> ReadRecord(ByteView datagram, std::size_t recordOffset);
void WriteRecord(const SettingsRecord& record, std::span<std::uint8_t> buffer, std::size_t recordOffset);

// Discovery reply: "KX7315", 18 bytes not interpreted, the record; 342 bytes or more.
std::optional<SettingsRecord> DecodeReply(ByteView datagram);
Bytes EncodeReply(const SettingsRecord& record);
// Settings message: "gstset" and the record, exactly 324 bytes.
std::optional<SettingsRecord> DecodeSettingsMessage(ByteView datagram);

// Where the wizard and trx61ctl write a settings message differently, each by its own choice.
// A domain code this program does not know (the record holds the code the device reported):
enum class UnknownDomain {
  // the wizard's: written as Japan(All), 0x61. Such a domain lists no channel, so the
  // wizard's record carries channel 0, none chosen.
  JapanAll,
  // trx61ctl's: the device's own byte goes back; it never writes a code no device reported.
  AsReported,
};
// The WEP size byte and key areas:
enum class KeyAreas {
  // the wizard's: with WEP on, the size byte and the four keys of that size, the other areas
  // keeping what the buffer held; with WEP off, the size byte and all twelve areas as the
  // record holds them (the unit's own, so that no key of another reaches it).
  InUse,
  // trx61ctl's: the size byte and all twelve areas as the record holds them.
  All,
};
struct WriteRules {
  UnknownDomain unknownDomain;
  KeyAreas keyAreas;
};
inline constexpr WriteRules kWizardRules{UnknownDomain::JapanAll, KeyAreas::InUse};
inline constexpr WriteRules kCtlRules{UnknownDomain::AsReported, KeyAreas::All};

// The one writer of a settings message: its header and the record into a buffer of at least
// 324 bytes, the domain by the code settings messages use for it. Bytes no field covers, such
// as those after a text's terminator, and what the rules leave out, keep what they held.
void WriteSettingsMessage(const SettingsRecord& record, std::span<std::uint8_t> message, WriteRules rules);
// The same over the record of the reply the device sent: what is not written goes back as the
// device gave it.
Bytes EncodeSettingsMessage(const SettingsRecord& record, ByteView reply, WriteRules rules);
Bytes SearchRequest();
Bytes Acknowledgement();

// Regulatory domains as replies carry them.
struct Domain {
  std::uint8_t code;
  std::string_view name;
  int firstChannel;
  int lastChannel;
  std::uint8_t settingsCode;  // the code a settings message names it by
};
// Nullptr for a code that names no domain (0x00 included: such a reply is refused).
const Domain* FindDomain(std::uint8_t code);
std::span<const Domain> Domains();
// The code written into a settings message for a domain code a reply carries.
std::uint8_t SettingsDomainCode(std::uint8_t reportedCode, UnknownDomain rule);

std::string FormatIpv4(const Ipv4& ip);  // "192.168.1.251"
std::string FormatMac(const Mac& mac);   // "02-00-00-0A-1B-2C"
std::string FormatHex(ByteView bytes);   // two upper-case digits per byte, no separator

}  // namespace trx::link
