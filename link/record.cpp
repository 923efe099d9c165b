// The record read and written by the table of its settings.
#include <algorithm>

#include "link/fields.h"
#include "link/messages.h"

namespace trx::link {

namespace {

// Reads fields of a record already known to lie whole inside the datagram.
struct FieldReader {
  const Reader& r;
  std::size_t at;
  void operator()(Field f, std::uint8_t& out) const { out = *r.Byte(at + f.offset); }
  void operator()(Field f, std::string& out) const { out = *r.Text(at + f.offset, f.size); }
  template <std::size_t N>
  void operator()(Field f, std::array<std::uint8_t, N>& out) const {
    const auto run = *r.Run(at + f.offset, N);
    std::copy(run.begin(), run.end(), out.begin());
  }
  template <std::size_t N>
  void operator()(Field f, std::array<std::array<std::uint8_t, N>, 4>& out) const {
    for (std::size_t k = 0; k < 4; ++k) (*this)({f.offset + k * N, N}, out[k]);
  }
};

struct FieldWriter {
  std::span<std::uint8_t> buf;
  std::size_t at;
  void operator()(Field f, std::uint8_t v) const { WriteByte(buf, at + f.offset, v); }
  void operator()(Field f, const std::string& v) const { WriteText(buf, at + f.offset, f.size, v); }
  template <std::size_t N>
  void operator()(Field f, const std::array<std::uint8_t, N>& v) const {
    WriteRun(buf, at + f.offset, v);
  }
  template <std::size_t N>
  void operator()(Field f, const std::array<std::array<std::uint8_t, N>, 4>& v) const {
    for (std::size_t k = 0; k < 4; ++k) (*this)({f.offset + k * N, N}, v[k]);
  }
};

}  // namespace

std::optional<SettingsRecord> ReadRecord(ByteView datagram, std::size_t at) {
  const Reader r(datagram);
  if (!r.Run(at, kRecordSize)) return std::nullopt;
  SettingsRecord s;
  ForEachValue(s, FieldReader{r, at});
  return s;
}

void WriteRecord(const SettingsRecord& s, std::span<std::uint8_t> buf, std::size_t at) {
  ForEachValue(s, FieldWriter{buf, at});
}

void WriteSettingsMessage(const SettingsRecord& record, std::span<std::uint8_t> message, WriteRules rules) {
  if (message.size() < kSettingsMessageSize) return;
  std::copy(kSettingsHeader.begin(), kSettingsHeader.end(), message.begin());
  SettingsRecord r = record;
  r.domain = SettingsDomainCode(record.domain, rules.unknownDomain);
  const bool on = r.wepOn != 0;
  const bool sizeKnown = r.keySize >= 1 && r.keySize <= 3;
  const Field inUse = record::KeyArea(r.keySize, 0);
  const auto written = [&](Field f) {
    if (rules.keyAreas == KeyAreas::All || !on) return true;
    if (f.offset == record::kKeySize.offset) return true;
    if (f.offset < record::kKeys64.offset || f.offset >= record::kAddressMode.offset) return true;
    return sizeKnown && f.offset >= inUse.offset && f.offset < inUse.offset + 4 * inUse.size;
  };
  const FieldWriter write{message, kSettingsRecordOffset};
  ForEachValue(r, [&](Field f, const auto& value) {
    if (written(f)) write(f, value);
  });
}

}  // namespace trx::link
