// What assistive technology is told. The pages and buttons are pictures, so Qt cannot know
// what they say: a picture button is a push button named after its face, with a Press action
// that does what a click does; the page picture carries the words drawn on the page shown;
// fields are named by the captions drawn next to them. Every page change, wait and outcome is
// announced with the words the page shows, and a masked field gives away nothing.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QTimer>

#include "app/accessibility.h"
#include "app/form1.h"
#include "app/pagewordstext.h"

namespace trx::app {
namespace {

// What the settings pages hold, one text each, in this order.
enum Setting { kEssid, kChannel, kHost, kDhcp, kIp, kMask, kGateway, kWep, kPhrase, kKeys, kSettingCount };

// A text as a sentence of its own: with its full stop, or the one of its language.
QString Sentence(const QString& s) {
  const QString t = s.trimmed();
  static const QString kEnds = QStringLiteral(".?!:\u3002\uFF1F\uFF01\uFF1A");
  return t.isEmpty() || kEnds.contains(t.back()) ? t : t + QCoreApplication::translate("Sentence", ".", "full stop");
}

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

// The error panel's words: what it means depends on the wait it ends.
struct PanelWords {
  QString title, text;
};

PanelWords ErrorPanelWords(const TForm1& form) {
  const PageWords words = form.WizardStep() == "7" ? kSaveFailedWords : WordsOf("errormsg");
  QStringList text{Sentence(TranslatedWords(words.instruction)), TranslatedWords(kPanelChecksHeading)};
  for (const std::string_view check : kPanelChecks) text << Sentence(TranslatedWords(check));
  return {TranslatedWords(words.title), text.join(' ')};
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
      if (t == QAccessible::Description) return {};
      return Image() == form->errormsg ? TranslatedWords(kPanelContinue) : FaceName(Image()->Hint);
    }
    if (!IsPage()) return {};
    // The page is what shows on top: the error panel, the wait panel, or the page picture.
    if (form->errormsg->isVisible()) {
      const PanelWords words = ErrorPanelWords(*form);
      return t == QAccessible::Name ? words.title : words.text;
    }
    const PageWords words =
        WordsOf(form->checklink->isVisible() ? std::string_view("checklink") : Image()->ShownFrom().toStdString());
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
  const TForm1* Form() const { return qobject_cast<const TForm1*>(widget()->window()); }
  bool IsButton() const { return Image()->focusPolicy() != Qt::NoFocus; }
  bool IsPage() const { return Form() && Image() == Form()->welcome; }
};

// A drop-down list is named by its caption (Qt names it after its value on Linux and leaves the
// caption to a buddy label that a page picture cannot be). Its item is its value and its text,
// which is what a screen reader reads on focus and after every change.
class ListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ListAccessible(TComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
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
    s.passwordEdit = Edit()->Masked();
    s.selectableText = !Edit()->Masked();
    return s;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Shown();
    if (t == QAccessible::Description && Edit()->Masked() && !Edit()->text().isEmpty())
      return TForm1::tr("Filled in, hidden.");
    return QAccessibleWidget::text(t);
  }

  QString text(int start, int end) const override { return Shown().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Shown().size()); }
  int cursorPosition() const override { return Edit()->Masked() ? 0 : Edit()->cursorPosition(); }
  void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
  int selectionCount() const override { return !Edit()->Masked() && Edit()->hasSelectedText() ? 1 : 0; }
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
    return Edit()->Masked() ? -1 : Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
  }
  void scrollToSubstring(int, int end) override { Edit()->setCursorPosition(end); }

 private:
  TEdit* Edit() const { return static_cast<TEdit*>(widget()); }
  QString Shown() const { return Edit()->Masked() ? QString() : Edit()->text(); }
};

// Where announcements come from: a notification that shows for each one. It draws nothing and
// takes no input, so nothing on the screen changes.
class Announcer : public QWidget {
  Q_OBJECT
 public:
  explicit Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName("announcer");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);  // paints nothing: the page shows through
    hide();
  }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (auto* image = qobject_cast<TImage*>(object)) return new PictureAccessible(image);
  if (auto* combo = qobject_cast<TComboBox*>(object)) return new ListAccessible(combo);
  if (auto* edit = qobject_cast<TEdit*>(object)) return new EditAccessible(edit);
  if (auto* form = qobject_cast<TForm1*>(object)) return new FormAccessible(form);
  if (auto* announcer = qobject_cast<Announcer*>(object))
    return new QAccessibleWidget(announcer, QAccessible::Notification);
  return nullptr;
}

