// The sending half of a run: every message at once, then acknowledgements, replies to
// verifying searches and other senders' messages taken as they come, until each unit is
// decided. Only the unit's own address speaks for it.
#include <algorithm>
#include <map>
#include <set>

#include "ctl/jobs.h"
#include "link/debuglog.h"

namespace trx::ctl {

namespace {

// A message that is neither acknowledged nor seen applied goes out again: while the unit
// answers with its old values, this soon, then not before a slow unit's acknowledgement is
// due, then at a steady step until its apply time ends; while nothing is heard of it, after
// twice as long each time, --retries times. A unit that took it shows its new values before
// the second copy, so it gets no more, and one that acknowledges after a second gets two at
// most.
constexpr int kFirstResendMs = 300, kSlowAckMs = 1050, kResendMs = 500;
// A reply that left the unit this long after a copy was sent would show that copy applied.
constexpr int kReplyMarginMs = 150;
// After a unit first shows its new values, it is heard for at least this long, and two more
// verifying searches, before it is verified: a second device with its MAC, or the unit's own
// old values, answer in that time too.
constexpr int kVerifyWindowMs = 500;
// How late a reply that left a unit before its change may still come in (another adapter).
constexpr int kReorderMs = 100;
// The most different senders a contradiction names.
constexpr std::size_t kMostHeard = 4;

struct Unit {
  Planned plan;
  link::Bytes message;
  // The addresses the unit speaks from: where it answered the first search, and the new one
  // this change gives it. Empty where the system does not tell.
  std::vector<QHostAddress> from;
  bool anywhere = false;              // a verifying reply may come from any address (DHCP gives it a new one)
  bool shared = false;                // another unit of this run speaks from one of these addresses
  std::vector<std::string> changing;  // the fields this run changes
  std::set<std::string> othersSet;    // fields another sender set, which this run leaves alone
  QHostAddress newAt;                 // where its new values must come from; null: anywhere (or not told)
  qint64 firstSent = -1, lastSent = 0, ackBy = 0, applyBy = 0, seenAt = -1, windowEnd = -1;
  std::vector<std::size_t> old;  // its answers with the old values (each kept once; copies only timed)
  int backoff = kFirstResendMs, blindSends = 0, searchesSinceSeen = 0;
  std::vector<std::string> heard;  // what each sender with its MAC showed, for a contradiction
  std::size_t heardMore = 0;
  int unattributed = 0, unattributedSinceSend = 0;  // acknowledgements from its shared address
  bool open = true, verified = false;
  std::vector<std::string> differences;  // as last seen; none: not seen since it was sent
  QHostAddress overwrittenBy;
  bool overwritten = false, contradicted = false;

  Job& job() const { return *plan.job; }
  void Heard(const std::string& what) {
    if (std::find(heard.begin(), heard.end(), what) != heard.end()) return;
    if (heard.size() < kMostHeard)
      heard.push_back(what);
    else
      ++heardMore;
  }
  std::string Disagreement() const {
    return "its answers disagree: " + Join(heard, "; ") +
           (heardMore > 0 ? "; and " + std::to_string(heardMore) + " more" : "");
  }
  // Whether a datagram from this address may be the unit's own.
  bool SpeaksFrom(const QHostAddress& a) const {
    return Known(a) ? std::find(from.begin(), from.end(), a) != from.end() : from.empty();
  }
  std::string Addresses() const {
    std::vector<std::string> all;
    for (const QHostAddress& a : from) all.push_back(AddressText(a));
    return all.empty() ? AddressText({}) : Join(all, " or ");
  }
};

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

class Follow {
 public:
  Follow(Session& session, std::vector<Job>& jobs, const RunOptions& o)
      : session_(session), jobs_(jobs), o_(o), start_(session.Now()) {}

