#pragma once
// The simulated access points on the segment: what they answer to a search, which settings
// messages they take, and their acknowledgements, with the faults a test asks for.
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <random>
#include <vector>

#include "link/messages.h"
#include "link/udpsocket.h"

namespace trx::apsim {

struct Options {
  int delayMs = 0;
  int ackDelayMs = 0;
  int ackLimit = -1;  // acknowledge only this many settings messages; -1: all
  bool noAck = false, shortReply = false, domainZero = false, badChannel = false, badDefaultKey = false,
       duplicate = false, hex = false, showKeys = false;
  int faulty = -1;          // how many access points carry the faults; -1: all
  int lineRateMbit = 1000;  // replies leave no faster than a link of this speed carries them; 0: no limit
  int applyDelayMs = 0;     // settings take effect this long after they arrive
  bool keepOld = false;     // acknowledge settings but keep the old values
  int lossPercent = 0;      // each search, reply, settings message and acknowledgement lost at this rate
  unsigned seed = 0;        // of the losses, so that a run can be repeated
  int rebootMs = 0;         // silent this long after applying settings, as a unit that restarts
  QString stateFile;        // where the access points are kept across runs; empty: nowhere
  QHostAddress from;        // every datagram from this address; null: each access point's own
  int padBytes = 0;         // replies this much longer than their record
  bool mimic = false;       // take on every access point a settings message names
  int flood = 0;            // distinct large replies sent after the first search, as a hostile device would
};

class Simulator : public QObject {
 public:
  // Sends datagram i from sources[i]; returns how many the system took.
  using Send = std::function<int(const std::vector<QByteArray>& datagrams, const std::vector<QHostAddress>& sources)>;
  // Without send, through its own socket once opened.
  Simulator(std::vector<link::SettingsRecord> aps, const Options& options, Send send = {});

  bool Open();
  void SaveState();
  // One datagram heard on the segment.
  void Receive(const link::Bytes& d);
  const std::vector<link::SettingsRecord>& AccessPoints() const { return aps_; }

 private:
  void Print(const QString& line);
  QString Hex(const link::Bytes& bytes, std::size_t recordOffset) const;
  QString Describe(const link::SettingsRecord& s) const;
  bool Lost();
  bool Quiet(std::size_t i) const { return clock_.elapsed() < quietUntil_[i]; }
  bool Faulty(std::size_t i) const { return o_.faulty < 0 || static_cast<int>(i) < o_.faulty; }
  void Applied(std::size_t i);

  void OnSearch(const link::Bytes& d);
  void OnSettings(const link::Bytes& d);
  // Access point i takes the settings now, later, or (as asked) never.
  void Take(std::size_t i, const link::SettingsRecord& settings);
  void Acknowledge(const QHostAddress& from);

  void Reply(std::size_t i);
  QHostAddress Source(const link::SettingsRecord& ap) const;
  void Flood();
  void Pump();

  std::vector<link::SettingsRecord> aps_;
  Options o_;
  link::UdpSocket socket_;
  Send send_;
  struct Outgoing {
    link::Bytes bytes;
    QHostAddress from;
  };
  std::deque<Outgoing> queue_;
  QTimer pump_;
  int settingsTaken_ = 0;
  int floodLeft_ = 0;
  long long flooded_ = 0;
  bool floodTold_ = false;
  std::minstd_rand random_;
  QElapsedTimer clock_;
  std::vector<qint64> quietUntil_;  // per access point, on clock_
};

}  // namespace trx::apsim
