#include "app/form1.h"

#include "app/announcer.h"
#include "app/faces.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QMessageBox>
#include <QPainterPath>
#include <QResource>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <map>

#include "app/formdescription.h"
#include "app/language.h"
#include "link/messages.h"

namespace trx::app {
namespace {

// The texts of the form description that a user reads, for the translation tools. The rest
// (placeholders that a reply replaces, device values, "DHCP") are never translated.
[[maybe_unused]] constexpr const char* kFormTexts[] = {
    //: WEP key size list on the security page (about 90 px): WEP switched off.
    QT_TRANSLATE_NOOP("Form1", "Disable"),
    //: WEP key size list on the security page (about 90 px).
    QT_TRANSLATE_NOOP("Form1", "64Bits"),
    //: WEP key size list on the security page (about 90 px).
    QT_TRANSLATE_NOOP("Form1", "128Bits"),
    //: WEP key size list on the security page (about 90 px).
    QT_TRANSLATE_NOOP("Form1", "256Bits"),
    QT_TRANSLATE_NOOP("Form1", "ASCII: Enter 5,13,or 29 characters for 40,128, or 256 bits WEP Keys respectively"),
    // One text over two lines, not two texts.  NOLINTNEXTLINE(bugprone-suspicious-missing-comma)
    QT_TRANSLATE_NOOP("Form1",
                      "Hexdecimal(0-9 & a-f ,or a-f ): Enter 10, 26, 58 digits for 40,128, or 256 bits WEP Key "
                      "respectively."),
};

QString Translated(const QString& formText) {
  return QCoreApplication::translate("Form1", formText.toUtf8().constData());
}

// A picture that carries words in the language in use, else the one every language shares.
QString PictureResource(const QString& name) {
  const QString own = ":/form/" + LanguageInUse() + "/" + name;
  return LanguageInUse() != "en" && QFile::exists(own) ? own : ":/form/" + name;
}

QColor ParseColour(const QString& rgb) {
  const QStringList parts = rgb.split(',');
  if (parts.size() != 3) return {};
  return QColor(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
}

QFont FontFor(const ControlEntry& entry, const QFont& formFont) {
  const QString family = entry.Option("font", "Arial Narrow");
  if (family == "form") return formFont;
  QFont font;
  font.setFamilies(FamiliesFor(family));
  font.setPixelSize(entry.Option("size", "12").toInt());
  return font;
}

void ApplyColours(QWidget* w, const ControlEntry& entry, QPalette::ColorRole background) {
  QPalette palette = w->palette();
  if (entry.Has("fg")) {
    const QColor fg = ParseColour(entry.Option("fg"));
    palette.setColor(QPalette::WindowText, fg);
    palette.setColor(QPalette::Text, fg);
    palette.setColor(QPalette::ButtonText, fg);
  }
  if (entry.Has("bg")) {
    const QColor bg = ParseColour(entry.Option("bg"));
    palette.setColor(background, bg);
    palette.setColor(QPalette::Window, bg);
    w->setAutoFillBackground(true);
  }
  w->setPalette(palette);
}

void ApplyCursor(QWidget* w, const ControlEntry& entry) {
  const QString cursor = entry.Option("cursor");
  if (cursor == "hand") w->setCursor(Qt::PointingHandCursor);
  if (cursor == "arrow") w->setCursor(Qt::ArrowCursor);
}

// A picture, or a picture button, with its JPEG kept where the program holds it.
TImage* MakeImage(const ControlEntry& entry, QWidget* parent) {
  auto* image = new TImage(parent);
  if (entry.Has("picture")) {
    // Kept where the program holds it, not copied: most pictures wait for a later page.
    const QString path = PictureResource(entry.Option("picture"));
    const QResource stored(path);
    QFile jpeg(path);
    if (stored.isValid() && stored.compressionAlgorithm() == QResource::NoCompression)
      image->SetJpeg(QByteArray::fromRawData(reinterpret_cast<const char*>(stored.data()), stored.size()),
                     entry.Option("picture"));
    else if (jpeg.open(QIODevice::ReadOnly))
      image->SetJpeg(jpeg.readAll(), entry.Option("picture"));
    else
      qWarning("picture %s of %s cannot be shown: %s", qPrintable(entry.Option("picture")), qPrintable(entry.name),
               qPrintable(jpeg.errorString()));
  }
  // Picture buttons take the focus from the keyboard only: a click never moves it.
  if (entry.kind == "button") image->setFocusPolicy(Qt::TabFocus);
  return image;
}

// What one line of the form description makes: the object, and where it is one, the widget
// and the control.
struct Made {
  QObject* object = nullptr;
  QWidget* widget = nullptr;
  TControl* control = nullptr;
};

Made MakeControl(const ControlEntry& entry, QWidget* parent, const QFont& formFont, QObject* owner) {
  if (entry.kind == "picture" || entry.kind == "button") {
    TImage* image = MakeImage(entry, parent);
    return {image, image, image};
  }
  if (entry.kind == "label") {
    auto* label = new TLabel(parent);
    label->setFont(FontFor(entry, formFont));
    label->move(entry.left, entry.top);
    label->setVisible(entry.Has("visible"));  // a hidden one is sized when shown
    label->SetCaption(Translated(entry.Option("text")));
    return {label, label, label};
  }
  if (entry.kind == "edit") {
    auto* edit = new TEdit(parent);
    edit->setFont(FontFor(entry, formFont));
    edit->MaxLength = entry.Option("max", "0").toInt();
    edit->UpperCase = entry.Has("upper");
    edit->setReadOnly(entry.Has("readonly"));
    edit->SetMasked(entry.Has("password"));
    edit->setText(entry.Option("text"));
    ApplyColours(edit, entry, QPalette::Base);
    return {edit, edit, edit};
  }
  if (entry.kind == "combo") {
    auto* combo = new TComboBox(parent);
    combo->setFont(FontFor(entry, formFont));
    if (entry.Has("items"))
      for (const QString& item : entry.Option("items").split('|')) combo->addItem(Translated(item));
    combo->setCurrentIndex(-1);
    return {combo, combo, combo};
  }
  if (entry.kind == "list") {
    auto* list = new TListBox(parent);
    list->setFont(FontFor(entry, formFont));
    list->setFrameShape(entry.Has("border") ? QFrame::StyledPanel : QFrame::NoFrame);
    return {list, list, list};
  }
  if (entry.kind == "panel") {
    auto* panel = new TPanel(parent);
    ApplyColours(panel, entry, QPalette::Window);
    return {panel, panel, panel};
  }
  if (entry.kind == "radio") {
    auto* radio = new TRadioButton(parent);
    radio->setFont(FontFor(entry, formFont));
    radio->setText(Translated(entry.Option("text")));
    radio->setChecked(entry.Has("checked"));
    ApplyColours(radio, entry, QPalette::Window);
    return {radio, radio, radio};
  }
  if (entry.kind == "progress") {
    auto* progress = new TProgressBar(parent);
    progress->setRange(0, 100);
    progress->setValue(0);
    return {progress, progress, progress};
  }
  if (entry.kind == "socket") {
    return {new TZEL_UDPSocket(owner), nullptr, nullptr};
  }
  if (entry.kind == "timer") {
    auto* timer = new TTimer(owner);
    timer->SetInterval(entry.Option("interval").toInt());
    return {timer, nullptr, nullptr};
  }
  qFatal("form description: unknown kind %s", qPrintable(entry.kind));
}

}  // namespace

TForm1::TForm1(platform::Platform& platform, QWidget* parent, Controls when)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), platform_(platform) {
  setObjectName("Form1");
  InstallAccessibility();  // before the name, which makes the form's accessible interface
  setAccessibleName(kApplicationTitle);
  BuildFromDescription(when);
  MakeAnnouncer();
  WireHandlers();
  installEventFilter(this);  // keys that reach the window itself when no control has the focus
  FormCreate(this);
}

TForm1::~TForm1() {
  // A field that loses the focus as the window goes says its typing limit: not to a form
  // half destroyed.
  for (TEdit* field : findChildren<TEdit*>()) disconnect(field, &TEdit::OnLimit, this, nullptr);
  FormDestroy(this);
}

// The window itself: its title, font, size and background. Returns the form's font.
QFont TForm1::TakeFormEntry(const ControlEntry& entry) {
  setWindowTitle(entry.Option("text"));
  QFont formFont;
  formFont.setFamilies(FamiliesFor(entry.Option("font")));
  formFont.setPixelSize(entry.Option("size").toInt());
  setFont(formFont);
  setFixedSize(entry.width, entry.height);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  setPalette(palette);
  setAutoFillBackground(true);
  return formFont;
}

void TForm1::BuildFromDescription(Controls when) {
  QFile file(":/form/Form1.form");
  file.open(QIODevice::ReadOnly);
  FormDescription description = ParseFormDescription(QString::fromUtf8(file.readAll()));
  if (!description.error.isEmpty()) qFatal("form description: %s", qPrintable(description.error));

  formFont_ = font();
  auto& entries = description.controls;
  for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
    if (entry->kind == "form") {
      formFont_ = TakeFormEntry(*entry);
      continue;
    }
    // The windowed controls come last in the description, above the pictures and labels:
    // made later, they keep that order. None shows on the welcome page.
    const bool windowed = entry->kind != "picture" && entry->kind != "button" && entry->kind != "label";
    if (windowed && when == Controls::AfterFirstFrame) {
      rest_.assign(std::make_move_iterator(entry), std::make_move_iterator(entries.end()));
      break;
    }
    MakeEntry(*entry);
  }
  BindMembers(false);  // the rest stay nullptr until they are made
  if (rest_.empty()) FinishControls();
}

