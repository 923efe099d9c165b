// The receiving side of the form: replies parsed into the form, listed, stored and shown again.
#include <QAccessible>
#include <QTextDocument>
#include <QToolTip>

#include "link/messages.h"
#include "tests/support/formfixture.h"

using namespace trx::test;

class Receive : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    wizard->SetStepForTesting(Step::Connection);  // the search step, where replies are taken
  }
  QStringList Items(const QComboBox* c) {
    QStringList items;
    for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
    return items;
  }
};

TEST_F(Receive, AReplyOf342BytesIsReadInFull) {
  Deliver(ReplyBuilder().Byte(341, 0));
  ASSERT_EQ(form->ap_list->count(), 1);
  EXPECT_EQ(form->ap_list->item(0)->text(), " ap-one");
  EXPECT_EQ(form->ap_list->currentRow(), 0);
  EXPECT_EQ(form->e_ip->text(), "192.168.1.251");
  EXPECT_EQ(form->l_ip->Caption(), "192.168.1.251");
  EXPECT_EQ(form->e_mask->text(), "255.255.255.0");
  EXPECT_EQ(form->e_gateway->text(), "192.168.1.1");
  EXPECT_EQ(form->e_ap->text(), "ap-one");
  EXPECT_EQ(form->l_fw->Caption(), "2.2.0");
  EXPECT_EQ(form->l_mac->Caption(), "02-00-00-0A-1B-2C");
  EXPECT_EQ(form->l_domain->Caption(), "FCC");
  EXPECT_EQ(Items(form->s_ch).size(), 11);
  EXPECT_EQ(form->s_ch->currentText(), "6");
  EXPECT_EQ(form->l_ch->Caption(), "6");
  EXPECT_EQ(form->e_essid->text(), "office");
  EXPECT_EQ(form->l_essid->Caption(), "office");
  EXPECT_EQ(form->e_pas->text(), "phrase");
  EXPECT_TRUE(form->wepkey1->isChecked());
  EXPECT_EQ(form->l_wep->Caption(), "64Bits");
  EXPECT_EQ(form->s_wep->currentIndex(), 1);
  EXPECT_TRUE(form->e_pas->isEnabled());
  EXPECT_EQ(form->e_64key1->text(), "A0A1A2A3A4");
  EXPECT_EQ(form->e_64key1->Hint, "A0A1A2A3A4");
  EXPECT_EQ(form->e_64key2->text(), "0000000000");
  EXPECT_TRUE(form->ip_dhcp->isChecked());
  EXPECT_TRUE(wizard->DeviceUsedDhcp());
  EXPECT_EQ(wizard->StoredReplyCount(), 1);
}

TEST_F(Receive, LongerRepliesReadLikeTheirFirst342Bytes) {
  Deliver(ReplyBuilder().Size(400).Byte(399, 0x55).Byte(10, 0x99));
  ASSERT_EQ(form->ap_list->count(), 1);
  EXPECT_EQ(form->l_domain->Caption(), "FCC");
  EXPECT_EQ(form->ip_ip->isChecked(), true);
  EXPECT_FALSE(wizard->DeviceUsedDhcp()) << "address-mode byte 1";
  EXPECT_EQ(wizard->StoredReply(0).size(), 342) << "what comes after the bytes read is not kept";
  Deliver(ReplyBuilder().Byte(341, 2));
  EXPECT_FALSE(wizard->DeviceUsedDhcp()) << "2 means a fixed address too";
}

