// One rule for which answers are one unit's: copies are the same settings from the same
// address; anything else with the MAC is a second device.
#include <gtest/gtest.h>

#include "link/units.h"

namespace trx::link {
namespace {

Bytes Reply(std::uint8_t macLast, std::uint8_t channel, std::size_t pad = 0) {
  SettingsRecord r;
  r.mac = {2, 0, 0, 0, 0, macLast};
  r.channel = channel;
  Bytes reply = EncodeReply(r);
  reply.resize(reply.size() + pad, 0xAB);
  return reply;
}

TEST(UnitAnswers, CopiesAreSameSettingsFromSameAddressAndAnythingElseWithTheMacIsATwin) {
  UnitAnswers book;
  const Bytes a = Reply(1, 1), other = Reply(2, 1);
  const Mac macA{2, 0, 0, 0, 0, 1};
  EXPECT_FALSE(book.Note(macA, "10.9.0.5", SettingsBytes(a)).copy);
  EXPECT_FALSE(book.Note({2, 0, 0, 0, 0, 2}, "10.9.0.6", SettingsBytes(other)).twinned);
  // Bytes after the record say nothing of the unit: the same answer again.
  const auto again = book.Note(macA, "10.9.0.5", SettingsBytes(Reply(1, 1, 40)));
  EXPECT_TRUE(again.copy);
  EXPECT_EQ(again.answer, 0u);
  EXPECT_FALSE(book.Twinned(macA));
  // The exact bytes from another address: a second device, however alike.
  const auto forger = book.Note(macA, "10.9.0.77", SettingsBytes(a));
  EXPECT_FALSE(forger.copy);
  EXPECT_TRUE(forger.twinned);
  // Other settings from the unit's own address: two ways at once, a second device too.
  EXPECT_TRUE(book.Note(macA, "10.9.0.5", SettingsBytes(Reply(1, 6))).twinned);
  EXPECT_EQ(book.With(macA), (std::vector<std::size_t>{0, 2, 3}));
  EXPECT_FALSE(book.Twinned({2, 0, 0, 0, 0, 2}));
  book.Clear();
  EXPECT_FALSE(book.Note(macA, "10.9.0.5", SettingsBytes(a)).copy);
  EXPECT_EQ(book.Count(), 1u);
}

}  // namespace
}  // namespace trx::link
