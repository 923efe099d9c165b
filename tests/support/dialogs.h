#pragma once
// Answers the modal message boxes that the form opens, and remembers what they said.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <deque>
#include <functional>

namespace trx::test {

struct SeenBox {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QString spoken;  // what OK adds for a screen reader
};

class DialogAnswerer : public QObject {
 public:
  DialogAnswerer() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &DialogAnswerer::Poll);
    timer_.start();
  }
  // The button to press on the next boxes, in order; when none is queued, the default (OK / No).
  void Answer(QMessageBox::StandardButton button) { answers_.push_back(button); }
  std::vector<SeenBox> seen;
  // Called with each box once the window system shows it, before it is answered.
  std::function<void(QMessageBox*)> inspect;
  QStringList Texts() const {
    QStringList t;
    for (const auto& s : seen) t << s.text;
    return t;
  }

 private:
  void Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box->isHidden()) return;
    if (inspect) {
      if (!box->windowHandle() || !box->windowHandle()->isExposed()) return;
      inspect(box);
    }
    const QAbstractButton* ok = box->button(QMessageBox::Ok);
    seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                    ok ? ok->accessibleDescription() : QString()});
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
    if (!answers_.empty()) {
      answer = answers_.front();
      answers_.pop_front();
    }
    if (answer == QMessageBox::NoButton)
      answer = box->standardButtons() & QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::No;
    box->button(answer)->click();
  }
  QTimer timer_;
  std::deque<QMessageBox::StandardButton> answers_;
};

}  // namespace trx::test
