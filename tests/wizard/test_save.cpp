// The settings message, byte by byte against offsets written from the message tables, and
// the save with its acknowledgement wait.
#include <QUdpSocket>

#include "tests/support/settingsfixture.h"

using namespace trx::test;

namespace {

class Capture {
 public:
  Capture() { socket_.bind(QHostAddress::AnyIPv4, 27155, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint); }
  // The settings messages that reached the segment.
  std::vector<QByteArray> Settings() {
    QTest::qWait(20);
    while (socket_.hasPendingDatagrams()) {
      QByteArray d(static_cast<int>(socket_.pendingDatagramSize()), '\0');
      socket_.readDatagram(d.data(), d.size());
      if (d.startsWith("gstset")) settings_.push_back(d);
    }
    return settings_;
  }

 private:
  QUdpSocket socket_;
  std::vector<QByteArray> settings_;
};

}  // namespace

class Save : public SettingsTest {
 protected:
  std::uint8_t At(int offset) { return wizard->MessageBuffer()[static_cast<std::size_t>(offset)]; }
  // The device as a reply would read it (firmware 2.2.0, MAC 02-00-00-0A-1B-2C, FCC), edited
  // without going through the pages.
  void Fill(const ReplyBuilder& reply = ReplyBuilder()) {
    wizard->SetStepForTesting(Step::Connection);
    Deliver(reply);
    wizard->SetStepForTesting(Step::Welcome);
    form->e_ip->setText("10.1.2.3");
    form->e_mask->setText("255.255.0.0");
    form->e_gateway->setText("10.1.0.1");
    form->e_ap->setText("host");
    form->s_ch->setCurrentIndex(5);
    form->e_essid->setText("essid");
    form->e_pas->setText("pw");
    form->s_wep->setCurrentIndex(0);
    form->ip_ip->setChecked(true);
  }
  // To the confirmation page of the device in the reply, changing nothing.
  void ToConfirmation(const ReplyBuilder& reply = ReplyBuilder()) {
    ToBasic(reply);
    Next();
    Next();
    Next();
    if (wizard->CurrentStep() == Step::WepKey) Next();
    ASSERT_EQ(wizard->CurrentStep(), Step::Confirmation);
  }
};

TEST_F(Save, HeaderAddressesAndAddressMode) {
  Capture capture;
  Fill();
  form->ip_dhcp->setChecked(true);
  form->e_ip->setText("192.168.1.251");
  wizard->SendSettings();
  const std::uint8_t header[] = {'g', 's', 't', 's', 'e', 't'};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(At(i), header[i]);
  EXPECT_EQ(At(6), 0xC0) << "the IP address follows the header directly";
  EXPECT_EQ(At(7), 0xA8);
  EXPECT_EQ(At(8), 0x01);
  EXPECT_EQ(At(9), 0xFB);
  EXPECT_EQ(At(10), 255);
  EXPECT_EQ(At(12), 0);
  EXPECT_EQ(At(14), 10);
  EXPECT_EQ(At(17), 1);
  EXPECT_EQ(At(323), 0) << "DHCP";
  form->ip_ip->setChecked(true);
  form->e_ip->setText("$C0.0x10. 7.010");
  wizard->SendSettings();
  EXPECT_EQ(At(323), 1);
  EXPECT_EQ(At(6), 0xC0);
  EXPECT_EQ(At(7), 0x10);
  EXPECT_EQ(At(8), 7);
  EXPECT_EQ(At(9), 10);

  const auto sent = capture.Settings();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent.back().size(), 324);
  for (int i = 0; i < 324; ++i) ASSERT_EQ(static_cast<std::uint8_t>(sent.back()[i]), At(i)) << i;
}

