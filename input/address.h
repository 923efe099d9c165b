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

// The four bytes written for an address text: each part's value modulo 256, 0 for a part
// that is missing or does not convert.
std::array<std::uint8_t, 4> AddressBytes(std::string_view text);

}  // namespace trx::input