bool IsTextChange(QAccessible::Event type) {
  return type == QAccessible::TextInserted || type == QAccessible::TextRemoved || type == QAccessible::TextUpdated ||
         type == QAccessible::TextSelectionChanged || type == QAccessible::TextCaretMoved;
}

QAccessible::UpdateHandler g_platformHandler = nullptr;

void Pass(QAccessibleEvent* event) {
  // Hands the event on as Qt would have: the platform's handler, or none.
  const QAccessible::UpdateHandler ours = QAccessible::installUpdateHandler(g_platformHandler);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(ours);
}

void Filter(QAccessibleEvent* event) { ForwardAccessibilityEvent(event, Pass); }

}  // namespace

// Every event on its way to the platform. A line edit reports its text in clear in its change
// events whatever it shows: a masked field's, or a hidden one's (where the program puts the
// device's secrets before anyone may see them), never leave here. A drop-down list's new item
// is reported as its new text, which screen readers read.
void ForwardAccessibilityEvent(QAccessibleEvent* event, void (*pass)(QAccessibleEvent*)) {
  QObject* const object = event->object();
  // A list reports its new current entry as focused even when the list has no focus (a hidden
  // list filled during a search): a screen reader would move there.
  if (auto* widget = qobject_cast<QWidget*>(object);
      widget && event->type() == QAccessible::Focus && !widget->hasFocus())
    return;
  if (auto* edit = qobject_cast<TEdit*>(object);
      edit && IsTextChange(event->type()) && (edit->Masked() || !edit->isVisible()))
    return;
  // A field selects all as the focus comes and nothing as it goes: a reader would say
  // "selected" and "unselected" for what the user did not do.
  if (auto* edit = qobject_cast<TEdit*>(object);
      edit && edit->ChangingFocus() &&
      (event->type() == QAccessible::TextSelectionChanged || event->type() == QAccessible::TextCaretMoved))
    return;
  if (auto* combo = qobject_cast<TComboBox*>(object); combo && event->type() == QAccessible::ValueChanged) {
    const QString before = combo->property("trxSpokenItem").toString();
    const QString now = combo->currentText();
    combo->setProperty("trxSpokenItem", now);
    if (before != now && combo->isVisible()) {
      // Only the new item: a reader that is told of the old one's removal says "deleted".
      QAccessibleTextInsertEvent changed(combo, 0, now);
      pass(&changed);
    }
    return;
  }
  pass(event);
}

void TForm1::InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    g_platformHandler = QAccessible::installUpdateHandler(Filter);
    return true;
  }();
  (void)installed;
}

void TForm1::NameControls() {
  setAccessibleName(kApplicationTitle);
  // Fields by the caption drawn next to them.
  const std::pair<QWidget*, const char*> names[] = {
      {e_essid, QT_TR_NOOP("ESSID")},
      {s_ch, QT_TR_NOOP("Channel")},
      {e_ap, QT_TR_NOOP("Host Name")},
      //: Screen-reader name of an address field, read and brailled: one line, never a line
      //: break (the caption drawn on the picture, context Artwork, may take two).
      {e_ip, QT_TR_NOOP("IP Address")},
      //: Screen-reader name of an address field; as for "IP Address".
      {e_mask, QT_TR_NOOP("Net Mask")},
      //: Screen-reader name of an address field; as for "IP Address".
      {e_gateway, QT_TR_NOOP("Gateway")},
      {ip_dhcp, QT_TR_NOOP("Obtain the address by DHCP")},
      {ip_ip, QT_TR_NOOP("Set the address manually")},
      {s_wep, QT_TR_NOOP("WEP")},
      {e_pas, QT_TR_NOOP("Pass Phrase")},
      {e_64key1, QT_TR_NOOP("Key 1")},
      {e_64key2, QT_TR_NOOP("Key 2")},
      {e_64key3, QT_TR_NOOP("Key 3")},
      {e_64key4, QT_TR_NOOP("Key 4")},
      {ap_list, QT_TR_NOOP("Access points")},
      {e_dhcp, QT_TR_NOOP("IP Address")},
      {e_ess, QT_TR_NOOP("ESSID")},
      {e_ch, QT_TR_NOOP("Channel")},
      {e_wep, QT_TR_NOOP("WEP")},
      {bar, QT_TR_NOOP("Progress")},
  };
  for (const auto& [widget, name] : names) widget->setAccessibleName(tr(name));
  // The read-only values of the list and confirmation pages: the label reads its value, the
  // caption drawn beside it is the description.
  const std::pair<QWidget*, const char*> captions[] = {
      {l_domain, QT_TR_NOOP("Regulatory domain")},
      {l_fw, QT_TR_NOOP("Firmware version")},
      {l_mac, QT_TR_NOOP("MAC address")},
      {l_ip, QT_TR_NOOP("IP address")},
      {l_dhcp, QT_TR_NOOP("IP address")},
      {l_essid, QT_TR_NOOP("ESSID")},
      {l_ch, QT_TR_NOOP("Channel")},
      {l_wep, QT_TR_NOOP("WEP")},
  };
  for (const auto& [widget, caption] : captions) widget->setAccessibleDescription(tr(caption));
  // The hidden holder of the device's pass phrase is named for what it is, never by its text.
  wep_tmp->setAccessibleName(tr("Remembered pass phrase"));
  announcer_ = new Announcer(this);
}

