#include "tools/artgen/draw.h"

#include <turbojpeg.h>

#include <QFile>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextLayout>

#include <cstdio>

namespace trx::artgen {

namespace {
QString g_out;
QStringList g_fallbacks;
QStringList g_overflows;
QJsonArray g_lines;

// The lines Qt's word wrap makes of s in width, as drawText with Qt::TextWordWrap draws them.
QStringList WrappedLines(const QFont& font, const QString& s, int width) {
  QStringList lines;
  for (const QString& paragraph : s.split('\n')) {
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width);
      lines << paragraph.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
  }
  return lines;
}
}  // namespace

void SetOutput(const QString& folder, const QStringList& fallbacks) {
  g_out = folder;
  g_fallbacks = fallbacks;
}

QString OutputPath(const QString& name) { return g_out + "/" + name; }

const QStringList& Overflows() { return g_overflows; }

void RecordLines(const QString& s, const QStringList& lines) {
  g_lines.append(QJsonObject{{"text", s}, {"lines", QJsonArray::fromStringList(lines)}});
}

const QJsonArray& DrawnLines() { return g_lines; }

QString BreakAtMarks(const QFontMetrics& metrics, const QString& s, int width) {
  QStringList lines;
  for (const QString& paragraph : s.split('\n')) {
    QString line;
    for (const QString& piece : paragraph.split(trx::app::kBreakMark)) {
      if (!line.isEmpty() && metrics.horizontalAdvance(line + piece) > width) {
        lines << line;
        line.clear();
      }
      line += piece;
    }
    lines << line;
  }
  return lines.join('\n');
}

void CheckFits(QPainter& p, const QRect& room, int flags, const QString& s) {
  const QRect needed = p.boundingRect(room, flags, s);
  const bool wrapped = needed.height() > p.fontMetrics().height() * 3 / 2;
  if (needed.width() > room.width() || (wrapped && needed.height() > room.height()))
    g_overflows << QString("\"%1\" needs %2 x %3 px of %4 x %5")
                       .arg(s)
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(room.width())
                       .arg(room.height());
}

bool WriteJpeg(const QImage& image, const QString& name, bool progressive) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  tjhandle handle = tjInitCompress();
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  const int flags = TJFLAG_ACCURATEDCT | (progressive ? TJFLAG_PROGRESSIVE : 0);
  const int rc = tjCompress2(handle, rgb.constBits(), rgb.width(), static_cast<int>(rgb.bytesPerLine()), rgb.height(),
                             TJPF_RGB, &jpeg, &size, TJSAMP_444, 92, flags);
  bool ok = rc == 0;
  if (ok) {
    QFile file(OutputPath(name));
    ok = file.open(QIODevice::WriteOnly) &&
         file.write(reinterpret_cast<const char*>(jpeg), static_cast<qint64>(size)) == static_cast<qint64>(size);
  }
  if (!ok) std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
  tjFree(jpeg);
  tjDestroy(handle);
  return ok;
}

QFont Font(int px, bool bold, const char* family) {
  QFont f(family);
  if (!g_fallbacks.isEmpty()) f.setFamilies(QStringList{family} + g_fallbacks);
  f.setPixelSize(px);
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

void Text(QPainter& p, const QRect& r, const QString& s, int px, const QColor& c, int flags, bool bold,
          const char* family) {
  p.setFont(Font(px, bold, family));
  p.setPen(c);
  if (s.contains(trx::app::kBreakMark)) {
    const QString lines = BreakAtMarks(p.fontMetrics(), s, r.width());
    RecordLines(s, lines.split('\n'));
    CheckFits(p, r, flags, lines);
    p.drawText(r, flags, lines);
    return;
  }
  // Text written without spaces would wrap between any two characters, inside a word too.
  static const QRegularExpression kUnspaced("[\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}]");
  const QRect wrapped = p.boundingRect(r, flags | Qt::TextWordWrap, s);
  const QRect unwrapped = p.boundingRect(r, flags, s);
  if (s.contains(kUnspaced) && wrapped.height() > unwrapped.height())
    g_overflows << QString("\"%1\" wraps without break marks (U+200B) between its words").arg(s);
  RecordLines(s, WrappedLines(p.font(), s, r.width()));
  CheckFits(p, r, flags | Qt::TextWordWrap, s);
  p.drawText(r, flags | Qt::TextWordWrap, s);
}

QLinearGradient HeaderGradient() {
  QLinearGradient header(0, 0, 0, 96);
  header.setColorAt(0, kHeaderTop);
  header.setColorAt(1, kHeaderBottom);
  return header;
}

}  // namespace trx::artgen
