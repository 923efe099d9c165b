#pragma once
// Which answers are one unit's. A search goes out on every adapter, so a unit may answer one
// search several times with the same bytes, and each answer may arrive on more than one
// adapter: those are copies, one answer. Anything else that carries the same MAC, other
// settings or the same settings from another address, is a second device claiming that MAC
// (a twin, a clone, a forger), however alike it looks. The wizard and trx61ctl both judge
// answers by this one rule.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "link/messages.h"

namespace trx::link {

// The bytes of a reply that carry its settings: its record, or the whole reply when it is
// short. Two answers that agree in them say the same, whatever else they carry.
ByteView SettingsBytes(ByteView reply);

class UnitAnswers {
 public:
  struct Noted {
    bool copy = false;       // the same settings from the same address as an earlier answer
    std::size_t answer = 0;  // the answer's number (from 0, in order of first arrival)
    bool twinned = false;    // more than one different answer now carries its MAC
  };
  // Notes an answer: the MAC it carries, the address it came from (as text; empty when the
  // system does not tell) and its settings bytes (SettingsBytes).
  Noted Note(const Mac& mac, std::string_view from, ByteView settings);
  // The number of the earlier answer this one would be a copy of, noting nothing; -1 when new.
  // Lets a caller that keeps a bounded number of answers stop noting at its bound.
  std::ptrdiff_t Find(std::string_view from, ByteView settings) const;
  // Whether more than one different answer carries the MAC.
  bool Twinned(const Mac& mac) const;
  // The numbers of the different answers that carry the MAC, in order of arrival.
  const std::vector<std::size_t>& With(const Mac& mac) const;
  std::size_t Count() const { return seen_.size(); }
  // A new search: every answer is new again.
  void Clear();

 private:
  std::unordered_map<std::string, std::size_t> seen_;  // address, a zero byte, digests of the settings
  std::unordered_map<std::string, std::vector<std::size_t>> byMac_;
};

}  // namespace trx::link
