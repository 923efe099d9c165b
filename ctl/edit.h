#pragma once
// What `set` changes in an access point's settings: read-modify-write over the record the
// device reported, with the wizard's checks and messages, and the comparison that verifies
// the device took it.
#include <optional>
#include <string>
#include <vector>

#include "link/messages.h"

namespace trx::ctl {

struct Changes {
  std::optional<std::string> host, essid, passphrase, key, ip, mask, gateway;  // UTF-8
  std::optional<int> channel;  // the channel number, as listed for the device's domain
  std::optional<bool> dhcp;
  std::optional<int> wepSize;  // 0 off, 1 to 3: 64, 128, 256 bits
  bool Empty() const;
};

// The record to send; on a refusal, nothing, and *error says why (the wizard's message
// where the wizard has one).
std::optional<link::SettingsRecord> Apply(const Changes& changes, const link::SettingsRecord& device, std::string* error);

// Field names whose values differ between what was sent and what the device reports.
std::vector<std::string> Differences(const link::SettingsRecord& sent, const link::SettingsRecord& reported);

// One line per changed field: "essid: office-2 -> lobby".
std::vector<std::string> DescribeChanges(const link::SettingsRecord& before, const link::SettingsRecord& after);

// Device text (single-byte code page) as UTF-8, and back; nothing when a character cannot be stored.
std::string Utf8FromDevice(const std::string& bytes);
std::optional<std::string> DeviceFromUtf8(const std::string& utf8);

// The channel number a record's channel byte stands for in its domain, if any.
std::optional<int> ChannelNumber(const link::SettingsRecord& record);
// "off", "64", "128", "256", or "?" when unreadable.
std::string WepText(const link::SettingsRecord& record);

}  // namespace trx::ctl
