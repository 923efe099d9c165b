#include "app/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <utility>

#include "app/controls.h"
#include "app/pagewordstext.h"

namespace trx::app {
namespace {

bool IsTextChange(QAccessible::Event type) {
  return type == QAccessible::TextInserted || type == QAccessible::TextRemoved || type == QAccessible::TextUpdated ||
         type == QAccessible::TextSelectionChanged || type == QAccessible::TextCaretMoved;
}

QAccessible::UpdateHandler g_platformHandler = nullptr;

// The item each drop-down list was last heard with, so that only a change of it is said.
QHash<const QObject*, QString>& SpokenItems() {
  static QHash<const QObject*, QString> items;
  return items;
}

void Pass(QAccessibleEvent* event) {
  // Hands the event on as Qt would have: the platform's handler, or none (then Qt's own way to
  // the platform, which it takes only when no handler is installed).
  const QAccessible::UpdateHandler ours = QAccessible::installUpdateHandler(g_platformHandler);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(ours);
}

void Filter(QAccessibleEvent* event) { Announcer::Forward(event, Pass); }

}  // namespace

Announcer::Announcer(QWidget* form) : QWidget(form) {
  setObjectName("announcer");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(0, 0, 1, 1);  // paints nothing: the page shows through
  hide();
}

void Announcer::Say(const QString& title, const QString& text) {
  // Shown anew for every announcement: screen readers speak a notification as it appears.
  hide();
  setAccessibleName(title);
  setAccessibleDescription(text);
  show();
}

NoteText::NoteText(QWidget* form, const PageNote& note) : QWidget(form), note_(note) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(note.x, note.y, note.width, note.height);
  hide();
}

QString NoteText::Words() const { return TranslatedNote(note_).replace('\n', ' ').simplified(); }

std::string_view NoteText::Store() const { return note_.store; }

QString Announcer::TakeFirst() { return std::exchange(first_, QString()); }

void Announcer::InstallFilter() {
  static const bool installed = [] {
    g_platformHandler = QAccessible::installUpdateHandler(Filter);
    return true;
  }();
  (void)installed;
}

// A line edit reports its text in clear in its change events whatever it shows: a masked
// field's, or a hidden one's (where the program puts the device's secrets before anyone may see
// them), never leave here. A drop-down list's new item is reported as its new text, which screen
// readers read.
void Announcer::Forward(QAccessibleEvent* event, void (*pass)(QAccessibleEvent*)) {
  QObject* const object = event->object();
  // The platform bridge says "showing" of a control that shows, never "visible": a screen
  // reader that first met it hidden keeps it invisible, and flat review and read-all pass over
  // it. Each time it shows, it is a new accessible object, which the reader learns afresh.
  if (auto* widget = qobject_cast<QWidget*>(object);
      widget && event->type() == QAccessible::ObjectShow && !widget->isWindow() && !qobject_cast<Announcer*>(widget)) {
    if (QAccessibleInterface* learnt = QAccessible::queryAccessibleInterface(widget))
      QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(learnt));
  }
  // A list reports its new current entry as focused even when the list has no focus (a hidden
  // list filled during a search): a screen reader would move there.
  if (auto* widget = qobject_cast<QWidget*>(object);
      widget && event->type() == QAccessible::Focus && !widget->hasFocus())
    return;
  if (auto* edit = qobject_cast<TEdit*>(object);
      edit && IsTextChange(event->type()) && (edit->Hidden() || !edit->isVisible()))
    return;
  // A field selects all as the focus comes and nothing as it goes: a reader would say
  // "selected" and "unselected" for what the user did not do.
  if (auto* edit = qobject_cast<TEdit*>(object);
      edit && edit->ChangingFocus() &&
      (event->type() == QAccessible::TextSelectionChanged || event->type() == QAccessible::TextCaretMoved))
    return;
  if (auto* combo = qobject_cast<TComboBox*>(object); combo && event->type() == QAccessible::ValueChanged) {
    auto& spoken = SpokenItems();
    if (!spoken.contains(combo))
      QObject::connect(combo, &QObject::destroyed, [](QObject* gone) { SpokenItems().remove(gone); });
    const QString now = combo->currentText();
    const QString before = std::exchange(spoken[combo], now);
    if (before != now && combo->isVisible()) {
      // Only the new item: a reader that is told of the old one's removal says "deleted".
      QAccessibleTextInsertEvent changed(combo, 0, now);
      pass(&changed);
    }
    return;
  }
  pass(event);
}

}  // namespace trx::app
