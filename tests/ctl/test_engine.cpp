// set and apply in-process, against devices played by rule: what they print, how they end,
// and what they send.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "ctl/command.h"
#include "ctl/output.h"
#include "fakenetwork.h"

namespace trx::ctl {
namespace {

const char kNote[] =
    "trx61ctl: note: a settings message carries the pass phrase and WEP keys unencrypted to every device on the "
    "network segment\n";

FakeDevice Unit(int n, const char* address) {
  FakeDevice d;
  link::SettingsRecord& r = d.record;
  r.mac = {0x02, 0, 0, 0x0A, 0, static_cast<std::uint8_t>(n)};
  r.ip = {192, 168, 1, static_cast<std::uint8_t>(10 + n)};
  r.mask = {255, 255, 255, 0};
  r.gateway = {192, 168, 1, 1};
  r.hostName = "TRX61-AP-" + std::to_string(n);
  r.firmware = "2.2.0";
  r.domain = 0x10;  // FCC
  r.channel = 6;
  r.essid = "office-" + std::to_string(n);
  d.address = QHostAddress(address);
  return d;
}

class Engine : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());  // this test's own lock
    UseConsole(&console);
  }
  void TearDown() override { UseConsole(nullptr); }

  int Run(int (*command)(const QStringList&, Transport&), QStringList args) {
    args[0].prepend("trx61ctl ");  // as main names the command
    return command(args, net);
  }
  int Apply(const std::string& csv, const QStringList& more = {}) {
    QFile file(runtime.filePath("units.csv"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(csv.data(), static_cast<qint64>(csv.size())) > 0);
    file.close();
    return Run(ctl::Apply, QStringList{"apply", file.fileName()} + more);
  }
  std::string FileName() const { return runtime.filePath("units.csv").toStdString(); }

  QTemporaryDir runtime;
  std::ostringstream out, err;
  Console console{out, err};
  FakeNetwork net;
};

// The offsets of a settings message's record at which it differs from a device's reply.
std::vector<std::size_t> ChangedBytes(const link::Bytes& message, const link::SettingsRecord& device) {
  const link::Bytes reply = link::EncodeReply(device);
  std::vector<std::size_t> changed;
  for (std::size_t i = 0; i < 318; ++i)
    if (message.at(6 + i) != reply.at(24 + i)) changed.push_back(i);
  return changed;
}

TEST_F(Engine, ALostAcknowledgementSendsTheSameMessageAgain) {
  net.devices = {Unit(1, "192.168.1.11")};
  net.devices[0].lostAcks = 1;
  net.devices[0].applyMs = 1000;
  const link::SettingsRecord before = net.devices[0].record;
  EXPECT_EQ(Run(Set, {"set", "02-00-00-0A-00-01", "--essid", "lobby"}), 0);
  EXPECT_EQ(out.str(), "verified\n");
  EXPECT_EQ(err.str(), kNote);
  const auto messages = net.SettingsSent();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], messages[1]);
  ASSERT_EQ(messages[0].size(), 324u);
  EXPECT_EQ(std::string(messages[0].begin(), messages[0].begin() + 6), "gstset");
  // The ESSID's 33 bytes at 61, and nothing else: "lobby", its terminator, the rest as it was.
  const std::vector<std::size_t> essid = {61, 62, 63, 64, 65, 66};
  EXPECT_EQ(ChangedBytes(messages[0], before), essid);
  EXPECT_EQ(std::string(messages[0].begin() + 6 + 61, messages[0].begin() + 6 + 67), std::string("lobby\0", 6));
  for (const auto& s : net.sent) EXPECT_EQ(s.to, QHostAddress("255.255.255.255"));
}

TEST_F(Engine, AUnitThatRestartsIsVerifiedWhenItIsBack) {
  net.devices = {Unit(1, "192.168.1.11"), Unit(2, "192.168.1.12")};
  net.devices[0].restarts = true;
  net.devices[0].applyMs = 8000;
  EXPECT_EQ(Apply("mac,essid\n02-00-00-0A-00-01,r1\n02-00-00-0A-00-02,r2\n", {"--apply-time", "20"}), 0);
  EXPECT_EQ(out.str(), "02-00-00-0A-00-02 verified\n02-00-00-0A-00-01 verified\n");
  EXPECT_GE(net.Now() - FakeNetwork::kStart, 8000);
  EXPECT_EQ(net.SettingsSent().size(), 2u);  // acknowledged: never sent again
  // Still restarting when its apply time runs out: acknowledged, not seen again.
  out.str("");
  net.devices[0].record.essid = "office-1";
  EXPECT_EQ(Run(Set, {"set", "02-00-00-0A-00-01", "--essid", "late", "--ack-wait", "1", "--apply-time", "0"}), 7);
  EXPECT_EQ(out.str(), "acknowledged, not seen again: not found again\n");
}

