// The pages: the frame every page shares (header band with logo and product title, content
// area, side column from x = 453) and what each page draws in it.
#include <QFontMetrics>
#include <QPainterPath>
#include <algorithm>

#include "app/pagewordstext.h"
#include "tools/artgen/draw.h"

namespace trx::artgen {

namespace {

const QColor kIpBox(218, 221, 235);
const QColor kGatewayGrey(212, 208, 200);

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

// withInstruction: the instruction as the subtitle; pages with a question draw it themselves.
QImage Page(const char* store, bool withInstruction = true) {
  const trx::app::PageText words = trx::app::TranslatedWordsOf(store, trx::app::BreakMarks::Keep);
  const QString& title = words.title;
  const QString subtitle = withInstruction ? words.instruction : QString();
  QImage img(580, 435, QImage::Format_RGB32);
  img.fill(kContent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(0, 0, 580, 96, HeaderGradient());
  p.fillRect(0, 96, 580, 3, QColor(255, 200, 80));
  Logo(p, 22, 24);
  Text(p, QRect(80, 22, 360, 30), "TRX61 ver. 2.2", 24, Qt::white, Qt::AlignLeft | Qt::AlignVCenter, true);
  //: Subtitle in the header band of every page, under "TRX61 ver. 2.2"; 360 px, one line.
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
  QFont font = Font(12, false, trx::app::kSansNarrow);
  const QFontMetrics metrics(font);
  if (!s.contains('\n') && metrics.horizontalAdvance(s) <= beside.width()) {
    Text(p, beside, s, 12, kInk, Qt::AlignRight | Qt::AlignVCenter, false, trx::app::kSansNarrow);
    return;
  }
  // Each line as high as the one-line caption, the lines centred on the field.
  const QStringList lines = s.split('\n');
  RecordLines(s, lines);
  int widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  constexpr int kRoom = 56, kStep = 14;  // from the content box's edge to the field
  // Narrowed by drawing, which reaches every glyph, the fallback faces' too.
  const double narrowing = widest > kRoom ? std::max(0.75, double(kRoom) / widest) : 1.0;
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

// The page's notes, from the table that the program reads them from too.
void Notes(QPainter& p, std::string_view store) {
  for (const trx::app::PageNote& note : trx::app::kPageNotes)
    if (note.store == store)
      Note(p, QRect(note.x, note.y, note.width, note.height),
           trx::app::TranslatedNote(note, trx::app::BreakMarks::Keep));
}

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

}  // namespace

void Pages() {
  {
    QImage img = Page("welcome");
    QPainter p(&img);
    Device(p, 150, 232);
    Notes(p, "welcome");
    WriteJpeg(img, "welcome.jpg");
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
    //: Label under the drawing of a PC on the connection page; 110 px, one line.
    Text(p, QRect(40, 318, 110, 18), Artwork::tr("This PC"), 12, kInk, Qt::AlignHCenter);
    //: Label on the cable between the PC and the access point in the drawing; 100 px, one line.
    Text(p, QRect(150, 250, 100, 18), Artwork::tr("Ethernet"), 12, kAccent, Qt::AlignHCenter);
    Notes(p, "step");
    WriteJpeg(img, "step.jpg");
  }
  {
    QImage img = Page("no1", false);
    QPainter p(&img);
    //: Caption above the list of the access points that answered; 125 px, one line.
    Caption(p, 63, 219, 125, Artwork::tr("Access points"));
    FieldBox(p, 63, 239, 121, 136);
    //: Heading over the settings of the access point chosen in the list; 230 px, one line.
    Text(p, QRect(210, 214, 230, 18), Artwork::tr("Settings of the selected one"), 12, kInk, Qt::AlignLeft, true);
    //: Label before the access point's value in the list page; 112 px, one line. Same term as
    //: the screen reader's "Regulatory domain".
    StatusRow(p, 237, Artwork::tr("Regulatory domain:"));
    //: Label before a value on the list page; 112 px, one line.
    StatusRow(p, 254, Artwork::tr("Firmware version:"));
    //: Label before a value on the list page; 112 px, one line.
    StatusRow(p, 271, Artwork::tr("MAC address:"));
    //: Label before a value on the list page; 112 px, one line.
    StatusRow(p, 302, Artwork::tr("IP address:"));
    //: Label before a value on the list page; 112 px, one line.
    StatusRow(p, 318, Artwork::tr("ESSID:"));
    //: Label before a value on the list page; 112 px, one line.
    StatusRow(p, 335, Artwork::tr("Channel:"));
    //: Label before a value on the list page; 112 px, one line.
    StatusRow(p, 352, Artwork::tr("WEP:"));
    Text(p, QRect(24, 142, 420, 60), trx::app::TranslatedWordsOf("no1", trx::app::BreakMarks::Keep).instruction, 14,
         kInk, Qt::AlignLeft | Qt::AlignTop);
    Notes(p, "no1");
    WriteJpeg(img, "no1.jpg");
  }
  {
    QImage img = Page("no2");
    QPainter p(&img);
    //: Field caption on the basic settings page, and a row name on the confirmation page (96 px).
    Caption(p, 89, 219, 200, Artwork::tr("ESSID"));
    FieldBox(p, 89, 237, 96, 16);
    //: Field caption on the basic settings page, and a row name on the confirmation page (96 px).
    Caption(p, 89, 272, 200, Artwork::tr("Channel"));
    //: Field caption on the basic settings page; 200 px, one line.
    Caption(p, 89, 329, 200, Artwork::tr("Host Name"));
    FieldBox(p, 89, 347, 96, 16);
    Notes(p, "no2");
    WriteJpeg(img, "no2.jpg");
  }
  {
    QImage img = Page("no3");
    QPainter p(&img);
    p.setPen(QColor(160, 166, 196));
    p.setBrush(kIpBox);
    p.drawRoundedRect(30, 232, 410, 140, 6, 6);
    //: Beside the radio button for a fixed address on the IP page; 160 px, one line.
    Text(p, QRect(62, 240, 160, 18), Artwork::tr("Set the address manually"), 12, kInk,
         Qt::AlignLeft | Qt::AlignVCenter, true);
    //: Beside the radio button for DHCP on the IP page; 180 px, one line.
    Text(p, QRect(248, 240, 180, 18), Artwork::tr("Obtain the address by DHCP"), 12, kInk,
         Qt::AlignLeft | Qt::AlignVCenter, true);
    p.setPen(QColor(160, 166, 196));
    p.drawLine(38, 262, 432, 262);
    //: Caption left of an address field on the IP page: 53 px on one line, or two lines
    //: broken with \n where the language breaks it (56 px each, may be narrowed to 75 %).
    FieldLabel(p, 269, Artwork::tr("IP Address"));
    FieldBox(p, 89, 269, 97, 15);
    //: Caption left of an address field; as for "IP Address".
    FieldLabel(p, 307, Artwork::tr("Net Mask"));
    FieldBox(p, 89, 307, 97, 15);
    //: Caption left of an address field; as for "IP Address".
    FieldLabel(p, 345, Artwork::tr("Gateway"));
    FieldBox(p, 89, 345, 97, 15, kGatewayGrey);
    Notes(p, "no3");
    WriteJpeg(img, "no3.jpg");
  }
  {
    QImage img = Page("no4");
    QPainter p(&img);
    //: Caption above the list of WEP key sizes; 200 px, one line.
    Caption(p, 89, 219, 200, Artwork::tr("WEP method"));
    //: Caption above the pass phrase field; 200 px, one line.
    Caption(p, 91, 282, 200, Artwork::tr("Pass phrase"));
    FieldBox(p, 91, 300, 96, 15);
    Notes(p, "no4");
    WriteJpeg(img, "no4.jpg");
  }
  {
    QImage img = Page("no5");
    QPainter p(&img);
    //: Caption above the first key's field; 200 px, one line.
    Caption(p, 90, 237, 200, Artwork::tr("WEP key 1"));
    FieldBox(p, 90, 255, 70, 14);
    Notes(p, "no5");
    WriteJpeg(img, "no5.jpg");
  }
  {
    QImage img = Page("no6", false);
    QPainter p(&img);
    Text(p, QRect(24, 142, 420, 40), trx::app::TranslatedWordsOf("no6", trx::app::BreakMarks::Keep).instruction, 14,
         kInk, Qt::AlignLeft | Qt::AlignTop);
    //: Heading of the confirmation page's column of the values the access point has now
    //: (before the change); 150 px, one line.
    Text(p, QRect(128, 234, 150, 18), Artwork::tr("Current"), 12, kMuted, Qt::AlignLeft, true);
    //: Heading of the confirmation page's column of the values about to be saved (after the
    //: change); 100 px, one line.
    Text(p, QRect(336, 234, 100, 18), Artwork::tr("New"), 12, kAccent, Qt::AlignLeft, true);
    p.setPen(QColor(160, 166, 196));
    p.drawLine(24, 253, 440, 253);
    const QString rows[] = {
        //: Row name on the confirmation page; 96 px, one line.
        Artwork::tr("IP address"),
        //: Row name on the confirmation page; 96 px, one line.
        Artwork::tr("ESSID"),
        //: Row name on the confirmation page; 96 px, one line.
        Artwork::tr("Channel"),
        //: Row name on the confirmation page; 96 px, one line.
        Artwork::tr("WEP"),
    };
    const int ys[] = {257, 273, 290, 307};
    for (int i = 0; i < 4; ++i)
      Text(p, QRect(24, ys[i], 96, 16), rows[i], 12, kInk, Qt::AlignLeft | Qt::AlignVCenter, true);
    for (int y : {257, 273, 290, 307}) FieldBox(p, 336, y, 97, 15);
    Notes(p, "no6");
    WriteJpeg(img, "no6.jpg");
  }
  {
    QImage img = Page("exit1");
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 170, 100), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygon({QPoint(170, 280), QPoint(205, 315), QPoint(280, 240)}));
    Notes(p, "exit1");
    WriteJpeg(img, "exit1.jpg");
  }
}

}  // namespace trx::artgen
