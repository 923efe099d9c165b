#pragma once
// What the receiving side has taken for the form's controls but not yet written into them. A
// burst of replies is read one by one; the controls follow once per turn of the event loop,
// from the chosen access point's record as the burst left it.
#include <QStringList>

#include "link/reading.h"

namespace trx::wizard {

struct ShownReply {
  bool settings = false;  // the chosen access point's record is new: the controls show it anew
  QStringList listed;     // list texts to append to ap_list

  // Why a reply was not listed.
  using Outcome = link::ReplyOutcome;
};

}  // namespace trx::wizard
