// The accessible interfaces of the form's controls. The pages and buttons are pictures, so Qt
// cannot know what they say: a picture button is a push button named after its face, with a
// Press action that does what a click does; the page picture carries the words drawn on the
// page shown; a drop-down list and a line edit read their value whole, and a masked field gives
// away nothing.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFontMetrics>

#include "app/accessibility.h"
#include "app/announcer.h"
#include "app/form1.h"
#include "app/pagewordstext.h"

namespace trx::app {
namespace {

// A face name is family + "_off" or "_on"; the button is named after the family's face.
QString FaceName(const QString& face) {
  static const std::pair<const char*, const char*> kFaces[] = {
      {"b_setup", QT_TRANSLATE_NOOP("Buttons", "Setup")},  {"b_help", QT_TRANSLATE_NOOP("Buttons", "User Guide")},
      {"b_web", QT_TRANSLATE_NOOP("Buttons", "Web Site")}, {"b_exit", QT_TRANSLATE_NOOP("Buttons", "Exit")},
      {"b_next", QT_TRANSLATE_NOOP("Buttons", "Next")},    {"b_back", QT_TRANSLATE_NOOP("Buttons", "Back")},
      {"b_yes", QT_TRANSLATE_NOOP("Buttons", "Yes")},      {"b_no", QT_TRANSLATE_NOOP("Buttons", "No")},
      {"b_min", QT_TRANSLATE_NOOP("Buttons", "Minimise")}, {"b_close", QT_TRANSLATE_NOOP("Buttons", "Close")},
  };
  const QString family = face.left(face.lastIndexOf('_')).toLower();
  for (const auto& [f, name] : kFaces)
    if (family == f) return QCoreApplication::translate("Buttons", name);
  return {};
}

class FormAccessible : public QAccessibleWidget {
 public:
  // A frame, so that "speak the title bar" names the program.
  explicit FormAccessible(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}
};

class PictureAccessible : public QAccessibleWidget {
 public:
  explicit PictureAccessible(TImage* image) : QAccessibleWidget(image, QAccessible::Graphic) {}

  QAccessible::Role role() const override {
    if (IsButton()) return QAccessible::Button;
    if (IsPage()) return QAccessible::Pane;
    return QAccessible::Graphic;
  }

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name && t != QAccessible::Description) return QAccessibleWidget::text(t);
    const TForm1* form = Form();
    if (!form) return {};
    if (IsButton()) {
      // The panel's words are the page's: said with the page, not again with its button.
      if (t == QAccessible::Description) return Image() == form->errormsg ? QString() : ButtonsNote(*form);
      return Image() == form->errormsg ? TranslatedWords(kPanelContinue) : FaceName(Image()->Hint);
    }
    if (!IsPage()) return {};
    // The page is what shows on top: the error panel, the wait panel, or the page picture.
    if (form->errormsg->isVisible()) {
      const PanelWords words = ErrorPanelWords();
      return t == QAccessible::Name ? words.title : words.text;
    }
    const PageWords words =
        WordsOf(form->checklink->isVisible() ? std::string_view("checklink") : PictureOf(form->CurrentPage()));
    if (t == QAccessible::Name) return TranslatedWords(words.title);
    // The confirmation page can be read again with its values, old and new.
    QStringList text{Sentence(TranslatedWords(words.instruction))};
    if (!form->checklink->isVisible()) text << form->ChangeSentences();
    return text.join(' ');
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (IsButton()) names.prepend(pressAction());
    return names;
  }

  void doAction(const QString& action) override {
    if (action == pressAction() && IsButton())
      Image()->Press();
    else
      QAccessibleWidget::doAction(action);
  }

 private:
  TImage* Image() const { return static_cast<TImage*>(widget()); }
  // Yes and No are heard with what the page says they do.
  QString ButtonsNote(const TForm1& form) const {
    const QString face = Image()->Hint.left(Image()->Hint.lastIndexOf('_')).toLower();
    if (face != "b_yes" && face != "b_no") return {};
    const std::string_view page = PictureOf(form.CurrentPage());
    for (const PageNote& note : kPageNotes)
      if (note.aboutButtons && note.store == page) return TranslatedNote(note).replace('\n', ' ').simplified();
    return {};
  }
  const TForm1* Form() const { return qobject_cast<const TForm1*>(widget()->window()); }
  bool IsButton() const { return Image()->focusPolicy() != Qt::NoFocus; }
  bool IsPage() const { return Form() && Image() == Form()->welcome; }
};

// A widget whose accessible text is read-only and whole: no caret, no selection of the user's,
// one run of attributes. Subclasses give text(start, end) and characterCount().
class ReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  using QAccessibleWidget::QAccessibleWidget;

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  using QAccessibleWidget::text;
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }
};

