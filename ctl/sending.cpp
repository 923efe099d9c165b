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

// A message that is neither acknowledged nor seen applied goes out again this soon, twice,
// then after twice as long each time, up to the acknowledgement wait. By then the verifying
// searches, two a step, have shown almost every unit that took it.
constexpr int kFirstResendMs = 100;

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
  qint64 firstSent = -1, lastSent = 0, nextSend = 0, ackBy = 0, applyBy = 0, seenAt = -1;
  int backoff = kFirstResendMs;
  int unattributed = 0, unattributedSinceSend = 0;  // acknowledgements from its shared address
  bool open = true, verified = false;
  std::vector<std::string> differences;  // as last seen; none: not seen since it was sent
  QHostAddress overwrittenBy;
  bool overwritten = false;

  Job& job() const { return *plan.job; }
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
      if (Interrupted()) {
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
    for (Unit& u : units_) {
      if (Interrupted()) {
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
    // site's replies to each take longer to come in, less often.
    const qint64 every = 250 + static_cast<qint64>(plan.size()) / 4, sentAll = Elapsed();
    qint64 nextRequest = sentAll + 50;
    while (Open() && !Interrupted()) {
      TakeAcknowledgements();
      TakeReplies();
      TakeOthers();
      const qint64 t = Elapsed();
      for (Unit& u : units_) Step(u, t);
      ShowProgress();
      if (std::any_of(units_.begin(), units_.end(), [](const Unit& u) { return u.open && !u.verified; }) &&
          t >= nextRequest) {
        session_.Request();
        nextRequest = t + (t - sentAll < 1000 ? 50 : every);
      }
      if (Open()) session_.Wait(20);
    }
    // Interrupted: what the searches showed still counts.
    TakeAcknowledgements();
    TakeReplies();
    TakeOthers();
    for (Unit& u : units_)
      if (u.open) Close(u, !u.verified ? Outcome::Unknown : Seen(u));
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
    if (u.firstSent < 0) u.firstSent = t;
    u.lastSent = t;
    u.ackBy = t + o_.ackMs;
    u.applyBy = u.ackBy + o_.applyMs;
    u.nextSend = t + u.backoff;
    if (u.job().sends >= 2) u.backoff = std::min(u.backoff * 2, std::max(o_.ackMs, kFirstResendMs));
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

  void TakeReplies() {
    const std::vector<Answer>& answers = session_.Answers();
    for (; looked_ < answers.size(); ++looked_) {
      const Answer& a = answers[looked_];
      if (!Usable(a)) continue;
      const auto it = byMac_.find(a.record->mac);
      if (it == byMac_.end() || !it->second->open || it->second->verified) continue;
      Unit& u = *it->second;
      if (!u.anywhere && !u.SpeaksFrom(a.from)) {
        link::DebugLine(QString("reply for %1 from %2 ignored: the unit answers from %3")
                            .arg(QString::fromStdString(link::FormatMac(u.job().mac)), a.from.toString(),
                                 QString::fromStdString(u.Addresses())));
        continue;
      }
      std::vector<std::string> differences;
      for (const std::string& field : Differences(u.plan.wanted, *a.record))
        if (u.othersSet.count(field) == 0) differences.push_back(field);
      u.differences = differences;
      if (differences.empty()) {
        u.verified = true;
        u.seenAt = Elapsed();
      }
    }
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
      if (job.acknowledged || t >= AckGraceEnd(u))
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
    } else if (!job.acknowledged && t >= u.nextSend && job.sends <= o_.retries && u.unattributedSinceSend == 0) {
      Post(u);  // lost on the way there or back: the same bytes again
    }
  }

  void Close(Unit& u, Outcome outcome, std::string detail = {}) {
    u.open = false;
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
  qint64 ackLatency_ = -1;  // the longest an attributable acknowledgement took
  bool sending_ = false;
  Tally tally_, shown_;
};

}  // namespace

void SendAndVerify(Session& session, std::vector<Planned>& plan, std::vector<Job>& jobs, const RunOptions& o) {
  Follow(session, jobs, o).Run(plan);
}

}  // namespace trx::ctl
