#pragma once
// A page's words in the language in use, for the form and the artwork generator alike.
#include <QCoreApplication>
#include <QString>
#include <string>

#include "app/pagewords.h"

namespace trx::app {

struct PageText {
  QString title;
  QString instruction;
};

// Words of the table, in the language in use.
inline QString TranslatedWords(std::string_view english) {
  if (english.empty()) return QString();
  return QCoreApplication::translate("PageWords", std::string(english).c_str());
}

inline PageText TranslatedWordsOf(std::string_view store) {
  const PageWords words = WordsOf(store);
  return {TranslatedWords(words.title), TranslatedWords(words.instruction)};
}

}  // namespace trx::app