TEST_F(Engine, TwinsAreRefusedAndSentNothing) {
  net.devices = {Unit(1, "10.50.0.11"), Unit(1, "10.50.0.12")};
  net.devices[1].record.hostName = "twin-b";
  net.devices[1].record.wepOn = 1;
  const char twins[] = "2 access points answer with this MAC and different settings (from 10.50.0.11 and 10.50.0.12)";
  EXPECT_EQ(Run(Set, {"set", "twin-b", "--essid", "x"}), 1);
  EXPECT_EQ(err.str(), "trx61ctl: 02-00-00-0A-00-01: " + std::string(twins) + "\n");
  EXPECT_EQ(Apply("mac,host,essid\n02-00-00-0A-00-01,twin-b,viafile\n"), 5);
  EXPECT_EQ(out.str(), "02-00-00-0A-00-01 refused: " + FileName() + ":2: " + twins + "\n");
  EXPECT_TRUE(net.SettingsSent().empty());
}

TEST_F(Engine, AnAcknowledgementFromAnotherAddressIsNotTheUnits) {
  net.devices = {Unit(1, "192.168.1.11")};
  net.devices[0].ackFrom = QHostAddress("10.1.0.66");
  EXPECT_EQ(Run(Set, {"set", "02-00-00-0A-00-01", "--essid", "lobby"}), 0);
  EXPECT_EQ(out.str(), "changed without acknowledgement\n");
}

TEST_F(Engine, AnInterruptEndsWithWhatWasDone) {
  net.devices = {Unit(1, "192.168.1.11"), Unit(2, "192.168.1.12")};
  net.devices[1].acknowledges = false;
  net.devices[1].keepsOld = true;
  net.interruptAfterMs = 1000;
  EXPECT_EQ(Apply("mac,essid\n02-00-00-0A-00-01,a\n02-00-00-0A-00-02,b\n"), 130);
  EXPECT_EQ(out.str(), "02-00-00-0A-00-01 verified\n02-00-00-0A-00-02 sent, not verified\n");
  EXPECT_EQ(err.str(), kNote + std::string("trx61ctl: interrupted: 1 sent, not verified, 1 verified\n"));
}

TEST_F(Engine, ATwinThatAnswersLateIsWeighedBeforeAnythingIsSent) {
  net.devices = {Unit(1, "192.168.1.11"), Unit(1, "10.1.0.66")};
  net.devices[0].replyDelayMs = 800;  // the real unit is slow; the forger is quick and says otherwise
  net.devices[1].record.passphrase = "forged";
  EXPECT_EQ(Run(Set, {"set", "02-00-00-0A-00-01", "--essid", "lobby"}), 1);
  EXPECT_EQ(err.str(),
            "trx61ctl: 2 access points answer with this MAC and different settings (from 10.1.0.66 and "
            "192.168.1.11)\n");
  net.devices[1].record = net.devices[0].record;  // a clone, from another address
  net.devices[1].replyDelayMs = 2500;
  EXPECT_EQ(Apply("mac,essid\n02-00-00-0A-00-01,lobby\n"), 5);
  EXPECT_TRUE(net.SettingsSent().empty());
}

// After the change, every answer with the unit's MAC must show the new values from where they should come.
TEST_F(Engine, AnswersThatDisagreeAfterTheChangeAreContradicted) {
  const std::string set = "mac,essid\n02-00-00-0A-00-01,lobby\n";
  net.devices = {Unit(1, "192.168.1.11")};
  net.devices[0].flaps = true;
  EXPECT_EQ(Apply(set), 9);
  EXPECT_EQ(out.str(),
            "02-00-00-0A-00-01 contradicted: its answers disagree: from 192.168.1.11 the new values; from "
            "192.168.1.11 the old values\n");

  // Two units on one MAC and one address, of which one keeps its values: one answer at first.
  out.str("");
  net.devices = {Unit(1, "192.168.1.11"), Unit(1, "192.168.1.11")};
  net.devices[1].keepsOld = true;
  net.devices[1].acknowledges = false;
  EXPECT_EQ(Apply(set), 9);
  EXPECT_EQ(out.str().rfind("02-00-00-0A-00-01 contradicted: its answers disagree: ", 0), 0u) << out.str();

  // A new address: the old one answers still with the old values, a forger from the new one with the new.
  out.str("");
  net.devices = {Unit(1, "192.168.1.11"), Unit(1, "192.168.1.11")};
  net.devices[0].keepsOld = true;
  net.devices[1].mimic = true;
  EXPECT_EQ(Run(Set, {"set", "02-00-00-0A-00-01", "--ip", "192.168.1.50"}), 9);
  EXPECT_EQ(out.str(),
            "contradicted: its answers disagree: from 192.168.1.11 the old values; from 192.168.1.50 the new "
            "values\n");
}