QString TForm1::DescribeEntry(const QString& domain, const QString& firmware, const QString& mac, const QString& ip,
                              const QString& essid, const QString& channel, const QString& wep) {
  return tr("Regulatory domain %1, firmware version %2, MAC address %3, IP address %4, ESSID %5, channel %6, WEP %7.")
      .arg(domain, firmware, mac, ip, essid, channel, wep);
}

void TForm1::DescribeChosenEntry() {
  if (QListWidgetItem* entry = ap_list->currentItem())
    entry->setData(Qt::AccessibleDescriptionRole,
                   DescribeEntry(l_domain->Caption(), l_fw->Caption(), l_mac->Caption(), l_ip->Caption(), l_essid->Hint,
                                 l_ch->Caption(), l_wep->Caption()));
}

void TForm1::DescribeChanges() {
  // Each new value tells the old one beside it.
  const bool deviceUsedDhcp = l_dhcp->Hint != "off";
  const QString oldAddress = deviceUsedDhcp ? l_dhcp->Caption() : l_ip->Caption();
  for (QWidget* address : {static_cast<QWidget*>(e_ip), static_cast<QWidget*>(e_dhcp)})
    address->setAccessibleDescription(tr("Was %1.").arg(oldAddress));
  e_ess->setAccessibleDescription(tr("Was %1.").arg(l_essid->Hint));
  e_ch->setAccessibleDescription(tr("Was %1.").arg(l_ch->Caption()));
  e_wep->setAccessibleDescription(tr("Was %1.").arg(l_wep->Caption()));
}

void TForm1::ForgetChanges() {
  for (QWidget* field : {static_cast<QWidget*>(e_ip), static_cast<QWidget*>(e_dhcp), static_cast<QWidget*>(e_ess),
                         static_cast<QWidget*>(e_ch), static_cast<QWidget*>(e_wep)})
    field->setAccessibleDescription({});
}

QString TForm1::FocusedPhrase() const {
  QWidget* const focus = focusWidget();
  if (!focus || focus == bar) return {};
  QAccessibleInterface* const iface = QAccessible::queryAccessibleInterface(focus);
  if (!iface) return {};
  const QString name = iface->text(QAccessible::Name);
  QString value;
  if (const auto* list = qobject_cast<const TListBox*>(focus))
    value = list->currentItem() ? list->currentItem()->text().trimmed() : QString();
  else if (qobject_cast<const TEdit*>(focus) || qobject_cast<const TComboBox*>(focus))
    value = iface->state().passwordEdit ? iface->text(QAccessible::Description) : iface->text(QAccessible::Value);
  else if (const auto* radio = qobject_cast<const TRadioButton*>(focus))
    value = radio->isChecked() ? tr("chosen") : tr("not chosen");
  return Sentence(value.isEmpty() ? name : tr("%1: %2").arg(name, value));
}

