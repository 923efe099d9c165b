#include "fakenetwork.h"

#include <algorithm>
#include <csignal>

namespace trx::ctl {

namespace {
constexpr qint64 kLatencyMs = 3;
}

void FakeNetwork::Schedule(qint64 delay, link::Bytes bytes, const QHostAddress& from) {
  pending_.emplace(now_ + delay, Pending{std::move(bytes), from});
}

bool FakeNetwork::Lost() {
  random_ = random_ * 1103515245u + 12345u;
  return lossPercent > 0 && static_cast<int>((random_ >> 16) % 100) < lossPercent;
}

void FakeNetwork::Send(const QHostAddress& to, link::ByteView datagram) {
  sent.push_back({to, link::Bytes(datagram.begin(), datagram.end())});
  Schedule(0, sent.back().bytes, self);  // a broadcast is heard by its sender too
  if (link::HasHeader(datagram, link::kSearchRequest)) {
    for (FakeDevice& d : devices) {
      if (now_ < d.silentUntil || d.mimic || Lost()) continue;
      const bool old = d.flaps && d.before.mac == d.record.mac && d.answered++ % 2 == 1;
      for (int copy = 0; copy < (d.duplicates ? 2 : 1); ++copy)
        if (!Lost()) Schedule(kLatencyMs + d.replyDelayMs, link::EncodeReply(old ? d.before : d.record), d.address);
    }
  } else if (const auto r = link::DecodeSettingsMessage(datagram)) {
    if (interruptAfterMs >= 0 && interruptAt_ < 0) interruptAt_ = now_ + interruptAfterMs;
    for (FakeDevice& d : devices)
      if (d.record.mac == r->mac && now_ >= d.silentUntil && !Lost()) Take(d, *r);
  }
}

void FakeNetwork::Take(FakeDevice& d, const link::SettingsRecord& r) {
  if (d.mimic) {  // answers from now on, as the message's unit at the message's address
    d.mimic = false;
    d.record = r;
    d.address = QHostAddress(QString::fromStdString(link::FormatIpv4(r.ip)));
    return;
  }
  if (d.acknowledges && d.lostAcks > 0)
    --d.lostAcks;
  else if (d.acknowledges && !Lost())
    Schedule(kLatencyMs + d.ackDelayMs, link::Acknowledgement(), d.ackFrom.isNull() ? d.address : d.ackFrom);
  if (d.keepsOld) return;
  // What a device keeps of its own whatever it is sent.
  d.next = r;
  d.next.firmware = d.record.firmware;
  d.next.domain = d.record.domain;
  d.applyAt = now_ + d.applyMs;
  if (d.restarts) d.silentUntil = d.applyAt;
}

void FakeNetwork::Tick() {
  for (FakeDevice& d : devices)
    if (d.applyAt >= 0 && now_ >= d.applyAt) {
      d.before = d.record;
      if (d.next.addressMode != 0 && d.next.ip != d.record.ip)  // it answers from its new address
        d.address = QHostAddress(QString::fromStdString(link::FormatIpv4(d.next.ip)));
      d.record = d.next;
      d.applyAt = -1;
    }
  while (!pending_.empty() && pending_.begin()->first <= now_) {
    const Pending p = pending_.begin()->second;
    pending_.erase(pending_.begin());
    Deliver(p.bytes, p.from, "eth0");
  }
  if (interruptAt_ >= 0 && now_ >= interruptAt_) {
    interruptAt_ = -1;
    interruptAfterMs = -1;
    std::raise(SIGINT);  // as the user's Ctrl-C, through the program's own handler
  }
}

void FakeNetwork::RunUntil(int ms, const std::function<bool()>& done) {
  const qint64 end = now_ + ms;
  for (;;) {
    now_ = std::min(now_ + 10, end);
    Tick();
    if (now_ >= end || done()) return;
  }
}

std::vector<link::Bytes> FakeNetwork::SettingsSent() const {
  std::vector<link::Bytes> all;
  for (const Sent& s : sent)
    if (link::HasHeader(s.bytes, link::kSettingsHeader)) all.push_back(s.bytes);
  return all;
}

}  // namespace trx::ctl
