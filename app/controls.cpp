#include "app/controls.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <utility>

#include "app/faces.h"
#include "app/jpeg.h"
#include "link/cp1252.h"

namespace trx::app {
namespace {

int g_hintHidePause = 2500;

// List rows of one fixed height, as the form gives them.
class FixedRowDelegate : public QStyledItemDelegate {
 public:
  FixedRowDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
  }

 private:
  int height_;
};

}  // namespace

QImage PictureFromJpeg(const QByteArray& jpeg, QString* error) {
  const DecodedImage decoded =
      DecodeJpeg({reinterpret_cast<const std::uint8_t*>(jpeg.constData()), static_cast<std::size_t>(jpeg.size())});
  if (!decoded.ok()) {
    if (error) *error = QString::fromStdString(decoded.error);
    return {};
  }
  QImage image(decoded.rgb.data(), decoded.width, decoded.height, qsizetype{decoded.width} * 3, QImage::Format_RGB888);
  // Owns the pixels, in the format the window paints from without a conversion each time.
  return image.convertToFormat(QImage::Format_RGB32);
}

void SetHintHidePause(int ms) { g_hintHidePause = ms; }
int HintHidePause() { return g_hintHidePause; }

bool TControl::HandleToolTip(QWidget* self, QEvent* event) const {
  if (event->type() != QEvent::ToolTip) return false;
  auto* help = static_cast<QHelpEvent*>(event);
  if (ShowHint && !Hint.isEmpty())
    // Hints carry device and user text: shown character for character, never as markup.
    QToolTip::showText(help->globalPos(), "<p style='white-space:pre'>" + Hint.toHtmlEscaped() + "</p>", self, {},
                       g_hintHidePause);
  else
    QToolTip::hideText();
  return true;
}

// ---- TImage

TImage::TImage(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void TImage::SetPicture(const QImage& picture) {
  jpeg_.clear();
  picture_ = picture;
  update();
}

void TImage::SetJpeg(const QByteArray& jpeg, const QString& name) {
  picture_ = QImage();
  jpeg_ = jpeg;
  jpegName_ = name;
  update();
}

const QImage& TImage::Picture() const {
  if (!jpeg_.isEmpty()) {
    QString error;
    picture_ = PictureFromJpeg(jpeg_, &error);
    if (picture_.isNull())
      qWarning("picture %s of %s cannot be shown: %s", qPrintable(jpegName_), qPrintable(objectName()),
               qPrintable(error));
    jpeg_.clear();
  }
  return picture_;
}

void TImage::CopyPictureFrom(const QObject* store) {
  const auto* image = qobject_cast<const TImage*>(store);
  if (!image) return;
  SetPicture(image->Picture());
  // A face or page change is a change of name for assistive technology.
  if (QAccessible::isActive()) {
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
  }
}

void TImage::Press() {
  if (!isEnabled() || !isVisible()) return;
  const QPointF centre = QRectF(rect()).center();
  QMouseEvent down(QEvent::MouseButtonPress, centre, mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton, {});
  mousePressEvent(&down);
  QMouseEvent up(QEvent::MouseButtonRelease, centre, mapToGlobal(centre), Qt::LeftButton, Qt::NoButton, {});
  mouseReleaseEvent(&up);
}

void TImage::paintEvent(QPaintEvent*) {
  const QImage& picture = Picture();
  if (picture.isNull()) return;
  QPainter painter(this);
  painter.drawImage(rect(), picture);
  // A focus frame only for focus that came from the keyboard: a mouse user never sees one.
  if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
  }
}

void TImage::keyPressEvent(QKeyEvent* e) {
  if (focusPolicy() != Qt::NoFocus && !(e->modifiers() & ~Qt::KeypadModifier) &&
      (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
    Press();
    e->accept();
    return;
  }
  QWidget::keyPressEvent(e);
}

void TImage::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  update();
}

void TImage::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  update();
}

void TImage::mouseMoveEvent(QMouseEvent* e) {
  emit OnMouseMove(this, e);
  e->accept();
}

void TImage::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) pressed_ = true;
  emit OnMouseDown(this, e);
  e->accept();
}

void TImage::mouseReleaseEvent(QMouseEvent* e) {
  // A click is a press and a release of the left button, both on the control.
  const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  if (e->button() == Qt::LeftButton) pressed_ = false;
  if (click) emit OnClick(this);
  emit OnMouseUp(this, e);
  e->accept();
}

void TImage::changeEvent(QEvent* e) {
  // A disabled control gets no mouse events: the pointer is then over whatever lies beneath.
  if (e->type() == QEvent::EnabledChange) {
    setAttribute(Qt::WA_TransparentForMouseEvents, !isEnabled());
    pressed_ = false;
  }
  QWidget::changeEvent(e);
}

