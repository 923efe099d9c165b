#pragma once
// What leaves for assistive technology, decided in one place.
class QAccessibleEvent;

namespace trx::app {

// Hands an accessibility event to pass as far as it may go: a masked or hidden field's text
// changes and a focus report from a control without the focus stop here, and a drop-down
// list's change of item goes on as its new text.
void ForwardAccessibilityEvent(QAccessibleEvent* event, void (*pass)(QAccessibleEvent*));

}  // namespace trx::app
