#include "input/address.h"

#include <cstdint>
#include <string>

namespace trx::input {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<std::int32_t> ConvertAddressPart(std::string_view p) {
  std::size_t i = 0;
  while (i < p.size() && p[i] == ' ') ++i;
  if (i == p.size()) return std::nullopt;

  bool negative = false;
  bool hex = false;
  if (p[i] == '-' || p[i] == '+') {
    negative = p[i] == '-';
    ++i;
  } else if (p[i] == '$' || p[i] == 'x' || p[i] == 'X') {
    hex = true;
    ++i;
  } else if (p[i] == '0' && i + 1 < p.size() && (p[i + 1] == 'x' || p[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == p.size()) return std::nullopt;  // digits are required here

  std::uint64_t value = 0;
  for (; i < p.size(); ++i) {
    const int d = hex ? HexDigit(p[i]) : (p[i] >= '0' && p[i] <= '9' ? p[i] - '0' : -1);
    if (d < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(d);
    // Stop before the accumulator itself could overflow; both limits are far below 2^60.
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (hex) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  if (negative) {
    if (value > 2147483648ull) return std::nullopt;
    return static_cast<std::int32_t>(-static_cast<std::int64_t>(value));
  }
  if (value > 2147483647ull) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

bool IsDottedQuad(std::string_view text) {
  std::string rest(text);
  rest += '.';
  std::string_view r = rest;
  for (int part = 0; part < 4; ++part) {
    const std::size_t dot = r.find('.');
    const std::string_view p = r.substr(0, dot == std::string_view::npos ? r.size() : dot);
    const auto value = ConvertAddressPart(p);
    if (!value) return false;
    // A negative part would survive the range test and lose all but its low byte on saving.
    if (*value > 255 || *value < 0) return false;
    if (!r.empty() && (r.front() == '+' || r.front() == '-')) return false;
    r = dot == std::string_view::npos ? std::string_view{} : r.substr(dot + 1);
  }
  return r.empty();
}

QuadFault FindQuadFault(std::string_view text) {
  if (IsDottedQuad(text)) return {};
  QuadFault fault;
  std::string_view rest = text;
  for (int part = 1;; ++part) {
    const std::size_t dot = rest.find('.');
    const std::string_view p = rest.substr(0, dot);
    const auto value = ConvertAddressPart(p);
    const bool signedPart = !p.empty() && (p.front() == '+' || p.front() == '-');
    if (fault.kind == QuadFault::Kind::None && part <= 4 && (!value || signedPart || *value > 255 || *value < 0))
      fault = {p.empty() ? QuadFault::Kind::Empty : QuadFault::Kind::OutOfRange, part, p, 0};
    if (dot == std::string_view::npos) {
      if (fault.kind == QuadFault::Kind::None || part != 4) fault = {QuadFault::Kind::PartCount, 0, {}, part};
      return fault;
    }
    rest.remove_prefix(dot + 1);
  }
}

bool GatewayOutsideSubnet(std::string_view ip, std::string_view mask, std::string_view gateway) {
  const auto value = [](std::string_view text) {
    const auto b = AddressBytes(text);
    return std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 | b[3];
  };
  const std::uint32_t g = value(gateway), m = value(mask);
  return g != 0 && (g & m) != (value(ip) & m);
}

std::array<std::uint8_t, 4> AddressBytes(std::string_view text) {
  std::array<std::uint8_t, 4> bytes{};
  for (std::size_t i = 0; i < 4; ++i) {
    const std::size_t dot = text.find('.');
    const std::string_view part = text.substr(0, dot);
    bytes[i] = static_cast<std::uint8_t>(ConvertAddressPart(part).value_or(0) & 0xFF);
    if (dot == std::string_view::npos) break;
    text.remove_prefix(dot + 1);
  }
  return bytes;
}

}  // namespace trx::input