TEST_F(Receive, AShortReplyIsUnreadableAndLaysTheErrorPanel) {
  form->e_ip->setText("untouched");
  form->Timer->SetEnabled(true);
  Deliver(ReplyBuilder().Size(341));
  EXPECT_EQ(form->ap_list->count(), 0);
  EXPECT_EQ(form->e_ip->text(), "untouched") << "nothing is read from a short reply";
  EXPECT_TRUE(Shown(form->errormsg));
  EXPECT_FALSE(Shown(form->checklink));
  EXPECT_FALSE(Shown(form->bar));
  EXPECT_EQ(form->bar->Position(), 100);
  EXPECT_FALSE(Shown(form->b_min));
  EXPECT_FALSE(form->b_exit->isEnabled());
  EXPECT_FALSE(form->b_setup->isEnabled());
  EXPECT_TRUE(form->Timer->Enabled()) << "the wait goes on";
}

TEST_F(Receive, DomainZeroIsRefusedAndEndsTheWaitAtOnce) {
  form->Timer->SetEnabled(true);
  Ticks(3);
  ASSERT_EQ(wizard->WaitTicksLeft(), 3);
  form->check02->show();
  form->e_ap->setText("untouched");
  Deliver(ReplyBuilder().Domain(0).Host("refused"));
  EXPECT_EQ(form->ap_list->count(), 0);
  EXPECT_FALSE(form->Timer->Enabled());
  EXPECT_EQ(wizard->WaitTicksLeft(), 6);
  EXPECT_FALSE(Shown(form->check02));
  EXPECT_TRUE(Shown(form->errormsg));
  EXPECT_EQ(form->e_ap->text(), "untouched") << "nothing of a refused reply is shown";
}

TEST_F(Receive, DomainsFillTheChannelList) {
  Deliver(ReplyBuilder().Domain(0x31).Channel(1));
  EXPECT_EQ(Items(form->s_ch), QStringList({"10", "11"}));
  EXPECT_EQ(form->l_domain->Caption(), "Spain");
  EXPECT_EQ(form->s_ch->currentText(), "10") << "selected by position: channel byte 1 is the first entry";

  Deliver(ReplyBuilder().Domain(0x41).Channel(14));
  EXPECT_EQ(form->l_domain->Caption(), "Japan(All)");
  EXPECT_EQ(form->s_ch->count(), 14);
  EXPECT_EQ(form->s_ch->currentText(), "14");

  Deliver(ReplyBuilder().Domain(0x40).Channel(14));
  EXPECT_EQ(Items(form->s_ch), QStringList({"14"}));
  EXPECT_EQ(form->s_ch->currentIndex(), -1) << "a position beyond the list selects nothing";

  Deliver(ReplyBuilder().Domain(0x55).Host("odd"));
  EXPECT_EQ(form->l_domain->Caption(), "Error");
  EXPECT_EQ(form->s_ch->count(), 0);
  EXPECT_EQ(form->s_ch->placeholderText(), "Error");
  EXPECT_EQ(form->ap_list->count(), 4) << "an unknown domain is still listed";
}

TEST_F(Receive, ChannelAndDefaultKeyBytesMustReadAsDecimal) {
  Deliver(ReplyBuilder().Channel(0x0A));
  EXPECT_EQ(form->l_ch->Caption(), "10");
  EXPECT_EQ(form->s_ch->currentText(), "10");
  Deliver(ReplyBuilder().Channel(0x12).Domain(0x41));
  EXPECT_EQ(form->l_ch->Caption(), "12") << "0x12 reads as twelve";
  EXPECT_EQ(form->ap_list->count(), 2);

  Deliver(ReplyBuilder().Channel(0x0F));
  EXPECT_EQ(form->ap_list->count(), 2) << "channel F is unreadable";
  EXPECT_TRUE(Shown(form->errormsg));

  wizard->errormsgClick(form->errormsg);
  Deliver(ReplyBuilder().Byte(152, 0x0A));
  EXPECT_EQ(form->ap_list->count(), 2) << "default key A is unreadable";

  Deliver(ReplyBuilder().Byte(152, 0x10));
  EXPECT_EQ(form->ap_list->count(), 3) << "default key 10 is read and marks no key";
  EXPECT_FALSE(form->wepkey1->isChecked() || form->wepkey2->isChecked() || form->wepkey3->isChecked() ||
               form->wepkey4->isChecked());
  Deliver(ReplyBuilder().Byte(152, 3));
  EXPECT_TRUE(form->wepkey4->isChecked());
}

