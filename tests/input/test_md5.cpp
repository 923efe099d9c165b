#include <gtest/gtest.h>
#if defined(TRX_HAVE_OPENSSL)
#include <openssl/evp.h>
#endif

#include <random>
#include <string>
#include <vector>

#include "input/md5.h"
#include "input/wepkeys.h"

using namespace trx::input;

namespace {

std::string Ours(const std::string& data) {
  Md5State s;
  Md5Start(s);
  Md5Add(s, data.data(), data.size());
  return Md5Hex(Md5Finish(s));
}

#if defined(TRX_HAVE_OPENSSL)
#define TRX_NEEDS_OPENSSL()
std::string OpenSsl(const std::string& data) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int size = 0;
  EVP_Digest(data.data(), data.size(), digest, &size, EVP_md5(), nullptr);
  static const char kHex[] = "0123456789abcdef";
  std::string hex;
  for (unsigned i = 0; i < size; ++i) {
    hex += kHex[digest[i] >> 4];
    hex += kHex[digest[i] & 15];
  }
  return hex;
}
#else
#define TRX_NEEDS_OPENSSL() GTEST_SKIP() << "compares with OpenSSL, which this build does not carry"
std::string OpenSsl(const std::string&) { return {}; }
#endif

}  // namespace

TEST(Md5, ReproducesTheRfc1321Suite) {
  EXPECT_EQ(Ours(""), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(Ours("a"), "0cc175b9c0f1b6a831c399e269772661");
  EXPECT_EQ(Ours("abc"), "900150983cd24fb0d6963f7d28e17f72");
  EXPECT_EQ(Ours("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
  EXPECT_EQ(Ours("abcdefghijklmnopqrstuvwxyz"), "c3fcd3d76192e4007dfb496cca67e13b");
  EXPECT_EQ(Ours("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"), "d174ab98d277d9f5a5611c2c9f419d9f");
  EXPECT_EQ(Ours("12345678901234567890123456789012345678901234567890123456789012345678901234567890"),
            "57edf4a22be3c955ac49da2e2107b67a");
}

TEST(Md5, AgreesWithOpenSslForEveryLengthUpTo200) {
  TRX_NEEDS_OPENSSL();
  std::mt19937 random(61);
  std::string data;
  for (int n = 0; n <= 200; ++n) {
    EXPECT_EQ(Ours(data), OpenSsl(data)) << "length " << n;
    data += static_cast<char>(random());
  }
}

TEST(Md5, InputInUnevenPiecesGivesTheSameDigest) {
  TRX_NEEDS_OPENSSL();
  std::mt19937 random(7);
  std::string data(1000, '\0');
  for (char& c : data) c = static_cast<char>(random());
  const std::vector<std::size_t> pieces = {1, 63, 64, 65, 0, 3, 127, 128, 55, 56, 57, 200, 181};
  Md5State s;
  Md5Start(s);
  std::size_t at = 0;
  for (std::size_t p : pieces) {
    Md5Add(s, data.data() + at, p);
    at += p;
  }
  ASSERT_EQ(at, data.size());
  EXPECT_EQ(Md5Hex(Md5Finish(s)), OpenSsl(data));
}

TEST(Md5, FinishWipesTheState) {
  Md5State s;
  Md5Start(s);
  Md5Add(s, "secret", 6);
  Md5Finish(s);
  const auto* bytes = reinterpret_cast<const unsigned char*>(&s);
  for (std::size_t i = 0; i < sizeof s; ++i) ASSERT_EQ(bytes[i], 0) << "byte " << i;
}

TEST(PassphraseHash, RepeatsTheTextTo64Bytes) {
  TRX_NEEDS_OPENSSL();
  const std::string sixtyFour = "0123456789abcdef0123456789ABCDEF0123456789abcdef0123456789ABCDEF";
  EXPECT_EQ(PassphraseHash(sixtyFour), OpenSsl(sixtyFour));
  EXPECT_EQ(PassphraseHash("z"), OpenSsl(std::string(64, 'z')));
  std::string repeated;
  for (int i = 0; i < 21; ++i) repeated += "abc";
  repeated += 'a';
  EXPECT_EQ(PassphraseHash("abc"), OpenSsl(repeated));
  EXPECT_EQ(PassphraseHash(sixtyFour + "tail"), PassphraseHash(sixtyFour)) << "only the first 64 bytes count";
  EXPECT_EQ(PassphraseHash(""), "");
}
