#include "app/startup.h"

#include <QApplication>
#include <QIcon>
#include <QWindow>

namespace trx::app {

std::unique_ptr<TForm1> StartUp(platform::Platform& platform) {
  // The form's socket component must be registered before the form creates it.
  platform.RegisterSocketControl();
  QApplication::setWindowIcon(QIcon(":/form/trx61.png"));
  auto form = std::make_unique<TForm1>(platform);
  // The task bar names the program by its title; the form keeps its own caption. (An
  // application display name would be appended to every window's title by Qt.)
  form->winId();
  form->windowHandle()->setTitle(TForm1::kApplicationTitle);
  return form;
}

}  // namespace trx::app
