// What every picture of the artwork generator is drawn with: the palette, the fonts, text
// that is checked against its room, and the JPEG writer.
#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QJsonArray>
#include <QLinearGradient>
#include <QPainter>
#include <QString>
#include <QStringList>

#include "app/faces.h"
#include "app/pagewordstext.h"

// The texts drawn beside the page words, for the translation tools (their context is this
// name, so it stays outside any namespace).
struct Artwork {
  Q_DECLARE_TR_FUNCTIONS(Artwork)
};

namespace trx::artgen {

// Palette: a calm blue header, a light content area, a lavender side column.
inline const QColor kHeaderTop(36, 52, 118), kHeaderBottom(66, 88, 168);
inline const QColor kContent(240, 241, 248);
inline const QColor kColumn(184, 189, 211);
inline const QColor kInk(33, 37, 61);
inline const QColor kMuted(86, 92, 122);
inline const QColor kAccent(103, 102, 204);

// The folder the pictures go to, and the families asked for after each face, for the glyphs
// it lacks (Japanese: the CJK face whose glyph forms are Japanese ones, not whichever the
// system would pick).
void SetOutput(const QString& folder, const QStringList& fallbacks);
QString OutputPath(const QString& name);
// Texts that did not fit the room drawn for them: too wide, or wrapped onto more lines than
// the room holds.
const QStringList& Overflows();
// Every text drawn and the lines it was drawn in, for --check to write out.
void RecordLines(const QString& s, const QStringList& lines);
const QJsonArray& DrawnLines();

void CheckFits(QPainter& p, const QRect& room, int flags, const QString& s);
// s laid out in lines of at most width, broken only where the translation marks a break
// (trx::app::kBreakMark) or has a line break; a piece wider than width keeps its line.
QString BreakAtMarks(const QFontMetrics& metrics, const QString& s, int width);
bool WriteJpeg(const QImage& image, const QString& name, bool progressive = false);
QFont Font(int px, bool bold = false, const char* family = trx::app::kSans);
void Text(QPainter& p, const QRect& r, const QString& s, int px, const QColor& c,
          int flags = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false, const char* family = trx::app::kSans);
// The header band's gradient, which the title-bar buttons sit in too.
QLinearGradient HeaderGradient();

// The pictures, by subject.
void Pages();
void Panels();
void Faces();
void Icon();

}  // namespace trx::artgen
