// The codec against the layouts written out here from the device's tables, byte by byte.
#include <gtest/gtest.h>

#include <numeric>
#include <tuple>

#include "link/messages.h"
#include "link/terminaltext.h"

using namespace trx::link;

namespace {

// A record with a distinct value in every field.
SettingsRecord Sample() {
  SettingsRecord s;
  s.ip = {192, 168, 1, 251};
  s.mask = {255, 255, 255, 0};
  s.gateway = {10, 0, 0, 1};
  s.hostName = "host";
  s.firmware = "2.2.7";
  s.mac = {0x02, 0x00, 0x00, 0x0A, 0x1B, 0x2C};
  s.domain = 0x30;
  s.channel = 11;
  s.essid = "net";
  s.passphrase = "pw";
  s.wepOn = 1;
  s.keySize = 2;
  s.defaultKey = 3;
  for (int k = 0; k < 4; ++k) {
    for (int i = 0; i < 5; ++i) s.keys64[k][i] = static_cast<std::uint8_t>(0x10 * (k + 1) + i);
    for (int i = 0; i < 13; ++i) s.keys128[k][i] = static_cast<std::uint8_t>(0x50 + 0x10 * k + i);
    for (int i = 0; i < 29; ++i) s.keys256[k][i] = static_cast<std::uint8_t>(0x90 + k + i);
  }
  s.addressMode = 0;
  return s;
}

// Checks every field of the record at a base offset of a datagram.
void ExpectRecordAt(const Bytes& d, std::size_t base) {
  const auto at = [&](std::size_t record) { return d.at(base + record); };
  EXPECT_EQ(at(0), 192);
  EXPECT_EQ(at(1), 168);
  EXPECT_EQ(at(2), 1);
  EXPECT_EQ(at(3), 251);
  EXPECT_EQ(at(4), 255);
  EXPECT_EQ(at(7), 0);
  EXPECT_EQ(at(8), 10);
  EXPECT_EQ(at(11), 1);
  EXPECT_EQ(at(12), 'h');
  EXPECT_EQ(at(15), 't');
  EXPECT_EQ(at(16), 0) << "host name terminator";
  EXPECT_EQ(at(44), '2');
  EXPECT_EQ(at(48), '7');
  EXPECT_EQ(at(49), 0);
  const std::uint8_t mac[] = {0x02, 0x00, 0x00, 0x0A, 0x1B, 0x2C};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(at(53 + i), mac[i]);
  EXPECT_EQ(at(59), 0x30);
  EXPECT_EQ(at(60), 11);
  EXPECT_EQ(at(61), 'n');
  EXPECT_EQ(at(64), 0);
  EXPECT_EQ(at(94), 'p');
  EXPECT_EQ(at(96), 0);
  EXPECT_EQ(at(126), 1);
  EXPECT_EQ(at(127), 2);
  EXPECT_EQ(at(128), 3);
  EXPECT_EQ(at(129), 0x10);
  EXPECT_EQ(at(134), 0x20);
  EXPECT_EQ(at(139), 0x30);
  EXPECT_EQ(at(144), 0x40);
  EXPECT_EQ(at(148), 0x44);
  EXPECT_EQ(at(149), 0x50);
  EXPECT_EQ(at(162), 0x60);
  EXPECT_EQ(at(175), 0x70);
  EXPECT_EQ(at(188), 0x80);
  EXPECT_EQ(at(200), 0x80 + 12);
  EXPECT_EQ(at(201), 0x90);
  EXPECT_EQ(at(230), 0x91);
  EXPECT_EQ(at(259), 0x92);
  EXPECT_EQ(at(288), 0x93);
  EXPECT_EQ(at(316), 0x93 + 28);
  EXPECT_EQ(at(317), 0);
}

}  // namespace

