// The keyboard: Return and Escape press the page's forward and backward buttons, Tab goes
// through the page's fields, then its buttons in screen order, then the window's own minimise
// and close buttons, and every page change puts the focus on the page's first field. Keys reach
// the same handlers as clicks. Escape never closes the window: where there is nothing to go
// back to, it says the page again.
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <algorithm>
#include <utility>

#include "app/form1.h"

namespace trx::app {
namespace {

bool IsButton(const QWidget* w) { return qobject_cast<const TImage*>(w) != nullptr; }

bool Usable(const QWidget* w) { return w->isVisible() && w->isEnabled(); }

// One stop per group of radio buttons, on the chosen one when there is one, as a group of
// choices is tabbed through everywhere else.
bool SkippedRadio(const QWidget* w) {
  const auto* radio = qobject_cast<const TRadioButton*>(w);
  if (!radio || radio->isChecked() || !radio->group()) return false;
  for (const QAbstractButton* other : radio->group()->buttons())
    if (other->isChecked() && Usable(other)) return true;
  return false;
}

}  // namespace

QList<QWidget*> TForm1::FocusChain() const {
  QList<QWidget*> fields, buttons, chrome;
  for (QWidget* w : findChildren<QWidget*>()) {
    if (!dynamic_cast<TControl*>(w) || !(w->focusPolicy() & Qt::TabFocus) || !Usable(w) || SkippedRadio(w)) continue;
    // The window's own buttons come last: Tab past the last field reaches the page's buttons
    // before anything that minimises or closes the window.
    (w == b_min || w == b_close ? chrome : IsButton(w) ? buttons : fields).append(w);
  }
  // Top to bottom, then left to right, as the page shows them.
  const auto screenOrder = [this](const QWidget* a, const QWidget* b) {
    const QPoint pa = a->mapTo(this, QPoint()), pb = b->mapTo(this, QPoint());
    return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
  };
  std::stable_sort(fields.begin(), fields.end(), screenOrder);
  std::stable_sort(buttons.begin(), buttons.end(), screenOrder);
  std::stable_sort(chrome.begin(), chrome.end(), screenOrder);
  return fields + buttons + chrome;
}

bool TForm1::focusNextPrevChild(bool next) {
  // Qt moves the focus on by itself when the focused control is hidden or disabled: that is a
  // page being laid out, and the page's own focus follows once it is announced. A move now
  // would be read before the page's title. Tab still moves it.
  const bool tab = std::exchange(tabPressed_, false);
  if (QWidget* focus = focusWidget(); !tab && focus && focus != this && !Usable(focus)) return true;
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
  if (chain[to] == ap_list) TellChosenEntry();  // Tab back into the list: which one is chosen
  return true;
}

void TForm1::TellChosenEntry() {
  // The list's chosen entry was chosen while the list had no focus, so nothing has told a
  // screen reader: the focus is on the entry, and the entry carries the settings shown.
  if (ap_list->currentRow() < 0 || !QAccessible::isActive()) return;
  QAccessibleEvent entry(ap_list, QAccessible::Focus);
  entry.setChild(ap_list->currentRow());
  QAccessible::updateAccessibility(&entry);
}

TImage* TForm1::ForwardButton() const {
  if (errormsg->isVisible()) return errormsg;
  return Usable(b_setup) ? b_setup : nullptr;
}

TImage* TForm1::BackwardButton() const {
  if (errormsg->isVisible()) return errormsg;
  // No on the list page (the exit button with another face) ends the program: Escape leaves
  // that to a deliberate press.
  return Usable(b_back) ? b_back : nullptr;
}

void TForm1::keyPressEvent(QKeyEvent* e) {
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if ((!enter && e->key() != Qt::Key_Escape) || (e->modifiers() & ~Qt::KeypadModifier)) {
    QWidget::keyPressEvent(e);
    return;
  }
  e->accept();
  // Escape never throws changes away: where the backward button would, the page before comes
  // back with them, after the field's leave check.
  const bool stepBack = !enter && context_ && BackwardButton() && !errormsg->isVisible();
  TImage* const button = enter ? ForwardButton() : BackwardButton();
  if (!button) {
    if (!enter) AnnouncePage();  // nothing to go back to: where the user is, not silence
    return;
  }
  // The field's leave check comes first, as when a click takes the focus away; a refusal
  // (its message) ends the key there.
  if (auto* field = qobject_cast<TEdit*>(focusWidget()); field && field->isVisible()) {
    const int before = messagesShown_;
    emit field->OnExit(field);
    if (messagesShown_ != before) return;
  }
  if (stepBack && context_->StepBackKeepingChanges()) return;
  button->Press();
}

bool TForm1::eventFilter(QObject* watched, QEvent* e) {
  // Remembers whether the user last used the keyboard or the mouse on one of the controls.
  if (e->type() == QEvent::KeyPress || e->type() == QEvent::MouseButtonPress) {
    MakeRemainingControls();  // the wizard handles no input before they exist
    if (auto* w = qobject_cast<QWidget*>(watched); w && w->window() == this) {
      lastInputKeyboard_ = e->type() == QEvent::KeyPress;
      const int key = lastInputKeyboard_ ? static_cast<QKeyEvent*>(e)->key() : 0;
      tabPressed_ = key == Qt::Key_Tab || key == Qt::Key_Backtab;
    }
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
  // The page first, then the control the focus moves to, as a screen reader queues them.
  const bool moves = target && target != focusWidget();
  AnnouncePage(!moves);
  if (moves) {
    ProgramFocus guard;  // the old page's fields are hidden or already checked
    // Focus that follows a key keeps the keyboard's focus frame; after a click there is none.
    target->setFocus(lastInputKeyboard_ ? Qt::TabFocusReason : Qt::OtherFocusReason);
  }
  if (target == ap_list) TellChosenEntry();
}

void TForm1::FocusPageSoon() {
  // After the handler has laid the whole page out.
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the queued call's event owns its slot object
  QMetaObject::invokeMethod(this, &TForm1::FocusPage, Qt::QueuedConnection);
}

}  // namespace trx::app
