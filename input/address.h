#pragma once
// The dotted-quad rule for the address fields of the IP settings page.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace trx::input {

// Integer conversion of one address part: leading spaces, an optional sign before decimal
// digits, or "$", "x", "X", "0x", "0X" before hexadecimal digits. Decimal values must fit a
// signed 32-bit integer; hexadecimal values are read into 32 bits (top bit set gives a
// negative number). Anything else, trailing blanks included, fails.
std::optional<std::int32_t> ConvertAddressPart(std::string_view part);

// True when the text is four parts of 0 to 255 joined by dots, with nothing left over.
bool IsDottedQuad(std::string_view text);

// Why a text is no dotted quad, for a reader who cannot see the field: the first part that is
// empty or no number from 0 to 255 (part counts from 1, text is that part), or else the count
// of parts when it is not four. Kind::None when the text is a dotted quad.
struct QuadFault {
  enum class Kind { None, Empty, OutOfRange, PartCount } kind = Kind::None;
  int part = 0;
  std::string_view text;
  int parts = 0;
};
QuadFault FindQuadFault(std::string_view text);

// A gateway the access point cannot reach: other than 0.0.0.0 (none) and outside the subnet
// of its address and mask, the rule trx61ctl refuses it by.
bool GatewayOutsideSubnet(std::string_view ip, std::string_view mask, std::string_view gateway);

// The four bytes written for an address text: each part's value modulo 256, 0 for a part
// that is missing or does not convert.
std::array<std::uint8_t, 4> AddressBytes(std::string_view text);

}  // namespace trx::input
