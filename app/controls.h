#pragma once
// The small control layer of the form: thin Qt widgets that add what the form needs and
// nothing more: a Hint text, an opt-in tool-tip, a picture copied from a store, exit,
// click and close-up events.
#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class QMouseEvent;

namespace trx::app {

// Decodes a JPEG picture; a picture that cannot be decoded gives a null image and the reason.
QImage PictureFromJpeg(const QByteArray& jpeg, QString* error = nullptr);

// How long tool-tips stay up, in milliseconds; the form sets it at creation.
void SetHintHidePause(int ms);
int HintHidePause();

// While one of these lives, focus moves are the program's own (putting the focus back into a
// field that failed its check) and fire no exit events.
class ProgramFocus {
 public:
  ProgramFocus();
  ~ProgramFocus();
  ProgramFocus(const ProgramFocus&) = delete;
  ProgramFocus& operator=(const ProgramFocus&) = delete;
  static bool Active();
};

// What every control of the form carries besides its widget.
class TControl {
 public:
  virtual ~TControl() = default;
  QString Hint;  // state text; shown as a tool-tip only when ShowHint is set
  bool ShowHint = false;

 protected:
  // Shows Hint as the tool-tip of the widget; true when the event was a tool-tip request.
  bool HandleToolTip(QWidget* self, QEvent* event) const;
};

// A picture, drawn stretched to the control's size; also the picture buttons.
class TImage : public QWidget, public TControl {
  Q_OBJECT
 public:
  explicit TImage(QWidget* parent);
  const QImage& Picture() const;
  void SetPicture(const QImage& picture);
  // A picture decoded when it is first needed: most of the form's pictures are stores and
  // faces that the first page never shows. name: for the warning if it cannot be decoded.
  void SetJpeg(const QByteArray& jpeg, const QString& name);
  // Shows another control's picture: the way pages and faces change.
  void CopyPictureFrom(const QObject* store);
  // What a left click does, for the keyboard and assistive technology: a press and a
  // release in the middle of the control, with the same events in the same order.
  void Press();

 signals:
  void OnClick(QObject* sender);
  void OnMouseMove(QObject* sender, QMouseEvent* event);
  void OnMouseDown(QObject* sender, QMouseEvent* event);
  void OnMouseUp(QObject* sender, QMouseEvent* event);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void changeEvent(QEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void focusInEvent(QFocusEvent*) override;
  void focusOutEvent(QFocusEvent*) override;
  bool event(QEvent*) override;

 private:
  mutable QImage picture_;
  mutable QByteArray jpeg_;  // not yet decoded
  QString jpegName_;
  bool pressed_ = false;
};

// A transparent label that sizes itself to its text.
class TLabel : public QLabel, public TControl {
  Q_OBJECT
 public:
  explicit TLabel(QWidget* parent);
  QString Caption() const { return text(); }
  // Sized to the caption; a hidden label when it is next shown, so that the form's hidden
  // captions load no face before the first frame.
  void SetCaption(const QString& caption);
  void setVisible(bool visible) override;

 protected:
  bool event(QEvent*) override;

 private:
  bool sizeDue_ = false;
};

// A one-line edit field. MaxLength limits what the user types, never what the program
// puts in; characters the device's code page cannot hold never enter the field.
class TEdit : public QLineEdit, public TControl {
  Q_OBJECT
 public:
  explicit TEdit(QWidget* parent);
  int MaxLength = 0;  // 0: no limit
  bool UpperCase = false;

  // Hides QLineEdit::setText so that program texts follow the field's case rule too.
  void setText(const QString& text);
  void SetMasked(bool masked);  // "*" for every character, or plain
  bool Masked() const { return echoMode() == QLineEdit::Password; }
  // A secret whatever it shows: assistive technology is given nothing of it, ever.
  bool Secret = false;
  // Masked or a secret: what assistive technology must not be given.
  bool Hidden() const { return Secret || Masked(); }
  // While the focus comes or goes: the selection and cursor moves then are the line edit's
  // own (all selected on the way in, none on the way out), no edit of the user's.
  bool ChangingFocus() const { return changingFocus_; }

 signals:
  // Focus has moved to another control of the window (not for the program's own moves).
  void OnExit(QObject* sender);
  // Typing was stopped at the limit: once, until the text is shorter again, when the keys
  // pause (a screen reader's echo of the next key would cut it short).
  void OnLimit(int maxLength);

 protected:
  void focusInEvent(QFocusEvent*) override;
  void focusOutEvent(QFocusEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  bool event(QEvent*) override;

 private:
  void FilterTyped(const QString& typed);
  QString before_;
  bool changingFocus_ = false;
  bool limitTold_ = false;
  QTimer limitPause_;
};

// A drop-down list the user picks from without typing; reports when its list closes.
class TComboBox : public QComboBox, public TControl {
  Q_OBJECT
 public:
  explicit TComboBox(QWidget* parent);
  void showPopup() override;
  void hidePopup() override;

 signals:
  // After the drop-down list the user opened has closed, with the item then in force, and
  // after the user changed the item with the list closed (keys, wheel); not for the
  // program's own changes, nor when the control is hidden.
  void OnCloseUp(QObject* sender);

 protected:
  bool event(QEvent*) override;

 private:
  void QueueCloseUp();
  bool popupOpen_ = false;
  bool closeUpQueued_ = false;
};

class TListBox : public QListWidget, public TControl {
  Q_OBJECT
 public:
  explicit TListBox(QWidget* parent);
  // Every entry begins with a space: the list's type-to-find would take Space as a search.
  void keyboardSearch(const QString& search) override;

 signals:
  void OnClick(QObject* sender);

 protected:
  // Every way a person moves the highlight (a press, a press dragged onto another entry, the
  // keys) is a click on the highlighted entry; a press on empty space keeps the highlight.
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;

 private:
  template <class Base>
  void ClickIfMoved(Base base) {
    const int before = currentRow();
    base();
    if (currentRow() != before && currentRow() >= 0) emit OnClick(this);
  }
};

// Radio buttons form one group per parent control.
class TRadioButton : public QRadioButton, public TControl {
  Q_OBJECT
 public:
  explicit TRadioButton(QWidget* parent);
  // Leaves the whole group without a checked button.
  void Uncheck();

 signals:
  void OnClick(QObject* sender);
};

class TPanel : public QFrame, public TControl {
  Q_OBJECT
 public:
  explicit TPanel(QWidget* parent);
};

// A progress bar whose position is held within its range, as a position past the end shows full.
class TProgressBar : public QProgressBar, public TControl {
  Q_OBJECT
 public:
  explicit TProgressBar(QWidget* parent);
  int Position() const { return value(); }
  void SetPosition(int position);
};

// The form's timer. In manual mode (tests) it never fires by
// itself; Tick() delivers one tick while it is enabled.
// Where a timer's ticks come from: a real timer for the program; tests put in a source of
// their own and tick by hand.
class TickSource {
 public:
  virtual ~TickSource() = default;
  virtual void Start(int intervalMs) = 0;
  virtual void Stop() = 0;
};

class TTimer : public QObject {
  Q_OBJECT
 public:
  explicit TTimer(QObject* parent);
  ~TTimer() override;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }
  void SetInterval(int ms) { interval_ = ms; }
  void Tick();
  void SetTickSource(std::unique_ptr<TickSource> source);

 signals:
  void OnTimer(QObject* sender);

 private:
  std::unique_ptr<TickSource> source_;
  int interval_ = 1000;
  bool enabled_ = false;
};

}  // namespace trx::app