void TForm1::AnnouncePage(bool withFocus) {
  QString title;
  QStringList text;
  const QString step = WizardStep();
  if (errormsg->isVisible()) {
    const PanelWords words = ErrorPanelWords(*this);
    title = words.title;
    text << words.text;
  } else if (checklink->isVisible()) {
    const PageWords words = WordsOf("checklink");
    title = TranslatedWords(words.title);
    if (step == "7") text << tr("Saving the settings to the access point.");
    text << Sentence(TranslatedWords(words.instruction));
  } else {
    const QString page = welcome->ShownFrom();
    const PageWords words = WordsOf(page.toStdString());
    title = TranslatedWords(words.title);
    if (page == "no1") {
      const int n = ap_list->count();
      text << (n == 1 ? tr("1 access point answered.") : tr("%n access points answered.", nullptr, n));
    }
    text << Sentence(TranslatedWords(words.instruction));
    text << ChangeSentences();
  }
  // A control that gets the focus is read by the screen reader itself, after this.
  if (withFocus) text << FocusedPhrase();
  text.removeAll(QString());
  // Read-title gives the page as well as the program.
  setAccessibleName(tr("%1 \u2013 %2").arg(title, QString(kApplicationTitle)));
  Announce(notice_.isEmpty() ? Sentence(title) : notice_ + ' ' + Sentence(title), text.join(' '));
  notice_.clear();
}

QStringList TForm1::ChangeSentences() const {
  if (welcome->ShownFrom() != "no6" || checklink->isVisible() || errormsg->isVisible()) return {};
  const bool dhcpChosen = ip_dhcp->isChecked();
  QList<std::array<QString, 3>> rows = {
      {tr("IP Address"), dhcpChosen ? e_dhcp->text() : e_ip->text(),
       l_dhcp->Hint != "off" ? l_dhcp->Caption() : l_ip->Caption()},
      {tr("ESSID"), e_ess->Hint, l_essid->Hint},
      {tr("Channel"), e_ch->text(), l_ch->Caption()},
      {tr("WEP"), e_wep->text(), l_wep->Caption()},
  };
  // The page has no room for these: they are heard only, beside what the device had.
  const QStringList before = remembered_.size() == kSettingCount ? remembered_ : SettingsEntered();
  rows.append({tr("Host Name"), e_ap->text(), before[kHost]});
  if (!dhcpChosen) {
    rows.append({tr("Net Mask"), e_mask->text(), before[kMask]});
    rows.append({tr("Gateway"), e_gateway->text(), before[kGateway]});
  }
  QStringList text;
  for (const auto& row : rows) text << tr("%1: %2, was %3.").arg(row[0], row[1], row[2]);
  return text;
}

QStringList TForm1::SettingsEntered() const {
  QStringList s(kSettingCount);
  s[kEssid] = e_essid->text();
  s[kChannel] = QString::number(s_ch->currentIndex());
  s[kHost] = e_ap->text();
  s[kDhcp] = ip_dhcp->isChecked() ? "dhcp" : "fixed";
  s[kIp] = e_ip->text();
  s[kMask] = e_mask->text();
  s[kGateway] = e_gateway->text();
  s[kWep] = QString::number(s_wep->currentIndex());
  s[kPhrase] = e_pas->text();
  for (TEdit* key : {e_64key1, e_64key2, e_64key3, e_64key4}) s[kKeys] += key->text() + '\n';
  return s;
}

void TForm1::RememberSettings() { remembered_ = SettingsEntered(); }

bool TForm1::ChangesUnsaved() const {
  // From the list page to the confirmation page: the fields hold what the user may change.
  const QString step = WizardStep();
  return step.size() == 1 && step >= "2" && step <= "7" && !remembered_.isEmpty() && SettingsEntered() != remembered_;
}

void TForm1::NoteDiscard() {
  if (WizardStep() == "7" && ChangesUnsaved()) notice_ = tr("The changes were not saved.");
}

bool TForm1::AnnounceUnsavedClose() {
  if (closingAnnounced_ || !ChangesUnsaved()) return false;
  closingAnnounced_ = true;
  Announce(tr("The changes were not saved."), tr("The utility closes."));
  if (!QAccessible::isActive()) return false;
  // A moment for the screen reader to fetch the words while the window still exists.
  QTimer::singleShot(1000, this, &QWidget::close);
  return true;
}

void TForm1::Announce(const QString& title, const QString& text) {
  // Shown anew for every announcement: screen readers speak a notification as it appears.
  announcer_->hide();
  announcer_->setAccessibleName(title);
  announcer_->setAccessibleDescription(text);
  announcer_->show();
}

}  // namespace trx::app

#include "accessibility.moc"
