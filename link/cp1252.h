#pragma once
// The single-byte Windows ANSI code page (Windows-1252) that the device's texts use.
// The mapping is one to one over all 256 byte values: the five bytes the code page leaves
// undefined map to the C1 control characters of the same value, so any byte read from a
// device goes back unchanged.
#include <cstdint>
#include <optional>

namespace trx::link {

char16_t Cp1252ToUnicode(std::uint8_t byte);
std::optional<std::uint8_t> UnicodeToCp1252(char16_t ch);

}  // namespace trx::link
