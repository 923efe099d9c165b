#pragma once
// One conversation with the access points on every adapter: a search and its replies, a
// settings message and its acknowledgement. Runs its own event loop while it waits, and
// stops waiting at once when the user interrupts (Ctrl-C, SIGTERM).
#include <QHostAddress>
#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "link/copies.h"
#include "link/messages.h"
#include "link/reading.h"
#include "link/udpsocket.h"

namespace trx::ctl {

struct Answer {
  QHostAddress from;
  QStringList interfaces;  // every adapter a copy of this reply came in on
  link::ReplyOutcome outcome = link::ReplyOutcome::Short;
  std::optional<link::SettingsRecord> record;  // when it could be decoded
  link::Bytes bytes;                           // the reply as received
};

// Catches SIGINT and SIGTERM from now on; a second one of the same ends the program at once.
void CatchInterrupts();
// The signal that interrupted the run, or 0.
int Interrupted();

class Session : public QObject {
 public:
  Session();
  bool Open();
  // Replies to one search, in arrival order, each once (copies merged), until waitMs has
  // passed or enough() holds.
  std::vector<Answer> Search(int waitMs, const std::function<bool(const Answer&)>& enough = {});
  // The settings message; true when an acknowledgement came within waitMs from one of these
  // addresses (acknowledgements name no device; the address tells a late one of another
  // device apart). An empty list takes any.
  bool Send(const link::Bytes& message, int waitMs, const std::vector<QHostAddress>& from);

 private:
  void RunUntil(int ms, const std::function<bool()>& done);

  link::UdpSocket socket_;
  bool searching_ = false, saving_ = false;
  std::vector<Answer> answers_;
  link::ReplyCopies copies_;
  std::vector<QHostAddress> ackFrom_;
  int acknowledgements_ = 0;
};

}  // namespace trx::ctl
