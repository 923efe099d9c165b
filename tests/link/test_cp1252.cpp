#include <gtest/gtest.h>

#include "link/cp1252.h"

using namespace trx::link;

TEST(Cp1252, EveryByteMapsToOneCharacterAndBack) {
  for (int b = 0; b < 256; ++b) {
    const char16_t c = Cp1252ToUnicode(static_cast<std::uint8_t>(b));
    const auto back = UnicodeToCp1252(c);
    ASSERT_TRUE(back) << b;
    EXPECT_EQ(*back, b);
  }
}

TEST(Cp1252, KnownCharacters) {
  EXPECT_EQ(Cp1252ToUnicode(0x80), u'\u20AC');  // euro sign
  EXPECT_EQ(Cp1252ToUnicode(0x9F), u'\u0178');
  EXPECT_EQ(Cp1252ToUnicode(0xE9), u'\u00E9');
  EXPECT_EQ(Cp1252ToUnicode(0x81), u'\u0081') << "undefined bytes pass through";
  EXPECT_FALSE(UnicodeToCp1252(u'\u0100'));
  EXPECT_FALSE(UnicodeToCp1252(u'\u4E2D'));
  EXPECT_FALSE(UnicodeToCp1252(u'\u0080')) << "U+0080 is not the euro byte";
}