void TForm1::MakeRemainingControls() {
  if (rest_.empty()) return;
  const std::vector<ControlEntry> rest = std::exchange(rest_, {});
  for (const ControlEntry& entry : rest) MakeEntry(entry);
  FinishControls();
  emit AllControlsMade();
}

void TForm1::MakeEntry(const ControlEntry& entry) {
  QWidget* parentWidget = this;
  if (entry.parent != "-") parentWidget = qobject_cast<QWidget*>(byName_.value(entry.parent.toLower()));
  if (!parentWidget) qFatal("form description: %s has no parent %s", qPrintable(entry.name), qPrintable(entry.parent));

  // A text control measures its font as it is made: the faces first. Pictures and (hidden)
  // labels need none, and the welcome page draws no text.
  if (entry.kind != "picture" && entry.kind != "button" && entry.kind != "label") LoadFaces();
  const auto [object, widget, control] = MakeControl(entry, parentWidget, formFont_, this);

  if (widget) {
    widget->installEventFilter(this);  // notes whether the keyboard or the mouse was used last
    if (entry.kind != "label") widget->setGeometry(entry.left, entry.top, entry.width, entry.height);
    widget->setVisible(entry.Has("visible"));
    widget->setEnabled(!entry.Has("disabled"));
    ApplyCursor(widget, entry);
    if (entry.Has("tab")) tabOrder_[entry.parent].emplace_back(entry.Option("tab").toInt(), widget);
    // Made after the announcer and the notes: under them, as when all are made at once.
    if (announcer_ && parentWidget == this) widget->stackUnder(announcer_);
  }
  if (control) {
    control->Hint = entry.Option("hint");
    control->ShowHint = entry.Has("tooltip");
  }
  object->setObjectName(entry.name);
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): its parent (or the form) owns it
  byName_.insert(entry.name.toLower(), object);
}

