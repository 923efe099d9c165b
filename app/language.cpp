#include "app/language.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>
#include <cstring>
#include <vector>

namespace trx::app {
namespace {

QString g_inUse = "en";
std::vector<QPointer<QTranslator>> g_installed;

// "de_DE.UTF-8", "de-DE" and "de" all name German.
QString PrimaryTag(const QString& wanted) {
  QString tag = wanted.section('.', 0, 0).section('@', 0, 0);
  tag.replace('_', '-');
  return tag.section('-', 0, 0).toLower();
}

bool Known(const QString& code) {
  if (code == kPseudoLanguage) return true;
  for (const Language& language : kLanguages)
    if (code == language.code) return true;
  return false;
}

}  // namespace

QString ChooseLanguage(const QStringList& wanted) {
  for (const QString& entry : wanted)
    if (HasLanguage(entry)) return PrimaryTag(entry);
  return "en";
}

bool HasLanguage(const QString& wanted) { return Known(PrimaryTag(wanted)); }

std::optional<QString> LanguageOption(int argc, char* argv[], QString* error) {
  std::optional<QString> code;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--language=", 11) == 0)
      code = QString::fromLocal8Bit(argv[i] + 11);
    else if (std::strcmp(argv[i], "--language") == 0)
      code = i + 1 < argc ? QString::fromLocal8Bit(argv[++i]) : QString();
  }
  if (code && code->isEmpty()) {
    if (error) *error = "--language needs a language code, for example --language de";
    return std::nullopt;
  }
  return code;
}

void UseLanguage(const QString& code) {
  for (QPointer<QTranslator>& translator : g_installed) {
    if (!translator) continue;
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
  g_installed.clear();
  g_inUse = Known(code) ? code : "en";
  if (g_inUse == "en") return;
  // Qt's own texts (the buttons of message boxes) first, so that ours are asked before them.
  for (const QString& file : {"qtbase_" + g_inUse, "trx61_" + g_inUse}) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, ":/i18n") && QCoreApplication::installTranslator(translator))
      g_installed.emplace_back(translator);
    else
      delete translator;
  }
}

QString LanguageInUse() { return g_inUse; }

QString HelpText() {
  QString languages;
  for (const Language& language : kLanguages)
    languages += QString("  %1  %2\n").arg(language.code, QString::fromUtf8(language.name));
  return QCoreApplication::translate(
             "Help",
             "Usage: trx61-utility [--version] [--help] [--language CODE]\n"
             "Finds TRX61 ver. 2.2 wireless access points on every network adapter of this PC and\n"
             "changes their settings, in a window. It uses UDP port 27155: let it through the firewall.\n"
             "With TRX61_DEBUG=1 in the environment it reports its network traffic on standard error.\n") +
         QCoreApplication::translate("Help",
                                     "It speaks the language of the system when it has it, and English otherwise.\n"
                                     "--language CODE chooses one of these:\n") +
         languages;
}

}  // namespace trx::app
