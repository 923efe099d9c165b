// The wait panel with its hourglass frames, and the error panel.
#include "app/pagewordstext.h"
#include "tools/artgen/draw.h"

namespace trx::artgen {

namespace {

void Hourglass(QPainter& p, int cx, int cy, int phase) {
  p.setRenderHint(QPainter::Antialiasing);
  const QPolygon glass({QPoint(cx - 22, cy - 32), QPoint(cx + 22, cy - 32), QPoint(cx + 4, cy),
                        QPoint(cx + 22, cy + 32), QPoint(cx - 22, cy + 32), QPoint(cx - 4, cy)});
  p.setPen(QPen(kMuted, 2));
  p.setBrush(QColor(232, 236, 250));
  p.drawPolygon(glass);
  const QColor sand(230, 170, 60);
  p.setPen(Qt::NoPen);
  p.setBrush(sand);
  const int top = 24 - 8 * phase;    // sand left above
  const int bottom = 6 + 8 * phase;  // sand piled below
  if (top > 0)
    p.drawPolygon(QPolygon(
        {QPoint(cx - top * 18 / 24, cy - top - 2), QPoint(cx + top * 18 / 24, cy - top - 2), QPoint(cx, cy - 2)}));
  p.drawPolygon(QPolygon(
      {QPoint(cx - bottom * 18 / 24, cy + 30), QPoint(cx + bottom * 18 / 24, cy + 30), QPoint(cx, cy + 30 - bottom)}));
  p.drawRect(cx - 1, cy - 2, 2, 30 - bottom);
  p.setPen(QPen(QColor(110, 80, 50), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(cx - 28, cy - 34, cx + 28, cy - 34);
  p.drawLine(cx - 28, cy + 34, cx + 28, cy + 34);
}

}  // namespace

void Panels() {
  {
    QImage img(421, 122, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(QPen(kAccent, 2));
    p.drawRect(1, 1, 419, 120);
    p.fillRect(25, 17, 88, 88, QColor(248, 249, 253));
    Hourglass(p, 69, 61, 0);
    Text(p, QRect(130, 24, 280, 26), trx::app::TranslatedWordsOf("checklink", trx::app::BreakMarks::Keep).title, 16,
         kInk, Qt::AlignLeft | Qt::AlignVCenter, true);
    Text(p, QRect(130, 52, 280, 20), trx::app::TranslatedWordsOf("checklink", trx::app::BreakMarks::Keep).instruction,
         14, kMuted);
    WriteJpeg(img, "checklink.jpg", false);
  }
  for (int phase = 0; phase < 3; ++phase) {
    QImage img(88, 88, QImage::Format_RGB32);
    img.fill(QColor(248, 249, 253));
    QPainter p(&img);
    Hourglass(p, 44, 44, phase);
    WriteJpeg(img, QString("check0%1.jpg").arg(phase + 1), false);
  }
  {
    QImage img(421, 427, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(190, 60, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(1, 1, 419, 425);
    p.fillRect(2, 2, 417, 70, QColor(190, 60, 60));
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QPoint(40, 37), 18, 18);
    p.drawLine(40, 27, 40, 39);
    p.drawPoint(40, 46);
    Text(p, QRect(72, 14, 340, 46), trx::app::TranslatedWordsOf("errormsg", trx::app::BreakMarks::Keep).title, 18,
         Qt::white, Qt::AlignLeft | Qt::AlignVCenter, true);
    Text(p, QRect(24, 88, 375, 40), trx::app::TranslatedWordsOf("errormsg", trx::app::BreakMarks::Keep).instruction, 13,
         kInk, Qt::AlignLeft | Qt::AlignTop);
    const auto shared = [](std::string_view english) {
      return trx::app::TranslatedWords(english, trx::app::BreakMarks::Keep);
    };
    Text(p, QRect(24, 132, 375, 20), shared(trx::app::kPanelChecksHeading), 13, kInk, Qt::AlignLeft | Qt::AlignTop,
         true);
    int y = 158;
    for (const std::string_view check : trx::app::kPanelChecks) {
      const QString item = shared(check);
      p.setPen(Qt::NoPen);
      p.setBrush(kAccent);
      p.drawEllipse(QPoint(32, y + 9), 3, 3);
      Text(p, QRect(44, y, 355, 40), item, 12, kInk, Qt::AlignLeft | Qt::AlignTop);
      y += 42;
    }
    QLinearGradient bar(0, 376, 0, 420);
    bar.setColorAt(0, QColor(124, 123, 220));
    bar.setColorAt(1, kAccent);
    p.setPen(Qt::NoPen);
    p.setBrush(bar);
    p.drawRoundedRect(16, 376, 389, 40, 8, 8);
    Text(p, QRect(16, 376, 389, 40), shared(trx::app::kPanelContinue), 16, Qt::white, Qt::AlignCenter, true);
    WriteJpeg(img, "errormsg.jpg", false);
  }
}

}  // namespace trx::artgen