bool TImage::event(QEvent* e) { return HandleToolTip(this, e) || QWidget::event(e); }

// ---- TLabel

TLabel::TLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);  // captions carry device text: never read as markup
}

void TLabel::SetCaption(const QString& caption) {
  setText(caption);
  sizeDue_ = isHidden();
  if (sizeDue_) return;
  LoadFaces();
  adjustSize();
}

void TLabel::setVisible(bool visible) {
  if (visible && sizeDue_) {
    sizeDue_ = false;
    LoadFaces();
    adjustSize();
  }
  QLabel::setVisible(visible);
}

bool TLabel::event(QEvent* e) { return HandleToolTip(this, e) || QLabel::event(e); }

// ---- TEdit

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
  connect(this, &QLineEdit::textEdited, this, &TEdit::FilterTyped);
  limitPause_.setSingleShot(true);
  limitPause_.setInterval(500);
  connect(&limitPause_, &QTimer::timeout, this, [this] { emit OnLimit(MaxLength); });
  connect(this, &QLineEdit::textChanged, this, [this] {
    before_ = text();
    if (MaxLength <= 0 || before_.size() < MaxLength) limitTold_ = false;
  });
}

void TEdit::setText(const QString& text) {
  if (!UpperCase) {
    QLineEdit::setText(text);
    return;
  }
  QString upper = text;
  for (QChar& c : upper) c = c.toUpper();
  QLineEdit::setText(upper);
}

void TEdit::SetMasked(bool masked) {
  if (masked == Masked()) return;
  setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
  if (Secret || !QAccessible::isActive()) return;
  // A screen reader keeps the kind of field it first learnt and the platform bridge sends no
  // change of it: the field becomes a new accessible object, learnt anew when it is next met.
  if (QAccessibleInterface* old = QAccessible::queryAccessibleInterface(this))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
}

void TEdit::FilterTyped(const QString& typed) {
  QString t;
  t.reserve(typed.size());
  int cursor = cursorPosition();
  bool refused = false;
  for (int i = 0; i < typed.size(); ++i) {
    const QChar c = typed[i];
    if (!link::UnicodeToCp1252(c.unicode())) {  // the device could not store it
      if (i < cursorPosition()) --cursor;
      refused = true;
      continue;
    }
    t += UpperCase ? c.toUpper() : c;
  }
  // The limit holds what the user types; a longer text the program put in stays, but cannot grow.
  if (MaxLength > 0 && t.size() > MaxLength && t.size() > before_.size()) {
    const int excess = static_cast<int>(t.size()) - std::max(MaxLength, static_cast<int>(before_.size()));
    const int from = std::max(0, cursor - excess);
    t.remove(from, cursor - from);
    cursor = from;
    refused = true;
    if (!std::exchange(limitTold_, true)) limitPause_.start();
  }
  if (t == typed) return;
  if (refused) QApplication::beep();
  QLineEdit::setText(t);
  setCursorPosition(std::clamp(cursor, 0, static_cast<int>(t.size())));
}

void TEdit::focusInEvent(QFocusEvent* e) {
  changingFocus_ = true;
  QLineEdit::focusInEvent(e);
  changingFocus_ = false;
}

void TEdit::focusOutEvent(QFocusEvent* e) {
  if (limitPause_.isActive()) {  // typing here is over: said before anything of the next field
    limitPause_.stop();
    emit OnLimit(MaxLength);
  }
  changingFocus_ = true;
  QLineEdit::focusOutEvent(e);
  changingFocus_ = false;
  // Only a move to another control of the window counts, not a change of window or a popup.
  if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) return;
  if (ProgramFocus::Active()) return;
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the queued call's event owns its slot object
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (isVisible()) emit OnExit(this);
      },
      Qt::QueuedConnection);
}

void TEdit::keyPressEvent(QKeyEvent* e) {
  // Alt with a letter is a command, never typing (AltGr, which Windows reports as Ctrl+Alt, is).
  const Qt::KeyboardModifiers mods = e->modifiers();
  if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !e->text().isEmpty() && e->text()[0].isPrint()) {
    e->ignore();
    return;
  }
  if (limitPause_.isActive() && !e->text().isEmpty() && e->text()[0].isPrint()) limitPause_.start();  // still typing
  QLineEdit::keyPressEvent(e);
}

bool TEdit::event(QEvent* e) { return HandleToolTip(this, e) || QLineEdit::event(e); }

