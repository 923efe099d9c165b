#include "input/md5.h"

#include <cstring>

namespace trx::input {
namespace {

// The four auxiliary functions, in the forms that need the fewest operations.
inline std::uint32_t F(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return z ^ (x & (y ^ z)); }
inline std::uint32_t G(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return y ^ (z & (x ^ y)); }
inline std::uint32_t H(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return x ^ y ^ z; }
inline std::uint32_t I(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return y ^ (x | ~z); }

inline std::uint32_t Rotl(std::uint32_t v, int s) { return (v << s) | (v >> (32 - s)); }

// One step: a = b + ((a + f(b,c,d) + x + t) <<< s).
#define MD5_STEP(f, a, b, c, d, x, t, s) \
  (a) += f((b), (c), (d)) + (x) + (t);   \
  (a) = Rotl((a), (s)) + (b)

inline std::uint32_t LoadLe(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

// The block transform: 64 steps in four rounds over sixteen little-endian words.
void Transform(std::uint32_t abcd[4], const std::uint8_t* block) {
  std::uint32_t x[16];
  for (std::size_t i = 0; i < 16; ++i) x[i] = LoadLe(block + 4 * i);
  std::uint32_t a = abcd[0], b = abcd[1], c = abcd[2], d = abcd[3];

  MD5_STEP(F, a, b, c, d, x[0], 0xd76aa478, 7);
  MD5_STEP(F, d, a, b, c, x[1], 0xe8c7b756, 12);
  MD5_STEP(F, c, d, a, b, x[2], 0x242070db, 17);
  MD5_STEP(F, b, c, d, a, x[3], 0xc1bdceee, 22);
  MD5_STEP(F, a, b, c, d, x[4], 0xf57c0faf, 7);
  MD5_STEP(F, d, a, b, c, x[5], 0x4787c62a, 12);
  MD5_STEP(F, c, d, a, b, x[6], 0xa8304613, 17);
  MD5_STEP(F, b, c, d, a, x[7], 0xfd469501, 22);
  MD5_STEP(F, a, b, c, d, x[8], 0x698098d8, 7);
  MD5_STEP(F, d, a, b, c, x[9], 0x8b44f7af, 12);
  MD5_STEP(F, c, d, a, b, x[10], 0xffff5bb1, 17);
  MD5_STEP(F, b, c, d, a, x[11], 0x895cd7be, 22);
  MD5_STEP(F, a, b, c, d, x[12], 0x6b901122, 7);
  MD5_STEP(F, d, a, b, c, x[13], 0xfd987193, 12);
  MD5_STEP(F, c, d, a, b, x[14], 0xa679438e, 17);
  MD5_STEP(F, b, c, d, a, x[15], 0x49b40821, 22);

  MD5_STEP(G, a, b, c, d, x[1], 0xf61e2562, 5);
  MD5_STEP(G, d, a, b, c, x[6], 0xc040b340, 9);
  MD5_STEP(G, c, d, a, b, x[11], 0x265e5a51, 14);
  MD5_STEP(G, b, c, d, a, x[0], 0xe9b6c7aa, 20);
  MD5_STEP(G, a, b, c, d, x[5], 0xd62f105d, 5);
  MD5_STEP(G, d, a, b, c, x[10], 0x02441453, 9);
  MD5_STEP(G, c, d, a, b, x[15], 0xd8a1e681, 14);
  MD5_STEP(G, b, c, d, a, x[4], 0xe7d3fbc8, 20);
  MD5_STEP(G, a, b, c, d, x[9], 0x21e1cde6, 5);
  MD5_STEP(G, d, a, b, c, x[14], 0xc33707d6, 9);
  MD5_STEP(G, c, d, a, b, x[3], 0xf4d50d87, 14);
  MD5_STEP(G, b, c, d, a, x[8], 0x455a14ed, 20);
  MD5_STEP(G, a, b, c, d, x[13], 0xa9e3e905, 5);
  MD5_STEP(G, d, a, b, c, x[2], 0xfcefa3f8, 9);
  MD5_STEP(G, c, d, a, b, x[7], 0x676f02d9, 14);
  MD5_STEP(G, b, c, d, a, x[12], 0x8d2a4c8a, 20);

  MD5_STEP(H, a, b, c, d, x[5], 0xfffa3942, 4);
  MD5_STEP(H, d, a, b, c, x[8], 0x8771f681, 11);
  MD5_STEP(H, c, d, a, b, x[11], 0x6d9d6122, 16);
  MD5_STEP(H, b, c, d, a, x[14], 0xfde5380c, 23);
  MD5_STEP(H, a, b, c, d, x[1], 0xa4beea44, 4);
  MD5_STEP(H, d, a, b, c, x[4], 0x4bdecfa9, 11);
  MD5_STEP(H, c, d, a, b, x[7], 0xf6bb4b60, 16);
  MD5_STEP(H, b, c, d, a, x[10], 0xbebfbc70, 23);
  MD5_STEP(H, a, b, c, d, x[13], 0x289b7ec6, 4);
  MD5_STEP(H, d, a, b, c, x[0], 0xeaa127fa, 11);
  MD5_STEP(H, c, d, a, b, x[3], 0xd4ef3085, 16);
  MD5_STEP(H, b, c, d, a, x[6], 0x04881d05, 23);
  MD5_STEP(H, a, b, c, d, x[9], 0xd9d4d039, 4);
  MD5_STEP(H, d, a, b, c, x[12], 0xe6db99e5, 11);
  MD5_STEP(H, c, d, a, b, x[15], 0x1fa27cf8, 16);
  MD5_STEP(H, b, c, d, a, x[2], 0xc4ac5665, 23);

  MD5_STEP(I, a, b, c, d, x[0], 0xf4292244, 6);
  MD5_STEP(I, d, a, b, c, x[7], 0x432aff97, 10);
  MD5_STEP(I, c, d, a, b, x[14], 0xab9423a7, 15);
  MD5_STEP(I, b, c, d, a, x[5], 0xfc93a039, 21);
  MD5_STEP(I, a, b, c, d, x[12], 0x655b59c3, 6);
  MD5_STEP(I, d, a, b, c, x[3], 0x8f0ccc92, 10);
  MD5_STEP(I, c, d, a, b, x[10], 0xffeff47d, 15);
  MD5_STEP(I, b, c, d, a, x[1], 0x85845dd1, 21);
  MD5_STEP(I, a, b, c, d, x[8], 0x6fa87e4f, 6);
  MD5_STEP(I, d, a, b, c, x[15], 0xfe2ce6e0, 10);
  MD5_STEP(I, c, d, a, b, x[6], 0xa3014314, 15);
  MD5_STEP(I, b, c, d, a, x[13], 0x4e0811a1, 21);
  MD5_STEP(I, a, b, c, d, x[4], 0xf7537e82, 6);
  MD5_STEP(I, d, a, b, c, x[11], 0xbd3af235, 10);
  MD5_STEP(I, c, d, a, b, x[2], 0x2ad7d2bb, 15);
  MD5_STEP(I, b, c, d, a, x[9], 0xeb86d391, 21);

  abcd[0] += a;
  abcd[1] += b;
  abcd[2] += c;
  abcd[3] += d;
}

#undef MD5_STEP

}  // namespace

void Md5Start(Md5State& s) {
  s.abcd[0] = 0x67452301;
  s.abcd[1] = 0xefcdab89;
  s.abcd[2] = 0x98badcfe;
  s.abcd[3] = 0x10325476;
  s.count[0] = s.count[1] = 0;
  std::memset(s.buffer, 0, sizeof s.buffer);
}

void Md5Add(Md5State& s, const void* data, std::size_t size) {
  const auto* p = static_cast<const std::uint8_t*>(data);
  std::size_t fill = (s.count[0] >> 3) & 63;

  const std::uint64_t bits = static_cast<std::uint64_t>(size) << 3;
  const std::uint32_t low = s.count[0] + static_cast<std::uint32_t>(bits);
  s.count[1] += static_cast<std::uint32_t>(bits >> 32) + (low < s.count[0] ? 1 : 0);
  s.count[0] = low;

  if (fill != 0) {
    const std::size_t take = size < 64 - fill ? size : 64 - fill;
    std::memcpy(s.buffer + fill, p, take);
    p += take;
    size -= take;
    fill += take;
    if (fill < 64) return;
    Transform(s.abcd, s.buffer);
  }
  for (; size >= 64; p += 64, size -= 64) Transform(s.abcd, p);
  if (size != 0) std::memcpy(s.buffer, p, size);
}

Md5Digest Md5Finish(Md5State& s) {
  static const std::uint8_t kPad[64] = {0x80};
  std::uint8_t length[8];
  for (int i = 0; i < 4; ++i) {
    length[i] = static_cast<std::uint8_t>(s.count[0] >> (8 * i));
    length[4 + i] = static_cast<std::uint8_t>(s.count[1] >> (8 * i));
  }
  const std::size_t fill = (s.count[0] >> 3) & 63;
  Md5Add(s, kPad, fill < 56 ? 56 - fill : 120 - fill);
  Md5Add(s, length, 8);

  Md5Digest digest;
  for (int i = 0; i < 16; ++i) digest[i] = static_cast<std::uint8_t>(s.abcd[i / 4] >> (8 * (i % 4)));
  std::memset(&s, 0, sizeof s);
  return digest;
}

std::string Md5Hex(const Md5Digest& digest) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex(32, '0');
  for (std::size_t i = 0; i < 16; ++i) {
    hex[2 * i] = kDigits[digest[i] >> 4];
    hex[2 * i + 1] = kDigits[digest[i] & 15];
  }
  return hex;
}

}  // namespace trx::input
