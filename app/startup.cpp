#include "app/startup.h"

#include <QApplication>
#include <QIcon>

namespace trx::app {

std::unique_ptr<TForm1> StartUp(platform::Platform& platform) {
  // The form's socket component must be registered before the form creates it.
  platform.RegisterSocketControl();
  QApplication::setApplicationDisplayName(TForm1::kApplicationTitle);
  QApplication::setWindowIcon(QIcon(":/form/trx61.png"));
  return std::make_unique<TForm1>(platform);
}

}  // namespace trx::app
