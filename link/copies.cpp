#include "link/copies.h"

namespace trx::link {

std::optional<std::size_t> ReplyCopies::CopyOf(ByteView reply) {
  const auto [at, added] = seen_.try_emplace(std::string(reply.begin(), reply.end()), seen_.size());
  if (added) return std::nullopt;
  return at->second;
}

}  // namespace trx::link
