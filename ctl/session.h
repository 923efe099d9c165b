#pragma once
// One conversation with the access points on every adapter: searches and their replies,
// settings messages and their acknowledgements, and the settings messages other senders
// broadcast, over a transport (transport.h). Stops waiting at once when the user interrupts.
#include <QHostAddress>
#include <QStringList>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ctl/transport.h"
#include "link/messages.h"
#include "link/reading.h"
#include "link/units.h"

namespace trx::ctl {

struct Answer {
  QHostAddress from;       // null where the system does not tell
  QStringList interfaces;  // every adapter a copy of this reply came in on
  link::ReplyOutcome outcome = link::ReplyOutcome::Short;
  std::optional<link::SettingsRecord> record;  // when it could be decoded
  link::Bytes bytes;                           // the reply as received, up to the end of its record
  qint64 at = 0;                               // ms after the search began
  qint64 lastAt = 0;                           // the same, of its latest copy
};

// A reply trx61ctl lists and may write to: decoded, even with values the wizard cannot read
// (they show as "?" and go back as they came).
bool Usable(const Answer& a);
// What cannot be read in a usable reply: "unreadable channel", ...; empty when nothing.
std::string Unreadable(const Answer& a);
// An address as the reports name it: "10.1.0.5", or "an unknown address".
std::string AddressText(const QHostAddress& address);
bool Known(const QHostAddress& address);

// What a session needs of the program around it: where its notes for the user go, and
// whether the user asked it to stop (the signal, or 0). The command line gives its standard
// error and its signal handler; a test gives its own.
struct Surroundings {
  std::function<void(const std::string&)> note = [](const std::string&) {};
  std::function<int()> interrupted = [] { return 0; };
};

// The most different replies one search keeps: far more than any site has (and as many rows
// as apply reads), so that a flood of forged replies costs bounded memory. A search that had
// to leave replies out lists what it kept, but cannot judge a unit by all its answers.
constexpr std::size_t kMostReplies = 100'000;
// The most other senders' settings messages kept between two looks at them: a run takes them
// at least every 20 ms, so only a flood reaches it, and its count is still told.
constexpr std::size_t kMostForeign = 10'000;

class Session {
 public:
  explicit Session(Transport& transport, Surroundings surroundings = {});
  ~Session() { transport_.SetReceiver({}); }  // the transport may outlive it
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  bool Open();
  // The signal that interrupted the run, or 0.
  int Interrupted() const { return surroundings_.interrupted(); }
  // A line for the user ("note: ..."), as the program shows them.
  void Note(const std::string& line) const { surroundings_.note(line); }
  // Milliseconds on the transport's monotonic clock.
  qint64 Now() const { return transport_.Now(); }
  // Replies to one search, in arrival order, each once (copies merged), until waitMs has
  // passed: a unit that answers late is weighed with every other answer carrying its MAC.
  // The request is sent again and again within the wait, as long as it may bring replies
  // before its end; faster until enough() held for one of them (every named unit answered).
  std::vector<Answer> Search(int waitMs, const std::function<bool(const Answer&)>& enough = {});

  // Searching without waiting, as verifying does: Listen() forgets the replies so far, each
  // Request() sends the request once, and Answers() holds the replies since Listen(), each
  // once, in arrival order.
  void Listen();
  void Request();
  const std::vector<Answer>& Answers() const { return answers_; }
  // Different replies left out since Listen() for want of room (see kMostReplies).
  std::size_t LeftOut() const { return leftOut_; }

  // Sends a settings message without waiting; from now on acknowledgements are kept, during
  // searches too, by the address they came from (they name no device).
  void Post(const link::Bytes& message);
  // The acknowledgements since the last call: where each came from, and when (as Now()).
  struct Acknowledgement {
    QHostAddress from;
    qint64 at = 0;
  };
  std::vector<Acknowledgement> TakeAcknowledgements();
  // Settings messages that someone else broadcast since the last call (every one is
  // broadcast, so each sender hears the others'); this session's own are not among them.
  // At most kMostForeign are kept between two calls; the rest are counted.
  struct Foreign {
    QHostAddress from;
    link::SettingsRecord record;
  };
  std::vector<Foreign> TakeForeign();
  std::size_t ForeignLeftOut() const { return foreignLeftOut_; }  // since the session began
  void HearOtherSenders() { hearOthers_ = true; }                 // from now on
  // Runs the event loop for up to ms, less when a datagram of interest comes or on an interrupt.
  void Wait(int ms);

 private:
  void Receive(link::ByteView datagram, const QHostAddress& source, const QString& where);
  bool NoDevice(const QHostAddress& address) const;
  void RunUntil(int ms, const std::function<bool()>& done);
  void Send(link::ByteView datagram);

  Transport& transport_;
  Surroundings surroundings_;
  bool searching_ = false, saving_ = false, heard_ = false, hearOthers_ = false;
  std::vector<Answer> answers_;
  qint64 listeningSince_ = 0;
  // Which answers are copies of one another (link/units.h): each reply is kept once.
  link::UnitAnswers seen_;
  std::size_t leftOut_ = 0, strange_ = 0;
  QHostAddress strangeFrom_;  // the first of them
  QStringList lastInterfaces_;
  // This session's own settings messages (as text: GCC 12 at -O3 warns falsely inside the
  // ordering of byte vectors).
  std::set<std::string> posted_;
  std::vector<Acknowledgement> acknowledgements_;
  std::vector<Foreign> foreign_;
  std::size_t foreignLeftOut_ = 0;
};

}  // namespace trx::ctl
