#pragma once
// Everything that is said without a control's own event: the announcements of pages, waits and
// outcomes, and the filter that every accessibility event passes on its way to the platform.
//
// Qt 6.4 has no announcement event, so an announcement is a notification that appears with the
// words as its name and description, and the filter swaps itself out of the process-wide update
// handler to hand an event on. Once the project is past Qt 6.4 (6.8 brings
// QAccessibleAnnouncementEvent), Say() can send that event from the form instead, and this
// widget and its show/hide go; the filter stays, as it decides what leaves at all.
#include <QString>
#include <QWidget>
#include <string_view>

class QAccessibleEvent;

namespace trx::app {

class Announcer : public QWidget {
  Q_OBJECT
 public:
  // A notification on form that draws nothing and takes no input.
  explicit Announcer(QWidget* form);

  // Says title, then text, now.
  void Say(const QString& title, const QString& text);
  // A sentence said before the title of the next Say().
  void SayFirst(const QString& sentence) { first_ = sentence; }
  // The sentence for the next Say(), taken.
  QString TakeFirst();

  // Puts the filter between Qt and the platform, once for the process.
  static void InstallFilter();
  // Hands an accessibility event to pass as far as it may go: a masked or hidden field's text
  // changes and a focus report from a control without the focus stop here, and a drop-down
  // list's change of item goes on as its new text.
  static void Forward(QAccessibleEvent* event, void (*pass)(QAccessibleEvent*));

 private:
  QString first_;
};

struct PageNote;

// A note that a page picture shows, as text that a screen reader can find where it is drawn
// (flat review, read-all): it draws nothing, the picture does, and takes no input.
class NoteText : public QWidget {
  Q_OBJECT
 public:
  NoteText(QWidget* form, const PageNote& note);
  // The words in the language in use, as one line.
  QString Words() const;
  std::string_view Store() const;

 private:
  const PageNote& note_;
};

}  // namespace trx::app
