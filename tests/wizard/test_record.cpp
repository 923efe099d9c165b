// The wizard's record of the chosen access point: read whole from its reply, kept as reported;
// the user's edits go into a copy, and each save sends that copy alone.
#include "tests/support/settingsfixture.h"

using namespace trx::test;

class Record : public SettingsTest {
 protected:
  // From the list page of a search with the reply, edits made on the basic settings page, on
  // to the confirmation page.
  template <class Edit>
  void ToConfirmation(const ReplyBuilder& reply, Edit edit) {
    SearchWith({reply});
    Click(form->b_setup);
    ASSERT_EQ(wizard->CurrentStep(), Step::BasicSettings);
    edit();
    for (int page = 3; page <= 6 && wizard->CurrentStep() != Step::Confirmation; ++page) Next();
    ASSERT_EQ(wizard->CurrentStep(), Step::Confirmation);
  }
  // Saves, and lets the wait end with no acknowledgement: the confirmation page again.
  QByteArray SaveUnanswered() {
    Next();
    Ticks(6);
    wizard->errormsgClick(form->errormsg);
    const auto& m = wizard->MessageBuffer();
    return QByteArray(reinterpret_cast<const char*>(m.data()), 324);
  }
};

TEST_F(Record, TheSaveSendsTheEditedCopyAndNothingTheCaptionsSay) {
  // Spain: channels 10 and 11, position 2 (channel 11) on the device.
  ToConfirmation(ReplyBuilder().Domain(0x31).Channel(2), [&] {
    TypeInto(form->e_ap, "lobby");
    TypeInto(form->e_essid, "guests");
    form->s_ch->setCurrentIndex(0);
  });
  EXPECT_EQ(wizard->DeviceSettings().hostName, "ap-one") << "the device's own settings stay as reported";
  EXPECT_EQ(wizard->DeviceSettings().essid, "office");
  EXPECT_EQ(wizard->DeviceSettings().channel, 2);
  form->l_fw->SetCaption("9.9.9");
  form->l_mac->SetCaption("FF-FF-FF-FF-FF-FF");
  form->l_domain->SetCaption("FCC");
  const QByteArray m = SaveUnanswered();
  EXPECT_EQ(m.mid(18, 6), QByteArray("lobby\0", 6));
  EXPECT_EQ(m.mid(50, 6), QByteArray("2.2.0\0", 6)) << "the firmware the device reported";
  EXPECT_EQ(m.mid(59, 6), QByteArray("\x02\x00\x00\x0A\x1B\x2C", 6));
  EXPECT_EQ(m[65], '\x40') << "Spain, by its settings code";
  EXPECT_EQ(m[66], 1) << "channel 10: position 1";
  EXPECT_EQ(m.mid(67, 7), QByteArray("guests\0", 7));
}

// A unit with WEP off, on FCC channel 6, key 1 in use: saved unchanged, its settings message is
// its own record, byte for byte.
QByteArray OwnMessage(const ReplyBuilder& reply) { return "gstset" + reply.b.mid(24, 318); }

TEST_F(Record, NoKeyOfAnEarlierSaveReachesAnotherUnit) {
  ToConfirmation(ReplyBuilder().Byte(151, 2), [&] { TypeInto(form->e_essid, "a-long-network-name"); });
  const QByteArray first = SaveUnanswered();
  ASSERT_EQ(first[133], 2) << "128-bit WEP";
  ASSERT_NE(first.mid(155, 13), QByteArray(13, '\0')) << "the first save wrote 128-bit keys";
  Back();  // No: a new search
  const ReplyBuilder other = ReplyBuilder().Byte(150, 0).Essid("lan").Mac(2, 0, 0, 0, 0, 2);
  ToConfirmation(other, [] {});
  EXPECT_EQ(SaveUnanswered(), OwnMessage(other)) << "the second unit's own size byte and keys, nothing of the first";
}

namespace {

// A datagram as the socket hands it over, with the address it came from.
void From(trx::app::TForm1& form, const char* address, const QByteArray& bytes) {
  form.ZEL_UDPSocket1->Queue({{bytes, QHostAddress(QString(address)), 0}});
  QTest::qWait(20);
}

}  // namespace

// Refused replies after a listed one change nothing: not the list, not the pages, not the save.
TEST_F(Record, ARefusedReplyChangesNothing) {
  const ReplyBuilder listed = ReplyBuilder().Byte(150, 0);
  Click(form->b_setup);
  Click(form->b_setup);
  From(*form, "10.50.0.11", listed.b);
  for (const ReplyBuilder& refused : {ReplyBuilder().Channel(0x0F), ReplyBuilder().Byte(152, 0x0A)})
    From(*form, "10.50.0.12", ReplyBuilder(refused).Host("refused").Essid("other").Mac(2, 0, 0, 0, 0, 2).b);
  EXPECT_TRUE(Shown(form->errormsg));
  Ticks(6);
  wizard->errormsgClick(form->errormsg);
  ASSERT_EQ(form->ap_list->count(), 1);
  EXPECT_EQ(form->l_mac->Caption(), "02-00-00-0A-1B-2C");
  EXPECT_EQ(form->l_ch->Caption(), "6");
  EXPECT_EQ(wizard->DeviceSettings().hostName, "ap-one");
  Click(form->b_setup);
  for (int page = 3; page <= 6 && wizard->CurrentStep() != Step::Confirmation; ++page) Next();
  ASSERT_EQ(wizard->CurrentStep(), Step::Confirmation);
  EXPECT_EQ(SaveUnanswered(), OwnMessage(listed));
}