TEST_F(Engine, RepliesFromAnAddressNoUnitHasAreIgnoredAndSaid) {
  for (const char* from : {"127.0.0.1", "192.168.1.2"}) {  // loopback; this PC's own address
    net.devices = {Unit(1, from)};
    err.str("");
    EXPECT_EQ(Run(Set, {"set", "02-00-00-0A-00-01", "--essid", "lobby"}), 2) << from;
    EXPECT_NE(err.str().find(std::string(" replies from ") + from + " or another address no access point can answer"),
              std::string::npos)
        << err.str();
  }
}

TEST_F(Engine, EveryUnitIsSetThroughALossyLinkAndSlowUnitsGetFewCopies) {
  std::string csv = "mac,essid\n";
  for (int n = 1; n <= 40; ++n) {
    net.devices.push_back(Unit(n, ("192.168.1." + std::to_string(10 + n)).c_str()));
    csv += "02-00-00-0A-00-" + QString::number(n, 16).rightJustified(2, '0').toUpper().toStdString() + ",new\n";
  }
  net.lossPercent = 30;
  EXPECT_EQ(Apply(csv, {"--retries", "0"}), 0) << out.str();
  EXPECT_EQ(out.str().find("not acknowledged"), std::string::npos);
  net.lossPercent = 0;
  for (FakeDevice& d : net.devices) {
    d.ackDelayMs = 1000;
    d.applyMs = 1500;  // showing its old values all the while
  }
  net.sent.clear();
  for (std::size_t at; (at = csv.find(",new")) != std::string::npos;) csv.replace(at, 4, ",old");
  EXPECT_EQ(Apply(csv), 0);
  EXPECT_LE(net.SettingsSent().size(), 80u);
}

