#include "link/units.h"

#include <cstdint>
#include <functional>

namespace trx::link {

namespace {

std::string MacKey(const Mac& mac) { return {mac.begin(), mac.end()}; }

// Two unrelated 64-bit digests of the settings: what a million answers cost is their
// addresses and 16 bytes each, and no two different answers meet by chance. One forged to
// meet another's digests would have to come from that unit's own address, where nothing
// tells two devices apart anyway.
void AppendDigest(std::string& key, ByteView settings) {
  const std::string_view text(reinterpret_cast<const char*>(settings.data()), settings.size());
  std::uint64_t fnv = 14695981039346656037ULL;
  for (const std::uint8_t b : settings) fnv = (fnv ^ b) * 1099511628211ULL;
  const std::uint64_t digests[2] = {std::hash<std::string_view>()(text), fnv};
  key.append(reinterpret_cast<const char*>(digests), sizeof digests);
}

// An answer's key: its address, a zero byte, the digests of its settings.
std::string Key(std::string_view from, ByteView settings) {
  std::string key(from);
  key.push_back('\0');
  AppendDigest(key, settings);
  return key;
}

}  // namespace

ByteView SettingsBytes(ByteView reply) {
  if (reply.size() < kSmallestReply) return reply;
  return reply.subspan(kReplyRecordOffset, kRecordSize);
}

UnitAnswers::Noted UnitAnswers::Note(const Mac& mac, std::string_view from, ByteView settings) {
  const auto [at, added] = seen_.try_emplace(Key(from, settings), seen_.size());
  auto& with = byMac_[MacKey(mac)];
  if (added) with.push_back(at->second);
  return {!added, at->second, with.size() > 1};
}

std::ptrdiff_t UnitAnswers::Find(std::string_view from, ByteView settings) const {
  const auto at = seen_.find(Key(from, settings));
  return at == seen_.end() ? -1 : static_cast<std::ptrdiff_t>(at->second);
}

bool UnitAnswers::Twinned(const Mac& mac) const { return With(mac).size() > 1; }

const std::vector<std::size_t>& UnitAnswers::With(const Mac& mac) const {
  static const std::vector<std::size_t> kNone;
  const auto at = byMac_.find(MacKey(mac));
  return at == byMac_.end() ? kNone : at->second;
}

void UnitAnswers::Clear() {
  seen_.clear();
  byMac_.clear();
}

}  // namespace trx::link