TEST(Messages, FixedTextsAndSizes) {
  EXPECT_EQ(SearchRequest(), (Bytes{0x67, 0x73, 0x74, 0x73, 0x65, 0x61, 0x72, 0x63, 0x68}));
  EXPECT_EQ(Acknowledgement(), (Bytes{'g', 's', 't', 'a', 'c', 'k'}));
  EXPECT_EQ(kPort, 27155);
  EXPECT_STREQ(kBroadcastAddress, "255.255.255.255");
}

TEST(Messages, ReplyCarriesTheRecordBehindA24ByteHeader) {
  const Bytes reply = EncodeReply(Sample());
  ASSERT_EQ(reply.size(), 342u);
  EXPECT_EQ(std::string(reply.begin(), reply.begin() + 6), "KX7315");
  ExpectRecordAt(reply, 24);
}

TEST(Messages, SettingsMessageCarriesTheRecordBehindGstset) {
  const Bytes message = EncodeSettingsMessage(Sample(), {}, kCtlRules);
  ASSERT_EQ(message.size(), 324u);
  EXPECT_EQ(std::string(message.begin(), message.begin() + 6), "gstset");
  EXPECT_EQ(message[6], 192) << "no terminator after the header";
  ExpectRecordAt(message, 6);
}

TEST(Messages, DecodingReadsTheSameOffsets) {
  Bytes reply(342, 0);
  const char sig[] = "KX7315";
  std::copy(sig, sig + 6, reply.begin());
  reply[24] = 10;
  reply[27] = 7;  // IP
  reply[36] = 'A';
  reply[37] = 'P';  // host name
  reply[77] = 0xAA;
  reply[82] = 0xFF;  // MAC
  reply[83] = 0x41;
  reply[84] = 14;
  reply[150] = 1;
  reply[151] = 3;
  reply[152] = 2;
  reply[225] = 0xEE;
  reply[340] = 0xDD;  // 256-bit key 1 starts, key 4 ends
  reply[341] = 2;
  const auto s = DecodeReply(reply);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->ip, (Ipv4{10, 0, 0, 7}));
  EXPECT_EQ(s->hostName, "AP");
  EXPECT_EQ(s->mac[0], 0xAA);
  EXPECT_EQ(s->mac[5], 0xFF);
  EXPECT_EQ(s->domain, 0x41);
  EXPECT_EQ(s->channel, 14);
  EXPECT_EQ(s->wepOn, 1);
  EXPECT_EQ(s->keySize, 3);
  EXPECT_EQ(s->defaultKey, 2);
  EXPECT_EQ(s->keys256[0][0], 0xEE);
  EXPECT_EQ(s->keys256[3][28], 0xDD);
  EXPECT_EQ(s->addressMode, 2);
}

TEST(Messages, TextsThatFillTheirAreaHaveNoTerminator) {
  SettingsRecord s = Sample();
  s.hostName = std::string(32, 'h');
  s.firmware = std::string(9, 'f');
  s.essid = std::string(33, 'e');
  s.passphrase = std::string(32, 'p');
  const Bytes reply = EncodeReply(s);
  EXPECT_EQ(reply[24 + 43], 'h');
  EXPECT_EQ(reply[24 + 44], 'f') << "the firmware follows the host name directly";
  EXPECT_EQ(reply[24 + 61], 'e');
  const auto back = DecodeReply(reply);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->hostName, s.hostName) << "read to the end of the area, not into the next field";
  EXPECT_EQ(back->firmware, s.firmware);
  EXPECT_EQ(back->essid, s.essid);
  EXPECT_EQ(back->passphrase, s.passphrase);

  Bytes written(10, 0xAB);
  WriteText(written, 2, 5, "toolongtext");
  EXPECT_EQ(written, (Bytes{0xAB, 0xAB, 't', 'o', 'o', 'l', 'o', 0xAB, 0xAB, 0xAB})) << "cut to the area";
  WriteText(written, 2, 5, "ab");
  EXPECT_EQ(written, (Bytes{0xAB, 0xAB, 'a', 'b', 0, 'l', 'o', 0xAB, 0xAB, 0xAB})) << "bytes after the terminator stay";
}

