#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/startup.h"
#include "platform/platform.h"

int main(int argc, char* argv[]) {
  // Answered before any window system is needed: these work on a bare terminal too.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
      trx::platform::UseParentConsole();
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("TRX61 Utility %s, for the TRX61 ver. 2.2 wireless access point\n", TRX_VERSION);
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::printf(
          "Usage: trx61-utility [--version] [--help]\n"
          "Finds TRX61 ver. 2.2 wireless access points on every network adapter of this PC and\n"
          "changes their settings, in a window. It uses UDP port 27155: let it through the firewall.\n"
          "With TRX61_DEBUG=1 in the environment it reports its network traffic on standard error.\n");
      return 0;
    }
  }
  trx::platform::FontSetup fonts;  // beside the window system's start
  QApplication application(argc, argv);
  fonts.Wait();
  const auto platform = trx::platform::CreateNativePlatform();
  const auto form = trx::app::StartUp(*platform);
  form->show();
  form->activateWindow();
  return application.exec();
}
