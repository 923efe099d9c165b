#pragma once
// The guard of the simulator and the tests: they broadcast, so they run only inside a
// private network namespace (tools/netns-run), never in the machine's own.
namespace trx::tools {

// True when this process's network namespace is not the one of process 1. Where that cannot
// be read, true only when no interface but loopback exists.
bool InPrivateNetworkNamespace();

}  // namespace trx::tools