TEST_F(Save, TextsMacDomainAndChannel) {
  Fill();
  form->e_ap->setText(QString(31, 'h'));
  wizard->SendSettings();
  EXPECT_EQ(At(18), 'h');
  EXPECT_EQ(At(48), 'h');
  EXPECT_EQ(At(49), 0) << "31 characters and a terminator";
  EXPECT_EQ(At(50), '2');
  EXPECT_EQ(At(54), '0');
  EXPECT_EQ(At(55), 0);
  const std::uint8_t mac[] = {0x02, 0x00, 0x00, 0x0A, 0x1B, 0x2C};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(At(59 + i), mac[i]);
  EXPECT_EQ(At(65), 0x10);
  EXPECT_EQ(At(66), 6) << "channel 6 of the list 1 to 11";
  EXPECT_EQ(At(67), 'e');
  EXPECT_EQ(At(72), 0);
  EXPECT_EQ(At(100), 'p');
  EXPECT_EQ(At(102), 0);
  EXPECT_EQ(At(134), 0) << "default key";

  // Reported as Canada, ETSI, Spain, France, Japan, Japan(All) and a code of no domain.
  const std::pair<std::uint8_t, std::uint8_t> domains[] = {{0x20, 0x20}, {0x30, 0x30}, {0x31, 0x40}, {0x32, 0x50},
                                                           {0x40, 0x60}, {0x41, 0x61}, {0x55, 0x61}};
  for (const auto& [reported, code] : domains) {
    Fill(ReplyBuilder().Domain(reported));
    wizard->SendSettings();
    EXPECT_EQ(At(65), code) << int(reported);
  }
  form->s_ch->setCurrentIndex(-1);
  wizard->SendSettings();
  EXPECT_EQ(At(66), 0) << "no channel chosen";
}

TEST_F(Save, TextsThatFillTheirAreaAreWrittenWhole) {
  wizard->SetStepForTesting(Step::Connection);
  Deliver(ReplyBuilder().Host(std::string(32, 'H')).Essid(std::string(33, 'E')));
  wizard->SendSettings();
  EXPECT_EQ(At(18 + 31), 'H') << "the 32nd character, no terminator";
  EXPECT_EQ(At(50), '2') << "the firmware follows";
  EXPECT_EQ(At(67 + 32), 'E') << "the 33rd character of the ESSID";
  EXPECT_EQ(At(100), 'p');
}

TEST_F(Save, KeyAreasOfTheChosenSizeOnlyOrWithWepOffTheDevicesOwn) {
  Fill();
  form->s_wep->setCurrentIndex(1);
  form->e_64key1->setText("a1b2c3d4e5");
  form->e_64key2->setText("0102030405");
  form->e_64key3->setText("FFFFFFFFFF");
  form->e_64key4->setText("1020304050");
  wizard->SendSettings();
  EXPECT_EQ(At(132), 1);
  EXPECT_EQ(At(133), 1);
  const std::uint8_t key1[] = {0xA1, 0xB2, 0xC3, 0xD4, 0xE5};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(At(135 + i), key1[i]);
  EXPECT_EQ(At(140), 0x01);
  EXPECT_EQ(At(144), 0x05);
  EXPECT_EQ(At(145), 0xFF);
  EXPECT_EQ(At(150), 0x10);
  EXPECT_EQ(At(154), 0x50);
  EXPECT_EQ(At(155), 0) << "the 128-bit areas are not written";

  form->s_wep->setCurrentIndex(2);
  form->e_64key1->setText(QString("ab").repeated(13));
  form->e_64key2->setText(QString("cd").repeated(13));
  form->e_64key3->setText(QString("ef").repeated(13));
  form->e_64key4->setText(QString("12").repeated(13));
  wizard->SendSettings();
  EXPECT_EQ(At(133), 2);
  EXPECT_EQ(At(155), 0xAB);
  EXPECT_EQ(At(167), 0xAB);
  EXPECT_EQ(At(168), 0xCD);
  EXPECT_EQ(At(181), 0xEF);
  EXPECT_EQ(At(194), 0x12);
  EXPECT_EQ(At(206), 0x12);
  EXPECT_EQ(At(135), 0) << "nothing of the earlier save";

  form->s_wep->setCurrentIndex(0);
  wizard->SendSettings();
  EXPECT_EQ(At(132), 0);
  EXPECT_EQ(At(133), 1) << "Disable: the size and keys the device reported";
  EXPECT_EQ(At(135), 0xA0);
  EXPECT_EQ(At(139), 0xA4);
  EXPECT_EQ(At(155), 0);
  EXPECT_EQ(At(194), 0);

  form->s_wep->setCurrentIndex(3);
  form->e_64key1->setText(QString("9A").repeated(29));
  for (auto* f : {form->e_64key2, form->e_64key3, form->e_64key4}) f->setText(QString("77").repeated(29));
  wizard->SendSettings();
  EXPECT_EQ(At(133), 3);
  EXPECT_EQ(At(207), 0x9A);
  EXPECT_EQ(At(235), 0x9A);
  EXPECT_EQ(At(236), 0x77);
  EXPECT_EQ(At(322), 0x77);
}