TEST_F(Receive, EssidAndHostNameTexts) {
  Deliver(ReplyBuilder().Essid("abcdefghijklmnop").Host(std::string(32, 'H')));
  EXPECT_EQ(form->l_essid->Caption(), "abcdefghijkl...");
  EXPECT_EQ(form->l_essid->Hint, "abcdefghijklmnop");
  EXPECT_EQ(form->e_ap->text(), QString(32, 'H')) << "a 32-character host name shows whole";
  EXPECT_EQ(form->l_fw->Caption(), "2.2.0") << "and the firmware after it is no part of it";
  Deliver(ReplyBuilder().Essid("abcdefghijklmno"));
  EXPECT_EQ(form->l_essid->Caption(), "abcdefghijklmno");
}

TEST_F(Receive, WepStates) {
  ReplyBuilder off;
  off.Byte(150, 0).Byte(151, 3);
  Deliver(off);
  EXPECT_EQ(form->l_wep->Caption(), "Disable");
  EXPECT_EQ(form->s_wep->currentIndex(), 0);
  EXPECT_FALSE(form->e_pas->isEnabled());
  EXPECT_EQ(form->e_64key1->MaxLength, 10);
  EXPECT_EQ(form->e_64key1->text(), "A0A1A2A3A4") << "WEP off shows the 64-bit set";

  ReplyBuilder big;
  big.Byte(150, 2).Byte(151, 3);
  for (int i = 0; i < 29; ++i) big.Byte(225 + i, static_cast<std::uint8_t>(i));
  Deliver(big);
  EXPECT_EQ(form->l_wep->Caption(), "256Bits");
  EXPECT_EQ(form->s_wep->currentIndex(), 3);
  EXPECT_EQ(form->e_64key1->MaxLength, 58);
  EXPECT_EQ(form->e_64key1->text().left(8), "00010203");
  EXPECT_EQ(form->e_64key1->text().size(), 58);
  EXPECT_TRUE(form->e_pas->isEnabled());

  ReplyBuilder oddSize;
  oddSize.Byte(150, 1).Byte(151, 7);
  Deliver(oddSize);
  EXPECT_EQ(form->l_wep->Caption(), "7");
  EXPECT_EQ(form->e_64key1->text(), "") << "an unknown size fills no key";
  EXPECT_EQ(form->s_wep->currentIndex(), -1) << "a state the list cannot show: none chosen";
  EXPECT_FALSE(form->e_pas->isEnabled());

  ReplyBuilder oddOn;
  oddOn.Byte(150, 0x42);
  Deliver(oddOn);
  EXPECT_EQ(form->l_wep->Caption(), "42");
  EXPECT_EQ(form->s_wep->currentIndex(), -1);
}

TEST_F(Receive, AClickOnAnEntryShowsThatEntrysReplyAgain) {
  Deliver(ReplyBuilder().Host("first").Essid("net-1"));
  Deliver(ReplyBuilder().Host("second").Essid("net-2").Mac(2, 0, 0, 0, 0, 2));
  ASSERT_EQ(form->ap_list->count(), 2);
  EXPECT_EQ(form->ap_list->currentRow(), 1);
  EXPECT_EQ(form->e_essid->text(), "net-2");
  form->ap_list->show();
  const QRect first = form->ap_list->visualItemRect(form->ap_list->item(0));
  QTest::mouseClick(form->ap_list->viewport(), Qt::LeftButton, {}, first.center());
  EXPECT_EQ(form->e_essid->text(), "net-1");
  EXPECT_EQ(form->l_mac->Caption(), "02-00-00-0A-1B-2C");
  EXPECT_EQ(form->ap_list->count(), 2) << "the list is not changed";
}

