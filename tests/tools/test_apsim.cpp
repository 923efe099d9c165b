// The simulator's rules, in-process: what it answers to a search, which settings messages it
// takes, and its acknowledgement.
#include <gtest/gtest.h>

#include "tools/apsim/accesspoints.h"
#include "tools/apsim/simulator.h"

using namespace trx;

namespace {

struct Sent {
  link::Bytes bytes;
  QHostAddress from;
};

apsim::Options Unpaced(apsim::Options o) {
  o.lineRateMbit = 0;  // nothing to pace: nothing goes on a wire
  return o;
}

// Three made-up access points; what they send is kept, not sent.
struct Segment {
  std::vector<Sent> sent;
  apsim::Simulator simulator;
  explicit Segment(const apsim::Options& o = {})
      : simulator(apsim::MakeAccessPoints(3), Unpaced(o),
                  [this](const std::vector<QByteArray>& datagrams, const std::vector<QHostAddress>& sources) {
                    for (std::size_t i = 0; i < datagrams.size(); ++i)
                      sent.push_back({link::Bytes(datagrams[i].begin(), datagrams[i].end()), sources[i]});
                    return static_cast<int>(datagrams.size());
                  }) {}
  const link::SettingsRecord& Ap(std::size_t i) const { return simulator.AccessPoints().at(i); }
  // A settings message for access point i, as the wizard writes it over its reply.
  link::Bytes SettingsFor(std::size_t i, const link::SettingsRecord& wanted) const {
    return link::EncodeSettingsMessage(wanted, link::EncodeReply(Ap(i)), link::kWizardRules);
  }
};

QHostAddress Own(const link::SettingsRecord& ap) {
  return QHostAddress(QString::fromStdString(link::FormatIpv4(ap.ip)));
}

TEST(Simulator, AnswersASearchWithOneReplyPerAccessPointFromItsOwnAddress) {
  Segment s;
  s.simulator.Receive(link::SearchRequest());
  ASSERT_EQ(s.sent.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(link::DecodeReply(s.sent[i].bytes), s.Ap(i));
    EXPECT_EQ(s.sent[i].bytes.size(), link::kSmallestReply);
    EXPECT_EQ(s.sent[i].from, Own(s.Ap(i)));
  }
  // Its own replies and acknowledgements, and a search with more after it, are not searches.
  const link::Bytes longer = {'g', 's', 't', 's', 'e', 'a', 'r', 'c', 'h', '!'};
  for (const link::Bytes& d : {s.sent[0].bytes, link::Acknowledgement(), longer}) s.simulator.Receive(d);
  EXPECT_EQ(s.sent.size(), 3u);
}

TEST(Simulator, TakesSettingsForItsAccessPointAndAcknowledgesFromTheOldAddress) {
  Segment s;
  link::SettingsRecord wanted = s.Ap(1);
  const link::SettingsRecord before = wanted;
  wanted.hostName = "lobby";
  wanted.ip = {10, 0, 0, 7};
  wanted.domain = 0x31;       // Spain, which a settings message names 0x40 (Japan's code in replies)
  wanted.firmware = "9.9.9";  // read-only: the unit keeps its own
  wanted.addressMode = 5;     // anything but DHCP is a fixed address
  s.simulator.Receive(s.SettingsFor(1, wanted));
  ASSERT_EQ(s.sent.size(), 1u);
  EXPECT_EQ(s.sent[0].bytes, link::Acknowledgement());
  EXPECT_EQ(s.sent[0].from, Own(before));
  link::SettingsRecord expected = wanted;
  expected.firmware = before.firmware;
  expected.addressMode = 1;
  EXPECT_EQ(s.Ap(1), expected);
  EXPECT_EQ(s.Ap(0), apsim::MakeAccessPoints(1).front()) << "the others are untouched";
}

TEST(Simulator, IgnoresSettingsItCannotTake) {
  Segment s;
  const std::vector<link::SettingsRecord> before = s.simulator.AccessPoints();
  link::SettingsRecord stranger = s.Ap(0);
  stranger.mac[5] ^= 0xFF;
  link::Bytes cut = s.SettingsFor(0, s.Ap(0));
  cut.pop_back();
  for (const link::Bytes& d : {s.SettingsFor(0, stranger), cut}) s.simulator.Receive(d);
  EXPECT_TRUE(s.sent.empty());
  EXPECT_EQ(s.simulator.AccessPoints(), before);
}

TEST(Simulator, AcknowledgesOrAppliesOnlyAsAsked) {
  apsim::Options noAck, keepOld;
  noAck.noAck = true;
  keepOld.keepOld = true;
  for (const apsim::Options& o : {noAck, keepOld}) {
    Segment s(o);
    link::SettingsRecord wanted = s.Ap(2);
    wanted.essid = "changed";
    s.simulator.Receive(s.SettingsFor(2, wanted));
    EXPECT_EQ(s.sent.size(), o.noAck ? 0u : 1u);
    EXPECT_EQ(s.Ap(2).essid, o.keepOld ? "office-3" : "changed");
  }
}

}  // namespace
