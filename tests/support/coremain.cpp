// Test main for code below the form that needs Qt's event loop but no window (the socket):
// a core application, and the same refusal to run where a broadcast could leave the machine.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QNetworkProxyFactory>

#include "tests/support/inprivatenamespace.h"

int main(int argc, char** argv) {
  if (!trx::tests::InPrivateNamespaceOrSaid()) return 1;
  QCoreApplication app(argc, argv);
  // The tests' sockets meet on their own namespace's loopback: no system proxy to ask (Qt asks
  // libproxy on a thread of its own, in order kept by futexes that ThreadSanitizer cannot see).
  QNetworkProxyFactory::setUseSystemConfiguration(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
