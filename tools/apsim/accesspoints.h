#pragma once
// The simulated access points: made up, or read from a small settings file.
#include <QString>
#include <vector>

#include "link/messages.h"

namespace trx::apsim {

// N access points that differ in every setting the utility shows: MAC, host name, domain,
// channel, WEP (off, 64, 128, 256 bits, keys from a pass phrase) and address mode.
std::vector<link::SettingsRecord> MakeAccessPoints(int count);

// Reads access points from a settings file: one "[ap]" section each, with lines
// key = value for mac, host, firmware, domain, channel, essid, passphrase, wep (off, 64,
// 128, 256), dhcp (yes, no), ip, mask, gateway, and keys64, keys128, keys256 (four keys of
// hexadecimal digits each, after any pass phrase). Missing keys take the made-up values.
// On a fault, error says where.
std::vector<link::SettingsRecord> LoadAccessPoints(const QString& path, QString* error);

// Writes access points in the settings file's form, every key set included, so that a later
// LoadAccessPoints gives the same records back.
bool SaveAccessPoints(const QString& path, const std::vector<link::SettingsRecord>& aps, QString* error);

// Applies a settings message to the access point it names; the domain code of a settings
// message is mapped back to the code replies use.
void ApplySettings(link::SettingsRecord& ap, const link::SettingsRecord& settings);

// The WEP key sets of a record made from its pass phrase and key size.
void MakeKeys(link::SettingsRecord& ap);

}  // namespace trx::apsim