TEST_F(Save, YesShowsTheNoteDisablesTheButtonsAndSends) {
  Capture capture;
  ToConfirmation();
  Next();
  ASSERT_EQ(dialogs.seen.size(), 1u);
  EXPECT_EQ(dialogs.seen[0].title, "Information");
  EXPECT_EQ(dialogs.seen[0].text,
            "After settings are saved, it may take 60 seconds for the TRX61 ver. 2.2 to become useful.");
  EXPECT_EQ(dialogs.seen[0].icon, QMessageBox::Information);
  EXPECT_EQ(dialogs.seen[0].buttons, QMessageBox::Ok);
  for (QWidget* b : std::initializer_list<QWidget*>{form->b_min, form->b_close, form->b_setup, form->b_back})
    EXPECT_FALSE(b->isEnabled());
  EXPECT_TRUE(Shown(form->checklink) && Shown(form->bar));
  EXPECT_TRUE(form->Timer->Enabled());
  EXPECT_EQ(capture.Settings().size(), 1u);
}

TEST_F(Save, AnAcknowledgedSaveEndsOnTheCompletionPage) {
  ToConfirmation();
  Next();
  Deliver(QByteArray("gstack"));
  Ticks(6);
  EXPECT_EQ(wizard->CurrentStep(), Step::Completion);
  EXPECT_EQ(form->welcome->Picture(), form->exit1->Picture());
  EXPECT_TRUE(Shown(form->b_exit) && form->b_exit->isEnabled());
  EXPECT_EQ(form->b_exit->Hint, "b_exit_off");
  EXPECT_FALSE(Shown(form->b_setup) || Shown(form->b_back) || Shown(form->e_ess) || Shown(form->l_essid));
  Click(form->b_exit);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(Save, NoAcknowledgementGivesTheErrorPanelAndTheConfirmationPageComesBack) {
  Capture capture;
  ToConfirmation(ReplyBuilder().Byte(341, 0));  // a device on DHCP
  Next();
  Deliver(QByteArray("something else"));
  Ticks(6);
  EXPECT_EQ(wizard->CurrentStep(), Step::Confirmation);
  EXPECT_TRUE(Shown(form->errormsg));
  EXPECT_FALSE(Shown(form->e_dhcp) || Shown(form->e_ess) || Shown(form->l_dhcp) || Shown(form->b_min));
  EXPECT_TRUE(Shown(form->l_essid)) << "old values stay, under the panel";
  EXPECT_FALSE(form->b_setup->isEnabled() || form->b_back->isEnabled());

  wizard->errormsgClick(form->errormsg);
  EXPECT_TRUE(Shown(form->e_dhcp) && Shown(form->l_dhcp) && Shown(form->e_ess) && Shown(form->e_ch) &&
              Shown(form->e_wep));
  EXPECT_TRUE(form->b_setup->isEnabled() && form->b_back->isEnabled());
  Next();
  EXPECT_EQ(capture.Settings().size(), 2u) << "Yes sends again";
}

TEST_F(Save, ALateAcknowledgementOfAFailedSaveDoesNotCountForTheNext) {
  ToConfirmation();
  Next();
  Ticks(6);
  ASSERT_TRUE(Shown(form->errormsg));
  Deliver(QByteArray("gstack"));  // the first save's answer, too late
  EXPECT_TRUE(wizard->Acknowledged());
  wizard->errormsgClick(form->errormsg);
  Next();  // the second save gets no answer at all
  Ticks(6);
  EXPECT_EQ(wizard->CurrentStep(), Step::Confirmation) << "no success without an acknowledgement of this save";
  EXPECT_TRUE(Shown(form->errormsg));
}

TEST_F(Save, NoOnTheConfirmationPageStartsOver) {
  ToConfirmation(ReplyBuilder().Byte(341, 1));
  EXPECT_TRUE(Shown(form->l_ip));
  EXPECT_EQ(form->l_ip->pos(), QPoint(128, 257));
  EXPECT_FALSE(form->l_ip->isEnabled());
  EXPECT_EQ(form->e_ip->pos(), QPoint(336, 257));
  EXPECT_TRUE(form->e_ip->isReadOnly());
  EXPECT_EQ(form->b_back->Hint, "b_no_off");
  EXPECT_EQ(form->b_setup->Hint, "b_yes_off");
  EXPECT_EQ(form->e_ch->text(), "6");
  EXPECT_EQ(form->e_wep->text(), "64Bits");
  Back();
  EXPECT_EQ(wizard->CurrentStep(), Step::Connection);
  EXPECT_EQ(form->welcome->Picture(), form->step->Picture());
  EXPECT_FALSE(Shown(form->l_ip) || Shown(form->e_ip) || Shown(form->e_ess) || Shown(form->b_back));
  EXPECT_EQ(form->l_essid->pos(), QPoint(314, 316));
  EXPECT_EQ(form->e_ip->pos(), QPoint(89, 269));
  EXPECT_FALSE(form->e_ip->isReadOnly());
  EXPECT_EQ(form->b_exit->Hint, "b_exit_off");
  Next();
  Deliver(ReplyBuilder());
  Ticks(6);
  EXPECT_EQ(wizard->CurrentStep(), Step::AccessPointList);
  for (QWidget* l : std::initializer_list<QWidget*>{form->l_domain, form->l_fw, form->l_mac, form->l_ip, form->l_essid,
                                                    form->l_ch, form->l_wep})
    EXPECT_TRUE(Shown(l) && l->isEnabled()) << l->objectName().toStdString();
}

TEST(SaveDensity, TheConfirmationColumnsAreCorrectedAndPutBack) {
  FakePlatform platform;
  platform.ppi = 120;
  DialogAnswerer dialogs;
  trx::app::TForm1 form(platform);
  trx::wizard::Wizard wizard(form);
  wizard.SetStepForTesting(Step::Connection);
  const ReplyBuilder reply = ReplyBuilder().Byte(341, 1);
  wizard.ZEL_UDPSocket1Recv(nullptr, reply.data(), reply.size());
  form.ip_ip->setChecked(true);
  wizard.ShowConfirmationPage(false);
  // In the form scaled to 120 ppi: l_essid at 128 x 1.25 = 160, 273 x 1.25 - 5 = 336; e_ip at
  // 336 x 1.25 - 6 = 414, 257 x 1.25 - 5 = 316 (truncated); brought back by 96 / 120.
  EXPECT_EQ(form.l_essid->pos(), QPoint(128, 269));
  EXPECT_EQ(form.e_ip->pos(), QPoint(331, 253));
  wizard.LeaveConfirmationPage();
  // 314 x 1.25 - 6 = 386 and 316 x 1.25 - 5 = 390; 89 x 1.25 - 6 = 105 and 269 x 1.25 - 5 = 331.
  EXPECT_EQ(form.l_essid->pos(), QPoint(309, 312));
  EXPECT_EQ(form.e_ip->pos(), QPoint(84, 265));
}

// A WEP state the list cannot show: the flow, the confirmation and the save all say Disable.
TEST_F(Save, AnUnreadableWepStateGoesOnAsDisable) {
  ToConfirmation(ReplyBuilder().Byte(150, 7));
  EXPECT_EQ(form->e_wep->text(), "Disable");
  Next();
  EXPECT_EQ(At(132), 0) << "WEP off is what is written";
}

namespace {

// A datagram as the socket hands it over, with the address it came from.
void From(trx::app::TForm1& form, const char* address, const QByteArray& bytes) {
  form.ZEL_UDPSocket1->Queue({{bytes, QHostAddress(QString(address)), 0}});
  QTest::qWait(20);
}

}  // namespace

TEST_F(Save, OnlyTheChosenAccessPointsAddressAcknowledges) {
  Click(form->b_setup);
  Click(form->b_setup);
  From(*form, "10.50.0.11", ReplyBuilder().Host("north").Mac(2, 0, 0, 0, 0, 1).b);
  From(*form, "10.50.0.12", ReplyBuilder().Host("south").Mac(2, 0, 0, 0, 0, 2).b);
  Ticks(6);
  form->ap_list->setCurrentRow(0);
  wizard->ap_listClick(form->ap_list);
  Click(form->b_setup);
  Next();
  form->ip_ip->click();  // a fixed address, which the access point may already answer from
  form->e_ip->setText("10.50.0.40");
  for (int page = 4; page <= 6; ++page) Next();
  ASSERT_EQ(wizard->CurrentStep(), Step::Confirmation);
  Next();
  From(*form, "10.50.0.12", "gstack");  // the other access point
  From(*form, "10.50.0.66", "gstack");  // a device that was never listed
  Ticks(6);
  EXPECT_TRUE(Shown(form->errormsg)) << "no acknowledgement from north's address";
  wizard->errormsgClick(form->errormsg);
  Next();
  From(*form, "10.50.0.40", "gstack");
  Ticks(6);
  EXPECT_EQ(wizard->CurrentStep(), Step::Completion);
}

TEST_F(Save, ATwinMacIsMarkedAndSaidBeforeAnythingIsSent) {
  Capture capture;
  SearchWith({ReplyBuilder().Host("twin-a"), ReplyBuilder().Host("twin-b").Essid("other"),
              ReplyBuilder().Host("solo").Mac(2, 0, 0, 0, 0, 9),
              ReplyBuilder().Host("solo").Mac(2, 0, 0, 0, 0, 9).Size(343)});
  ASSERT_EQ(form->ap_list->count(), 3) << "a byte past the settings makes a copy, not a twin";
  EXPECT_EQ(form->ap_list->item(0)->text(), " twin-a (!)");
  EXPECT_EQ(form->ap_list->item(1)->text(), " twin-b (!)");
  EXPECT_EQ(form->ap_list->item(2)->text(), " solo");
  EXPECT_EQ(form->ap_list->item(1)->data(Qt::AccessibleTextRole).toString(),
            "twin-b (another device has the same MAC address)");
  form->ap_list->setCurrentRow(1);
  wizard->ap_listClick(form->ap_list);
  Click(form->b_setup);
  for (int page = 3; page <= 6; ++page) Next();
  ASSERT_EQ(wizard->CurrentStep(), Step::Confirmation);
  dialogs.Answer(QMessageBox::Cancel);
  Next();
  ASSERT_FALSE(dialogs.seen.empty());
  EXPECT_TRUE(dialogs.seen[0].text.startsWith("More than one device answers with the MAC address 02-00-00-0A-1B-2C"));
  EXPECT_TRUE(capture.Settings().empty());
  EXPECT_FALSE(Shown(form->checklink));
  Next();
  EXPECT_EQ(capture.Settings().size(), 1u) << "OK saves";
}

// A device that answers first with a listed unit's exact reply, from an address of its own, and
// acknowledges whatever it is sent.
TEST_F(Save, AForgerWithTheUnitsExactBytesIsATwinAndItsAcknowledgementDoesNotCount) {
  Click(form->b_setup);
  Click(form->b_setup);
  From(*form, "10.50.0.66", ReplyBuilder().b);  // the forger
  From(*form, "10.50.0.11", ReplyBuilder().b);  // the unit
  From(*form, "10.50.0.11", ReplyBuilder().b);  // the unit's copy, on another adapter
  Ticks(6);
  ASSERT_EQ(form->ap_list->count(), 2);
  EXPECT_EQ(form->ap_list->item(0)->text(), " ap-one (!)");
  EXPECT_EQ(form->ap_list->item(1)->text(), " ap-one (!)");
  Click(form->b_setup);  // the unit's entry, shown last
  for (int page = 3; page <= 6 && wizard->CurrentStep() != Step::Confirmation; ++page) Next();
  ASSERT_EQ(wizard->CurrentStep(), Step::Confirmation);
  Next();
  ASSERT_EQ(dialogs.seen.size(), 2u) << "asked, then the note";
  EXPECT_TRUE(dialogs.seen[0].text.startsWith("More than one device"));
  From(*form, "10.50.0.66", "gstack");
  Ticks(6);
  EXPECT_TRUE(Shown(form->errormsg)) << "the forger's acknowledgement is not the unit's";
}
