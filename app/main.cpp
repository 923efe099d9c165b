#include <QApplication>

#include "app/startup.h"
#include "platform/platform.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const auto platform = trx::platform::CreateNativePlatform();
  const auto form = trx::app::StartUp(*platform);
  form->show();
  form->activateWindow();
  return application.exec();
}