  void Run(std::vector<Planned>& plan) {
    // Another sender's message that came before this run's own would be undone by it: such
    // a unit is left alone.
    TakeOthers();
    units_.reserve(plan.size());
    for (Planned& p : plan) {
      if (session_.Interrupted()) {
        Decide(*p.job, Outcome::NotSent, o_);
        continue;
      }
      if (const auto other = before_.find(p.job->mac); other != before_.end()) {
        Decide(*p.job, Outcome::ChangedByOther, o_,
               "a settings message from " + AddressText(other->second) +
                   " came during this run, before its own: nothing sent (run again to build on what it set)");
        continue;
      }
      units_.push_back(MakeUnit(p));
    }
    MarkShared();
    session_.Listen();  // verifying replies from now on
    listenedAt_ = Elapsed();
    for (Unit& u : units_) {
      if (session_.Interrupted()) {
        Decide(u.job(), Outcome::NotSent, o_);
        u.open = false;
        continue;
      }
      if (!sending_ && o_.sending) o_.sending();
      sending_ = true;
      Post(u);
      u.job().sent = true;
    }
    for (Unit& u : units_) byMac_[u.job().mac] = &u;
    tally_.total = static_cast<int>(jobs_.size());
    for (const Job& job : jobs_) tally_.done += job.sent ? 0 : 1;
    tally_.sent =
        static_cast<int>(std::count_if(units_.begin(), units_.end(), [](const Unit& u) { return u.job().sent; }));
    // Verifying searches while some unit has not shown its new values: often in the first
    // second after the messages went out, when most units show them; then, as a large
    // site's replies to each take longer to come in, less often; and often again for the
    // last few, whose copies were lost, and while the verified are heard out.
    const qint64 every = 200 + static_cast<qint64>(plan.size()) / 10, sentAll = Elapsed();
    qint64 nextRequest = sentAll + 50;
    while (Open() && !session_.Interrupted()) {
      TakeAcknowledgements();
      TakeReplies();
      TakeOthers();
      const qint64 t = Elapsed();
      for (Unit& u : units_) Step(u, t);
      ShowProgress();
      // Verified units too are heard until their window ends.
      if (Open() && t >= nextRequest) {
        session_.Request();
        for (Unit& u : units_)
          if (u.open && u.verified && ++u.searchesSinceSeen == 2)
            u.windowEnd = std::max(t + kReplyMarginMs, u.seenAt + kVerifyWindowMs);
        const auto waiting =
            std::count_if(units_.begin(), units_.end(), [](const Unit& u) { return u.open && !u.verified; });
        nextRequest = t + (t - sentAll < 1000 ? 50 : waiting * 20 <= static_cast<qint64>(units_.size()) ? 100 : every);
      }
      if (Open()) session_.Wait(20);
    }
    // Interrupted: what the searches showed still counts.
    TakeAcknowledgements();
    TakeReplies();
    TakeOthers();
    for (Unit& u : units_)
      if (u.open) Close(u, !u.verified ? Outcome::Unknown : Seen(u));
    if (session_.ForeignLeftOut() > 0)
      session_.Note(
          "note: " + std::to_string(session_.ForeignLeftOut()) +
          " settings messages from other senders came too fast to be weighed (is a device flooding the network?)");
  }

 private:
  qint64 Elapsed() const { return session_.Now() - start_; }

  Unit MakeUnit(Planned& p) {
    Unit u;
    u.plan = p;
    u.message = link::EncodeSettingsMessage(p.wanted, p.device.bytes, link::kCtlRules);
    u.changing = Differences(p.device.record.value(), p.wanted);
    if (Known(p.device.from)) {
      u.from.push_back(p.device.from);
      const QHostAddress next(AddressValue(p.wanted.ip));
      if (p.job->changes.SetsAddress() && next != p.device.from) u.from.push_back(next);
    }
    // Turned to DHCP, it answers from an address a server gives it.
    u.anywhere = u.from.empty() || (p.job->changes.dhcp == true && p.device.record->addressMode != 0);
    if (!u.anywhere) u.newAt = u.from.back();
    return u;
  }

  void MarkShared() {
    for (Unit& u : units_)
      for (const Unit& v : units_)
        if (&u != &v && (u.from.empty() ? v.from.empty()
                                        : std::any_of(u.from.begin(), u.from.end(),
                                                      [&](const QHostAddress& a) { return v.SpeaksFrom(a); })))
          u.shared = true;
  }

  bool Open() const {
    return std::any_of(units_.begin(), units_.end(), [](const Unit& u) { return u.open; });
  }

  void Post(Unit& u) {
    const qint64 t = Elapsed();
    session_.Post(u.message);
    ++u.job().sends;
    if (u.firstSent < 0) {
      u.firstSent = t;
      u.applyBy = t + o_.ackMs + o_.applyMs;  // copies do not lengthen it
    }
    if (u.job().sends >= 2) u.backoff = std::min(u.backoff * 2, std::max(o_.ackMs, kFirstResendMs));
    u.lastSent = t;
    u.ackBy = t + o_.ackMs;
    u.unattributedSinceSend = 0;
  }

  // An acknowledgement names no device: it counts for the one unit that speaks from its
  // address and was sent a message before it came. Where several such units share that
  // address, it belongs to none of them; from any other address, it is not a unit's.
  void TakeAcknowledgements() {
    for (const auto& [source, at] : session_.TakeAcknowledgements()) {
      const qint64 came = at - start_;
      std::vector<Unit*> by;
      for (Unit& u : units_)
        if (u.firstSent >= 0 && u.firstSent <= came && u.SpeaksFrom(source)) by.push_back(&u);
      if (by.empty()) {
        link::DebugLine(QString("acknowledgement from %1 ignored: no unit sent a message answers from there")
                            .arg(source.toString()));
      } else if (by.size() > 1) {
        link::DebugLine(QString("acknowledgement from %1 not attributable: %2 units answer from there")
                            .arg(source.toString())
                            .arg(by.size()));
        for (Unit* u : by) {
          ++u->unattributed;
          ++u->unattributedSinceSend;
        }
      } else if (Unit& u = *by.front(); u.open && !u.job().acknowledged) {
        u.job().acknowledged = true;
        u.applyBy = std::min(u.applyBy, came + o_.applyMs);
        ackLatency_ = std::max(ackLatency_, came - u.lastSent);
      }
    }
  }

