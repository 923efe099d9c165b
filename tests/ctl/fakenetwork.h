#pragma once
// A network of devices played by rule, on a clock of its own: a minute of waiting costs no
// time. Each device answers searches, takes the settings messages for its MAC and
// acknowledges them as its rule says; every datagram the program sends is kept.
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
  QHostAddress ackFrom;   // where its acknowledgements come from, if not from its address
  bool keepsOld = false;  // acknowledges, but keeps its values
  int applyMs = 0;        // until the new values show
  bool restarts = false;  // silent while it applies
  // Its state, kept by the network:
  qint64 applyAt = -1, silentUntil = -1;
  link::SettingsRecord next;
};

class FakeNetwork : public Transport {
 public:
  static constexpr qint64 kStart = 1'000'000;
  const QHostAddress self{"192.168.1.2"};  // the program's address: its broadcasts come back from there
  std::vector<FakeDevice> devices;
  // An interrupt (SIGINT) this long after the first settings message went out; -1: none.
  qint64 interruptAfterMs = -1;
  struct Sent {
    QHostAddress to;
    link::Bytes bytes;
  };
  std::vector<Sent> sent;

  bool Open() override { return true; }
  void Send(const QHostAddress& to, link::ByteView datagram) override;
  qint64 Now() const override { return now_; }
  void RunUntil(int ms, const std::function<bool()>& done) override;

  std::vector<link::Bytes> SettingsSent() const;

 private:
  struct Pending {
    link::Bytes bytes;
    QHostAddress from;
  };
  void Schedule(qint64 delay, link::Bytes bytes, const QHostAddress& from);
  void Take(FakeDevice& d, const link::SettingsRecord& r);
  void Tick();

  qint64 now_ = kStart, interruptAt_ = -1;
  std::multimap<qint64, Pending> pending_;  // equal times keep their order
};

}  // namespace trx::ctl