TEST_F(Receive, ACopyOfAReplyIsListedOnceAndADifferentReplyFromTheSameMacIsListedToo) {
  Deliver(ReplyBuilder().Host("twice"));
  Deliver(ReplyBuilder().Host("twice"));  // the search went out on two adapters
  Deliver(ReplyBuilder().Host("twice").Byte(10, 1).Size(350));
  EXPECT_EQ(form->ap_list->count(), 1) << "bytes outside the settings make no other reply";
  Deliver(ReplyBuilder().Host("twice").Essid("other"));
  EXPECT_EQ(form->ap_list->count(), 2) << "other settings with the MAC: another device";
  wizard->b_setupClick(nullptr);
  form->Timer->SetEnabled(false);
  Deliver(ReplyBuilder().Host("twice"));
  EXPECT_EQ(form->ap_list->count(), 1) << "a new search takes it again";
}

TEST_F(Receive, TheStoreFindsRepliesByPositionBeyond255AndWhateverTheyHold) {
  for (int i = 0; i < 300; ++i) {
    ReplyBuilder r;
    r.Host("ap-" + std::to_string(i));
    r.Text(118, 32, "ap_list\x02");  // bytes that looked like a list marker to a marker search
    Deliver(r);
  }
  ASSERT_EQ(form->ap_list->count(), 300);
  for (const int row : {0, 1, 254, 255, 256, 299}) {
    form->ap_list->setCurrentRow(row);
    wizard->ap_listClick(form->ap_list);
    EXPECT_EQ(form->e_ap->text(), QString("ap-%1").arg(row));
  }
}

TEST_F(Receive, DeviceBytesGoBackUnchanged) {
  // Every byte value from 0x01 to 0xFF passes through the host name, ESSID and pass phrase.
  for (int start = 1; start <= 0xFF; start += 32) {
    std::string text;
    for (int b = start; b < start + 32 && b <= 0xFF; ++b) text += static_cast<char>(b);
    const std::string reversed(text.rbegin(), text.rend());
    ReplyBuilder r;
    r.Host(text).Essid(reversed).Text(118, 32, text);
    Deliver(r);
    wizard->SendSettings();
    const auto& m = wizard->MessageBuffer();
    const auto at = [&](int offset, std::size_t n) {
      return std::string(m.begin() + offset, m.begin() + offset + static_cast<long>(n));
    };
    EXPECT_EQ(at(18, text.size()), text) << "host name from byte " << start;
    EXPECT_EQ(at(67, reversed.size()), reversed) << "ESSID from byte " << start;
    EXPECT_EQ(at(100, text.size()), text) << "pass phrase from byte " << start;
  }
}

TEST_F(Receive, OtherStepsDropRepliesAndOnlyAnAcknowledgementSetsTheFlag) {
  wizard->SetStepForTesting(Step::AccessPointList);
  Deliver(ReplyBuilder());
  EXPECT_EQ(form->ap_list->count(), 0);

  wizard->SetStepForTesting(Step::Connection);
  Deliver(QByteArray("gstsearch"));
  Deliver(QByteArray("KX731"));
  EXPECT_EQ(form->ap_list->count(), 0) << "the program's own broadcast and fragments are dropped";
  EXPECT_FALSE(Shown(form->errormsg));

  wizard->SetStepForTesting(Step::Confirmation);
  Deliver(QByteArray("gstac"));
  Deliver(QByteArray("gstsearch"));
  EXPECT_FALSE(wizard->Acknowledged()) << "only an acknowledgement sets the flag";
  Deliver(QByteArray("gstack plus more"));
  EXPECT_TRUE(wizard->Acknowledged());
  Deliver(QByteArray("gstsearch"));
  Deliver(ReplyBuilder());
  EXPECT_TRUE(wizard->Acknowledged()) << "a search or a reply after the acknowledgement leaves a good save good";
  EXPECT_EQ(form->ap_list->count(), 0);
}

