// What a screen reader is given beyond names: announcements of pages, waits and outcomes,
// values of lists, the chosen access point, and nothing of a masked field.
#include <QAccessible>

#include "app/announcer.h"
#include "tests/support/settingsfixture.h"

using namespace trx::app;
using namespace trx::test;

namespace {

std::vector<std::pair<QAccessible::Event, QString>> g_passed;  // what would reach the platform

void Record(QAccessibleEvent* e) {
  const auto* insert = dynamic_cast<QAccessibleTextInsertEvent*>(e);
  g_passed.emplace_back(e->type(), insert ? insert->textInserted() : QString());
}

// Every announcement, as "title | text", in order.
class Announcements : public QObject {
 public:
  explicit Announcements(QWidget* announcer) : announcer_(announcer) { announcer->installEventFilter(this); }
  QStringList heard;
  QString Last() const { return heard.isEmpty() ? QString() : heard.last(); }

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Show) heard << announcer_->accessibleName() + " | " + announcer_->accessibleDescription();
    return false;
  }

 private:
  QWidget* announcer_;
};

class Accessibility : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    announcements = std::make_unique<Announcements>(form->findChild<QWidget*>("announcer"));
    g_passed.clear();
  }
  void Key(Qt::Key key) {
    Settle();
    QTest::keyClick(form->focusWidget() ? form->focusWidget() : form.get(), key);
    Settle();
  }
  void WaitEnds() {
    Ticks(6);
    Settle();
  }
  std::unique_ptr<Announcements> announcements;
};

TEST_F(Accessibility, EveryPageWaitAndOutcomeIsAnnouncedBeforeTheFocusMoves) {
  Key(Qt::Key_Return);
  EXPECT_EQ(announcements->Last(),
            "Connection method. | The utility talks to access points on the local Ethernet segment with broadcast "
            "messages (UDP port 27155). Next.")
      << "Setup became Next in place: said with the page";

  Key(Qt::Key_Return);  // the search
  EXPECT_EQ(form->focusWidget(), form->bar) << "the one control that shows during the wait";
  EXPECT_EQ(announcements->Last(), "Checking the network connection. | Please wait...");
  WaitEnds();
  EXPECT_TRUE(announcements->Last().startsWith("No access point could be located. | No access point answered in time"));
  EXPECT_TRUE(announcements->Last().contains("Please check: The Ethernet cables")) << "the panel's checks";
  EXPECT_TRUE(announcements->Last().endsWith("answers again.")) << "the focus moves after: its button is read then";
  EXPECT_EQ(QAccessible::queryAccessibleInterface(form->errormsg)->text(QAccessible::Description), "")
      << "the panel's words are not said again as its button's";

  Key(Qt::Key_Escape);
  EXPECT_TRUE(announcements->Last().startsWith("Connection method."));
  Key(Qt::Key_Return);
  Deliver(ReplyBuilder().Host("north").Essid("office"));
  Deliver(ReplyBuilder().Host("south").Mac(2, 0, 0, 0, 0, 9));
  WaitEnds();
  EXPECT_EQ(announcements->Last(),
            "Access points found. | 2 access points answered. Do you want to change the settings "
            "of the selected access point?");

  Key(Qt::Key_Return);
  EXPECT_EQ(announcements->Last(), "Basic settings. | Name the wireless network and choose its radio channel.");
  Key(Qt::Key_Tab);
  Key(Qt::Key_Down);  // channel 7
  for (int page = 4; page <= 7; ++page) Key(Qt::Key_Return);
  ASSERT_EQ(wizard->CurrentStep(), Step::Confirmation);
  EXPECT_TRUE(announcements->Last().startsWith("Confirm the new settings. | Do you want to save"));
  EXPECT_TRUE(announcements->Last().contains("Channel: 7, was 6.")) << "each row: caption, new, old";
  EXPECT_EQ(QAccessible::queryAccessibleInterface(form->e_ch)->text(QAccessible::Description), "Was 6.");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(form->e_ess)->text(QAccessible::Description), "")
      << "a value left as it was says nothing more";

  Key(Qt::Key_Return);  // Yes, and OK on the note
  EXPECT_TRUE(announcements->Last().startsWith("Checking the network connection. | Saving the settings"));
  WaitEnds();  // no acknowledgement
  EXPECT_TRUE(announcements->Last().startsWith("No access point could be located. |")) << "the panel's own words";
  EXPECT_TRUE(announcements->Last().contains("Please check:"));
  Key(Qt::Key_Return);  // continue
  Key(Qt::Key_Return);  // Yes again
  Deliver(QByteArray("gstack"));
  WaitEnds();
  EXPECT_EQ(announcements->Last(), "Settings saved. | The access point has acknowledged the new settings.");
}

