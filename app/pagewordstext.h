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

inline PageText TranslatedWordsOf(std::string_view store) {
  const PageWords words = WordsOf(store);
  const auto translated = [](std::string_view english) {
    if (english.empty()) return QString();
    return QCoreApplication::translate("PageWords", std::string(english).c_str());
  };
  return {translated(words.title), translated(words.instruction)};
}

}  // namespace trx::app
