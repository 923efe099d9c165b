#pragma once
// MD5 message digest (RFC 1321), as four small operations on a caller-owned state.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace trx::input {

struct Md5State {
  std::uint32_t abcd[4];
  std::uint32_t count[2];  // bits added so far, low word first
  std::uint8_t buffer[64];
};

using Md5Digest = std::array<std::uint8_t, 16>;

void Md5Start(Md5State& state);
void Md5Add(Md5State& state, const void* data, std::size_t size);
// Pads, yields the digest, and wipes the whole state.
Md5Digest Md5Finish(Md5State& state);
// 32 lower-case hexadecimal digits, digest byte 0 first.
std::string Md5Hex(const Md5Digest& digest);

}  // namespace trx::input