TEST_F(Accessibility, AMaskedFieldGivesAwayNothing) {
  ToBasic();
  for (int page = 3; page <= 5; ++page) Next();  // the device's own pass phrase: its keys stay masked
  ASSERT_EQ(wizard->CurrentStep(), Step::WepKey);
  ASSERT_TRUE(form->e_64key1->Masked());
  const QString key = form->e_64key1->text();
  QAccessibleInterface* const field = QAccessible::queryAccessibleInterface(form->e_64key1);
  for (const QAccessible::Text t : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
    EXPECT_FALSE(field->text(t).contains(key.left(4))) << t;
  EXPECT_EQ(field->textInterface()->text(0, static_cast<int>(key.size())), "");

  // What Qt reports of a change of the text: nothing of a masked or a hidden field.
  QAccessibleTextInsertEvent masked(form->e_64key1, 0, key);
  Announcer::Forward(&masked, Record);
  QAccessibleTextInsertEvent hidden(form->e_64key2, 0, form->e_64key2->text());
  Announcer::Forward(&hidden, Record);
  EXPECT_TRUE(g_passed.empty());
  form->e_64key1->SetMasked(false);
  QAccessibleTextInsertEvent shown(form->e_64key1, 0, key);
  Announcer::Forward(&shown, Record);
  EXPECT_EQ(g_passed.size(), 1u) << "a field shown in plain is read as usual";
}

TEST_F(Accessibility, ThePassPhraseIsASecretEvenShownInClear) {
  ToBasic();
  Next();
  Next();
  ChooseWep(2);  // the field is emptied and shows what is typed
  TypeInto(form->e_pas, "alpha one");
  ASSERT_FALSE(form->e_pas->Masked());
  QAccessibleInterface* const field = QAccessible::queryAccessibleInterface(form->e_pas);
  EXPECT_TRUE(field->state().passwordEdit) << "a reader echoes no key of a password field";
  EXPECT_EQ(field->text(QAccessible::Value), "");
  EXPECT_EQ(field->textInterface()->characterCount(), 0);
  QAccessibleTextInsertEvent typed(form->e_pas, 0, "a");
  Announcer::Forward(&typed, Record);
  EXPECT_TRUE(g_passed.empty());
}

TEST_F(Accessibility, ADropDownListTellsItsItemAndEveryChangeOfIt) {
  ToBasic();
  form->s_ch->setFocus();
  QAccessibleInterface* const list = QAccessible::queryAccessibleInterface(form->s_ch);
  EXPECT_EQ(list->text(QAccessible::Name), "Channel");
  EXPECT_EQ(list->textInterface()->text(0, 9), "6") << "the value a reader reads on focus";
  form->s_ch->setCurrentIndex(6);
  QAccessibleValueChangeEvent changed(form->s_ch, "7");
  Announcer::Forward(&changed, Record);
  ASSERT_EQ(g_passed.size(), 1u);
  EXPECT_EQ(g_passed[0], std::make_pair(QAccessible::TextInserted, QString("7")));
}

TEST_F(Accessibility, OnlyTheFocusedControlReportsFocus) {
  SearchWith({ReplyBuilder()});
  QAccessibleEvent listFocus(form->ap_list, QAccessible::Focus);
  form->b_setup->setFocus();
  Announcer::Forward(&listFocus, Record);
  EXPECT_TRUE(g_passed.empty()) << "a list filled in the background would take a reader there";
  form->ap_list->setFocus();
  Announcer::Forward(&listFocus, Record);
  EXPECT_EQ(g_passed.size(), 1u);
}

TEST_F(Accessibility, AFieldIsReadAsOneRunAndOnlyAFocusedListClaimsASelection) {
  ToBasic();
  int start = -1, end = -1;
  QAccessible::queryAccessibleInterface(form->e_essid)->textInterface()->attributes(2, &start, &end);
  EXPECT_EQ(std::make_pair(start, end), std::make_pair(0, 6)) << "a run of no length splits \"office\" when read";
  QAccessibleTextInterface* const channel = QAccessible::queryAccessibleInterface(form->s_ch)->textInterface();
  form->e_ap->setFocus();
  EXPECT_EQ(channel->selectionCount(), 0) << "else read as part of the host name's selection";
  form->s_ch->setFocus();
  EXPECT_EQ(channel->selectionCount(), 1) << "a new item is read as a replaced selection";
}

TEST_F(Accessibility, EveryChangeIsConfirmedAndEveryLossSaid) {
  ToBasic(ReplyBuilder().Host("north"));
  TypeInto(form->e_ap, "south");
  Next();
  TypeInto(form->e_mask, "255.255.0.0");
  TypeInto(form->e_gateway, "192.168.1.254");
  for (int page = 4; page <= 6; ++page) Next();
  ASSERT_EQ(wizard->CurrentStep(), Step::Confirmation);
  WaitEnds();
  EXPECT_TRUE(announcements->Last().contains(
      "Host Name: south, was north. Net Mask: 255.255.0.0, was 255.255.255.0. Gateway: 192.168.1.254, was "
      "192.168.1.1."))
      << announcements->Last().toStdString();
  EXPECT_TRUE(announcements->Last().contains("WEP keys: new, made from the pass phrase. Key in use: key 1."))
      << "the reply's keys are not the pass phrase's";
  Key(Qt::Key_Escape);  // back, nothing lost
  EXPECT_TRUE(announcements->Last().startsWith("WEP key. |"));
  EXPECT_EQ(form->e_ap->text(), "south");
  Key(Qt::Key_Return);
  EXPECT_TRUE(announcements->Last().startsWith("Confirm the new settings. |"));
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(form->b_back)
                  ->text(QAccessible::Description)
                  .endsWith("No: discard the changes and search again."))
      << "No is heard with what it does";
  Click(form->b_back);  // No
  Settle();
  EXPECT_TRUE(announcements->Last().startsWith("The changes were not saved. Connection method. |"))
      << announcements->Last().toStdString();
  Key(Qt::Key_Escape);
  EXPECT_TRUE(announcements->Last().startsWith("Connection method. |")) << "nothing to go back to: the page again";

  Key(Qt::Key_Return);
  Deliver(ReplyBuilder().Host("north"));
  WaitEnds();
  Key(Qt::Key_Return);
  form->close();
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(announcements->Last().startsWith("Basic settings.")) << "nothing changed, nothing said";
  form->show();
  TypeInto(form->e_essid, "lobby");
  form->close();
  EXPECT_EQ(announcements->Last(), "The changes were not saved. | The utility closes.");
  QEvent activated(QEvent::WindowActivate);  // the window manager gives the window back
  QApplication::sendEvent(form.get(), &activated);
  QTRY_COMPARE(announcements->heard.count("The changes were not saved. | The utility closes."), 2);
  EXPECT_TRUE(form->isVisible()) << "the words are said again before the window goes";
  QTRY_VERIFY(!form->isVisible());
}

