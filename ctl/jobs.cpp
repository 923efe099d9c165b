#include "ctl/jobs.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

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
    case Outcome::ChangedByOther: return "changed by another sender";
    case Outcome::Unattributable: return "changed, acknowledgement not attributable";
    case Outcome::Contradicted: return "contradicted";
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
    case Outcome::ChangedByOther: return 8;
    case Outcome::Contradicted: return 9;
    default: return 0;
  }
}

void Decide(Job& job, Outcome outcome, const RunOptions& o, std::string detail) {
  job.outcome = outcome;
  if (!detail.empty()) job.detail = std::move(detail);
  if (o.done) o.done(job);
}

std::string FloodedText() {
  return "more than " + std::to_string(kMostReplies) +
         " different replies came to the search, so not every answer of this unit was weighed";
}

std::string Twins(const std::vector<const Answer*>& replies) {
  if (replies.size() < 2) return {};
  constexpr std::size_t kNamed = 3;  // so that a flood of them makes a short line
  std::vector<std::string> from;
  std::set<std::string> addresses;
  bool sameSettings = true;
  const link::ByteView first = link::SettingsBytes(replies.front()->bytes);
  for (const Answer* a : replies) {
    const std::string address = AddressText(a->from);
    addresses.insert(address);
    if (from.size() < kNamed) from.push_back(address);
    const link::ByteView mine = link::SettingsBytes(a->bytes);
    sameSettings = sameSettings && std::equal(mine.begin(), mine.end(), first.begin(), first.end());
  }
  if (replies.size() > kNamed) from.push_back(std::to_string(replies.size() - kNamed) + " more");
  const std::string n = std::to_string(replies.size());
  if (addresses.size() == 1 && Known(replies.front()->from))
    return n + " different answers carry this MAC, all from " + from.front() +
           " (a unit that changes between answers, or more than one device at that address)";
  return n + " access points answer with this MAC" + (sameSettings ? "" : " and different settings") + " (from " +
         Join(from, " and ") + ")";
}

namespace {

// The devices that answered one search, by MAC.
using Found = std::map<link::Mac, std::vector<const Answer*>>;

bool Fixed(const link::SettingsRecord& r) { return r.addressMode != 0 && r.ip != link::Ipv4{}; }

// The plan less the jobs whose fixed address another device has or will have: those given
// one here, against every other device as it will be (given one here too, or as it
// answered). True when there was such a conflict.
bool RefuseAddressConflicts(const Found& found, std::vector<Planned>& plan, const RunOptions& o) {
  // Each device by reference: a search may have kept many.
  std::vector<std::pair<link::Mac, const link::SettingsRecord*>> after;  // devices that share a MAC included
  std::set<link::Mac> planned;
  for (const Planned& p : plan) planned.insert(p.job->mac);
  for (const auto& [mac, copies] : found)
    if (planned.count(mac) == 0)
      for (const Answer* a : copies) after.emplace_back(mac, &*a->record);
  for (const Planned& p : plan) after.emplace_back(p.job->mac, &p.wanted);
  bool conflict = false;
  for (Planned& p : plan) {
    if (!p.job->changes.SetsAddress() || !Fixed(p.wanted)) continue;
    for (const auto& [mac, other] : after) {
      if (mac == p.job->mac || !Fixed(*other) || other->ip != p.wanted.ip) continue;
      p.job->detail = "ip " + link::FormatIpv4(p.wanted.ip) + ": " + link::FormatMac(mac) +
                      " has this address too (--force sends it anyway)";
      conflict = true;
      break;
    }
  }
  for (auto it = plan.begin(); it != plan.end();) {
    if (!it->job->detail.empty()) {
      Decide(*it->job, Outcome::Refused, o);
      it = plan.erase(it);
    } else {
      ++it;
    }
  }
  return conflict;
}

// One search for every device named, for the whole wait: a twin that answers late is weighed
// too, and every device in the conflict check. Requests go faster while some have not answered.
std::vector<Answer> SearchNamed(Session& session, const std::vector<Job>& jobs, const RunOptions& o) {
  std::map<link::Mac, bool> named;
  for (const Job& j : jobs) named[j.mac] = false;
  std::size_t missing = named.size();
  return session.Search(o.searchMs, [&](const Answer& a) {
    if (!Usable(a)) return false;
    const auto it = named.find(a.record->mac);
    if (it != named.end() && !it->second) {
      it->second = true;
      --missing;
    }
    return missing == 0;
  });
}

// What the job is to send, or nothing when its outcome is decided here. flooded: a twin, or
// the unit itself, may be among the replies a flood made the search leave out.
std::optional<Planned> Plan(Job& job, const Found& found, bool flooded, bool interrupted, const RunOptions& o) {
  if (!job.refusal.empty()) {
    Decide(job, Outcome::Refused, o, job.refusal);
    return std::nullopt;
  }
  if (interrupted) {
    Decide(job, Outcome::NotSent, o);
    return std::nullopt;
  }
  if (flooded) {
    Decide(job, Outcome::Refused, o, FloodedText());
    return std::nullopt;
  }
  const auto copies = found.find(job.mac);
  if (copies == found.end()) {
    Decide(job, Outcome::NotFound, o);
    return std::nullopt;
  }
  if (const std::string twins = Twins(copies->second); !twins.empty()) {
    Decide(job, Outcome::Refused, o, twins);
    return std::nullopt;
  }
  const Answer& device = *copies->second.front();
  std::string why;
  const auto wanted = Apply(job.changes, *device.record, o.force, &why);
  if (!wanted) {
    Decide(job, Outcome::Refused, o, why);
    return std::nullopt;
  }
  job.warning = ReadOnlyDifference(job.changes, *device.record);
  job.changes = Effective(job.changes, *device.record);  // what the conflict check judges
  job.shown = DescribeChanges(*device.record, *wanted, o.showSecrets);
  if (Differences(*device.record, *wanted).empty()) {
    Decide(job, Outcome::Unchanged, o);
    return std::nullopt;
  }
  return Planned{&job, device, *wanted};
}

}  // namespace

bool Run(Session& session, std::vector<Job>& jobs, const RunOptions& o) {
  session.HearOtherSenders();
  const std::vector<Answer> answers = SearchNamed(session, jobs, o);
  Found found;
  for (const Answer& a : answers)
    if (Usable(a)) found[a.record->mac].push_back(&a);
  const bool flooded = session.LeftOut() > 0;
  std::vector<Planned> plan;
  for (Job& job : jobs)
    if (auto planned = Plan(job, found, flooded, session.Interrupted() != 0, o)) plan.push_back(std::move(*planned));

  if (!o.force && RefuseAddressConflicts(found, plan, o) && o.conflictRefusesAll) {
    for (Planned& p : plan) Decide(*p.job, Outcome::NotSent, o, "the file was refused");
    return false;
  }
  if (o.dryRun) {
    for (Planned& p : plan) Decide(*p.job, Outcome::WouldChange, o);
    return true;
  }
  SendAndVerify(session, plan, jobs, o);
  return true;
}

}  // namespace trx::ctl
