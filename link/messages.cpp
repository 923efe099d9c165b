#include "link/messages.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace trx::link {

namespace record {
Field KeyArea(int sizeCode, int k) {
  const Field first = sizeCode == 3 ? kKeys256 : sizeCode == 2 ? kKeys128 : kKeys64;
  return {first.offset + static_cast<std::size_t>(k) * first.size, first.size};
}
}  // namespace record

std::optional<std::uint8_t> Reader::Byte(std::size_t offset) const {
  if (offset >= data_.size()) return std::nullopt;
  return data_[offset];
}

std::optional<ByteView> Reader::Run(std::size_t offset, std::size_t size) const {
  if (offset > data_.size() || size > data_.size() - offset) return std::nullopt;
  return data_.subspan(offset, size);
}

std::optional<std::string> Reader::Text(std::size_t offset, std::size_t area) const {
  const auto run = Run(offset, area);
  if (!run) return std::nullopt;
  const auto end = std::find(run->begin(), run->end(), std::uint8_t{0});
  return std::string(run->begin(), end);
}

bool WriteRun(std::span<std::uint8_t> buffer, std::size_t offset, ByteView bytes) {
  if (offset > buffer.size() || bytes.size() > buffer.size() - offset) return false;
  std::copy(bytes.begin(), bytes.end(), buffer.begin() + static_cast<std::ptrdiff_t>(offset));
  return true;
}

bool WriteByte(std::span<std::uint8_t> buffer, std::size_t offset, std::uint8_t value) {
  if (offset >= buffer.size()) return false;
  buffer[offset] = value;
  return true;
}

bool WriteText(std::span<std::uint8_t> buffer, std::size_t offset, std::size_t area, std::string_view text) {
  if (offset > buffer.size() || area > buffer.size() - offset) return false;
  const std::size_t n = std::min(text.size(), area);
  std::memcpy(buffer.data() + offset, text.data(), n);
  if (n < area) buffer[offset + n] = 0;
  return true;
}

bool HasHeader(ByteView datagram, std::string_view header) {
  return datagram.size() >= header.size() &&
         std::equal(header.begin(), header.end(), datagram.begin(),
                    [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}

namespace {
void PutHeader(std::span<std::uint8_t> out, std::string_view header) {
  std::copy(header.begin(), header.end(), out.begin());
}
}  // namespace

std::optional<SettingsRecord> DecodeReply(ByteView d) {
  if (!HasHeader(d, kReplySignature)) return std::nullopt;
  return ReadRecord(d, kReplyRecordOffset);
}

Bytes EncodeReply(const SettingsRecord& record) {
  Bytes out(kSmallestReply, 0);
  PutHeader(out, kReplySignature);
  WriteRecord(record, out, kReplyRecordOffset);
  return out;
}

std::optional<SettingsRecord> DecodeSettingsMessage(ByteView d) {
  if (!HasHeader(d, kSettingsHeader)) return std::nullopt;
  return ReadRecord(d, kSettingsRecordOffset);
}

Bytes EncodeSettingsMessage(const SettingsRecord& record, ByteView reply, WriteRules rules) {
  Bytes out(kSettingsMessageSize, 0);
  if (reply.size() > kReplyRecordOffset) {
    const ByteView base = reply.subspan(kReplyRecordOffset, std::min(reply.size() - kReplyRecordOffset, kRecordSize));
    std::copy(base.begin(), base.end(), out.begin() + kSettingsRecordOffset);
  }
  WriteSettingsMessage(record, out, rules);
  return out;
}

Bytes SearchRequest() { return Bytes(kSearchRequest.begin(), kSearchRequest.end()); }
Bytes Acknowledgement() { return Bytes(kAckHeader.begin(), kAckHeader.end()); }

namespace {
constexpr Domain kDomains[] = {
    {0x10, "FCC", 1, 11, 0x10},        {0x20, "Canada", 1, 11, 0x20},  {0x30, "ETSI", 1, 13, 0x30},
    {0x31, "Spain", 10, 11, 0x40},     {0x32, "France", 10, 13, 0x50}, {0x40, "Japan", 14, 14, 0x60},
    {0x41, "Japan(All)", 1, 14, 0x61},
};
constexpr std::uint8_t kJapanAllSettingsCode = 0x61;
}  // namespace

std::span<const Domain> Domains() { return kDomains; }

const Domain* FindDomain(std::uint8_t code) {
  for (const auto& d : kDomains)
    if (d.code == code) return &d;
  return nullptr;
}

std::uint8_t SettingsDomainCode(std::uint8_t reportedCode, UnknownDomain rule) {
  if (const Domain* d = FindDomain(reportedCode)) return d->settingsCode;
  return rule == UnknownDomain::JapanAll ? kJapanAllSettingsCode : reportedCode;
}

std::string FormatIpv4(const Ipv4& ip) {
  char text[16];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", ip[0], ip[1], ip[2], ip[3]);
  return text;
}

std::string FormatMac(const Mac& mac) {
  char text[18];
  std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
  return text;
}

std::string FormatHex(ByteView bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const auto b : bytes) {
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

}  // namespace trx::link