  // Every answer with a unit's MAC is weighed: before its new values show, the old ones from
  // its old address; then the new ones, from the address where they should come from, and
  // nothing else. Anything else is a second device with its MAC (or a unit that answers two
  // ways): contradicted, even after it was decided.
  void TakeReplies() {
    const std::vector<Answer>& answers = session_.Answers();
    for (; looked_ < answers.size(); ++looked_) {
      const Answer& a = answers[looked_];
      if (!Usable(a)) continue;
      const auto it = byMac_.find(a.record->mac);
      if (it == byMac_.end()) continue;
      Unit& u = *it->second;
      const Outcome was = u.job().outcome;
      if (u.contradicted ||
          (!u.open && was != Outcome::Verified && was != Outcome::ChangedWithoutAck && was != Outcome::Unattributable))
        continue;
      const std::string from = "from " + AddressText(a.from) + " ";
      std::vector<std::string> differences;
      for (const std::string& field : Differences(u.plan.wanted, *a.record))
        if (u.othersSet.count(field) == 0) differences.push_back(field);
      if (a.record->domain != u.plan.wanted.domain) differences.push_back("domain");
      const bool fromNew = u.anywhere ? u.seenAt < 0 || a.from == u.newAt : a.from == u.newAt;
      if (differences.empty() && fromNew) {
        u.Heard(from + "the new values");
        if (u.seenAt < 0) {
          u.seenAt = At(a.at);
          u.newAt = a.from;
          u.verified = true;
          u.differences.clear();
        }
        continue;
      }
      if (u.seenAt < 0 && Old(u, a)) {
        u.Heard(from + "the old values");
        u.old.push_back(looked_);
        u.differences = differences;
        continue;
      }
      u.Heard(from + (differences.empty() ? "the new values"
                      : Old(u, a)         ? "the old values"
                                          : "other values (" + Join(differences, ", ") + ")"));
      Contradict(u);
    }
    // The old values again after the new ones: a copy, so only its time tells. One that left
    // before the change may come late on another adapter; a unit that answers two ways goes on.
    for (Unit& u : units_)
      if (u.seenAt >= 0 && !u.contradicted && std::any_of(u.old.begin(), u.old.end(), [&](std::size_t i) {
            return At(answers[i].lastAt) > u.seenAt + kReorderMs;
          }))
        Contradict(u);
  }

  qint64 At(qint64 sinceListening) const { return sinceListening + listenedAt_; }

  // When the unit's old values were last heard, or -1.
  qint64 OldSeenAt(const Unit& u) const {
    qint64 at = -1;
    for (const std::size_t i : u.old) at = std::max(at, At(session_.Answers()[i].lastAt));
    return at;
  }

  void Contradict(Unit& u) {
    u.contradicted = true;
    const Outcome was = u.job().outcome;
    if (u.open)
      Close(u, Outcome::Contradicted, u.Disagreement());
    else if (was == Outcome::Verified || was == Outcome::ChangedWithoutAck || was == Outcome::Unattributable)
      Decide(u.job(), Outcome::Contradicted, o_,
             "after it was " + std::string(OutcomeText(was)) + ", " + u.Disagreement());
  }

  // An answer as the unit gave it to the first search, from the address it gave it from (or
  // with only what another sender set otherwise).
  static bool Old(const Unit& u, const Answer& a) {
    if (a.from != u.plan.device.from) return false;
    const link::ByteView mine = link::SettingsBytes(a.bytes), was = link::SettingsBytes(u.plan.device.bytes);
    if (std::equal(mine.begin(), mine.end(), was.begin(), was.end())) return true;
    const auto differences = Differences(*u.plan.device.record, *a.record);
    return !u.othersSet.empty() && a.record->domain == u.plan.device.record->domain &&
           std::all_of(differences.begin(), differences.end(),
                       [&](const std::string& f) { return u.othersSet.count(f) > 0; });
  }

