#pragma once
// Settings for several access points at once: one search for all of them, every message
// sent without waiting, then acknowledgements taken as they come and searches until each
// reports what it was sent or its time is over. A slow or silent device holds up no other.
// A unit is known by all its answers: every reply that carries its MAC is weighed, and only
// the unit's own address speaks for it afterwards.
#include <functional>
#include <string>
#include <vector>

#include "ctl/edit.h"
#include "ctl/session.h"

namespace trx::ctl {

enum class Outcome {
  Verified,           // acknowledged, and reports what it was sent
  ChangedWithoutAck,  // no acknowledgement came, but it reports what it was sent
  Unchanged,          // it already had every value named: nothing sent
  WouldChange,        // a dry run
  NotFound,
  Refused,          // its values were refused here: nothing sent to it
  NotAcknowledged,  // no acknowledgement, and it does not report the new values
  Different,        // acknowledged, but it reports other values
  AckedNotSeen,     // acknowledged, but it did not answer a search again before its apply time ran out
  NotSent,          // interrupted before it was sent
  Unknown,          // interrupted after it was sent, before it was verified
  ChangedByOther,   // another sender's settings message for it came during the run
  Unattributable,   // it reports what it was sent; acknowledgements from its address cannot be told apart
  Contradicted,     // its answers disagree: a second device with its MAC, or other values after the new ones
};
const char* OutcomeText(Outcome outcome);  // "verified", "not found", ...
// 0 for the outcomes that leave the device as asked (and for those of an interrupted run,
// whose status is the signal's); else 2 not found, 3 not acknowledged, 4 different, 5 refused,
// 7 acknowledged but not seen again, 8 changed by another sender, 9 contradicted.
int ExitStatus(Outcome outcome);

struct Job {
  link::Mac mac{};
  Changes changes;
  int line = 0;         // in the file it came from, for the report
  std::string refusal;  // why it was refused as read, before any search
  // Filled in as the run goes:
  Outcome outcome = Outcome::NotFound;
  std::string detail;              // the refusal, or the fields that differ
  std::vector<std::string> shown;  // the changes, field by field
  std::string warning;             // a read-only value that differs from the device's
  bool sent = false, acknowledged = false;
  int sends = 0;  // settings messages sent: the first and its repeats
};

// Where a run stands, for the progress line.
struct Tally {
  int total = 0, done = 0, sent = 0, acknowledged = 0, verified = 0;  // verified: showing the new values
  bool operator==(const Tally&) const = default;
};

struct RunOptions {
  int searchMs = 3000, ackMs = 3000, applyMs = 60000;
  int retries = 4;  // sends of the same message again, to a device that neither acknowledged nor shows it
  bool dryRun = false;
  bool force = false;        // send addresses that look wrong or are another device's
  bool showSecrets = false;  // pass phrases and keys in the changes shown
  // Two devices given one fixed address refuse the whole run (nothing is sent) rather than
  // only the devices concerned.
  bool conflictRefusesAll = false;
  std::function<void(const Job&)> done;        // once per job, as soon as its outcome is known
  std::function<void(const Tally&)> progress;  // whenever the tally changes after the first send
  std::function<void()> sending;               // once, before the first settings message goes out
};

// Runs the jobs. False when nothing was sent because of an address conflict (conflictRefusesAll).
bool Run(Session& session, std::vector<Job>& jobs, const RunOptions& options);

// Why these replies, all with one MAC, name no one unit (empty when they are one reply):
// "2 access points answer with this MAC and different settings (from A and B)"; a few
// addresses named, however many answered.
std::string Twins(const std::vector<const Answer*>& replies);
// Why no unit is written after a search that left replies out (see kMostReplies).
std::string FloodedText();

// A job that can go out: the unit as the first search showed it, and what it is to hold.
struct Planned {
  Job* job = nullptr;
  Answer device;
  link::SettingsRecord wanted;
};
// Sends every planned message and follows each unit until it is decided (jobs.cpp is the
// planning, sending.cpp this).
void SendAndVerify(Session& session, std::vector<Planned>& plan, std::vector<Job>& jobs, const RunOptions& o);
// Sets the outcome and tells options.done.
void Decide(Job& job, Outcome outcome, const RunOptions& o, std::string detail = {});

}  // namespace trx::ctl
