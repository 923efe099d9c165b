// Draws every picture of the form at its final size and writes the JPEGs (and the icon)
// into the folder given: pages, wait and error panels, hourglass frames, button faces. With
// translations (.qm files made from translations/*.ts) it draws in their language instead.
//   trx61-artgen app/form
//   trx61-artgen build/app/form-de build/app/trx61_de.qm
#include <turbojpeg.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/pagewordstext.h"

namespace {

// The texts drawn here beside the page words, for the translation tools.
struct Artwork {
  Q_DECLARE_TR_FUNCTIONS(Artwork)
};

QString g_out;
// Families asked for after each face, for the glyphs it lacks (Japanese: the CJK face whose
// glyph forms are Japanese ones, not whichever the system would pick).
QStringList g_fallbacks;
// Texts that do not fit the room drawn for them: too wide, or wrapped onto more lines than
// the room holds.
QStringList g_overflows;

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

// Palette: a calm blue header, a light content area, a lavender side column.
const QColor kHeaderTop(36, 52, 118), kHeaderBottom(66, 88, 168);
const QColor kContent(240, 241, 248);
const QColor kColumn(184, 189, 211);
const QColor kInk(33, 37, 61);
const QColor kMuted(86, 92, 122);
const QColor kAccent(103, 102, 204);
const QColor kIpBox(218, 221, 235);
const QColor kGatewayGrey(212, 208, 200);

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
    QFile file(g_out + "/" + name);
    ok = file.open(QIODevice::WriteOnly) &&
         file.write(reinterpret_cast<const char*>(jpeg), static_cast<qint64>(size)) == static_cast<qint64>(size);
  }
  if (!ok) std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
  tjFree(jpeg);
  tjDestroy(handle);
  return ok;
}

QFont Font(int px, bool bold = false, const char* family = "Liberation Sans") {
  QFont f(family);
  if (!g_fallbacks.isEmpty()) f.setFamilies(QStringList{family} + g_fallbacks);
  f.setPixelSize(px);
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

void Text(QPainter& p, const QRect& r, const QString& s, int px, const QColor& c,
          int flags = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false, const char* family = "Liberation Sans") {
  p.setFont(Font(px, bold, family));
  p.setPen(c);
  CheckFits(p, r, flags | Qt::TextWordWrap, s);
  p.drawText(r, flags | Qt::TextWordWrap, s);
}

// Our logo: three arcs of a radio wave over a dot, in a rounded square.
void Logo(QPainter& p, int x, int y) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 40));
  p.drawRoundedRect(x, y, 46, 46, 10, 10);
  p.setBrush(QColor(255, 200, 80));
  p.drawEllipse(QPoint(x + 23, y + 33), 4, 4);
  QPen pen(QColor(255, 255, 255), 3, Qt::SolidLine, Qt::RoundCap);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  for (int r = 9; r <= 27; r += 9) p.drawArc(QRect(x + 23 - r, y + 33 - r, 2 * r, 2 * r), 50 * 16, 80 * 16);
}

// The frame every page shares: header band with logo and product title, content area,
// side column from x = 453.
trx::app::PageText Words(const char* store) { return trx::app::TranslatedWordsOf(store); }