  // Every settings message is broadcast: one from another sender for a unit of this run
  // either leaves what this run sets alone (its other fields are then that sender's) or
  // undoes it.
  void TakeOthers() {
    for (const auto& [source, record] : session_.TakeForeign()) {
      const auto it = byMac_.find(record.mac);
      if (it == byMac_.end()) {
        before_.emplace(record.mac, source);
        continue;
      }
      Unit& u = *it->second;
      const auto differences = Differences(u.plan.wanted, record);
      const bool undone = std::any_of(differences.begin(), differences.end(),
                                      [&](const std::string& f) { return Contains(u.changing, f); });
      if (!undone) {
        u.othersSet.insert(differences.begin(), differences.end());
        continue;
      }
      u.overwritten = true;
      u.overwrittenBy = source;
      const Outcome was = u.job().outcome;
      if (!u.open && (was == Outcome::Verified || was == Outcome::ChangedWithoutAck || was == Outcome::Unattributable))
        Decide(u.job(), Outcome::ChangedByOther, o_,
               "after it was " + std::string(OutcomeText(was)) + ", a settings message from " + AddressText(source) +
                   " set " + Join(differences, ", ") + " otherwise");
    }
  }

  Outcome Seen(const Unit& u) const {
    return u.job().acknowledged ? Outcome::Verified
           : u.unattributed > 0 ? Outcome::Unattributable
                                : Outcome::ChangedWithoutAck;
  }

  // How long a unit seen with its new values may still be acknowledged: as long as the
  // acknowledgements of this run took, or the whole wait before any came.
  qint64 AckGraceEnd(const Unit& u) const {
    if (ackLatency_ < 0) return u.ackBy;
    return std::min(u.ackBy, std::max(u.seenAt, u.lastSent + 2 * ackLatency_) + 100);
  }

  void Step(Unit& u, qint64 t) {
    if (!u.open) return;
    Job& job = u.job();
    if (u.overwritten) {
      Close(u, Outcome::ChangedByOther,
            "a settings message from " + AddressText(u.overwrittenBy) + " came during this run and set it otherwise");
    } else if (u.verified) {
      if (u.windowEnd >= 0 && t >= u.windowEnd && (job.acknowledged || t >= AckGraceEnd(u)))
        Close(u, Seen(u),
              u.unattributed > 0 && !job.acknowledged
                  ? "acknowledgements from " + u.Addresses() + " cannot be told apart: several units answer from there"
                  : "");
    } else if (t >= u.applyBy) {
      std::string detail = u.differences.empty() ? "not found again" : Join(u.differences, ", ");
      if (u.unattributed > 0)
        detail += "; acknowledgements from " + u.Addresses() + " cannot be told apart: several units answer from there";
      const bool acknowledged = job.acknowledged;
      Close(u,
            !acknowledged           ? Outcome::NotAcknowledged
            : u.differences.empty() ? Outcome::AckedNotSeen
                                    : Outcome::Different,
            detail);
    } else if (!job.acknowledged && u.unattributedSinceSend == 0) {
      // Lost on the way there or back: the same bytes again.
      const bool showsOld = OldSeenAt(u) >= u.lastSent + kReplyMarginMs;
      const qint64 due =
          job.sends == 1 ? u.lastSent + kFirstResendMs : std::max(u.lastSent + kResendMs, u.firstSent + kSlowAckMs);
      if (showsOld && t >= due) {
        Post(u);
      } else if (!showsOld && u.blindSends < o_.retries && t >= u.lastSent + 2LL * u.backoff) {
        ++u.blindSends;
        Post(u);
      }
    }
  }

  void Close(Unit& u, Outcome outcome, std::string detail = {}) {
    u.open = false;
    if (session_.LeftOut() > 0)  // a flood: what the unit showed may be among the replies left out
      detail += std::string(detail.empty() ? "" : "; ") + "the verifying searches kept only the first " +
                std::to_string(kMostReplies) + " different replies, so not every answer was weighed";
    Decide(u.job(), outcome, o_, std::move(detail));
    ++tally_.done;
  }

  void ShowProgress() {
    tally_.acknowledged = tally_.verified = 0;
    for (const Unit& u : units_) {
      tally_.acknowledged += u.job().acknowledged ? 1 : 0;
      tally_.verified += u.verified ? 1 : 0;
    }
    if (o_.progress && Open() && !(tally_ == shown_)) o_.progress(shown_ = tally_);
  }

  Session& session_;
  std::vector<Job>& jobs_;
  const RunOptions& o_;
  qint64 start_;  // when following began, on the session's clock
  std::vector<Unit> units_;
  std::map<link::Mac, Unit*> byMac_;
  std::map<link::Mac, QHostAddress> before_;  // other senders' messages heard before this run's own
  std::size_t looked_ = 0;
  qint64 listenedAt_ = 0;
  qint64 ackLatency_ = -1;  // the longest an attributable acknowledgement took
  bool sending_ = false;
  Tally tally_, shown_;
};

}  // namespace

void SendAndVerify(Session& session, std::vector<Planned>& plan, std::vector<Job>& jobs, const RunOptions& o) {
  Follow(session, jobs, o).Run(plan);
}

}  // namespace trx::ctl
