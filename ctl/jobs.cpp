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
    case Outcome::NotFound: return "not found";
    case Outcome::Refused: return "refused";
    case Outcome::NotAcknowledged: return "not acknowledged";
    case Outcome::Different: return "acknowledged but different";
  }
  return "";
}

int ExitStatus(Outcome outcome) {
  switch (outcome) {
    case Outcome::Verified: return 0;
    case Outcome::Refused: return 1;
    case Outcome::NotFound: return 2;
    case Outcome::NotAcknowledged: return 3;
    case Outcome::Different: return 4;
  }
  return 1;
}

namespace {

// One search, ended early once every one of these devices has answered: their records by MAC.
std::map<link::Mac, link::SettingsRecord> SearchFor(Session& session, const std::vector<link::Mac>& macs) {
  std::map<link::Mac, link::SettingsRecord> found;
  session.Search(3000, [&](const Answer& a) {
    if (a.outcome == link::ReplyOutcome::Listed && a.record) found.emplace(a.record->mac, *a.record);
    return std::all_of(macs.begin(), macs.end(), [&](const link::Mac& m) { return found.count(m) > 0; });
  });
  return found;
}

}  // namespace

void Run(Session& session, std::vector<Job>& jobs, int applyMs, bool dryRun, const std::function<void(const Job&)>& done) {
  std::vector<link::Mac> macs;
  for (const Job& j : jobs) macs.push_back(j.mac);
  const auto found = SearchFor(session, macs);

  std::vector<std::pair<Job*, link::SettingsRecord>> sent;
  for (Job& job : jobs) {
    const auto device = found.find(job.mac);
    if (device == found.end()) {
      job.outcome = Outcome::NotFound;
      done(job);
      continue;
    }
    const auto wanted = Apply(job.changes, device->second, &job.detail);
    if (!wanted) {
      job.outcome = Outcome::Refused;
      done(job);
      continue;
    }
    if (dryRun) {
      job.dryRun = DescribeChanges(device->second, *wanted);
      job.outcome = Outcome::Verified;
      done(job);
      continue;
    }
    // Acknowledgements name no device: one message at a time, each with its own wait.
    if (!session.Send(*wanted, 3000)) {
      job.outcome = Outcome::NotAcknowledged;
      done(job);
      continue;
    }
    sent.emplace_back(&job, *wanted);
  }

  // Proof, for all of them together: search until each reports what it was sent.
  QElapsedTimer clock;
  clock.start();
  std::map<link::Mac, std::vector<std::string>> differences;
  while (!sent.empty()) {
    macs.clear();
    for (const auto& [job, wanted] : sent) macs.push_back(job->mac);
    const auto now = SearchFor(session, macs);
    for (auto it = sent.begin(); it != sent.end();) {
      const auto reported = now.find(it->first->mac);
      if (reported != now.end()) differences[it->first->mac] = Differences(it->second, reported->second);
      if (reported != now.end() && differences[it->first->mac].empty()) {
        it->first->outcome = Outcome::Verified;
        done(*it->first);
        it = sent.erase(it);
      } else {
        ++it;
      }
    }
    if (sent.empty() || clock.elapsed() >= applyMs) break;
    QThread::msleep(500);
  }
  for (const auto& [job, wanted] : sent) {
    job->outcome = Outcome::Different;
    std::string names;
    for (const std::string& n : differences[job->mac]) names += (names.empty() ? "" : ", ") + n;
    job->detail = names.empty() ? "not found again" : names;
    done(*job);
  }
}

}  // namespace trx::ctl