// withInstruction: the instruction as the subtitle; pages with a question draw it themselves.
QImage Page(const char* store, bool withInstruction = true) {
  const trx::app::PageText words = Words(store);
  const QString& title = words.title;
  const QString subtitle = withInstruction ? words.instruction : QString();
  QImage img(580, 435, QImage::Format_RGB32);
  img.fill(kContent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient header(0, 0, 0, 96);
  header.setColorAt(0, kHeaderTop);
  header.setColorAt(1, kHeaderBottom);
  p.fillRect(0, 0, 580, 96, header);
  p.fillRect(0, 96, 580, 3, QColor(255, 200, 80));
  Logo(p, 22, 24);
  Text(p, QRect(80, 22, 360, 30), "TRX61 ver. 2.2", 24, Qt::white, Qt::AlignLeft | Qt::AlignVCenter, true);
  Text(p, QRect(81, 52, 360, 20), Artwork::tr("Wireless Access Point Setup Utility"), 13, QColor(210, 218, 245));
  p.fillRect(453, 99, 127, 336, kColumn);
  p.fillRect(453, 99, 1, 336, QColor(150, 156, 186));
  Text(p, QRect(24, 110, 420, 28), title, 20, kInk, Qt::AlignLeft | Qt::AlignVCenter, true);
  if (!subtitle.isEmpty()) Text(p, QRect(24, 140, 420, 84), subtitle, 13, kMuted, Qt::AlignLeft | Qt::AlignTop);
  // Step dots in the side column show where the installer is.
  return img;
}

void FieldBox(QPainter& p, int x, int y, int w, int h, const QColor& fill = Qt::white) {
  p.setPen(QColor(160, 166, 196));
  p.setBrush(fill);
  p.drawRect(x - 2, y - 2, w + 3, h + 3);
}

void Caption(QPainter& p, int x, int y, int w, const QString& s) {
  Text(p, QRect(x, y, w, 16), s, 12, kInk, Qt::AlignLeft | Qt::AlignVCenter, true);
}

// The caption to the left of an address field, against it. One that does not fit beside the
// field takes the lines its translation breaks it into, narrowed if a line is still too wide.
void FieldLabel(QPainter& p, int y, const QString& s) {
  const QRect beside(32, y, 53, 15);
  QFont font = Font(12, false, "Liberation Sans Narrow");
  const QFontMetrics metrics(font);
  if (!s.contains('\n') && metrics.horizontalAdvance(s) <= beside.width()) {
    Text(p, beside, s, 12, kInk, Qt::AlignRight | Qt::AlignVCenter, false, "Liberation Sans Narrow");
    return;
  }
  // Each line as high as the one-line caption, the lines centred on the field.
  const QStringList lines = s.split('\n');
  int widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  constexpr int kRoom = 56, kStep = 14;  // from the content box's edge to the field
  // Narrowed by drawing, which reaches every glyph, the fallback faces' too.
  const double narrowing = widest > kRoom ? std::max(0.85, double(kRoom) / widest) : 1.0;
  p.save();
  p.translate(beside.right() + 1, 0);
  p.scale(narrowing, 1);
  const int width = static_cast<int>(kRoom / narrowing);
  p.setFont(font);
  p.setPen(kInk);
  int top = y + beside.height() / 2 - static_cast<int>(lines.size()) * kStep / 2;
  for (const QString& line : lines) {
    const QRect room(-width, top, width, beside.height());
    CheckFits(p, room, Qt::AlignRight | Qt::AlignVCenter, line);
    p.drawText(room, Qt::AlignRight | Qt::AlignVCenter, line);
    top += kStep;
  }
  p.restore();
}

void Note(QPainter& p, const QRect& r, const QString& s) { Text(p, r, s, 11, kMuted, Qt::AlignLeft | Qt::AlignTop); }

void StatusRow(QPainter& p, int y, const QString& s) {
  Text(p, QRect(196, y, 112, 16), s, 12, kMuted, Qt::AlignRight | Qt::AlignVCenter);
}

void Device(QPainter& p, int x, int y) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(70, 76, 110), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(x + 30, y + 40, x + 18, y);
  p.drawLine(x + 130, y + 40, x + 142, y);
  QLinearGradient body(0, y + 40, 0, y + 90);
  body.setColorAt(0, QColor(250, 251, 255));
  body.setColorAt(1, QColor(196, 201, 224));
  p.setPen(QPen(QColor(120, 126, 160), 1.5));
  p.setBrush(body);
  p.drawRoundedRect(x, y + 40, 160, 50, 12, 12);
  p.setPen(Qt::NoPen);
  const QColor leds[] = {QColor(70, 200, 110), QColor(70, 200, 110), QColor(255, 190, 60), QColor(90, 140, 240)};
  for (int i = 0; i < 4; ++i) {
    p.setBrush(leds[i]);
    p.drawEllipse(QPoint(x + 28 + 18 * i, y + 72), 4, 4);
  }
  Text(p, QRect(x + 100, y + 60, 50, 20), "TRX61", 11, kMuted, Qt::AlignRight | Qt::AlignVCenter, true);
}

void Save(const QImage& img, const QString& name) { WriteJpeg(img, name, false); }

