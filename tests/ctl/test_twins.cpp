// Which replies with one MAC name one unit: only the settings record and the address count.
#include <gtest/gtest.h>

#include "ctl/jobs.h"

namespace trx::ctl {
namespace {

Answer Reply(const link::SettingsRecord& r, const char* from, std::size_t extra = 0) {
  Answer a;
  a.from = QHostAddress(from);
  a.bytes = link::EncodeReply(r);
  a.bytes.resize(a.bytes.size() + extra, 0xEE);
  a.record = link::DecodeReply(a.bytes);
  a.outcome = link::CheckReply(a.bytes);
  return a;
}

TEST(Twins, OnlyTheSettingsAndTheAddressTellRepliesApart) {
  link::SettingsRecord unit;
  unit.mac = {0x02, 0, 0, 0x0D, 0, 1};
  unit.domain = 0x10;
  unit.hostName = "twin-a";
  link::SettingsRecord other = unit;
  other.passphrase = "attacker";

  const Answer a = Reply(unit, "10.50.0.11"), longer = Reply(unit, "10.50.0.11", 1);
  // A byte past the record is no setting: the replayed reply is the unit's own.
  EXPECT_TRUE(std::equal(link::SettingsBytes(a.bytes).begin(), link::SettingsBytes(a.bytes).end(),
                         link::SettingsBytes(longer.bytes).begin(), link::SettingsBytes(longer.bytes).end()));
  EXPECT_EQ(link::SettingsBytes(a.bytes).size(), link::kRecordSize);
  EXPECT_EQ(Twins({&a}), "");

  const Answer forged = Reply(other, "10.1.0.66"), elsewhere = Reply(unit, "10.1.0.66");
  EXPECT_EQ(Twins({&forged, &a}),
            "2 access points answer with this MAC and different settings (from 10.1.0.66 and 10.50.0.11)");
  EXPECT_EQ(Twins({&a, &elsewhere}), "2 access points answer with this MAC (from 10.50.0.11 and 10.1.0.66)");
  Answer unknown = Reply(other, "0.0.0.0");
  EXPECT_EQ(
      Twins({&a, &unknown}),
      "2 access points answer with this MAC and different settings (from 10.50.0.11 and 0.0.0.0 (no address of its own yet))");
}

}  // namespace
}  // namespace trx::ctl