TEST_F(Accessibility, TheChosenAccessPointCanBeHeard) {
  SearchWith({ReplyBuilder().Host("north").Mac(2, 0, 0, 0, 0, 1), ReplyBuilder().Host("south").Ip(24, 10, 1, 2, 3)});
  const auto described = [&](int row) {
    return form->ap_list->item(row)->data(Qt::AccessibleDescriptionRole).toString();
  };
  EXPECT_TRUE(described(1).contains("IP address 10.1.2.3")) << described(1).toStdString();
  form->ap_list->setCurrentRow(0);
  wizard->ap_listClick(form->ap_list);
  EXPECT_EQ(described(0),
            "Regulatory domain FCC, firmware version 2.2.0, MAC address 02-00-00-00-00-01, IP address "
            "192.168.1.251, ESSID office, channel 6, WEP 64Bits.");
}

}  // namespace

TEST_F(Accessibility, APagesNotesAreTextWhereTheyAreDrawnAndOnlyThere) {
  ToBasic();
  Settle();
  QStringList shown;
  for (QWidget* note : form->findChildren<NoteText*>())
    if (note->isVisible()) {
      QAccessibleInterface* const iface = QAccessible::queryAccessibleInterface(note);
      EXPECT_EQ(iface->role(), QAccessible::StaticText);
      EXPECT_EQ(iface->textInterface()->text(0, iface->textInterface()->characterCount()),
                iface->text(QAccessible::Name));
      shown << iface->text(QAccessible::Name);
    }
  EXPECT_EQ(shown, QStringList({"The network name: 1 to 32 characters.",
                                "The channels allowed in the access point's regulatory domain.",
                                "The access point's own name: up to 31 characters."}));
  Back();
  Settle();
  QStringList onList;
  for (NoteText* note : form->findChildren<NoteText*>())
    if (note->isVisible()) onList << note->Words();
  EXPECT_EQ(onList, QStringList({"Yes: change its settings. No: close the utility."}));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(form->b_exit)->text(QAccessible::Description), onList.value(0))
      << "No is heard with what it does";
}

