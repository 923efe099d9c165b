#pragma once
// A network of devices played by rule, on a clock of its own: a minute of waiting costs no
// time. Each device answers searches, takes the settings messages for its MAC and
// acknowledges them as its rule says; every datagram the program sends is kept. Several
// devices may carry one MAC, and the network may lose, delay and duplicate what they send.
#include <QHostAddress>
#include <map>
#include <vector>

#include "ctl/transport.h"

namespace trx::ctl {

struct FakeDevice {
  link::SettingsRecord record;
  QHostAddress address;
  int lostAcks = 0;  // the first acknowledgements it sends never arrive
  bool acknowledges = true;
  QHostAddress ackFrom;     // where its acknowledgements come from, if not from its address
  bool keepsOld = false;    // acknowledges, but keeps its values
  int applyMs = 0;          // until the new values show
  bool restarts = false;    // silent while it applies
  int replyDelayMs = 0;     // answers each search this late
  int ackDelayMs = 0;       // acknowledges this late
  bool duplicates = false;  // each answer twice
  bool flaps = false;       // once it applied, answers with the new and the old values in turn
  bool mimic = false;       // silent until a message names its MAC; then takes it on, as a forger
  // Its state, kept by the network:
  qint64 applyAt = -1, silentUntil = -1;
  link::SettingsRecord next, before;
  int answered = 0;
};

class FakeNetwork : public Transport {
 public:
  static constexpr qint64 kStart = 1'000'000;
  const QHostAddress self{"192.168.1.2"};  // the program's address: its broadcasts come back from there
  std::vector<FakeDevice> devices;
  // An interrupt (SIGINT) this long after the first settings message went out; -1: none.
  qint64 interruptAfterMs = -1;
  int lossPercent = 0;  // of what devices are sent and send, each datagram on its own
  struct Sent {
    QHostAddress to;
    link::Bytes bytes;
  };
  std::vector<Sent> sent;

  bool Open() override { return true; }
  void Send(const QHostAddress& to, link::ByteView datagram) override;
  qint64 Now() const override { return now_; }
  void RunUntil(int ms, const std::function<bool()>& done) override;
  bool Own(const QHostAddress& address) const override { return address == self; }

  std::vector<link::Bytes> SettingsSent() const;

 private:
  struct Pending {
    link::Bytes bytes;
    QHostAddress from;
  };
  void Schedule(qint64 delay, link::Bytes bytes, const QHostAddress& from);
  void Take(FakeDevice& d, const link::SettingsRecord& r);
  void Tick();
  bool Lost();

  qint64 now_ = kStart, interruptAt_ = -1;
  std::multimap<qint64, Pending> pending_;  // equal times keep their order
  unsigned random_ = 12345;                 // the same losses each run
};

}  // namespace trx::ctl
