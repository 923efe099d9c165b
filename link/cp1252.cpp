#include "link/cp1252.h"

namespace trx::link {
namespace {
// 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
}  // namespace

char16_t Cp1252ToUnicode(std::uint8_t byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : static_cast<char16_t>(byte);
}

std::optional<std::uint8_t> UnicodeToCp1252(char16_t ch) {
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<std::uint8_t>(ch);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == ch) return static_cast<std::uint8_t>(0x80 + i);
  return std::nullopt;
}

std::u16string DeviceToUnicode(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (const char b : bytes) text += Cp1252ToUnicode(static_cast<std::uint8_t>(b));
  return text;
}

std::optional<std::string> UnicodeToDevice(std::u16string_view text, std::optional<char> replacement) {
  std::string bytes;
  bytes.reserve(text.size());
  for (const char16_t c : text) {
    const auto b = UnicodeToCp1252(c);
    if (!b && !replacement) return std::nullopt;
    bytes += b ? static_cast<char>(*b) : *replacement;
  }
  return bytes;
}

std::string DeviceToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char b : bytes) {
    const char16_t c = Cp1252ToUnicode(static_cast<std::uint8_t>(b));
    if (c < 0x80) {
      text += static_cast<char>(c);
    } else if (c < 0x800) {
      text += static_cast<char>(0xC0 | c >> 6);
      text += static_cast<char>(0x80 | (c & 0x3F));
    } else {  // the code page holds no character beyond the first plane
      text += static_cast<char>(0xE0 | c >> 12);
      text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return text;
}

}  // namespace trx::link
