// The keyboard: Return and Escape press the page's forward and backward buttons, Tab goes
// through the page's fields and then its buttons in screen order, and every page change puts
// the focus on the page's first field. Keys reach the same handlers as clicks.
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

#include "app/form1.h"

namespace trx::app {
namespace {

bool IsButton(const QWidget* w) { return qobject_cast<const TImage*>(w) != nullptr; }

bool Usable(const QWidget* w) { return w->isVisible() && w->isEnabled(); }

}  // namespace

QList<QWidget*> TForm1::FocusChain() const {
  QList<QWidget*> fields, buttons;
  for (QWidget* w : findChildren<QWidget*>()) {
    if (!dynamic_cast<TControl*>(w) || !(w->focusPolicy() & Qt::TabFocus) || !Usable(w)) continue;
    (IsButton(w) ? buttons : fields).append(w);
  }
  // Top to bottom, then left to right, as the page shows them.
  const auto screenOrder = [this](const QWidget* a, const QWidget* b) {
    const QPoint pa = a->mapTo(this, QPoint()), pb = b->mapTo(this, QPoint());
    return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
  };
  std::stable_sort(fields.begin(), fields.end(), screenOrder);
  std::stable_sort(buttons.begin(), buttons.end(), screenOrder);
  return fields + buttons;
}

bool TForm1::focusNextPrevChild(bool next) {
  const QList<QWidget*> chain = FocusChain();
  if (chain.isEmpty()) return false;
  const qsizetype at = chain.indexOf(focusWidget());
  const qsizetype n = chain.size();
  const qsizetype to = at < 0 ? (next ? 0 : n - 1) : (at + (next ? 1 : n - 1)) % n;
  // Qt also moves the focus on when the focused control is hidden or disabled: after a
  // click that is no keyboard move, and shows no keyboard cues (frame, selected text).
  const Qt::FocusReason reason = !lastInputKeyboard_ ? Qt::OtherFocusReason
                                 : next              ? Qt::TabFocusReason
                                                     : Qt::BacktabFocusReason;
  chain[to]->setFocus(reason);
  return true;
}

TImage* TForm1::ForwardButton() const {
  if (errormsg->isVisible()) return errormsg;
  return Usable(b_setup) ? b_setup : nullptr;
}

TImage* TForm1::BackwardButton() const {
  if (errormsg->isVisible()) return errormsg;
  if (Usable(b_back)) return b_back;
  // No on the list page is the exit button with another face.
  if (Usable(b_exit) && b_exit->Hint.startsWith("b_no")) return b_exit;
  return nullptr;
}

void TForm1::keyPressEvent(QKeyEvent* e) {
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if ((!enter && e->key() != Qt::Key_Escape) || (e->modifiers() & ~Qt::KeypadModifier)) {
    QWidget::keyPressEvent(e);
    return;
  }
  e->accept();
  TImage* const button = enter ? ForwardButton() : BackwardButton();
  if (!button) return;
  // The field's leave check comes first, as when a click takes the focus away; a refusal
  // (its message) ends the key there.
  if (auto* field = qobject_cast<TEdit*>(focusWidget()); field && field->isVisible()) {
    const int before = messagesShown_;
    emit field->OnExit(field);
    if (messagesShown_ != before) return;
  }
  button->Press();
}

bool TForm1::eventFilter(QObject* watched, QEvent* e) {
  // Remembers whether the user last used the keyboard or the mouse on one of the controls.
  if (e->type() == QEvent::KeyPress || e->type() == QEvent::MouseButtonPress) {
    if (auto* w = qobject_cast<QWidget*>(watched); w && w->window() == this)
      lastInputKeyboard_ = e->type() == QEvent::KeyPress;
  }
  return QWidget::eventFilter(watched, e);
}

void TForm1::FocusPage() {
  QWidget* target = nullptr;
  for (QWidget* w : FocusChain())
    if (!IsButton(w)) {
      target = w;
      break;
    }
  if (!target) target = ForwardButton();
  if (!target && Usable(b_exit)) target = b_exit;
  if (target) {
    ProgramFocus guard;  // the old page's fields are hidden or already checked
    // Focus that follows a key keeps the keyboard's focus frame; after a click there is none.
    target->setFocus(lastInputKeyboard_ ? Qt::TabFocusReason : Qt::OtherFocusReason);
  }
  AnnouncePage();
}

void TForm1::FocusPageSoon() {
  // After the handler has laid the whole page out.
  QMetaObject::invokeMethod(this, &TForm1::FocusPage, Qt::QueuedConnection);
}

}  // namespace trx::app
