#pragma once
// The test mains' refusal to run where a broadcast could leave the machine.
#include <cstdio>

#include "tools/netns/guard.h"

namespace trx::tests {

inline bool InPrivateNamespaceOrSaid() {
  if (trx::tools::InPrivateNetworkNamespace()) return true;
  std::fprintf(stderr,
               "These tests open UDP sockets and broadcast: run them in a private network namespace "
               "(tools/netns-run, as ctest does).\n");
  return false;
}

}  // namespace trx::tests