// ---- TComboBox

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  setItemDelegate(new FixedRowDelegate(16, this));
  // A choice made with the list closed is handed over as the list's closing would hand it.
  connect(this, &QComboBox::activated, this, [this] {
    if (!popupOpen_) QueueCloseUp();
  });
}

void TComboBox::QueueCloseUp() {
  // One close-up per choice, whichever of the closing and the activation comes first.
  if (closeUpQueued_) return;
  closeUpQueued_ = true;
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the queued call's event owns its slot object
  QMetaObject::invokeMethod(
      this,
      [this] {
        closeUpQueued_ = false;
        emit OnCloseUp(this);
      },
      Qt::QueuedConnection);
}

void TComboBox::showPopup() {
  QComboBox::showPopup();
  popupOpen_ = true;
}

void TComboBox::hidePopup() {
  const bool wasOpen = popupOpen_;
  popupOpen_ = false;
  QComboBox::hidePopup();
  // The list hands over the chosen item only after it has closed.
  if (wasOpen) QueueCloseUp();
}

bool TComboBox::event(QEvent* e) { return HandleToolTip(this, e) || QComboBox::event(e); }

// ---- TListBox

TListBox::TListBox(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new FixedRowDelegate(13, this));
  setUniformItemSizes(true);
}

void TListBox::keyboardSearch(const QString& search) {
  if (search.trimmed().isEmpty()) return;
  QListWidget::keyboardSearch(search);
}

void TListBox::mousePressEvent(QMouseEvent* e) {
  if (!itemAt(e->position().toPoint())) {
    e->accept();
    return;
  }
  const int before = currentRow();
  QListWidget::mousePressEvent(e);
  // A press on the highlighted entry is a click too; one on another entry moved the highlight.
  if (currentRow() >= 0 && (e->button() == Qt::LeftButton || currentRow() != before)) emit OnClick(this);
}

void TListBox::mouseMoveEvent(QMouseEvent* e) {
  ClickIfMoved([&] { QListWidget::mouseMoveEvent(e); });
}

void TListBox::mouseReleaseEvent(QMouseEvent* e) {
  ClickIfMoved([&] { QListWidget::mouseReleaseEvent(e); });
}

void TListBox::keyPressEvent(QKeyEvent* e) {
  ClickIfMoved([&] { QListWidget::keyPressEvent(e); });
}

// ---- the rest

TRadioButton::TRadioButton(QWidget* parent) : QRadioButton(parent) {
  connect(this, &QRadioButton::clicked, this, [this] { emit OnClick(this); });
  // Qt's automatic exclusivity spans nested children too; the group of the parent is explicit.
  auto* group = parent->findChild<QButtonGroup*>("radio group", Qt::FindDirectChildrenOnly);
  if (!group) {
    group = new QButtonGroup(parent);
    group->setObjectName("radio group");
  }
  group->addButton(this);
}

void TRadioButton::Uncheck() {
  QButtonGroup* g = group();
  if (g) g->setExclusive(false);
  setChecked(false);
  if (g) g->setExclusive(true);
}

TPanel::TPanel(QWidget* parent) : QFrame(parent) { setFrameShape(QFrame::NoFrame); }

TProgressBar::TProgressBar(QWidget* parent) : QProgressBar(parent) { setTextVisible(false); }

void TProgressBar::SetPosition(int position) { setValue(std::clamp(position, minimum(), maximum())); }

namespace {
class QtTicks : public TickSource {
 public:
  explicit QtTicks(TTimer* owner) {
    timer_.setTimerType(Qt::PreciseTimer);  // the waits count ticks: a coarse timer drifts by 5 %
    QObject::connect(&timer_, &QTimer::timeout, owner, &TTimer::Tick);
  }
  void Start(int intervalMs) override { timer_.start(intervalMs); }
  void Stop() override { timer_.stop(); }

 private:
  QTimer timer_;
};
}  // namespace

TTimer::TTimer(QObject* parent) : QObject(parent), source_(std::make_unique<QtTicks>(this)) {}

TTimer::~TTimer() = default;

void TTimer::SetTickSource(std::unique_ptr<TickSource> source) {
  if (source_) source_->Stop();
  source_ = std::move(source);
  if (enabled_) source_->Start(interval_);
}

void TTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (enabled)
    source_->Start(interval_);
  else
    source_->Stop();
}

void TTimer::Tick() {
  if (enabled_) emit OnTimer(this);
}

// ---- program focus

namespace {
int g_programFocus = 0;
}

ProgramFocus::ProgramFocus() { ++g_programFocus; }
ProgramFocus::~ProgramFocus() { --g_programFocus; }
bool ProgramFocus::Active() { return g_programFocus > 0; }

}  // namespace trx::app
