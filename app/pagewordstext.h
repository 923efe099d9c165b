#pragma once
// A page's words in the language in use, for the form and the artwork generator alike.
#include <QCoreApplication>
#include <QString>
#include <string>

#include "app/pagewords.h"

namespace trx::app {

// Where a line of the text drawn on a picture may break, in languages written without spaces
// (Japanese): the translation marks each place with a zero-width space, and the artwork
// generator breaks lines there only, never inside a word. Anything but a picture drops them.
inline constexpr QChar kBreakMark(0x200B);
enum class BreakMarks { Drop, Keep };

struct PageText {
  QString title;
  QString instruction;
};

// Words of the table, in the language in use.
inline QString TranslatedWords(std::string_view english, BreakMarks marks = BreakMarks::Drop) {
  if (english.empty()) return QString();
  QString words = QCoreApplication::translate("PageWords", std::string(english).c_str());
  if (marks == BreakMarks::Drop) words.remove(kBreakMark);
  return words;
}

// A note of a page, in the language in use.
inline QString TranslatedNote(const PageNote& note, BreakMarks marks = BreakMarks::Drop) {
  QString words = QCoreApplication::translate("Artwork", std::string(note.text).c_str());
  if (marks == BreakMarks::Drop) words.remove(kBreakMark);
  return words;
}

inline PageText TranslatedWordsOf(std::string_view store, BreakMarks marks = BreakMarks::Drop) {
  const PageWords words = WordsOf(store);
  return {TranslatedWords(words.title, marks), TranslatedWords(words.instruction, marks)};
}

}  // namespace trx::app