TEST(Messages, ShortAndForeignDatagramsAreUnreadable) {
  const Bytes reply = EncodeReply(Sample());
  EXPECT_FALSE(DecodeReply(Bytes(reply.begin(), reply.begin() + 341)));
  EXPECT_TRUE(DecodeReply(Bytes(reply.begin(), reply.begin() + 342)));
  Bytes longer = reply;
  longer.resize(400, 0x77);
  EXPECT_EQ(DecodeReply(longer), DecodeReply(reply)) << "bytes after 342 are not interpreted";
  Bytes header = reply;
  for (int i = 6; i < 24; ++i) header[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 37);
  EXPECT_EQ(DecodeReply(header), DecodeReply(reply)) << "bytes 6 to 23 are not interpreted";
  EXPECT_FALSE(DecodeReply(Bytes{'K', 'X', '7'}));
  EXPECT_FALSE(DecodeReply(Bytes{}));
  EXPECT_FALSE(DecodeSettingsMessage(Bytes(323, 0)));
  EXPECT_FALSE(HasHeader(Bytes{'g', 's', 't', 'a', 'c'}, kAckHeader));
  EXPECT_FALSE(HasHeader(Bytes{'g', 's', 't', 0, 'c', 'k'}, kAckHeader));
  EXPECT_TRUE(HasHeader(Bytes{'g', 's', 't', 'a', 'c', 'k', 1, 2}, kAckHeader));
  EXPECT_FALSE(HasHeader(Bytes{'G', 's', 't', 'a', 'c', 'k'}, kAckHeader)) << "case-sensitive";

  const Reader r(reply);
  EXPECT_FALSE(r.Byte(342));
  EXPECT_FALSE(r.Run(340, 3));
  EXPECT_FALSE(r.Run(static_cast<std::size_t>(-1), 2)) << "no overflow in the bounds check";
  EXPECT_FALSE(r.Text(330, 13));
}

TEST(Messages, DomainTable) {
  struct Row {
    std::uint8_t code;
    const char* name;
    int first, last;
  };
  const Row rows[] = {{0x10, "FCC", 1, 11},       {0x20, "Canada", 1, 11},  {0x30, "ETSI", 1, 13},
                      {0x31, "Spain", 10, 11},    {0x32, "France", 10, 13}, {0x40, "Japan", 14, 14},
                      {0x41, "Japan(All)", 1, 14}};
  for (const Row& row : rows) {
    const Domain* d = FindDomain(row.code);
    ASSERT_TRUE(d) << int(row.code);
    EXPECT_EQ(d->name, row.name);
    EXPECT_EQ(d->firstChannel, row.first);
    EXPECT_EQ(d->lastChannel, row.last);
  }
  EXPECT_FALSE(FindDomain(0x00));
  EXPECT_FALSE(FindDomain(0x55));
  EXPECT_EQ(SettingsDomainCode(0x10, UnknownDomain::JapanAll), 0x10);
  EXPECT_EQ(SettingsDomainCode(0x20, UnknownDomain::JapanAll), 0x20);
  EXPECT_EQ(SettingsDomainCode(0x30, UnknownDomain::JapanAll), 0x30);
  EXPECT_EQ(SettingsDomainCode(0x31, UnknownDomain::JapanAll), 0x40);
  EXPECT_EQ(SettingsDomainCode(0x32, UnknownDomain::JapanAll), 0x50);
  EXPECT_EQ(SettingsDomainCode(0x40, UnknownDomain::JapanAll), 0x60);
  EXPECT_EQ(SettingsDomainCode(0x41, UnknownDomain::JapanAll), 0x61);
  EXPECT_EQ(SettingsDomainCode(0x55, UnknownDomain::JapanAll), 0x61);
}

TEST(Messages, Formats) {
  EXPECT_EQ(FormatIpv4({192, 168, 1, 251}), "192.168.1.251");
  EXPECT_EQ(FormatMac({0x02, 0x00, 0x00, 0x0A, 0x1B, 0x2C}), "02-00-00-0A-1B-2C");
  const std::uint8_t key[] = {0x00, 0xAB, 0x0F};
  EXPECT_EQ(FormatHex(key), "00AB0F");
}

