#pragma once
// WEP keys made from a pass phrase: the 40-bit key generator for 64-bit keys, and the
// MD5 pass-phrase hash for 128- and 256-bit keys.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trx::input {

using FourKeys = std::array<std::string, 4>;

// Key sizes by their index in the WEP method list.
enum class WepSize { Disable = 0, Bits64 = 1, Bits128 = 2, Bits256 = 3 };
int KeyDigits(WepSize size);  // 10, 10, 26, 58

// MD5 of the text repeated from its start until 64 bytes are filled, as 32 lower-case
// hexadecimal digits. Empty for an empty text, which has nothing to repeat.
std::string PassphraseHash(std::string_view text);

// Four keys of ten upper-case digits from one running generator seeded by the folded pass phrase.
FourKeys Keys64(std::string_view passphrase);
// Hash keys, lower-case digits: 26 for 128 bits, 58 for 256 bits.
FourKeys Keys128(std::string_view passphrase);
FourKeys Keys256(std::string_view passphrase);

// The key as written: two hexadecimal digits per byte from its start, 0 for a missing pair.
std::vector<std::uint8_t> KeyBytes(std::string_view hex, std::size_t count);

// Why a typed key of this many digits is refused, in the form's words; nullptr when it is not.
const char* KeyFailure(std::string_view key, int digits);

}  // namespace trx::input
