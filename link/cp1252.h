#pragma once
// The single-byte Windows ANSI code page (Windows-1252) that the device's texts use.
// The mapping is one to one over all 256 byte values: the five bytes the code page leaves
// undefined map to the C1 control characters of the same value, so any byte read from a
// device goes back unchanged.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trx::link {

char16_t Cp1252ToUnicode(std::uint8_t byte);
std::optional<std::uint8_t> UnicodeToCp1252(char16_t ch);

// Device text (bytes of the code page) and UTF-16 text. A character the code page cannot hold
// becomes the replacement, or, without one, makes the whole conversion fail.
std::u16string DeviceToUnicode(std::string_view bytes);
std::optional<std::string> UnicodeToDevice(std::u16string_view text, std::optional<char> replacement = std::nullopt);
// Device text as UTF-8.
std::string DeviceToUtf8(std::string_view bytes);

}  // namespace trx::link
