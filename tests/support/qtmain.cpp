// Test main for everything that needs Qt's event loop: an offscreen application, and a
// refusal to run where a broadcast could leave the machine.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "app/startup.h"
#include "tools/netns/guard.h"

int main(int argc, char** argv) {
  if (!trx::tools::InPrivateNetworkNamespace()) {
    std::fprintf(stderr,
                 "These tests open UDP sockets and broadcast: run them in a private network namespace "
                 "(tools/netns-run, as ctest does).\n");
    return 1;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  trx::app::ApplyApplicationLook();  // as start-up does: tests make their forms directly
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
