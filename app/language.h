#pragma once
// The language the program speaks: chosen from the system's list or the --language option,
// and loaded from the translations embedded in the program (ours and Qt's own).
#include <QString>
#include <QStringList>
#include <optional>

namespace trx::app {

struct Language {
  const char* code;
  const char* name;  // in the language itself
};

// English is the source language; the others have a translation each.
inline constexpr Language kLanguages[] = {
    {"en", "English"}, {"fr", "Français"}, {"es", "Español"}, {"de", "Deutsch"}, {"ja", "日本語"},
};
// Accented and longer English, built with the program, to find texts that skip translation or
// do not fit.
inline constexpr char kPseudoLanguage[] = "pseudo";

// The first of the wanted languages that the program has, in any of the usual spellings
// ("de", "de-DE", "de_DE.UTF-8"); English when none is.
QString ChooseLanguage(const QStringList& wanted);
bool HasLanguage(const QString& wanted);

// The code given with --language CODE or --language=CODE; nullopt without the option. A
// missing code sets error.
std::optional<QString> LanguageOption(int argc, char* argv[], QString* error);

// Installs the translations of code into the application, replacing those of an earlier call.
// English installs none.
void UseLanguage(const QString& code);

// The code last given to UseLanguage ("en" before any call).
QString LanguageInUse();

// The --help text in the language in use.
QString HelpText();

}  // namespace trx::app