void Pages() {
  {
    QImage img = Page("welcome");
    QPainter p(&img);
    Device(p, 150, 232);
    Note(p, QRect(24, 360, 420, 60),
         Artwork::tr("Press Setup to begin. User Guide opens the manual; Web Site opens the product pages."));
    Save(img, "welcome.jpg");
  }
  {
    QImage img = Page("step");
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // PC -- cable -- access point
    p.setPen(QPen(kMuted, 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(60, 250, 70, 48, 4, 4);
    p.drawRect(85, 298, 20, 10);
    p.drawLine(70, 312, 120, 312);
    p.setPen(QPen(kAccent, 3, Qt::DashLine));
    p.drawLine(130, 274, 250, 274);
    Device(p, 250, 226);
    Text(p, QRect(40, 318, 110, 18), Artwork::tr("This PC"), 12, kInk, Qt::AlignHCenter);
    Text(p, QRect(150, 250, 100, 18), Artwork::tr("Ethernet"), 12, kAccent, Qt::AlignHCenter);
    Note(p, QRect(24, 350, 420, 70),
         Artwork::tr("Connect this PC and the access points to the same Ethernet segment, then press Next to search. "
                     "The search takes three seconds."));
    Save(img, "step.jpg");
  }
  {
    QImage img = Page("no1", false);
    QPainter p(&img);
    Caption(p, 63, 219, 125, Artwork::tr("Access points"));
    FieldBox(p, 63, 239, 121, 136);
    Text(p, QRect(210, 214, 230, 18), Artwork::tr("Settings of the selected one"), 12, kInk, Qt::AlignLeft, true);
    StatusRow(p, 237, Artwork::tr("Regulatory domain:"));
    StatusRow(p, 254, Artwork::tr("Firmware version:"));
    StatusRow(p, 271, Artwork::tr("MAC address:"));
    StatusRow(p, 302, Artwork::tr("IP address:"));
    StatusRow(p, 318, Artwork::tr("ESSID:"));
    StatusRow(p, 335, Artwork::tr("Channel:"));
    StatusRow(p, 352, Artwork::tr("WEP:"));
    Text(p, QRect(24, 142, 420, 60), Words("no1").instruction, 14, kInk, Qt::AlignLeft | Qt::AlignTop);
    Note(p, QRect(24, 384, 420, 40), Artwork::tr("Yes: change its settings.  No: close the utility."));
    Save(img, "no1.jpg");
  }
  {
    QImage img = Page("no2");
    QPainter p(&img);
    Caption(p, 89, 219, 200, Artwork::tr("ESSID"));
    FieldBox(p, 89, 237, 96, 16);
    Note(p, QRect(200, 236, 240, 30), Artwork::tr("The network name: 1 to 32 characters."));
    Caption(p, 89, 272, 200, Artwork::tr("Channel"));
    Note(p, QRect(200, 292, 240, 30), Artwork::tr("The channels allowed in the access point's regulatory domain."));
    Caption(p, 89, 329, 200, Artwork::tr("Host Name"));
    FieldBox(p, 89, 347, 96, 16);
    Note(p, QRect(200, 346, 240, 30), Artwork::tr("The access point's own name: up to 31 characters."));
    Save(img, "no2.jpg");
  }
  {
    QImage img = Page("no3");
    QPainter p(&img);
    p.setPen(QColor(160, 166, 196));
    p.setBrush(kIpBox);
    p.drawRoundedRect(30, 232, 410, 140, 6, 6);
    Text(p, QRect(62, 240, 160, 18), Artwork::tr("Set the address manually"), 12, kInk,
         Qt::AlignLeft | Qt::AlignVCenter, true);
    Text(p, QRect(248, 240, 180, 18), Artwork::tr("Obtain the address by DHCP"), 12, kInk,
         Qt::AlignLeft | Qt::AlignVCenter, true);
    p.setPen(QColor(160, 166, 196));
    p.drawLine(38, 262, 432, 262);
    FieldLabel(p, 269, Artwork::tr("IP Address"));
    FieldBox(p, 89, 269, 97, 15);
    FieldLabel(p, 307, Artwork::tr("Net Mask"));
    FieldBox(p, 89, 307, 97, 15);
    FieldLabel(p, 345, Artwork::tr("Gateway"));
    FieldBox(p, 89, 345, 97, 15, kGatewayGrey);
    Note(p, QRect(200, 270, 230, 92),
         Artwork::tr(
             "Four numbers from 0 to 255 separated by dots, such as 192.168.1.251. An empty field gets the usual "
             "default when you go on."));
    Save(img, "no3.jpg");
  }
  {
    QImage img = Page("no4");
    QPainter p(&img);
    Caption(p, 89, 219, 200, Artwork::tr("WEP method"));
    Note(p, QRect(200, 238, 240, 40), Artwork::tr("Disable, or a key size of 64, 128 or 256 bits."));
    Caption(p, 91, 282, 200, Artwork::tr("Pass phrase"));
    FieldBox(p, 91, 300, 96, 15);
    Note(p, QRect(200, 299, 240, 50),
         Artwork::tr("Up to 32 characters. The same pass phrase always gives the same keys."));
    Save(img, "no4.jpg");
  }
  {
    QImage img = Page("no5");
    QPainter p(&img);
    Caption(p, 90, 237, 200, Artwork::tr("WEP key 1"));
    FieldBox(p, 90, 255, 70, 14);
    Note(p, QRect(180, 254, 260, 90),
         Artwork::tr(
             "Hexadecimal digits 0-9 and A-F: 10 digits for 64 bits, 26 for 128 bits, 58 for 256 bits. Keys 2 to 4 "
             "are made from the pass phrase and saved with it."));
    Save(img, "no5.jpg");
  }
  {
    QImage img = Page("no6", false);
    QPainter p(&img);
    Text(p, QRect(24, 142, 420, 40), Words("no6").instruction, 14, kInk, Qt::AlignLeft | Qt::AlignTop);
    Text(p, QRect(128, 234, 150, 18), Artwork::tr("Current"), 12, kMuted, Qt::AlignLeft, true);
    Text(p, QRect(336, 234, 100, 18), Artwork::tr("New"), 12, kAccent, Qt::AlignLeft, true);
    p.setPen(QColor(160, 166, 196));
    p.drawLine(24, 253, 440, 253);
    const QString rows[] = {Artwork::tr("IP address"), Artwork::tr("ESSID"), Artwork::tr("Channel"),
                            Artwork::tr("WEP")};
    const int ys[] = {257, 273, 290, 307};
    for (int i = 0; i < 4; ++i)
      Text(p, QRect(24, ys[i], 96, 16), rows[i], 12, kInk, Qt::AlignLeft | Qt::AlignVCenter, true);
    for (int y : {257, 273, 290, 307}) FieldBox(p, 336, y, 97, 15);
    Note(p, QRect(24, 340, 420, 60),
         Artwork::tr("Yes: save. The access point may need 60 seconds to apply the settings.\n"
                     "No: discard the changes and search again."));
    Save(img, "no6.jpg");
  }
  {
    QImage img = Page("exit1");
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 170, 100), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygon({QPoint(170, 280), QPoint(205, 315), QPoint(280, 240)}));
    Note(p, QRect(24, 350, 420, 60),
         Artwork::tr("It may take the access point up to 60 seconds to apply them. Press Exit to close the utility."));
    Save(img, "exit1.jpg");
  }
}

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

