// What set and apply write: only the fields named, the keys only when asked, and the
// addresses that would leave a device unreachable refused.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <map>

#include "ctl/edit.h"
#include "ctl/rows.h"
#include "input/wepkeys.h"
#include "link/fields.h"

namespace trx::ctl {
namespace {

link::SettingsRecord Device() {
  link::SettingsRecord d;
  d.ip = {192, 168, 1, 20};
  d.mask = {255, 255, 255, 0};
  d.gateway = {192, 168, 1, 1};
  d.hostName = "ap";
  d.firmware = "2.2.0";
  d.domain = 0x10;
  d.channel = 6;
  d.essid = "office";
  d.passphrase = "ab";
  d.wepOn = 1;
  d.keySize = 2;
  d.defaultKey = 2;
  d.keys128[1].fill(0x5A);  // typed by hand, not made from the phrase
  d.keys64[0].fill(0x11);
  return d;
}

Changes C(void (*fill)(Changes&)) {
  Changes c;
  fill(c);
  return c;
}

std::optional<link::SettingsRecord> Applied(const Changes& c, std::string* error, bool force = false) {
  return Apply(c, Device(), force, error);
}

// A setting the table compares but that set and apply cannot write would never change, and
// verification would wait on it: each is named by its columns, read and written here.
TEST(Edit, EverySettingVerificationComparesIsWrittenWhenNamed) {
  // Values other than Device()'s.
  const std::map<std::string_view, QString> other = {{"host", "lab"},
                                                     {"ip", "192.168.1.30"},
                                                     {"mask", "255.255.0.0"},
                                                     {"gateway", "192.168.1.2"},
                                                     {"dhcp", "yes"},
                                                     {"channel", "11"},
                                                     {"essid", "lobby"},
                                                     {"wep", "64"},
                                                     {"default_key", "1"},
                                                     {"passphrase", "cd"},
                                                     {"key1", "0123456789ABCDEF0123456789"},
                                                     {"key2", "0123456789ABCDEF0123456789"},
                                                     {"key3", "0123456789ABCDEF0123456789"},
                                                     {"key4", "0123456789ABCDEF0123456789"}};
  for (const link::Setting* s : link::ComparedSettings()) {
    const auto columns = link::Columns(*s);
    std::string error;
    const auto changes = ReadChanges(
        [&](const char* column) -> std::optional<QString> {
          if (std::ranges::find(columns, column) == columns.end()) return std::nullopt;
          const auto value = other.find(column);
          if (value != other.end()) return value->second;
          ADD_FAILURE() << "no value for the column " << column << " in this test";
          return std::nullopt;
        },
        &error);
    ASSERT_TRUE(changes) << s->setting << ": " << error;
    const auto written = Applied(*changes, &error);
    ASSERT_TRUE(written) << s->setting << ": " << error;
    const auto changed = Differences(Device(), *written);
    EXPECT_NE(std::ranges::find(changed, s->setting), changed.end()) << s->setting << " was not written";
  }
}

TEST(Edit, TypedKeysAndTheDefaultKeyStayUnlessTheSizeOrPhraseChanges) {
  std::string error;
  Changes same;
  same.wepSize = 2;
  same.passphrase = "ab";
  same.essid = "lobby";
  const auto kept = Applied(same, &error);
  ASSERT_TRUE(kept) << error;
  EXPECT_EQ(kept->keys128, Device().keys128);
  EXPECT_EQ(kept->defaultKey, 2);
  EXPECT_EQ(Differences(Device(), *kept), std::vector<std::string>{"essid"});

  Changes smaller;
  smaller.wepSize = 1;
  smaller.byTable["default_key"] = "4";
  const auto made = Applied(smaller, &error);
  ASSERT_TRUE(made) << error;
  EXPECT_EQ(KeyText(*made, 0), "6A9E9C0123") << "the wizard's 64-bit keys for \"ab\"";
  EXPECT_EQ(made->defaultKey, 3);

  Changes oneKey;
  oneKey.keys[2] = "00112233445566778899aabbcc";
  const auto typed = Applied(oneKey, &error);
  ASSERT_TRUE(typed) << error;
  EXPECT_EQ(KeyText(*typed, 2), "00112233445566778899AABBCC");
  EXPECT_EQ(KeyText(*typed, 1), "5A5A5A5A5A5A5A5A5A5A5A5A5A");
  oneKey.keys[2] = "0011223344";
  EXPECT_FALSE(Applied(oneKey, &error));
  EXPECT_EQ(error, "key3: 10 digits where 26 are needed for 128-bit WEP");
  oneKey.keys[2] = "1.23457E+25";
  EXPECT_FALSE(Applied(oneKey, &error));
  EXPECT_NE(error.find("key3: hexadecimal digits only (0-9, A-F) (a spreadsheet may have read the "
                       "key as a number: format the key columns as text"),
            std::string::npos)
      << error;
}

TEST(Edit, AddressesThatLeaveADeviceOutOfReachAreRefusedUnlessForced) {
  const std::pair<Changes, const char*> cases[] = {
      {C([](Changes& c) { c.ip = "0.0.0.0"; }), "ip 0.0.0.0: reserved for this network (0.0.0.0/8)"},
      {C([](Changes& c) {
         c.ip = "255.255.255.255";
         c.mask = "0.0.0.0";
       }),
       "mask 0.0.0.0: not a net mask (ones, then zeros)"},
      {C([](Changes& c) { c.ip = "192.168.1.0"; }),
       "ip 192.168.1.0: the network address of the subnet 192.168.1.0/255.255.255.0"},
      {C([](Changes& c) { c.ip = "192.168.1.255"; }),
       "ip 192.168.1.255: the broadcast address of the subnet 192.168.1.255/255.255.255.0"},
      {C([](Changes& c) { c.mask = "255.0.255.0"; }), "mask 255.0.255.0: not a net mask (ones, then zeros)"},
      {C([](Changes& c) { c.gateway = "10.0.0.1"; }),
       "gateway 10.0.0.1: outside the subnet 192.168.1.20/255.255.255.0"},
      {C([](Changes& c) { c.mask = "255.255.255.255"; }),
       "mask 255.255.255.255: leaves no address for devices (at most 255.255.255.252)"},
      {C([](Changes& c) {
         c.ip = "127.0.0.5";
         c.gateway = "0.0.0.0";
       }),
       "ip 127.0.0.5: a loopback address (127.0.0.0/8)"},
      {C([](Changes& c) {
         c.ip = "239.1.2.3";
         c.gateway = "0.0.0.0";
       }),
       "ip 239.1.2.3: a multicast address (224.0.0.0/4)"},
      {C([](Changes& c) {
         c.ip = "240.0.0.1";
         c.gateway = "0.0.0.0";
       }),
       "ip 240.0.0.1: reserved (240.0.0.0/4)"},
      {C([](Changes& c) { c.gateway = "192.168.1.255"; }),
       "gateway 192.168.1.255: the broadcast address of the subnet 192.168.1.20/255.255.255.0"},
      {C([](Changes& c) { c.gateway = "192.168.1.20"; }), "gateway 192.168.1.20: the access point's own address"},
  };
  for (const auto& [changes, message] : cases) {
    std::string error;
    EXPECT_FALSE(Applied(changes, &error)) << message;
    EXPECT_EQ(error, message);
    EXPECT_TRUE(Applied(changes, &error, true)) << message << ": --force sends it";
  }
  link::SettingsRecord dhcp = Device();
  dhcp.addressMode = 0;
  std::string error;
  EXPECT_FALSE(Apply(C([](Changes& c) { c.gateway = "192.168.1.2"; }), dhcp, false, &error));
  EXPECT_EQ(error, "the access point uses DHCP: gateway needs ip as well (a fixed ip turns DHCP off)");
  // A backup row of a DHCP device, dhcp yes as read, with its mask edited: kept for later.
  const auto later = Apply(C([](Changes& c) {
                             c.dhcp = true;
                             c.mask = "255.255.0.0";
                           }),
                           dhcp, false, &error);
  ASSERT_TRUE(later) << error;
  EXPECT_EQ(later->addressMode, 0);
  EXPECT_EQ(link::FormatIpv4(later->mask), "255.255.0.0");
}

// A pass phrase or key is named by its problem alone: refusals reach terminals, logs and reports.
TEST(Edit, RefusalsNameTheValueButNeverASecret) {
  const std::pair<Changes, const char*> cases[] = {
      {C([](Changes& c) { c.passphrase = ""; }),
       "passphrase: empty (the keys made from it would be all zeros); 1 to 32 characters"},
      {C([](Changes& c) { c.passphrase = "secret phrase 33 characters long!"; }), "passphrase: at most 32 characters"},
      {C([](Changes& c) { c.passphrase = "secret\tphrase"; }),
       "passphrase: control characters (such as a line break or tab) cannot be stored"},
      {C([](Changes& c) {
         c.wepSize = 3;
         c.keys[0] = "0123456789abcdef0123456789";
       }),
       "key1: 26 digits where 58 are needed for 256-bit WEP"},
      {C([](Changes& c) { c.keys[3] = "secretkeyz"; }), "key4: hexadecimal digits only (0-9, A-F)"},
      {C([](Changes& c) { c.essid = ""; }), "essid \"\": 1 to 32 characters"},
      {C([](Changes& c) { c.ip = "10.0.0"; }), "ip 10.0.0: not an IPv4 address (four numbers from 0 to 255 with dots)"},
      {C([](Changes& c) { c.gateway = "10.0.0.x"; }),
       "gateway 10.0.0.x: not an IPv4 address (four numbers from 0 to 255 with dots)"},
      {C([](Changes& c) { c.essid = "\u20AC\u4E00"; }),
       "essid \"\u20AC\u4E00\": a character cannot be stored by the access point (it keeps Windows-1252 characters)"},
  };
  for (const auto& [changes, message] : cases) {
    std::string error;
    EXPECT_FALSE(Applied(changes, &error, true)) << message;
    EXPECT_EQ(error, message);
  }
}

// A backup row goes back as the device reported it: what it leaves as it is is not judged.
TEST(Edit, OnlyWhatARowChangesIsJudged) {
  link::SettingsRecord full = Device();
  full.hostName = std::string(32, 'h');  // the area full, no terminator
  full.essid = std::string(33, 'e');
  full.gateway = {10, 9, 9, 9};  // outside its subnet
  Changes row;
  row.host = std::string(32, 'h');
  row.essid = std::string(33, 'e');
  row.ip = "192.168.1.20";
  row.mask = "255.255.255.0";
  row.gateway = "10.9.9.9";
  row.dhcp = false;
  row.wepSize = 2;
  row.passphrase = "ab";
  for (std::size_t k = 0; k < 4; ++k) row.keys[k] = KeyText(full, k);
  std::string error;
  const auto same = Apply(row, full, false, &error);
  ASSERT_TRUE(same) << error;
  EXPECT_TRUE(Differences(full, *same).empty());
  EXPECT_FALSE(Effective(row, full).SetsAddress()) << "an address left as it is is no change";

  row.channel = 11;
  ASSERT_TRUE(Apply(row, full, false, &error)) << error;
  row.host = std::string(31, 'h') + "x";
  EXPECT_FALSE(Apply(row, full, false, &error));
  EXPECT_EQ(error, "host \"" + std::string(31, 'h') + "x\": at most 31 characters");

  // A new pass phrase: an empty key cell beside it is the key it makes; a key cell, typed
  // anew or as read, is what it says.
  Changes phrase = row;
  phrase.host = std::string(32, 'h');
  phrase.passphrase = "cd";
  phrase.keys[0].reset();
  phrase.keyFromPhrase[0] = true;
  phrase.keys[2] = std::string(26, '7');
  const auto made = Apply(phrase, full, false, &error);
  ASSERT_TRUE(made) << error;
  EXPECT_EQ(KeyText(*made, 0), QString::fromStdString(input::Keys128("cd")[0]).toUpper().toStdString());
  EXPECT_EQ(KeyText(*made, 1), KeyText(full, 1));
  EXPECT_EQ(KeyText(*made, 2), std::string(26, '7'));
}

TEST(Edit, ANewPhraseBesideThePresentPhrasesOwnKeysIsRefused) {
  // An older backup wrote every key: its phrase edited alone leaves the old phrase's keys,
  // which neither reading can make right on both runs.
  link::SettingsRecord d = Device();
  const input::FourKeys fromAb = input::Keys128("ab");
  Changes row;
  row.passphrase = "cd";
  for (std::size_t k = 0; k < 4; ++k) {
    row.keys[k] = fromAb[k];
    std::copy_n(input::KeyBytes(QString::fromStdString(fromAb[k]).toUpper().toStdString(), 13).begin(), 13,
                d.keys128[k].begin());
  }
  std::string error;
  EXPECT_FALSE(Apply(row, d, false, &error));
  EXPECT_EQ(error.rfind("passphrase: changed, but the key cells hold the keys of the present pass phrase", 0), 0u)
      << error;
}

// Cells as Calc and Gnumeric save a backup's names, and as a person types them.
TEST(Edit, ACellASpreadsheetOrAStraySpaceChangedIsRefusedUnlessQuoted) {
  struct Case {
    const char* device;
    const char* cell;
    bool quoted;
    const char* why;  // empty: written
  };
  const Case cases[] = {
      {"00042", "42", false, "leading zeros dropped"},
      {"1E5", "100000", false, "a number in exponent form written out"},
      {"1E5", "1.00E+05", false, "a number written in another form"},
      {"123456789012", "1.23457E+11", false, "a number written in exponent form"},
      {"1/2", "01/02/26", false, "a date written for the text"},
      {"1/2", "2/1/2026", false, "a date written for the text"},
      {"1/2", "45293", false, "a date written for the text"},  // 2024-01-02 as a day number
      {"2.2.0", "2000/02/02", false, "a date written for the text"},
      {"12:30", "12:30:00 PM", false, "a time of day written for the text"},
      {"true", "TRUE", false, "a boolean's letter case changed"},
      {"'quoted", "quoted", false, "the leading apostrophe dropped"},
      {"a\x01"
       "b",
       "a_x0001_b", false, "control characters written as _xHHHH_"},
      {"lobby", " lobby", false, "begins with a space the access point's value does not have"},
      {"ap-ten", "ap-ten ", false, "ends with a space"},
      {"lobby", " lobby", true, ""},
      {"00042", "42", true, ""},
      {" Lobby ", " Lobby 2 ", false, ""},
      {"1/2", "2-Jan", false, "a date written for the text"},
      {"1/2", "1/3", false, ""},
      {"1/2", "2/1", false, ""},
      {"123", "0123", false, ""},
      {"TRUE", "true", false, ""},
      {"100", "101", false, ""},
      {"0123", "0124", false, ""},
      {"office", "OFFICE", false, ""},
      // A formula's result, once a spreadsheet dropped the apostrophe and evaluated it.
      {"=1+1", "2", false, "a spreadsheet reads as a formula"},
      {"@SUM(A1)", "0", false, "a spreadsheet reads as a formula"},
      {"-ap", "#NAME?", false, "a spreadsheet reads as a formula"},
      {"=1+1", "2", true, ""},
      {"+49 lobby", "+49 lobby", false, ""},
      {"1/2", " 1/2", false, "begins with a space"},  // padded, not converted
  };
  for (const Case& t : cases) {
    link::SettingsRecord d = Device();
    d.essid = t.device;
    Changes c;
    c.fromFile = true;
    c.essid = t.cell;
    c.essidQuoted = t.quoted;
    std::string error;
    const auto wanted = Apply(c, d, false, &error);
    EXPECT_EQ(!wanted, *t.why != '\0') << t.device << " -> " << t.cell << ": " << error;
    EXPECT_NE(error.find(t.why), std::string::npos) << error;
    if (!wanted && std::string(t.why).find("space") == std::string::npos) {
      EXPECT_NE(error.find("the access point has \"" + Utf8FromDevice(t.device) + "\""), std::string::npos) << error;
    }
  }
  link::SettingsRecord d = Device();
  d.essid = "00042";
  std::string error;
  EXPECT_TRUE(Apply(C([](Changes& c) { c.essid = "42"; }), d, false, &error)) << "typed on the command line";
  d.essid = "-2+3";  // edited with its apostrophe kept: typed, not evaluated
  Changes marked;
  marked.fromFile = marked.essidMarked = true;
  marked.essid = "-2+4";
  EXPECT_TRUE(Apply(marked, d, false, &error)) << error;
  d.passphrase = "0123";
  Changes phrase;
  phrase.fromFile = true;
  phrase.passphrase = "123";
  EXPECT_FALSE(Apply(phrase, d, false, &error));
  EXPECT_EQ(error.find("123"), std::string::npos) << "a secret: " << error;
}

// With WEP off, a new phrase makes the keys shown (the 64-bit set), and the report says so.
TEST(Edit, ANewPhraseWithWepOffMakesItsKeysAndSaysSo) {
  link::SettingsRecord d = Device();
  d.wepOn = 0;
  std::string error;
  const auto wanted = Apply(C([](Changes& c) { c.passphrase = "cd"; }), d, false, &error);
  ASSERT_TRUE(wanted) << error;
  EXPECT_EQ(wanted->wepOn, 0);
  for (std::size_t k = 0; k < 4; ++k) EXPECT_TRUE(KeyFromPhrase(*wanted, k)) << k;
  EXPECT_EQ(wanted->keys128, d.keys128) << "the other sets stay";
  EXPECT_EQ(DescribeChanges(d, *wanted, false),
            (std::vector<std::string>{"passphrase: changed (WEP is off: the keys are made from it, and used once WEP "
                                      "is on)",
                                      "keys: changed"}));
  Changes again;
  again.passphrase = "cd";
  for (std::size_t k = 0; k < 4; ++k) again.keyFromPhrase[k] = true;
  const auto second = Apply(again, *wanted, false, &error);
  ASSERT_TRUE(second) << error;
  EXPECT_TRUE(Differences(*wanted, *second).empty()) << "the same row again changes nothing";
}

TEST(Edit, UnreadableBytesGoBackAsTheyCameUnlessNamed) {
  link::SettingsRecord odd = Device();
  odd.domain = 0x00;
  odd.channel = 0x0F;
  odd.defaultKey = 0x0A;
  odd.keySize = 9;
  std::string error;
  const auto wanted = Apply(C([](Changes& c) {
                              c.essid = "lobby";
                              c.domain = "?";
                            }),
                            odd, false, &error);
  ASSERT_TRUE(wanted) << error;
  EXPECT_EQ(wanted->domain, 0x00);
  EXPECT_EQ(wanted->channel, 0x0F);
  EXPECT_EQ(wanted->defaultKey, 0x0A);
  EXPECT_EQ(wanted->wepOn, 1);
  EXPECT_EQ(wanted->keySize, 9);
  EXPECT_FALSE(Apply(C([](Changes& c) { c.passphrase = "new one"; }), odd, false, &error));
  EXPECT_EQ(error, "wep: unreadable on the access point; name the WEP size with the pass phrase or keys");
  const auto named = Apply(C([](Changes& c) {
                             c.wepSize = 1;
                             c.passphrase = "ab";
                             c.byTable["default_key"] = "2";
                           }),
                           odd, false, &error);
  ASSERT_TRUE(named) << error;
  EXPECT_EQ(WepText(*named), "64");
  EXPECT_EQ(named->defaultKey, 1);
}

TEST(Edit, ControlCharactersAndAnotherDomainAreRefusedAnotherFirmwareIsAWarning) {
  std::string error;
  EXPECT_FALSE(Applied(C([](Changes& c) { c.essid = "two\nlines"; }), &error));
  EXPECT_EQ(error, "essid: control characters (such as a line break or tab) cannot be stored");
  EXPECT_FALSE(Applied(C([](Changes& c) { c.host = "bell\a"; }), &error));
  EXPECT_FALSE(Applied(C([](Changes& c) { c.domain = "MKK"; }), &error));
  // Bytes 81 and 9D are no character of the code page: a device's text, read back as C1 characters.
  link::SettingsRecord odd = Device();
  odd.essid = "a\x81\x9D";
  EXPECT_EQ(CheckAlone(C([](Changes& c) { c.essid = "a\u0081\u009D"; }), true), "");
  const auto restored = Apply(C([](Changes& c) { c.essid = "a\u0081\u009D"; }), Device(), false, &error);
  ASSERT_TRUE(restored) << error;
  EXPECT_EQ(restored->essid, odd.essid);
  const Changes firmware = C([](Changes& c) { c.firmware = "02.02.2007"; });
  EXPECT_TRUE(Applied(firmware, &error)) << error;
  EXPECT_EQ(ReadOnlyDifference(firmware, Device()),
            "firmware: 2.2.0 on the access point, 02.02.2007 in the file (read-only: not written)");
  EXPECT_TRUE(Applied(C([](Changes& c) {
                        c.domain = "FCC";
                        c.firmware = "2.2.0";
                      }),
                      &error))
      << error;
}

TEST(Edit, TheMessageCarriesTheReplysOwnBytesWhereNoFieldWasNamed) {
  link::Bytes reply = link::EncodeReply(Device());
  const std::size_t essidEnd = link::kReplyRecordOffset + link::record::kEssid.offset + 7;  // after "office\0"
  reply[essidEnd] = 0xEE;                                                                   // left behind by the device
  reply[link::kReplyRecordOffset + link::record::kHostName.offset + 5] = 0xDD;
  std::string error;
  const auto wanted = Apply(C([](Changes& c) { c.host = "lobby-1"; }), *link::DecodeReply(reply), false, &error);
  ASSERT_TRUE(wanted) << error;
  const link::Bytes message = link::EncodeSettingsMessage(*wanted, reply, link::kCtlRules);
  std::vector<std::size_t> changed;
  for (std::size_t i = 0; i < link::kRecordSize; ++i)
    if (message[link::kSettingsRecordOffset + i] != reply[link::kReplyRecordOffset + i]) changed.push_back(i);
  EXPECT_EQ(changed, (std::vector<std::size_t>{12, 13, 14, 15, 16, 17, 18}))
      << "\"ap\\0\" became \"lobby-1\\0\" (its own zero stood at 19 already); the rest, 0xEE after the ESSID included, stays";
}

}  // namespace
}  // namespace trx::ctl
