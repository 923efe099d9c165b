#pragma once
// What the accessible interfaces and the announcements both say.
#include <QString>
#include <string_view>

#include "app/pagecontext.h"

namespace trx::app {

// A text as a sentence of its own: with its full stop, or the one of its language.
QString Sentence(const QString& s);

// The picture that draws the page, and so carries its words and notes.
std::string_view PictureOf(Page page);

// The error panel's words, as it shows them.
struct PanelWords {
  QString title, text;
};
PanelWords ErrorPanelWords();

}  // namespace trx::app
