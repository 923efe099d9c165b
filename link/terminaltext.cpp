#include "link/terminaltext.h"

#include <algorithm>

namespace trx::link {

namespace {
const char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD
}  // namespace

std::size_t Utf8Sequence(std::string_view text, std::size_t i) {
  const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char b = at(i);
  const std::size_t n = b < 0x80                 ? 1
                        : b >= 0xC2 && b <= 0xDF ? 2
                        : b >= 0xE0 && b <= 0xEF ? 3
                        : b >= 0xF0 && b <= 0xF4 ? 4
                                                 : 0;
  if (n == 0 || i + n > text.size()) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if ((at(i + k) & 0xC0) != 0x80) return 0;
  if (n == 3 && ((b == 0xE0 && at(i + 1) < 0xA0) || (b == 0xED && at(i + 1) >= 0xA0))) return 0;
  if (n == 4 && ((b == 0xF0 && at(i + 1) < 0x90) || (b == 0xF4 && at(i + 1) >= 0x90))) return 0;
  return n;
}

std::string TerminalSafe(std::string_view text, bool oneLine) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = Utf8Sequence(text, i);
    const auto b = static_cast<unsigned char>(text[i]);
    const bool control = n == 1 ? (b < 0x20 && (b != '\n' || oneLine)) || b == 0x7F
                                : n == 2 && b == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
    if (n == 0 || control)
      out += kReplacement;
    else
      out.append(text.substr(i, n));
    i += std::max<std::size_t>(n, 1);
  }
  return out;
}

}  // namespace trx::link
