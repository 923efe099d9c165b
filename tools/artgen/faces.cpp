// The button faces, big and small, and the program's icon.
#include <utility>

#include "tools/artgen/draw.h"

namespace trx::artgen {

namespace {

void Face(const QString& family, const QString& label, bool on) {
  QImage img(122, 35, QImage::Format_RGB32);
  img.fill(kColumn);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, 35);
  if (on) {
    g.setColorAt(0, QColor(255, 214, 120));
    g.setColorAt(1, QColor(240, 166, 40));
  } else {
    g.setColorAt(0, QColor(124, 123, 220));
    g.setColorAt(1, QColor(78, 77, 172));
  }
  p.setPen(QPen(on ? QColor(180, 110, 10) : QColor(56, 55, 130), 1));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(4.5, 3.5, 113, 28), 14, 14);
  Text(p, QRect(4, 3, 114, 29), label, 14, on ? kInk : Qt::white, Qt::AlignCenter, true);
  WriteJpeg(img, family + (on ? "_on.jpg" : "_off.jpg"), false);
}

void SmallFace(const QString& family, bool close, const QString& suffix) {
  QImage img(22, 19, QImage::Format_RGB32);
  QPainter p(&img);
  // The header band's gradient at the buttons' height, so the faces sit in it seamlessly.
  p.fillRect(QRect(0, 0, 22, 19), QBrush(HeaderGradient()));
  p.setRenderHint(QPainter::Antialiasing);
  const bool on = suffix == "on", pressed = suffix == "x";
  p.setPen(QPen(Qt::white, 1.4));
  p.setBrush(pressed ? QColor(20, 28, 70)
             : on    ? (close ? QColor(210, 70, 70) : QColor(110, 130, 220))
                     : QColor(255, 255, 255, 30));
  p.drawEllipse(QRectF(2.5, 1.5, 16, 16));
  p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
  const double d = pressed ? 0.6 : 0;
  if (close) {
    p.drawLine(QPointF(7 + d, 6 + d), QPointF(14 + d, 13 + d));
    p.drawLine(QPointF(14 + d, 6 + d), QPointF(7 + d, 13 + d));
  } else {
    p.drawLine(QPointF(6.5 + d, 10 + d), QPointF(14.5 + d, 10 + d));
  }
  WriteJpeg(img, family + "_" + suffix + ".jpg", true);
}

}  // namespace

void Faces() {
  // Each face: 114 px, one line, bold; the screen reader names the button with the same word
  // (context Buttons), so the two should be the same.
  const std::pair<const char*, const char*> families[] = {
      //: Button face: starts the wizard.
      {"b_setup", QT_TRANSLATE_NOOP("Artwork", "Setup")},
      //: Button face: opens the user guide.
      {"b_help", QT_TRANSLATE_NOOP("Artwork", "User Guide")},
      //: Button face: opens the maker's web site.
      {"b_web", QT_TRANSLATE_NOOP("Artwork", "Web Site")},
      //: Button face: closes the program.
      {"b_exit", QT_TRANSLATE_NOOP("Artwork", "Exit")},
      //: Button face: goes to the next page.
      {"b_next", QT_TRANSLATE_NOOP("Artwork", "Next")},
      //: Button face: answers the page's question (go on, save).
      {"b_yes", QT_TRANSLATE_NOOP("Artwork", "Yes")},
      //: Button face: answers the page's question (close, discard).
      {"b_no", QT_TRANSLATE_NOOP("Artwork", "No")},
      //: Button face: goes to the previous page.
      {"b_back", QT_TRANSLATE_NOOP("Artwork", "Back")},
  };
  for (const auto& [family, label] : families) {
    Face(family, Artwork::tr(label), false);
    Face(family, Artwork::tr(label), true);
  }
  for (const char* suffix : {"off", "on", "x"}) {
    SmallFace("b_close", true, suffix);
    SmallFace("b_min", false, suffix);
  }
}

void Icon() {
  QImage img(32, 32, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kHeaderTop);
  p.drawRoundedRect(0, 0, 32, 32, 6, 6);
  p.setBrush(QColor(255, 200, 80));
  p.drawEllipse(QPoint(16, 23), 3, 3);
  p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (int r = 7; r <= 19; r += 6) p.drawArc(QRect(16 - r, 23 - r, 2 * r, 2 * r), 50 * 16, 80 * 16);
  // Sixteen colours, as the icon has always had: the drawing's own, blended towards white.
  QList<QRgb> palette = {qRgba(0, 0, 0, 0)};
  for (const QColor& c : {kHeaderTop, QColor(255, 200, 80), QColor(Qt::white)})
    for (int step = 0; step < 5; ++step) {
      const int t = step * 50;
      palette << qRgb(c.red() + (255 - c.red()) * t / 255, c.green() + (255 - c.green()) * t / 255,
                      c.blue() + (255 - c.blue()) * t / 255);
    }
  img.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither).save(OutputPath("trx61.png"));
}

}  // namespace trx::artgen
