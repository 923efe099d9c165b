#pragma once
// What the accessible interfaces and the announcements both say.
#include <QString>

namespace trx::app {

// A text as a sentence of its own: with its full stop, or the one of its language.
QString Sentence(const QString& s);

// The error panel's words, as it shows them.
struct PanelWords {
  QString title, text;
};
PanelWords ErrorPanelWords();

}  // namespace trx::app
