#pragma once
// The faces the pages were laid out and photographed with, carried inside the program under
// names of their own: a machine's own fonts (a newer Liberation has the same family names and
// other glyphs) never change what the form draws or what the fit tests measure.

#include <QString>
#include <QStringList>

namespace trx::app {

inline constexpr char kSans[] = "TRX61 Sans";
inline constexpr char kSansNarrow[] = "TRX61 Sans Narrow";
// Japanese text, which the faces above do not cover, in this system face and no other.
inline constexpr char kJapanese[] = "Noto Sans CJK JP";

// Registers the faces with the application's font database (once; needs a QGuiApplication),
// before any text is measured or drawn: a face registered later would not resize what was.
void LoadFaces();

// The families to draw with for a family the form description names ("MS Sans Serif" is
// drawn as TRX61 Sans, "Arial Narrow" as TRX61 Sans Narrow), Japanese after them.
QStringList FamiliesFor(const QString& declared);

}  // namespace trx::app
