#include "ctl/jobs.h"

#include <QElapsedTimer>
#include <QHash>
#include <algorithm>
#include <map>
#include <optional>

namespace trx::ctl {

const char* OutcomeText(Outcome outcome) {
  switch (outcome) {
    case Outcome::Verified: return "verified";
    case Outcome::ChangedWithoutAck: return "changed without acknowledgement";
    case Outcome::Unchanged: return "unchanged";
    case Outcome::WouldChange: return "would change";
    case Outcome::NotFound: return "not found";
    case Outcome::Refused: return "refused";
    case Outcome::NotAcknowledged: return "not acknowledged";
    case Outcome::Different: return "acknowledged but different";
    case Outcome::AckedNotSeen: return "acknowledged, not seen again";
    case Outcome::NotSent: return "not sent";
    case Outcome::Unknown: return "sent, not verified";
  }
  return "";
}

int ExitStatus(Outcome outcome) {
  switch (outcome) {
    case Outcome::NotFound: return 2;
    case Outcome::NotAcknowledged: return 3;
    case Outcome::Different: return 4;
    case Outcome::Refused: return 5;
    case Outcome::AckedNotSeen: return 7;
    default: return 0;
  }
}

namespace {

// The devices that answered one search, by MAC; a MAC that two different replies carry
// names no one device.
struct Found {
  std::map<link::Mac, std::vector<Answer>> byMac;
  const Answer* One(const link::Mac& mac) const {
    const auto it = byMac.find(mac);
    return it != byMac.end() && it->second.size() == 1 ? &it->second.front() : nullptr;
  }
};

// One search, ended early once every one of these devices has answered (unless all: the
// whole wait, for the checks that look at every device).
Found SearchFor(Session& session, const std::vector<link::Mac>& macs, int waitMs, bool all) {
  Found found;
  session.Search(waitMs, [&](const Answer& a) {
    if (Usable(a)) found.byMac[a.record->mac].push_back(a);
    return !all && std::all_of(macs.begin(), macs.end(), [&](const link::Mac& m) { return found.byMac.count(m) > 0; });
  });
  return found;
}

bool Fixed(const link::SettingsRecord& r) { return r.addressMode != 0 && r.ip != link::Ipv4{}; }

}  // namespace

bool Run(Session& session, std::vector<Job>& jobs, const RunOptions& o) {
  const auto finish = [&](Job& job, Outcome outcome, std::string detail = {}) {
    job.outcome = outcome;
    if (!detail.empty()) job.detail = std::move(detail);
    if (o.done) o.done(job);
  };
  std::vector<link::Mac> macs;
  bool all = false;
  for (const Job& j : jobs) {
    macs.push_back(j.mac);
    all = all || (j.changes.SetsAddress() && !o.force);
  }
  const Found found = SearchFor(session, macs, o.searchMs, all);

  struct Planned {
    Job* job;
    const Answer* device;
    link::SettingsRecord wanted;
  };
  std::vector<Planned> plan;
  for (Job& job : jobs) {
    if (!job.refusal.empty()) {
      finish(job, Outcome::Refused, job.refusal);
      continue;
    }
    if (Interrupted()) {
      finish(job, Outcome::NotSent);
      continue;
    }
    const auto copies = found.byMac.find(job.mac);
    if (copies == found.byMac.end()) {
      finish(job, Outcome::NotFound);
      continue;
    }
    const Answer* device = found.One(job.mac);
    if (!device) {
      finish(job, Outcome::Refused,
             std::to_string(copies->second.size()) + " access points answer with this MAC and different settings");
      continue;
    }
    std::string why;
    const auto wanted = Apply(job.changes, *device->record, o.force, &why);
    if (!wanted) {
      finish(job, Outcome::Refused, why);
      continue;
    }
    job.warning = ReadOnlyDifference(job.changes, *device->record);
    job.changes = Effective(job.changes, *device->record);  // what the conflict check judges
    job.shown = DescribeChanges(*device->record, *wanted, o.showSecrets);
    if (Differences(*device->record, *wanted).empty()) {
      finish(job, Outcome::Unchanged);
      continue;
    }
    plan.push_back({&job, device, *wanted});
  }

  // One fixed address for two devices: those given one here, against every other device
  // as it will be (given one here too, or as it answered).
  if (!o.force) {
    // Every device that answered, devices that share a MAC included.
    std::vector<std::pair<link::Mac, link::SettingsRecord>> after;
    for (const auto& [answered, copies] : found.byMac) {
      const link::Mac& mac = answered;  // clang before 16 cannot capture a structured binding
      const bool planned = std::any_of(plan.begin(), plan.end(), [&](const Planned& p) { return p.job->mac == mac; });
      for (const Answer& a : copies)
        if (!planned) after.emplace_back(mac, *a.record);
    }
    for (const Planned& p : plan) after.emplace_back(p.job->mac, p.wanted);
    bool conflict = false;
    for (Planned& p : plan) {
      if (!p.job->changes.SetsAddress() || !Fixed(p.wanted)) continue;
      for (const auto& [mac, other] : after) {
        if (mac == p.job->mac || !Fixed(other) || other.ip != p.wanted.ip) continue;
        p.job->detail = "ip " + link::FormatIpv4(p.wanted.ip) + ": " + link::FormatMac(mac) +
                        " has this address too (--force sends it anyway)";
        conflict = true;
        break;
      }
    }
    if (conflict) {
      for (auto it = plan.begin(); it != plan.end();) {
        if (!it->job->detail.empty()) {
          finish(*it->job, Outcome::Refused);
          it = plan.erase(it);
        } else {
          ++it;
        }
      }
      if (o.conflictRefusesAll) {
        for (Planned& p : plan) finish(*p.job, Outcome::NotSent, "the file was refused");
        return false;
      }
    }
  }

  if (o.dryRun) {
    for (Planned& p : plan) finish(*p.job, Outcome::WouldChange);
    return true;
  }

  // Every message at once; then acknowledgements as they come, and searches for the devices
  // not yet seen with their new values, until each is decided or its own time is over.
  struct Sent {
    Planned plan;
    link::Bytes message;
    std::vector<QHostAddress> from;  // where its acknowledgement may come from
    qint64 ackBy = 0, applyBy = 0;   // ms on the run's clock
    bool verified = false;
    std::vector<std::string> differences;  // as last seen; none: not seen since it was sent
  };
  QElapsedTimer clock;
  clock.start();
  std::vector<Sent> sent;
  const auto post = [&](Sent& s) {
    session.Post(s.message);
    ++s.plan.job->sends;
    s.ackBy = clock.elapsed() + o.ackMs;
    s.applyBy = s.ackBy + o.applyMs;
  };
  for (Planned& p : plan) {
    if (Interrupted()) {
      finish(*p.job, Outcome::NotSent);
      continue;
    }
    if (sent.empty() && o.sending) o.sending();
    Sent s{p, link::EncodeSettingsMessage(p.wanted, p.device->bytes), {}, 0, 0, false, {}};
    if (!p.device->from.isNull() && p.device->from != QHostAddress::AnyIPv4)  // some systems do not tell
      s.from = {p.device->from, QHostAddress(AddressValue(p.wanted.ip))};
    post(s);
    p.job->sent = true;
    sent.push_back(std::move(s));
  }

  // An acknowledgement names no device: its source address tells which one sent it where only
  // one device was sent a message from that address. Otherwise (devices on one factory
  // address) it goes to a pool for that address, and a device of the pool that the search
  // shows with its new values takes one.
  QHash<QHostAddress, int> pool;
  const auto pooled = [&](const Sent& s) -> std::vector<QHostAddress> {
    return s.from.empty() ? std::vector<QHostAddress>{QHostAddress()} : s.from;
  };
  const auto take = [&](Sent& s) {
    if (s.plan.job->acknowledged) return true;
    for (const QHostAddress& a : pooled(s))
      if (pool[a] > 0) {
        --pool[a];
        return s.plan.job->acknowledged = true;
      }
    return false;
  };
  const auto mayBeAcknowledged = [&](const Sent& s) {
    const auto addresses = pooled(s);
    return s.plan.job->acknowledged ||
           std::any_of(addresses.begin(), addresses.end(), [&](const QHostAddress& a) { return pool.value(a) > 0; });
  };
  std::vector<Sent*> open;
  open.reserve(sent.size());
  for (Sent& s : sent) open.push_back(&s);
  // Acknowledgements count whenever they came, searches included; those of a device already
  // decided change nothing, so that its report agrees with its outcome.
  const auto count = [&] {
    for (const auto& [source, at] : session.TakeAcknowledgements()) {
      const qint64 came = at - clock.msecsSinceReference();
      std::vector<Sent*> from;
      for (Sent* s : open)
        if (std::find(s->from.begin(), s->from.end(), source) != s->from.end()) from.push_back(s);
      if (from.size() == 1 && !from.front()->plan.job->acknowledged) {
        from.front()->plan.job->acknowledged = true;
        from.front()->applyBy = std::min(from.front()->applyBy, came + o.applyMs);
      } else {
        ++pool[from.empty() ? QHostAddress() : source];
      }
    }
  };
  Tally tally, shown;
  tally.total = static_cast<int>(jobs.size());
  const auto decide = [&](Sent& s, Outcome outcome, std::string detail = {}) {
    finish(*s.plan.job, outcome, std::move(detail));
    ++tally.done;
  };
  for (const Job& job : jobs) tally.done += job.sent ? 0 : 1;
  tally.sent = static_cast<int>(sent.size());
  qint64 lastSearch = -1000000;
  while (!open.empty() && !Interrupted()) {
    count();
    // Search while some device has not shown its new values, at most twice a second.
    std::vector<link::Mac> unseen;
    for (const Sent* s : open)
      if (!s->verified) unseen.push_back(s->plan.job->mac);
    if (!unseen.empty() && clock.elapsed() - lastSearch >= 500) {
      const Found now = SearchFor(session, unseen, o.searchMs, false);
      lastSearch = clock.elapsed();
      for (Sent* s : open) {
        const Answer* reported = now.One(s->plan.job->mac);
        if (s->verified || !reported) continue;
        s->differences = Differences(s->plan.wanted, *reported->record);
        s->verified = s->differences.empty();
      }
      count();
    }
    const qint64 t = clock.elapsed();
    for (auto it = open.begin(); it != open.end();) {
      Sent& s = **it;
      bool decided = true;
      if (s.verified && (take(s) || t >= s.ackBy)) {
        decide(s, s.plan.job->acknowledged ? Outcome::Verified : Outcome::ChangedWithoutAck);
      } else if (!s.verified && t >= s.ackBy && s.plan.job->sends <= o.retries && !mayBeAcknowledged(s)) {
        post(s);  // lost on the way there or back: the same bytes again
        decided = false;
      } else if (!s.verified && t >= s.applyBy) {
        const bool acknowledged = take(s);
        if (s.differences.empty())
          decide(s, acknowledged ? Outcome::AckedNotSeen : Outcome::NotAcknowledged, "not found again");
        else
          decide(s, acknowledged ? Outcome::Different : Outcome::NotAcknowledged, Join(s.differences, ", "));
      } else {
        decided = false;
      }
      it = decided ? open.erase(it) : it + 1;
    }
    tally.acknowledged = tally.verified = 0;
    for (const Sent& s : sent) {
      tally.acknowledged += s.plan.job->acknowledged ? 1 : 0;
      tally.verified += s.verified ? 1 : 0;
    }
    if (o.progress && !open.empty() && !(tally == shown)) o.progress(shown = tally);
    if (!open.empty()) session.WaitForAcknowledgement(50);
  }
  // Interrupted: what the searches showed still counts.
  count();
  for (Sent* s : open)
    decide(*s, !s->verified ? Outcome::Unknown : take(*s) ? Outcome::Verified : Outcome::ChangedWithoutAck);
  return true;
}

}  // namespace trx::ctl
