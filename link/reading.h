#pragma once
// How the utility reads the coded bytes of a discovery reply: the device writes some of them
// as hexadecimal digits that are then read back as decimal text. One reading for the wizard
// and the command line.
#include <cstdint>
#include <optional>
#include <string>

#include "link/messages.h"

namespace trx::link {

// A code byte as text: upper-case hexadecimal without leading zeros ("0", "A", "1F").
std::string HexCode(std::uint8_t byte);

// The channel byte: its position in the domain's channel list, counted from 1. "A" to "E"
// stand for 10 to 14; any other text must read as a decimal number, else it is unreadable.
std::optional<int> ReadChannel(std::uint8_t code);

// The default key byte as a number (0 to 3 mark a key; others mark none); unreadable when its
// hexadecimal text is no decimal number.
std::optional<int> ReadDefaultKey(std::uint8_t code);

// The WEP state: 0 off, 1 to 3 the key size code (64, 128, 256 bits); nothing when the
// state or the size cannot be read.
std::optional<int> ReadWepSize(std::uint8_t wepOn, std::uint8_t keySize);

// Key k (0 to 3) of the record's WEP size as hexadecimal digits: of the 64-bit set while WEP
// is off or its size cannot be read.
std::string KeyText(const SettingsRecord& record, std::size_t k);

// "off", "64", "128", "256", or "?" when unreadable.
std::string WepText(const SettingsRecord& record);

// The channel number a record's channel byte stands for in its domain, if any.
std::optional<int> ChannelNumber(const SettingsRecord& record);

// Whether the record says that the device takes its address by DHCP.
bool UsesDhcp(const SettingsRecord& record);

// Whether a discovery reply can be used, and if not, why: checked in this order.
enum class ReplyOutcome { Listed, Short, RefusedDomain, UnreadableChannel, UnreadableDefaultKey };
ReplyOutcome CheckReply(ByteView datagram);
const char* Reason(ReplyOutcome outcome);  // "listed", "refused: domain code 0", ...

// The channel number shown for a list position, or nothing when the domain has no such entry.
std::optional<int> ChannelAt(const Domain& domain, int position);

}  // namespace trx::link
