#pragma once
// One conversation with the access points on every adapter: a search and its replies, a
// settings message and its acknowledgement. Runs its own event loop while it waits.
#include <QHostAddress>
#include <QObject>
#include <functional>
#include <optional>
#include <vector>

#include "link/messages.h"
#include "link/reading.h"
#include "link/udpsocket.h"

namespace trx::ctl {

struct Answer {
  QHostAddress from;
  link::ReplyOutcome outcome = link::ReplyOutcome::Short;
  std::optional<link::SettingsRecord> record;  // when it could be decoded
};

class Session : public QObject {
 public:
  Session();
  bool Open();
  // Replies to one search, in arrival order, until waitMs has passed or enough() holds.
  std::vector<Answer> Search(int waitMs, const std::function<bool(const Answer&)>& enough = {});
  // The settings message; true when an acknowledgement came within waitMs.
  bool Send(const link::SettingsRecord& record, int waitMs);

 private:
  void RunUntil(int ms, const std::function<bool()>& done);

  link::TZEL_UDPSocket socket_;
  bool searching_ = false, saving_ = false;
  std::vector<Answer> answers_;
  int acknowledgements_ = 0;
};

}  // namespace trx::ctl