void TForm1::FinishControls() {
  for (auto& [parentName, widgets] : tabOrder_) {
    std::stable_sort(widgets.begin(), widgets.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < widgets.size(); ++i) QWidget::setTabOrder(widgets[i - 1].second, widgets[i].second);
  }
  tabOrder_.clear();
  BindMembers(true);
  bar->setFocusPolicy(Qt::TabFocus);  // the focus rests on it while a wait shows nothing else
  NameControls();
}

void TForm1::BindMembers(bool all) {
// NOLINTBEGIN(bugprone-macro-parentheses): Class names a type, which parentheses would break
#define TRX_BIND_MEMBER(Class, name)                                    \
  name = qobject_cast<Class*>(byName_.value(QString(#name).toLower())); \
  if (!name && all) qFatal("form description: no control %s of class %s", #name, #Class);
  TRX_FORM_CONTROLS(TRX_BIND_MEMBER)
#undef TRX_BIND_MEMBER
  // NOLINTEND(bugprone-macro-parentheses)
}

void TForm1::WireHandlers() {
  for (TImage* button : {b_setup, b_help, b_web, b_exit, b_back, b_min, b_close})
    connect(button, &TImage::OnMouseMove, this, [this](QObject* s, QMouseEvent*) { b_setupMouseMove(s); });
  connect(welcome, &TImage::OnMouseMove, this, [this](QObject* s, QMouseEvent* e) {
    welcomeMouseMove(s);
    if (dragging_ && (e->buttons() & Qt::LeftButton)) move(e->globalPosition().toPoint() - dragOffset_);
  });
  connect(welcome, &TImage::OnMouseDown, this, &TForm1::welcomeMouseDown);
  connect(welcome, &TImage::OnMouseUp, this, [this] { dragging_ = false; });

  connect(b_exit, &TImage::OnClick, this, &TForm1::b_exitClick);
  connect(b_help, &TImage::OnClick, this, &TForm1::b_helpClick);
  connect(b_web, &TImage::OnClick, this, &TForm1::b_webClick);
  connect(b_close, &TImage::OnMouseDown, this, [this](QObject* s) { b_closeMouseDown(s); });
  connect(b_close, &TImage::OnMouseUp, this, [this](QObject* s) { b_closeMouseUp(s); });
  connect(b_min, &TImage::OnMouseDown, this, [this](QObject* s) { b_minMouseDown(s); });
  connect(b_min, &TImage::OnMouseUp, this, [this](QObject* s) { b_minMouseUp(s); });
  errormsg->setFocusPolicy(Qt::TabFocus);  // the error panel is one large Continue button
}

QObject* TForm1::FindComponent(const QString& name) const { return byName_.value(name.toLower(), nullptr); }

// ---- start-up and shutdown

void TForm1::FormCreate(QObject*) {
  SetHintHidePause(40000);
  // The window is clipped to a rounded rectangle with a 20 x 20 corner ellipse, once.
  QPainterPath outline;
  outline.addRoundedRect(QRectF(0, 0, width(), height()), 10, 10);
  setMask(QRegion(outline.toFillPolygon().toPolygon()));
  // One pixel of the form scaled to the screen, in the form's own (96-ppi) pixels.
  if (const int ppi = ScreenPpi(); ppi > 0 && ppi % 96 != 0)
    b_setup->move(b_setup->x(), b_setup->y() + std::max(1, static_cast<int>(std::lround(96.0 / ppi))));
  // Centred before the window exists: a move after it is mapped races the window manager's
  // reparenting, and Qt may then place pop-ups from a stale window position.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TForm1::FormActivate(QObject*) {
  MakeRemainingControls();  // the socket among them
  ZEL_UDPSocket1->lclPort = link::kPort;
  ZEL_UDPSocket1->rmtPort = link::kPort;
  ZEL_UDPSocket1->RmtAddr = link::kBroadcastAddress;
  ZEL_UDPSocket1->Open();
}

// Nothing to undo before the form goes: the socket is the program's own and closes with it.
void TForm1::FormClose(QObject*) {}

void TForm1::FormDestroy(QObject*) {
  if (ZEL_UDPSocket1) ZEL_UDPSocket1->Close();  // never made when the form goes before its first frame
}

bool TForm1::event(QEvent* e) {
  if (e->type() == QEvent::Paint && !painted_) {
    painted_ = true;
    // What the first page does not need, once its frame is drawn: the rest of the controls,
    // then the socket if the window was activated meanwhile.
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the queued call's event owns its slot object
    QMetaObject::invokeMethod(
        this,
        [this] {
          afterFirstFrame_ = true;
          MakeRemainingControls();
          if (std::exchange(activationWaits_, false)) FormActivate(this);
        },
        Qt::QueuedConnection);
  }
  if (e->type() == QEvent::WindowActivate && !activatedOnce_) {
    activatedOnce_ = true;
    // The socket's thread and buffers after the first frame, also when the window manager
    // activates the window before it is drawn or in the same turn.
    if (afterFirstFrame_)
      FormActivate(this);
    else
      activationWaits_ = true;
  }
  if (e->type() == QEvent::WindowActivate) SayClosingAgain();
  return QWidget::event(e);
}

void TForm1::closeEvent(QCloseEvent* e) {
  if (AnnounceUnsavedClose()) {
    e->ignore();
    return;
  }
  FormClose(this);
  e->accept();
}

namespace {
// A message box centred on the form. Qt's own placement allows for a window frame that a
// frameless form does not have, and so lands 10 and 40 pixels off.
class CentredBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void showEvent(QShowEvent* e) override {
    QMessageBox::showEvent(e);  // sizes the box
    if (const QWidget* form = parentWidget())
      move(form->mapToGlobal(form->rect().center()) - QPoint(width() / 2, height() / 2));
  }
};
}  // namespace

void TForm1::ShowMessage(const QString& text, const QString& why) {
  ++messagesShown_;
  CentredBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, this);
  if (!why.isEmpty()) box.button(QMessageBox::Ok)->setAccessibleDescription(why);
  box.exec();
  // Closing one of the program's own dialogs gives the focus back to the form, which
  // counts as an activation.
  FormActivate(this);
}

int TForm1::InformationBox(const QString& text, int buttons, int icon) {
  // Qt breaks lines at LF alone; the CR of a CR LF pair would show as a stray glyph.
  QString shown = text;
  shown.replace("\r\n", "\n");
  CentredBox box(static_cast<QMessageBox::Icon>(icon), tr("Information"), shown,
                 static_cast<QMessageBox::StandardButtons>(buttons), this);
  return box.exec();
}

int TForm1::ScreenPpi() const { return platform_.ScreenPixelsPerInch(); }

void TForm1::FocusField(QWidget* field) {
  if (!field->isEnabled() || !field->isVisible()) return;  // it cannot take the focus
  ProgramFocus guard;
  field->setFocus(Qt::OtherFocusReason);
}

}  // namespace trx::app
