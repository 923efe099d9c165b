#pragma once
// Text as a terminal may show it, for trx61ctl's messages and the wizard's debug lines alike.
#include <cstddef>
#include <string>
#include <string_view>

namespace trx::link {

// The length of the well-formed UTF-8 sequence that begins at text[i] (1 to 4), or 0 where
// none does (a stray byte, an overlong form, a surrogate, past U+10FFFF, cut short).
std::size_t Utf8Sequence(std::string_view text, std::size_t i);

// Every control character (C0, ESC, DEL, and C1, U+0080 to U+009F) and every byte that is not
// UTF-8 becomes U+FFFD, so that no device's, file's or argument's text can move the cursor,
// clear the screen or retitle the window. Line breaks are kept unless oneLine, which shows
// them as U+FFFD too.
std::string TerminalSafe(std::string_view text, bool oneLine = false);

}  // namespace trx::link
