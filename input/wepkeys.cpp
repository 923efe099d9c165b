#include "input/wepkeys.h"

#include <cstdint>
#include <cstdio>

#include "input/md5.h"

namespace trx::input {

int KeyDigits(WepSize size) {
  switch (size) {
    case WepSize::Bits128: return 26;
    case WepSize::Bits256: return 58;
    default: return 10;
  }
}

std::string PassphraseHash(std::string_view text) {
  if (text.empty()) return {};
  std::uint8_t block[64];
  for (std::size_t i = 0; i < 64; ++i) block[i] = static_cast<std::uint8_t>(text[i % text.size()]);
  Md5State state;
  Md5Start(state);
  Md5Add(state, block, sizeof block);
  return Md5Hex(Md5Finish(state));
}

FourKeys Keys64(std::string_view passphrase) {
  std::uint8_t seed[4] = {0, 0, 0, 0};
  for (std::size_t i = 0; i < passphrase.size(); ++i) seed[i % 4] ^= static_cast<std::uint8_t>(passphrase[i]);
  std::uint32_t x = seed[0] | std::uint32_t(seed[1]) << 8 | std::uint32_t(seed[2]) << 16 | std::uint32_t(seed[3]) << 24;

  FourKeys keys;
  for (auto& key : keys) {
    for (int b = 0; b < 5; ++b) {
      x = x * 214013u + 2531011u;  // wraps modulo 2^32
      char digits[3];
      std::snprintf(digits, sizeof digits, "%02X", (x >> 16) & 0xFF);
      key += digits;
    }
  }
  return keys;
}

namespace {

std::string HashWithSuffix(std::string_view passphrase, int suffix) {
  std::string text(passphrase);
  if (suffix != 0) text += static_cast<char>(suffix);
  return PassphraseHash(text);
}

}  // namespace

FourKeys Keys128(std::string_view passphrase) {
  FourKeys keys;
  for (int k = 0; k < 4; ++k) keys[k] = HashWithSuffix(passphrase, k).substr(0, 26);
  return keys;
}

FourKeys Keys256(std::string_view passphrase) {
  FourKeys keys;
  for (int k = 0; k < 4; ++k) {
    keys[k] = HashWithSuffix(passphrase, 2 * k) + HashWithSuffix(passphrase, 2 * k + 1).substr(0, 26);
  }
  return keys;
}

std::vector<std::uint8_t> KeyBytes(std::string_view hex, std::size_t count) {
  std::vector<std::uint8_t> bytes(count, 0);
  const auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  for (std::size_t i = 0; i < count && 2 * i + 1 < hex.size(); ++i) {
    const int high = digit(hex[2 * i]), low = digit(hex[2 * i + 1]);
    if (high >= 0 && low >= 0) bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
  }
  return bytes;
}

const char* KeyFailure(std::string_view key, int digits) {
  if (static_cast<int>(key.size()) < digits) return "Wrong Wep-Key1 Length!";
  for (int i = 0; i < digits; ++i) {
    const char c = key[static_cast<std::size_t>(i)];
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return "Wrong Wep-Key1 Word!";
  }
  return nullptr;
}

}  // namespace trx::input
