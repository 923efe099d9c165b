#include <gtest/gtest.h>

#include "input/md5.h"
#include "input/wepkeys.h"

using namespace trx::input;

// Known answers worked out with a separate Python rendering of the generator's definition.
// For "ab" the first byte also by hand: x = 0x6261; 25185 * 214013 + 2531011 = 5392448416;
// minus 2^32 gives 1097481120 = 0x416A3BA0, bits 16 to 23: "6A".
TEST(Keys64, FollowTheGeneratorFromTheFoldedSeed) {
  EXPECT_EQ(Keys64("ab"), (FourKeys{"6A9E9C0123", "7934030366", "0407D68FE4", "9AC50ADFAA"}));
  EXPECT_EQ(Keys64("office secret"), (FourKeys{"68969D03D2", "0D52D3D5F1", "2230975E0A", "32A538A909"}));
}

TEST(Keys64, DependOnlyOnTheFold) {
  // The bytes of lane 0 cancel: "abcdabcd" folds to zero like the empty fold.
  EXPECT_EQ(Keys64("abcdabcd"), Keys64("wxyzwxyz"));
  // x = 0: the first step gives 2531011 = 0x00269EC3 -> "26".
  EXPECT_EQ(Keys64("abcdabcd")[0].substr(0, 2), "26");
  EXPECT_EQ(Keys64("abcde"), Keys64(std::string("\x04"
                                                "bcd",
                                                4)))
      << "e folds onto lane 0: a ^ e = 0x04";
  EXPECT_NE(Keys64("abcd"), Keys64("abdd"));
  EXPECT_EQ(Keys64("abcd"), Keys64("abce")) << "bits 24 and up of x never reach bits 16 to 23 of a later x";
}

// Known answers worked out with Python's hashlib (another MD5) over the passphrase repeated
// to 64 bytes, with suffix bytes 1 to 7 as the key table says.
TEST(HashKeys, CutAndJoinThePassphraseHashes) {
  EXPECT_EQ(Keys128("correct horse"), (FourKeys{"4ac3ca34b850df935752097982", "a2d1fc4dccb482adc21ba6b5d7",
                                                "e8b9e3f827a8642d89c5ef4919", "583c072f39b9841ffa7cd149ef"}));
  EXPECT_EQ(Keys256("correct horse"), (FourKeys{"4ac3ca34b850df935752097982356049a2d1fc4dccb482adc21ba6b5d7",
                                                "e8b9e3f827a8642d89c5ef4919e85bb5583c072f39b9841ffa7cd149ef",
                                                "a23458cc4336f37310dff42e446ede505b7c15fbe8bb4cf77ee175a971",
                                                "f37abb6d51f22027b76c5919de58b57ce0ce7df78ac053734e566a0f31"}));
}
