#include "link/reading.h"

#include <charconv>

namespace trx::link {

std::string HexCode(std::uint8_t byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  if (byte >= 16) text += kDigits[byte >> 4];
  text += kDigits[byte & 0x0F];
  return text;
}

namespace {
std::optional<int> Decimal(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}
}  // namespace

std::optional<int> ReadChannel(std::uint8_t code) {
  const std::string text = HexCode(code);
  if (text.size() == 1 && text[0] >= 'A' && text[0] <= 'E') return text[0] - 'A' + 10;
  return Decimal(text);
}

std::optional<int> ReadDefaultKey(std::uint8_t code) { return Decimal(HexCode(code)); }

std::optional<int> ReadWepSize(std::uint8_t wepOn, std::uint8_t keySize) {
  if (wepOn == 0) return 0;
  if (wepOn > 3 || keySize < 1 || keySize > 3) return std::nullopt;
  return keySize;
}

std::string KeyText(const SettingsRecord& r, std::size_t k) {
  switch (ReadWepSize(r.wepOn, r.keySize).value_or(0)) {
    case 2: return FormatHex(r.keys128.at(k));
    case 3: return FormatHex(r.keys256.at(k));
    default: return FormatHex(r.keys64.at(k));
  }
}

std::string WepText(const SettingsRecord& record) {
  static const char* const kNames[] = {"off", "64", "128", "256"};
  const auto size = ReadWepSize(record.wepOn, record.keySize);
  return size ? kNames[*size] : "?";
}

std::optional<int> ChannelNumber(const SettingsRecord& record) {
  const Domain* domain = FindDomain(record.domain);
  const auto position = ReadChannel(record.channel);
  return domain && position ? ChannelAt(*domain, *position) : std::nullopt;
}

bool UsesDhcp(const SettingsRecord& r) { return r.addressMode == 0; }

ReplyOutcome CheckReply(ByteView datagram) {
  const auto r = DecodeReply(datagram);
  if (!r) return ReplyOutcome::Short;
  if (r->domain == 0) return ReplyOutcome::RefusedDomain;
  if (!ReadChannel(r->channel)) return ReplyOutcome::UnreadableChannel;
  if (!ReadDefaultKey(r->defaultKey)) return ReplyOutcome::UnreadableDefaultKey;
  return ReplyOutcome::Listed;
}

const char* Reason(ReplyOutcome outcome) {
  switch (outcome) {
    case ReplyOutcome::Listed: return "listed";
    case ReplyOutcome::Short: return "refused: shorter than 342 bytes";
    case ReplyOutcome::RefusedDomain: return "refused: domain code 0";
    case ReplyOutcome::UnreadableChannel: return "refused: unreadable channel";
    case ReplyOutcome::UnreadableDefaultKey: return "refused: unreadable default key";
  }
  return "";
}

std::optional<int> ChannelAt(const Domain& domain, int position) {
  const int channel = domain.firstChannel + position - 1;
  if (position < 1 || channel > domain.lastChannel) return std::nullopt;
  return channel;
}

}  // namespace trx::link