TEST_F(Accessibility, TheLimitTheDroppedChangesAndATypedKeyAreSaid) {
  SearchWith({ReplyBuilder().Host("north"), ReplyBuilder().Host("south").Mac(2, 0, 0, 0, 0, 9)});
  Click(form->b_setup);
  TypeInto(form->e_essid, QString(40, 'x'));
  EXPECT_EQ(form->e_essid->text().size(), 32);
  EXPECT_EQ(announcements->heard.count("At most 32 characters. | "), 0)
      << "not while the keys go on, cut by their echo";
  QTRY_COMPARE(announcements->heard.count("At most 32 characters. | "), 1);
  Back();
  Settle();
  QTest::keyClick(form->ap_list, Qt::Key_Up);
  EXPECT_EQ(announcements->Last(), "The changes made for south were dropped. | ");
  Click(form->b_setup);
  Next();
  Next();
  TypeInto(form->e_pas, "fresh");
  Next();
  TypeInto(form->e_64key1, "0123456789");
  Next();
  Settle();
  ASSERT_EQ(wizard->CurrentStep(), Step::Confirmation);
  EXPECT_TRUE(announcements->Last().contains(
      "Host Name: north, unchanged. Net Mask: 255.255.255.0, unchanged. Gateway: 192.168.1.1, unchanged. WEP keys: new; key 1 as typed, keys 2 to 4 made from the pass phrase. Key in use: key 1."))
      << announcements->Last().toStdString();
  EXPECT_FALSE(announcements->Last().contains("0123456789")) << "never a key";
}

TEST_F(Accessibility, TheGuideSaysItIsOpeningAndAScreenReaderGetsItsHtml) {
  for (const bool reader : {false, true}) {
    platform.calls.clear();
    form->ScreenReaderRunning = [reader] { return reader; };
    Click(form->b_help);
    EXPECT_EQ(announcements->Last(), "Opening the User Guide. | ");
    ASSERT_FALSE(platform.calls.isEmpty());
    EXPECT_EQ(platform.calls[0].endsWith(".html"), reader) << platform.calls[0].toStdString();
  }
}

TEST_F(Accessibility, TheIpPageOpensOnTheAddressMode) {
  ToBasic(ReplyBuilder().Byte(341, 0));  // DHCP: the address fields are disabled
  Key(Qt::Key_Return);
  EXPECT_EQ(form->focusWidget(), form->ip_dhcp);
  Key(Qt::Key_Return);
  Key(Qt::Key_Escape);
  EXPECT_EQ(form->focusWidget(), form->ip_dhcp) << "back from the security page";
}