// A turn's datagrams are read one by one and shown once: the form must end exactly as if
// each had been shown in turn, refused replies among them.
TEST_F(Receive, ABurstShowsWhatRepliesShownOneByOneShow) {
  const std::vector<ReplyBuilder> sequences[] = {
      {ReplyBuilder().Channel(3).Essid("first"), ReplyBuilder().Domain(0x30).Channel(0x0F).Host("second")},
      {ReplyBuilder().Byte(150, 0).Essid("wep off"), ReplyBuilder().Domain(0).Host("refused"),
       ReplyBuilder().Size(200)},
      {ReplyBuilder().Byte(151, 3), ReplyBuilder().Byte(150, 7).Byte(152, 0x0A),
       ReplyBuilder().Byte(150, 2).Byte(151, 9)},
  };
  const auto state = [](trx::app::TForm1& f) {
    QStringList s;
    for (QObject* o : f.findChildren<QObject*>()) {
      if (auto* e = qobject_cast<QLineEdit*>(o)) s << e->text() << QString::number(e->isEnabled());
      if (auto* l = qobject_cast<QLabel*>(o)) s << l->text();
      if (auto* c = qobject_cast<QComboBox*>(o))
        s << QString::number(c->count()) << c->currentText() << c->placeholderText();
      if (auto* r = qobject_cast<QRadioButton*>(o)) s << QString::number(r->isChecked());
      if (auto* c = dynamic_cast<trx::app::TControl*>(o)) s << c->Hint;
    }
    s << QString::number(f.ap_list->count()) << QString::number(f.ap_list->currentRow());
    s << QString::number(f.errormsg->isHidden());
    return s;
  };
  for (const auto& replies : sequences) {
    trx::app::TForm1 burst(platform);
    trx::wizard::Wizard burstWizard(burst);
    burstWizard.SetStepForTesting(Step::Connection);
    for (const ReplyBuilder& r : replies) emit burst.ZEL_UDPSocket1->OnRecv(burst.ZEL_UDPSocket1, r.data(), r.size());
    EXPECT_EQ(burst.ap_list->count(), 0) << "nothing is shown before the turn ends";
    emit burst.ZEL_UDPSocket1->OnRecvDone();

    trx::app::TForm1 single(platform);
    trx::wizard::Wizard singleWizard(single);
    singleWizard.SetStepForTesting(Step::Connection);
    for (const ReplyBuilder& r : replies) singleWizard.ZEL_UDPSocket1Recv(single.ZEL_UDPSocket1, r.data(), r.size());
    EXPECT_EQ(state(burst), state(single));
  }
}

// Device text may hold any byte: labels and hints show it as it is, never as markup. What a
// person (or a screen reader) is shown is what the accessibility layer reports.
TEST_F(Receive, DeviceTextIsShownCharacterForCharacter) {
  const std::string host = "<b>x</b>", essid = "a&amp;<i>b</i>", firmware = "<i>2</i>", phrase = "<img src=x>";
  Deliver(ReplyBuilder().Host(host).Essid(essid).Text(68, 9, firmware).Text(118, 32, phrase));
  Show();
  const auto shown = [](QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).toStdString();
  };
  EXPECT_EQ(shown(form->l_fw), firmware);
  EXPECT_EQ(shown(form->l_essid), essid);
  EXPECT_NE(shown(form->wep_tmp), phrase) << "the pass phrase is never handed to assistive technology";
  EXPECT_EQ(form->ap_list->item(0)->text().toStdString(), " " + host);
  // The hint shows the whole ESSID: what the tool-tip displays, read back as plain text.
  QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), form->l_essid->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(form->l_essid, &help);
  QTextDocument tip;
  tip.setHtml(QToolTip::text());
  EXPECT_EQ(tip.toPlainText().toStdString(), essid);
}