// The writer's two rules, over a buffer that already holds 0xEE everywhere: what a rule leaves
// out keeps 0xEE. Offsets are the message's (the record follows the six-byte header).
TEST(SettingsWriter, AnUnknownDomainIsJapanAllForTheWizardAndTheDevicesOwnByteForTheCommandLine) {
  SettingsRecord s = Sample();
  for (const auto& [reported, wizard, ctl] : {std::tuple{0x31, 0x40, 0x40}, {0x41, 0x61, 0x61}, {0x55, 0x61, 0x55}}) {
    s.domain = static_cast<std::uint8_t>(reported);
    Bytes message(kSettingsMessageSize, 0xEE);
    WriteSettingsMessage(s, message, kWizardRules);
    EXPECT_EQ(message[65], wizard) << reported;
    EXPECT_EQ(message[66], 11) << "the channel as the record holds it";
    WriteSettingsMessage(s, message, kCtlRules);
    EXPECT_EQ(message[65], ctl) << reported;
  }
}

TEST(SettingsWriter, TheWizardWritesTheKeysInUseOrWithWepOffTheRecordsAndTheCommandLineAll) {
  SettingsRecord s = Sample();  // WEP on, 128 bits
  s.hostName = "ab";
  Bytes wizard(kSettingsMessageSize, 0xEE);
  WriteSettingsMessage(s, wizard, kWizardRules);
  EXPECT_EQ(std::string(wizard.begin(), wizard.begin() + 6), "gstset");
  EXPECT_EQ(wizard[18], 'a');
  EXPECT_EQ(wizard[20], 0);
  EXPECT_EQ(wizard[21], 0xEE) << "after a text's zero the buffer keeps what it held";
  EXPECT_EQ(wizard[133], 2);
  EXPECT_EQ(wizard[155], 0x50) << "128-bit key 1";
  EXPECT_EQ(wizard[206], 0x50 + 0x30 + 12) << "128-bit key 4, its last byte";
  EXPECT_EQ(wizard[135], 0xEE) << "64-bit keys: not in use";
  EXPECT_EQ(wizard[207], 0xEE) << "256-bit keys: not in use";
  EXPECT_EQ(wizard[323], 0) << "the address mode follows the keys";

  s.wepOn = 0;
  Bytes off(kSettingsMessageSize, 0xEE);
  WriteSettingsMessage(s, off, kWizardRules);
  EXPECT_EQ(off[132], 0);
  EXPECT_EQ(off[134], 3) << "the default key as the record holds it";
  EXPECT_EQ(off[133], 2) << "WEP off: the size byte and every key area as the record holds them";
  EXPECT_EQ(off[135], 0x10);
  EXPECT_EQ(off[155], 0x50);
  EXPECT_EQ(off[207], 0x90);

  Bytes ctl(kSettingsMessageSize, 0xEE);
  WriteSettingsMessage(s, ctl, kCtlRules);
  EXPECT_EQ(ctl[133], 2);
  EXPECT_EQ(ctl[135], 0x10);
  EXPECT_EQ(ctl[155], 0x50);
  EXPECT_EQ(ctl[207], 0x90);
}

// What the wizard's debug lines and trx61ctl's messages show of a device's text.
TEST(TerminalText, ControlsBreaksAndBrokenUtf8ShowAsReplacementsAndTheRestAsItIs) {
  const std::string text =
      "a\x1B]0;x\x07"
      "b\nc\xC2\x9B"
      "d\xC3\xA9\xFF";
  EXPECT_EQ(TerminalSafe(text), "a\uFFFD]0;x\uFFFDb\nc\uFFFDd\u00E9\uFFFD");
  EXPECT_EQ(TerminalSafe(text, true), "a\uFFFD]0;x\uFFFDb\uFFFDc\uFFFDd\u00E9\uFFFD");
}
