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

// A reply trx61ctl lists and may write to: decoded, even with values the wizard cannot read
// (they show as "?" and go back as they came).
bool Usable(const Answer& a);
// What cannot be read in a usable reply: "unreadable channel", ...; empty when nothing.
std::string Unreadable(const Answer& a);

// Catches SIGINT and SIGTERM from now on; a second one of the same ends the program at once.
void CatchInterrupts();
// The signal that interrupted the run, or 0.
int Interrupted();

class Session : public QObject {
 public:
  Session();
  bool Open();
  // Replies to one search, in arrival order, each once (copies merged), until waitMs has
  // passed or enough() holds. The request is sent more than once within the wait.
  std::vector<Answer> Search(int waitMs, const std::function<bool(const Answer&)>& enough = {});
  // Sends a settings message without waiting; from now on acknowledgements are kept, during
  // searches too, by the address they came from (they name no device).
  void Post(const link::Bytes& message);
  // The acknowledgements since the last call: where each came from, and when (ms on a
  // monotonic clock, as QElapsedTimer::msecsSinceReference counts).
  struct Acknowledgement {
    QHostAddress from;
    qint64 at = 0;
  };
  std::vector<Acknowledgement> TakeAcknowledgements();
  // Runs the event loop for up to ms, less when an acknowledgement comes or on an interrupt.
  void WaitForAcknowledgement(int ms);

 private:
  void RunUntil(int ms, const std::function<bool()>& done);

  link::UdpSocket socket_;
  bool searching_ = false, saving_ = false;
  std::vector<Answer> answers_;
  link::ReplyCopies copies_;
  std::vector<Acknowledgement> acknowledgements_;
};

}  // namespace trx::ctl