void Panels() {
  {
    QImage img(421, 122, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(QPen(kAccent, 2));
    p.drawRect(1, 1, 419, 120);
    p.fillRect(25, 17, 88, 88, QColor(248, 249, 253));
    Hourglass(p, 69, 61, 0);
    Text(p, QRect(130, 24, 280, 26), Words("checklink").title, 16, kInk, Qt::AlignLeft | Qt::AlignVCenter, true);
    Text(p, QRect(130, 52, 280, 20), Words("checklink").instruction, 14, kMuted);
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
    Text(p, QRect(72, 14, 340, 46), Words("errormsg").title, 18, Qt::white, Qt::AlignLeft | Qt::AlignVCenter, true);
    Text(p, QRect(24, 88, 375, 40), Words("errormsg").instruction, 13, kInk, Qt::AlignLeft | Qt::AlignTop);
    const auto shared = trx::app::TranslatedWords;
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
  QLinearGradient header(0, 0, 0, 96);
  header.setColorAt(0, kHeaderTop);
  header.setColorAt(1, kHeaderBottom);
  QPainter p(&img);
  // The header band's gradient at the buttons' height, so the faces sit in it seamlessly.
  p.fillRect(QRect(0, 0, 22, 19), QBrush(header));
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

void Faces() {
  const std::pair<const char*, const char*> families[] = {
      {"b_setup", QT_TRANSLATE_NOOP("Artwork", "Setup")},  {"b_help", QT_TRANSLATE_NOOP("Artwork", "User Guide")},
      {"b_web", QT_TRANSLATE_NOOP("Artwork", "Web Site")}, {"b_exit", QT_TRANSLATE_NOOP("Artwork", "Exit")},
      {"b_next", QT_TRANSLATE_NOOP("Artwork", "Next")},    {"b_yes", QT_TRANSLATE_NOOP("Artwork", "Yes")},
      {"b_no", QT_TRANSLATE_NOOP("Artwork", "No")},        {"b_back", QT_TRANSLATE_NOOP("Artwork", "Back")},
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
  img.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither).save(g_out + "/trx61.png");
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  // --check: fail on any text that does not fit its room.
  const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
  const int first = check ? 2 : 1;
  if (argc <= first) {
    std::fprintf(stderr, "usage: trx61-artgen [--check] OUTPUT-FOLDER [TRANSLATION.qm...]\n");
    return 2;
  }
  g_out = QString::fromLocal8Bit(argv[first]);
  for (int i = first + 1; i < argc; ++i) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QString::fromLocal8Bit(argv[i])) || !QCoreApplication::installTranslator(translator)) {
      std::fprintf(stderr, "trx61-artgen: cannot load the translation %s\n", argv[i]);
      return 1;
    }
    if (translator->language().startsWith("ja")) g_fallbacks = {"Noto Sans CJK JP"};
  }
  QDir().mkpath(g_out);
  Pages();
  Panels();
  Faces();
  Icon();
  for (const QString& overflow : g_overflows) std::fprintf(stderr, "does not fit: %s\n", qPrintable(overflow));
  return check && !g_overflows.isEmpty() ? 1 : 0;
}