// A drop-down list is named by its caption (Qt names it after its value on Linux and leaves the
// caption to a buddy label that a page picture cannot be). Its item is its value and its text,
// which is what a screen reader reads on focus and after every change.
class ListAccessible : public ReadOnlyTextAccessible {
 public:
  explicit ListAccessible(TComboBox* combo) : ReadOnlyTextAccessible(combo, QAccessible::ComboBox) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Combo()->currentText();
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return QStringList{showMenuAction()} + QAccessibleWidget::actionNames(); }
  void doAction(const QString& action) override {
    if (action == showMenuAction())
      Combo()->showPopup();
    else
      QAccessibleWidget::doAction(action);
  }

  // Read-only text: the item shown.
  QString text(int start, int end) const override { return Combo()->currentText().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Combo()->currentText().size()); }
  // The item is all selected while the list has the focus, as a closed list shows it: a reader
  // speaks a new item as it would a selected text that replaced the old one. Without the focus
  // nothing is: a reader joins a selection to that of the fields near it, and would read the
  // channel as part of the host name.
  void selection(int, int* start, int* end) const override {
    *start = 0;
    *end = selectionCount() ? characterCount() : 0;
  }
  int selectionCount() const override { return Combo()->hasFocus() && characterCount() > 0 ? 1 : 0; }

 private:
  TComboBox* Combo() const { return static_cast<TComboBox*>(widget()); }
};

// A line edit's text as one run of attributes: Qt's own reports runs of no length, at which a
// screen reader splits the line and speaks it again cut short. A masked field gives nothing of
// its text, and says that it holds one.
class EditAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit EditAccessible(TEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = !Edit()->isReadOnly();
    s.readOnly = Edit()->isReadOnly();
    s.passwordEdit = Edit()->Hidden();
    s.selectableText = !Edit()->Hidden();
    return s;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Shown();
    if (t == QAccessible::Description && Edit()->Hidden() && !Edit()->text().isEmpty())
      return TForm1::tr("Filled in, hidden.");
    return QAccessibleWidget::text(t);
  }

  QString text(int start, int end) const override { return Shown().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Shown().size()); }
  int cursorPosition() const override { return Edit()->Hidden() ? 0 : Edit()->cursorPosition(); }
  void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
  int selectionCount() const override { return !Edit()->Hidden() && Edit()->hasSelectedText() ? 1 : 0; }
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || selectionCount() == 0) return;
    *start = Edit()->selectionStart();
    *end = *start + Edit()->selectionLength();
  }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { Edit()->deselect(); }
  void setSelection(int, int start, int end) override { Edit()->setSelection(start, end - start); }
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }
  QRect characterRect(int offset) const override {
    const QString shown = Shown();
    if (offset < 0 || offset >= shown.size()) return {};
    const QFontMetrics metrics(Edit()->font());
    const QRect inside = Edit()->contentsRect();
    const QPoint at(inside.left() + 2 + metrics.horizontalAdvance(shown.left(offset)),
                    inside.top() + (inside.height() - metrics.height()) / 2);
    return {Edit()->mapToGlobal(at), QSize(metrics.horizontalAdvance(shown[offset]), metrics.height())};
  }
  int offsetAtPoint(const QPoint& point) const override {
    return Edit()->Hidden() ? -1 : Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
  }
  void scrollToSubstring(int, int end) override { Edit()->setCursorPosition(end); }

 private:
  TEdit* Edit() const { return static_cast<TEdit*>(widget()); }
  QString Shown() const { return Edit()->Hidden() ? QString() : Edit()->text(); }
};

// A page's note: read-only text, whole, where the picture shows it.
class NoteAccessible : public ReadOnlyTextAccessible {
 public:
  explicit NoteAccessible(NoteText* note) : ReadOnlyTextAccessible(note, QAccessible::StaticText) {}
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    return s;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return Words();
    return QAccessibleWidget::text(t);
  }
  QString text(int start, int end) const override { return Words().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Words().size()); }

 private:
  QString Words() const { return static_cast<NoteText*>(widget())->Words(); }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (auto* image = qobject_cast<TImage*>(object)) return new PictureAccessible(image);
  if (auto* combo = qobject_cast<TComboBox*>(object)) return new ListAccessible(combo);
  if (auto* edit = qobject_cast<TEdit*>(object)) return new EditAccessible(edit);
  if (auto* form = qobject_cast<TForm1*>(object)) return new FormAccessible(form);
  if (auto* note = qobject_cast<NoteText*>(object)) return new NoteAccessible(note);
  if (auto* announcer = qobject_cast<Announcer*>(object))
    return new QAccessibleWidget(announcer, QAccessible::Notification);
  return nullptr;
}

}  // namespace

void TForm1::InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    Announcer::InstallFilter();
    return true;
  }();
  (void)installed;
}

}  // namespace trx::app
