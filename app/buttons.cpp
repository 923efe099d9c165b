// Picture buttons and window chrome: hover faces, the close, minimise and exit buttons,
// and dragging the window by its page.
#include <QMouseEvent>
#include <QWindow>

#include "app/form1.h"

namespace trx::app {

void TForm1::SetFace(TImage* button, const QString& faceName, const TImage* pictureFrom) {
  button->CopyPictureFrom(pictureFrom ? pictureFrom : FindComponent(faceName));
  button->Hint = faceName;
}

void TForm1::ResetHoverFaces(QObject* underPointer) {
  for (TImage* button : {b_setup, b_help, b_web, b_exit, b_back, b_min, b_close}) {
    if (button->isHidden() || button == underPointer) continue;
    const qsizetype on = button->Hint.indexOf("_on");
    if (on < 0) continue;
    const QString family = button->Hint.left(on);
    const QObject* store = FindComponent(family + "_off");
    if (!store) return;  // a missing face ends the pass quietly; earlier buttons keep their new faces
    button->CopyPictureFrom(store);
    button->Hint = family + "_off";
  }
}

void TForm1::b_setupMouseMove(QObject* sender) {
  ResetHoverFaces(sender);
  auto* button = qobject_cast<TImage*>(sender);
  if (!button || button->Hint.contains("_on")) return;
  const qsizetype off = button->Hint.indexOf("_off");
  const QString family = off < 0 ? QString() : button->Hint.left(off);
  const QObject* store = FindComponent(family + "_on");
  if (!store) return;
  button->CopyPictureFrom(store);
  button->Hint = family + "_on";
}

void TForm1::welcomeMouseMove(QObject*) { ResetHoverFaces(welcome); }

void TForm1::b_closeMouseDown(QObject*) { b_close->CopyPictureFrom(b_close_x); }

// The button keeps the mouse from the press, so the release closes wherever the pointer is.
void TForm1::b_closeMouseUp(QObject*) { close(); }

void TForm1::b_minMouseDown(QObject*) { b_min->CopyPictureFrom(b_min_x); }

void TForm1::b_minMouseUp(QObject*) {
  showMinimized();
  b_min->CopyPictureFrom(b_min_off);  // the face name keeps what it said before the press
}

void TForm1::b_exitClick(QObject*) { close(); }

void TForm1::welcomeMouseDown(QObject*, QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (windowHandle() && windowHandle()->startSystemMove()) return;
  // No system move on this platform: follow the pointer ourselves.
  dragging_ = true;
  dragOffset_ = event->globalPosition().toPoint() - pos();
}

}  // namespace trx::app
