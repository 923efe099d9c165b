#include <gtest/gtest.h>

#include "input/address.h"

using trx::input::ConvertAddressPart;
using trx::input::IsDottedQuad;

struct QuadCase {
  const char* text;
  bool passes;
  const char* why;
};

class DottedQuad : public ::testing::TestWithParam<QuadCase> {};

TEST_P(DottedQuad, FollowsTheRule) {
  const auto& c = GetParam();
  EXPECT_EQ(IsDottedQuad(c.text), c.passes) << '"' << c.text << "\": " << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DottedQuad,
    ::testing::Values(
        QuadCase{"192.168.1.1", true, "plain address"}, QuadCase{"0.0.0.0", true, "all zero"},
        QuadCase{"255.255.255.255", true, "all at the top of the range"},
        QuadCase{"192.168.1", false, "fourth part empty"},
        QuadCase{"1.2.3.4.", false, "a dot left after the fourth part"}, QuadCase{"1.2.3.4.5", false, "a fifth part"},
        QuadCase{"192.168..1", false, "an empty part"}, QuadCase{"", false, "empty text"},
        QuadCase{"256.1.1.1", false, "a part above 255"}, QuadCase{"1.2.3.256", false, "the last part above 255"},
        QuadCase{"010.001.000.255", true, "leading zeros"}, QuadCase{" 1.2.3.4", true, "blank before the first part"},
        QuadCase{"1. 2.  3.   4", true, "blanks before later parts"},
        QuadCase{"1.2.3.4 ", false, "blank after the last part"}, QuadCase{"1 .2.3.4", false, "blank before a dot"},
        QuadCase{"\t1.2.3.4", false, "only the space is skipped"}, QuadCase{"+1.2.3.4", false, "a plus sign"},
        QuadCase{"1.-2.3.4", false, "a minus sign"}, QuadCase{"1.+2.3.4", false, "a plus sign on a later part"},
        QuadCase{"$C0.$A8.1.1", true, "dollar hexadecimal"}, QuadCase{"0x10.1.1.1", true, "0x hexadecimal"},
        QuadCase{"x10.X1.0X1.1", true, "x, X and 0X prefixes"}, QuadCase{"$ff.$FF.1.1", true, "either case"},
        QuadCase{"$100.1.1.1", false, "hexadecimal above 255"}, QuadCase{"$.1.1.1", false, "prefix without digits"},
        QuadCase{"0x.1.1.1", false, "0x without digits"}, QuadCase{"1a.1.1.1", false, "a letter after decimal digits"},
        QuadCase{"$1g.1.1.1", false, "no hexadecimal digit"}, QuadCase{"9999999999.1.1.1", false, "beyond 32 bits"},
        QuadCase{"$123456789.1.1.1", false, "hexadecimal needing more than 32 bits"},
        QuadCase{" -1.2.3.4", false, "blanks then a negative number"},
        QuadCase{"1. -5.3.4", false, "a negative later part behind a blank"},
        QuadCase{"$FFFFFFFF.1.1.1", false, "hexadecimal with the top bit set is negative"},
        QuadCase{"$80000000.1.1.1", false, "the most negative hexadecimal value"},
        QuadCase{"1.2.3.4x", false, "trailing characters"}, QuadCase{"...", false, "dots only"}));

TEST(AddressPart, ConvertsEachFormAndRange) {
  EXPECT_EQ(ConvertAddressPart("010"), 10);
  EXPECT_EQ(ConvertAddressPart("   7"), 7);
  EXPECT_EQ(ConvertAddressPart("-12"), -12);
  EXPECT_EQ(ConvertAddressPart("+12"), 12);
  EXPECT_EQ(ConvertAddressPart("2147483647"), 2147483647);
  EXPECT_EQ(ConvertAddressPart("-2147483648"), -2147483647 - 1);
  EXPECT_FALSE(ConvertAddressPart("2147483648"));
  EXPECT_EQ(ConvertAddressPart("$FFFFFFFF"), -1);
  EXPECT_EQ(ConvertAddressPart("$00000000ff"), 255) << "leading zeros do not count as bits";
  EXPECT_FALSE(ConvertAddressPart("-$10")) << "a sign takes decimal digits only";
  EXPECT_FALSE(ConvertAddressPart("   "));
  EXPECT_FALSE(ConvertAddressPart("-"));
  EXPECT_FALSE(ConvertAddressPart("99999999999999999999999"));
}

TEST(QuadFault, NamesTheFirstBadPartOrElseTheCount) {
  using trx::input::FindQuadFault;
  using Kind = trx::input::QuadFault::Kind;
  const auto fault = FindQuadFault("192.168.300.1x");
  EXPECT_EQ(fault.kind, Kind::OutOfRange);
  EXPECT_EQ(fault.part, 3);
  EXPECT_EQ(fault.text, "300");
  EXPECT_EQ(FindQuadFault("1..3.4").kind, Kind::Empty);
  EXPECT_EQ(FindQuadFault("1.2.+3.4").part, 3) << "signed, so refused";
  const auto count = FindQuadFault("1.2.3.999.5");
  EXPECT_EQ(count.kind, Kind::PartCount) << "five parts outweigh a bad one";
  EXPECT_EQ(count.parts, 5);
  EXPECT_EQ(FindQuadFault("$C0.1.1.1").kind, Kind::None);
}

TEST(GatewayOutsideSubnet, AsTrx61ctlRefusesIt) {
  using trx::input::GatewayOutsideSubnet;
  EXPECT_FALSE(GatewayOutsideSubnet("192.168.1.20", "255.255.255.0", "192.168.1.1"));
  EXPECT_TRUE(GatewayOutsideSubnet("192.168.1.20", "255.255.255.0", "10.0.0.1"));
  EXPECT_FALSE(GatewayOutsideSubnet("192.168.1.20", "255.255.0.0", "192.168.7.1")) << "a wider mask";
  EXPECT_TRUE(GatewayOutsideSubnet("192.168.1.20", "255.255.255.128", "192.168.1.200")) << "a narrower one";
  EXPECT_FALSE(GatewayOutsideSubnet("192.168.1.20", "255.255.255.0", "0.0.0.0")) << "no gateway";
}
