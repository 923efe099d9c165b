#pragma once
// What the receiving side has read for the form's controls but not yet written into them. A
// burst of replies is read one by one; the controls are brought to the state that the last
// one leaves them in once per turn of the event loop. Each item is what the last reply that
// reached it wrote; an item no reply reached since the last write is left alone.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "link/reading.h"

namespace trx::wizard {

struct ShownReply {
  struct Channels {
    QStringList items;
    QString placeholder;  // "Error" for an unknown domain
  };
  std::optional<QString> ip, mask, gateway, hostName, firmware, mac;
  std::optional<Channels> channels;  // writing the items also clears the selection
  std::optional<QString> domain, channelCaption;
  std::optional<int> channelIndex;
  std::optional<QString> essid, passphrase;
  std::optional<int> defaultKey;  // 0 to 3, or -1: no key marked
  std::optional<std::array<QString, 4>> keys, keyHints;
  std::optional<QString> wepCaption;
  std::optional<int> wepIndex, keyDigits;
  std::optional<bool> passphraseEnabled, dhcp;
  QStringList listed;  // list texts to append to ap_list

  // Why a reply was not listed.
  using Outcome = link::ReplyOutcome;
};

}  // namespace trx::wizard
