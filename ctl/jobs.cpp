#include "ctl/jobs.h"

#include <QElapsedTimer>
#include <QThread>
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
    if (a.outcome == link::ReplyOutcome::Listed && a.record) found.byMac[a.record->mac].push_back(a);
    return !all && std::all_of(macs.begin(), macs.end(), [&](const link::Mac& m) { return found.byMac.count(m) > 0; });
  });
  return found;
}

bool Fixed(const link::SettingsRecord& r) { return r.addressMode != 0 && r.ip != link::Ipv4{}; }

void Pause(int ms) {
  for (int waited = 0; waited < ms && !Interrupted(); waited += 20) QThread::msleep(20);
}

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
    std::map<link::Mac, link::SettingsRecord> after;
    for (const auto& [mac, copies] : found.byMac)
      if (copies.size() == 1) after[mac] = *copies.front().record;
    for (const Planned& p : plan) after[p.job->mac] = p.wanted;
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

  // Acknowledgements name no device: one message at a time, each with its own wait.
  std::vector<Planned> sent;
  for (Planned& p : plan) {
    if (Interrupted()) {
      finish(*p.job, Outcome::NotSent);
      continue;
    }
    std::vector<QHostAddress> from;
    if (!p.device->from.isNull() && p.device->from != QHostAddress::AnyIPv4)  // some systems do not tell
      from = {p.device->from, QHostAddress(AddressValue(p.wanted.ip))};
    p.job->acknowledged = session.Send(link::EncodeSettingsMessage(p.wanted, p.device->bytes), o.ackMs, from);
    p.job->sent = true;
    sent.push_back(p);
  }

  // Proof, for all of them together, acknowledged or not: search until each reports what it
  // was sent.
  QElapsedTimer clock;
  clock.start();
  std::map<link::Mac, std::vector<std::string>> differences;
  const int total = static_cast<int>(sent.size());
  while (!sent.empty() && !Interrupted()) {
    macs.clear();
    for (const Planned& p : sent) macs.push_back(p.job->mac);
    const Found now = SearchFor(session, macs, o.searchMs, false);
    for (auto it = sent.begin(); it != sent.end();) {
      const Answer* reported = now.One(it->job->mac);
      if (reported) differences[it->job->mac] = Differences(it->wanted, *reported->record);
      if (reported && differences[it->job->mac].empty()) {
        finish(*it->job, it->job->acknowledged ? Outcome::Verified : Outcome::ChangedWithoutAck);
        it = sent.erase(it);
      } else {
        ++it;
      }
    }
    const int left = static_cast<int>((o.applyMs - clock.elapsed() + 999) / 1000);
    if (o.progress && !sent.empty()) o.progress(total - static_cast<int>(sent.size()), static_cast<int>(sent.size()), std::max(left, 0));
    if (sent.empty() || clock.elapsed() >= o.applyMs) break;
    Pause(500);
  }
  for (Planned& p : sent) {
    if (Interrupted()) {
      finish(*p.job, Outcome::Unknown);
      continue;
    }
    std::string names = Join(differences[p.job->mac], ", ");
    if (names.empty()) names = "not found again";
    finish(*p.job, p.job->acknowledged ? Outcome::Different : Outcome::NotAcknowledged, names);
  }
  return true;
}

}  // namespace trx::ctl