TEST_F(Engine, DiscoverListsEachUnitOnceAndNamesWhatTheyShare) {
  EXPECT_EQ(Run(Discover, {"discover", "--wait", "0.5", "--json"}), 2);
  EXPECT_EQ(out.str(), "[\n]\n");
  out.str("");
  err.str("");
  net.devices = {Unit(1, "192.168.1.11"), Unit(2, "192.168.1.12"), Unit(2, "10.1.0.66"), Unit(3, "192.168.1.13")};
  net.devices[1].duplicates = true;                     // its copies are one unit
  net.devices[2].record.hostName = "forger";            // a second device with unit 2's MAC and address
  net.devices[3].record.ip = net.devices[0].record.ip;  // and one with unit 1's fixed address
  net.devices[3].replyDelayMs = 2500;                   // answering late: the list may be short
  EXPECT_EQ(Run(Discover, {"discover", "--csv"}), 0);
  const QStringList rows = QString::fromStdString(out.str()).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(rows.size(), 5);
  EXPECT_EQ(rows[1],
            "02-00-00-0A-00-01,TRX61-AP-1,192.168.1.11,255.255.255.0,192.168.1.1,no,FCC,6,office-1,'2.2.0,off,"
            "1,eth0,ip");
  EXPECT_EQ(rows.filter("02-00-00-0A-00-02,").size(), 2);
  EXPECT_EQ(err.str(),
            "trx61ctl: more than one access point has the fixed address 192.168.1.11\n"
            "trx61ctl: more than one access point has the fixed address 192.168.1.12\n"
            "trx61ctl: more than one access point has the MAC 02-00-00-0A-00-02\n"
            "trx61ctl: note: 1 access point(s) answered for the first time in the last quarter of the wait: the list "
            "may be short; search longer (--wait)\n");
}
// What is refused before anything is sent to a unit: a bad value, file, row or option says
// why, names where, and sends nothing (5: the other units went ahead).
TEST_F(Engine, RefusalsSayWhyAndSendNothingToTheUnit) {
  struct Case {
    const char* what;
    QStringList set;  // the set command's arguments, or
    std::string csv;  // the file apply is given
    int status;
    std::string says;  // on standard error, or standard output for a refused device
    std::size_t sends = 0;
  };
  const std::string rows1000 = [] {
    std::string rows = "MAC,Essid\n";
    for (int i = 0; i < 1000; ++i) rows += "02-00-00-0A-00-01,x\n";
    return rows;
  }();
  const Case cases[] = {
      {"an empty ESSID", {"--essid", ""}, "", 1, "essid \"\": 1 to 32 characters"},
      {"a channel outside the domain", {"--channel", "13"}, "", 1, "channel 13"},
      {"a default key outside 1 to 4", {"--default-key", "5"}, "", 1, "default key 5: 1, 2, 3 or 4"},
      {"another's address", {"--ip", "192.168.1.13"}, "", 1, "02-00-00-0A-00-03 has this address too"},
      {"a gateway outside the subnet", {"--gateway", "10.0.0.1"}, "", 1, "gateway 10.0.0.1: outside the subnet"},
      {"an empty pass phrase", {"--passphrase", "", "--wep", "64"}, "", 1, "passphrase"},
      {"a loopback address", {"--ip", "127.0.0.7"}, "", 1, "ip 127.0.0.7: a loopback address"},
      {"--wait 0", {"--essid", "x", "--wait", "0"}, "", 1, "--wait 0: takes a number of seconds from 0.1 to 3600"},
      {"an unknown column", {}, "mac,essid,colour\n02-00-00-0A-00-01,,red\n", 1, ":1: unknown column \"colour\""},
      {"a bad row",
       {},
       "mac,ip\n02-00-00-0A-00-01,10.0.0.1\n02-00-00-0A-00-02,10.0.0\n",
       1,
       ":3: ip 10.0.0: not an IPv4 address"},
      {"a pass phrase in the default key's column",
       {},
       "mac,default_key\n02-00-00-0A-00-01,secret words\n",
       1,
       ":2: default key (12 characters, not shown): 1, 2, 3 or 4"},
      {"one address twice",
       {},
       "mac,ip\n02-00-00-0A-00-01,192.168.1.70\n02-00-00-0A-00-03,192.168.1.70\n",
       1,
       "nothing was sent"},
      {"a workbook", {}, std::string("PK\3\4rest", 8), 1, "save it as CSV"},
      {"a control character",
       {},
       "mac,essid\n02-00-00-0A-00-01,office-9\n02-00-00-0A-00-03,\"net\ntwo\"\n",
       5,
       ":3: essid: control characters",
       1},
      {"a channel of another domain",
       {},
       "mac,essid,channel\n02-00-00-0A-00-01,a,11\n02-00-00-0A-00-03,b,14\n",
       5,
       ":3: channel 14",
       1},
      {"1000 rows of one MAC", {}, rows1000, 5, "skipped: the MAC is on lines 2, 3, "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    net.sent.clear();
    net.devices = {Unit(1, "192.168.1.11"), Unit(2, "192.168.1.12"), Unit(3, "192.168.1.13")};
    net.devices[1].record.addressMode = 0;  // on DHCP
    out.str("");
    err.str("");
    const int status = c.csv.empty() ? Run(Set, QStringList{"set", "02-00-00-0A-00-01"} + c.set) : Apply(c.csv);
    EXPECT_EQ(status, c.status) << out.str() << err.str();
    EXPECT_NE((c.status == 5 ? out : err).str().find(c.says), std::string::npos) << out.str() << err.str();
    EXPECT_EQ(net.SettingsSent().size(), c.sends);
  }
  EXPECT_EQ(Run(Set, {"set", "02-00-00-0A-00-02", "--gateway", "192.168.1.2"}), 1) << "a gateway alone, on DHCP";
  EXPECT_EQ(Run(ctl::Apply, {"apply", "/dev/zero"}), 1);
  EXPECT_NE(err.str().find("larger than 16 MiB"), std::string::npos);
  EXPECT_EQ(Apply("mac,essid\n02-00-00-0A-00-01,x\n", {"--report", runtime.filePath("none/report.json")}), 1);
  EXPECT_NE(err.str().find("--report " + runtime.filePath("none/report.json").toStdString() + ": "), std::string::npos);
  EXPECT_TRUE(net.SettingsSent().empty());
}

}  // namespace
}  // namespace trx::ctl
