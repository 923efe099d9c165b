#pragma once
// Copies of one reply within one search. A search goes out on every adapter, so with two
// adapters on one network each access point answers each copy of the request, and each
// answer may arrive on both: the same bytes two to four times. The wizard and trx61ctl
// both list such a reply once. Replies that differ, even from one MAC, are all kept.
#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>

#include "link/messages.h"

namespace trx::link {

class ReplyCopies {
 public:
  // The number (from 0, in arrival order) of the earlier reply these bytes repeat exactly;
  // nothing when they are new, and they are then remembered as the next number.
  std::optional<std::size_t> CopyOf(ByteView reply);
  // A new search: every reply is new again.
  void Clear() { seen_.clear(); }

 private:
  std::unordered_map<std::string, std::size_t> seen_;
};

}  // namespace trx::link
