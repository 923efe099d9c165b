// Test main for everything that needs Qt's event loop: an offscreen application, and a
// refusal to run where a broadcast could leave the machine.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/startup.h"
#include "tests/support/inprivatenamespace.h"

int main(int argc, char** argv) {
  if (!trx::tests::InPrivateNamespaceOrSaid()) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  trx::app::ApplyApplicationLook();  // as start-up does: tests make their forms directly
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
