// The wizard's record of the chosen access point: the device's settings stay as reported, the
// user's edits go into a copy, and the save sends the copy over the buffer of the run.
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

TEST_F(Record, ASecondSaveInOneRunKeepsWhatTheFirstLeftWhereItWritesNothing) {
  ToConfirmation(ReplyBuilder().Byte(151, 2), [&] { TypeInto(form->e_essid, "a-long-network-name"); });
  const QByteArray first = SaveUnanswered();
  ASSERT_EQ(first[133], 2) << "128-bit WEP";
  Back();  // No: a new search
  ToConfirmation(ReplyBuilder().Byte(150, 0).Essid("lan"), [] {});
  const QByteArray second = SaveUnanswered();
  EXPECT_EQ(second.mid(67, 4), QByteArray("lan\0", 4));
  EXPECT_EQ(second.mid(71, 29), first.mid(71, 29)) << "after the ESSID's zero: the first save's bytes";
  EXPECT_EQ(second[132], 0) << "WEP off";
  EXPECT_EQ(second[133], 2) << "the size byte as the first save left it";
  EXPECT_EQ(second.mid(135, 188), first.mid(135, 188)) << "every key area as the first save left it";
  EXPECT_NE(first.mid(155, 13), QByteArray(13, '\0')) << "the first save wrote 128-bit keys";
}

// The save sends what the form shows: a reply refused part way leaves the record, as it leaves
// the fields, with what it reached.
TEST_F(Record, AReplyRefusedPartWayLeavesTheRecordAsItLeavesTheForm) {
  wizard->SetStepForTesting(Step::Connection);
  Deliver(ReplyBuilder());
  Deliver(ReplyBuilder().Host("second").Essid("other").Channel(0x0F));  // "F": no channel
  EXPECT_EQ(form->e_ap->text(), "second");
  EXPECT_EQ(wizard->DeviceSettings().hostName, "second");
  EXPECT_EQ(form->e_essid->text(), "office");
  EXPECT_EQ(wizard->DeviceSettings().essid, "office") << "not reached";
}
