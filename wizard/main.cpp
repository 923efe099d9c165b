// The program: the form, with the wizard that drives it.
#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <cstring>

#include "app/language.h"
#include "app/startup.h"
#include "link/debuglog.h"
#include "platform/platform.h"
#include "wizard/wizard.h"

namespace {

// The language asked for on the command line, else the system's.
QString ChosenLanguage(const std::optional<QString>& option) {
  if (!option) return trx::app::ChooseLanguage(QLocale::system().uiLanguages());
  if (!trx::app::HasLanguage(*option))
    std::fprintf(stderr, "trx61-utility: there is no language %s; English is used\n", qPrintable(*option));
  return trx::app::ChooseLanguage({*option});
}

}  // namespace

int main(int argc, char* argv[]) {
  QString optionError;
  const std::optional<QString> languageOption = trx::app::LanguageOption(argc, argv, &optionError);
  // Answered before any window system is needed: these work on a bare terminal too.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "--help") == 0 ||
        std::strcmp(argv[i], "-h") == 0)
      trx::platform::UseParentConsole();
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("TRX61 Utility %s, for the TRX61 ver. 2.2 wireless access point\n", TRX_VERSION);
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      QCoreApplication core(argc, argv);
      trx::app::UseLanguage(ChosenLanguage(languageOption));
      std::fputs(trx::app::HelpText().toLocal8Bit().constData(), stdout);
      return 0;
    }
  }
  if (!optionError.isEmpty()) {
    trx::platform::UseParentConsole();
    std::fprintf(stderr, "trx61-utility: %s\n", qPrintable(optionError));
    return 2;
  }
  QApplication application(argc, argv);
  trx::app::UseLanguage(ChosenLanguage(languageOption));
  if (trx::link::DebugEnabled())
    trx::link::DebugLine(QString("language %1, of the system's %2")
                             .arg(trx::app::LanguageInUse(), QLocale::system().uiLanguages().join(' ')));
  const auto platform = trx::platform::CreateNativePlatform();
  const auto form = trx::app::StartUp(*platform);
  trx::wizard::Wizard wizard(*form);
  form->show();
  form->activateWindow();
  return application.exec();
}
