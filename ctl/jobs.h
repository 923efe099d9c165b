#pragma once
// Settings for several access points at once: one search for all of them, each message
// sent and acknowledged in turn, then searches until each reports what it was sent or the
// apply time is over. A device that fails never holds up the others.
#include <functional>
#include <string>
#include <vector>

#include "ctl/edit.h"
#include "ctl/session.h"

namespace trx::ctl {

enum class Outcome { Verified, NotFound, Refused, NotAcknowledged, Different };
const char* OutcomeText(Outcome outcome);  // "verified", "not found", ...
int ExitStatus(Outcome outcome);           // 0, 2, 1, 3, 4

struct Job {
  link::Mac mac{};
  Changes changes;
  int line = 0;  // in the file it came from, for the report
  // Filled in as the run goes:
  Outcome outcome = Outcome::NotFound;
  std::string detail;  // the refusal, or the fields that differ
  std::vector<std::string> dryRun;
};

// Runs the jobs; done(job) is called once per job as soon as its outcome is known.
// dryRun: only finds each device and fills job.dryRun with the changes.
void Run(Session& session, std::vector<Job>& jobs, int applyMs, bool dryRun, const std::function<void(const Job&)>& done);

}  // namespace trx::ctl
