// What is said of the page shown: the names of the window and its fields, the chosen access
// point's settings, and an announcement for every page change, wait and outcome, with the words
// the page shows.
#include <QAccessible>
#include <QCoreApplication>
#include <QTimer>
#include <iterator>

#include "app/accessibility.h"
#include "app/announcer.h"
#include "app/form1.h"
#include "app/pagewordstext.h"

namespace trx::app {

QString Sentence(const QString& s) {
  const QString t = s.trimmed();
  static const QString kEnds = QStringLiteral(".?!:\u3002\uFF1F\uFF01\uFF1A");
  return t.isEmpty() || kEnds.contains(t.back()) ? t : t + QCoreApplication::translate("Sentence", ".", "full stop");
}

std::string_view PictureOf(Page page) {
  static constexpr std::string_view kPictures[] = {"welcome", "step", "no1", "no2",  "no3",
                                                   "no4",     "no5",  "no6", "exit1"};
  static_assert(std::size(kPictures) == static_cast<std::size_t>(Page::Completion) + 1);
  return kPictures[static_cast<std::size_t>(page)];
}

PanelWords ErrorPanelWords() {
  // After a save as after a search: the words the panel shows.
  const PageWords words = WordsOf("errormsg");
  QStringList text{Sentence(TranslatedWords(words.instruction)), TranslatedWords(kPanelChecksHeading)};
  for (const std::string_view check : kPanelChecks) text << Sentence(TranslatedWords(check));
  return {TranslatedWords(words.title), text.join(' ')};
}

void TForm1::MakeAnnouncer() {
  announcer_ = new Announcer(this);
  for (const PageNote& note : kPageNotes) notes_.append(new NoteText(this, note));
}

void TForm1::NameControls() {
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
      {e_pas, QT_TR_NOOP("Pass Phrase")},
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
  // Named by the very caption drawn above them.
  s_wep->setAccessibleName(QCoreApplication::translate("Artwork", "WEP method"));
  e_64key1->setAccessibleName(QCoreApplication::translate("Artwork", "WEP key 1"));
  // The pass phrase is shown in clear once the user types a new one, but it is a secret.
  e_pas->Secret = true;
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
  for (TEdit* field : findChildren<TEdit*>())
    //: Said once when typing stops at a field's limit.
    connect(field, &TEdit::OnLimit, this, [this](int limit) { Say(tr("At most %n characters.", nullptr, limit)); });
}

QString TForm1::DescribeEntry(const QString& domain, const QString& firmware, const QString& mac, const QString& ip,
                              const QString& essid, const QString& channel, const QString& wep) {
  return tr("Regulatory domain %1, firmware version %2, MAC address %3, IP address %4, ESSID %5, channel %6, WEP %7.")
      .arg(domain, firmware, mac, ip, essid, channel, wep);
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
  if (errormsg->isVisible()) {
    const PanelWords words = ErrorPanelWords();
    title = words.title;
    text << words.text;
  } else if (checklink->isVisible()) {
    const PageWords words = WordsOf("checklink");
    title = TranslatedWords(words.title);
    if (Saving()) text << tr("Saving the settings to the access point.");
    text << Sentence(TranslatedWords(words.instruction));
  } else {
    const PageWords words = WordsOf(PictureOf(CurrentPage()));
    title = TranslatedWords(words.title);
    if (CurrentPage() == Page::AccessPointList) {
      const int n = ap_list->count();
      text << (n == 1 ? tr("1 access point answered.") : tr("%n access points answered.", nullptr, n));
    }
    text << Sentence(TranslatedWords(words.instruction));
    text << ChangeSentences();
  }
  // The notes of the page shown can be read where they are drawn; a panel covers them.
  const std::string_view shown =
      errormsg->isVisible() || checklink->isVisible() ? std::string_view() : PictureOf(CurrentPage());
  for (NoteText* note : notes_) note->setVisible(note->Store() == shown);
  // A control that gets the focus is read by the screen reader itself, after this.
  if (withFocus) text << FocusedPhrase();
  text.removeAll(QString());
  // Read-title gives the page as well as the program.
  setAccessibleName(tr("%1 \u2013 %2").arg(title, QString(kApplicationTitle)));
  const QString first = announcer_->TakeFirst();
  announcer_->Say(first.isEmpty() ? Sentence(title) : first + ' ' + Sentence(title), text.join(' '));
}

bool TForm1::AnnounceUnsavedClose() {
  if (closingAnnounced_ || !ChangesUnsaved()) return false;
  closingAnnounced_ = true;
  announcer_->Say(tr("The changes were not saved."), tr("The utility closes."));
  if (!QAccessible::isActive()) return false;
  // A moment for the screen reader to fetch the words while the window still exists.
  if (!closing_) {
    closing_ = new QTimer(this);
    closing_->setSingleShot(true);
    connect(closing_, &QTimer::timeout, this, &QWidget::close);
  }
  closing_->start(1000);
  return true;
}

void TForm1::SayClosingAgain() {
  // A window manager's close key takes the keyboard for a moment and gives the window back:
  // the screen reader then reads the page over the words. They come again after that, and the
  // window waits for them.
  if (!closing_ || !closing_->isActive()) return;
  closing_->stop();
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the timer deletes its slot object after the call
  QTimer::singleShot(300, this, [this] {
    announcer_->Say(tr("The changes were not saved."), tr("The utility closes."));
    closing_->start(1500);
  });
}

void TForm1::SayBeforeNextPage(const QString& sentence) { announcer_->SayFirst(sentence); }

void TForm1::Say(const QString& sentence) { announcer_->Say(Sentence(sentence), {}); }

}  // namespace trx::app
