// Refusals of the settings pages: message, focus, page kept.
#include "tests/support/settingsfixture.h"

using namespace trx::test;

class Checks : public SettingsTest {};

TEST_F(Checks, AnEmptyEssidIsRefusedInBothDirections) {
  ToBasic();
  form->e_essid->clear();
  Next();
  EXPECT_EQ(wizard->CurrentStep(), Step::BasicSettings);
  Back();
  EXPECT_EQ(wizard->CurrentStep(), Step::BasicSettings);
  EXPECT_EQ(dialogs.Texts(), QStringList({"Wrong ESSID value!", "Wrong ESSID value!"}));
  EXPECT_EQ(dialogs.seen[0].title, "TRX61 Utility");
  EXPECT_EQ(Focused(), form->e_essid);
  form->e_essid->setText(" ");
  Next();
  EXPECT_EQ(wizard->CurrentStep(), Step::IpSettings) << "a blank is an ESSID";
}

TEST_F(Checks, TheNewEssidIsShortenedForTheConfirmationPage) {
  ToBasic(ReplyBuilder().Essid("abcdefghijklmno"));
  Next();
  EXPECT_EQ(form->e_ess->text(), "abcdefghijklmno");
  Back();
  form->e_essid->setText("abcdefghijklmnop");
  Next();
  EXPECT_EQ(form->e_ess->text(), "abcdefghijkl...");
  EXPECT_EQ(form->e_ess->Hint, "abcdefghijklmnop");
}

TEST_F(Checks, EachAddressRefusalNamesItsFieldAndStopsThere) {
  ToBasic();
  Next();
  ASSERT_EQ(wizard->CurrentStep(), Step::IpSettings);
  struct Case {
    trx::app::TEdit* field;
    const char* message;
  };
  for (const Case& c :
       {Case{form->e_ip, "Wrong IP address value!"}, Case{form->e_mask, "Wrong NetMask IP address value!"},
        Case{form->e_gateway, "Wrong GateWay IP address value!"}}) {
    const QString good = c.field->text();
    c.field->setText("1.2.3.256");
    dialogs.seen.clear();
    Next();
    EXPECT_EQ(wizard->CurrentStep(), Step::IpSettings);
    Back();
    EXPECT_EQ(wizard->CurrentStep(), Step::IpSettings);
    EXPECT_EQ(dialogs.Texts(), QStringList({c.message, c.message}));
    EXPECT_EQ(dialogs.seen.back().spoken, "Part 4, 256, is no number from 0 to 255.") << "why, for a screen reader";
    EXPECT_EQ(Focused(), c.field);
    EXPECT_EQ(c.field->text(), "1.2.3.256") << "the text stays as typed";
    c.field->setText(good);
  }
  form->e_ip->setText("bad");
  form->e_mask->clear();
  Next();
  EXPECT_EQ(form->e_mask->text(), "") << "fields after a failing one are neither filled nor checked";
}

TEST_F(Checks, EmptyAddressFieldsGetDefaultsWhenThePageIsLeft) {
  ToBasic();
  Next();
  form->e_ip->clear();
  form->e_mask->clear();
  form->e_gateway->clear();
  Back();
  EXPECT_EQ(wizard->CurrentStep(), Step::BasicSettings);
  EXPECT_EQ(form->e_ip->text(), "192.168.1.251");
  EXPECT_EQ(form->e_mask->text(), "255.255.255.0");
  EXPECT_EQ(form->e_gateway->text(), "0.0.0.0");
  EXPECT_TRUE(dialogs.seen.empty());
}

TEST_F(Checks, WithDhcpTheDisabledFieldsAreStillCheckedAndTheFocusStays) {
  ToBasic(ReplyBuilder().Byte(341, 1));
  Next();
  QTest::mouseClick(form->ip_dhcp, Qt::LeftButton, {}, {5, 5});
  EXPECT_FALSE(form->e_ip->isEnabled() || form->e_mask->isEnabled() || form->e_gateway->isEnabled());
  form->e_gateway->setText("300.1.1.1");
  form->e_mask->clear();
  form->ip_dhcp->setFocus();
  Next();
  EXPECT_EQ(wizard->CurrentStep(), Step::IpSettings);
  EXPECT_EQ(dialogs.Texts(), QStringList({"Wrong GateWay IP address value!"}));
  EXPECT_EQ(form->e_mask->text(), "255.255.255.0");
  EXPECT_NE(Focused(), form->e_gateway) << "a disabled field cannot take the focus";
  QTest::mouseClick(form->ip_ip, Qt::LeftButton, {}, {5, 5});
  EXPECT_TRUE(form->e_ip->isEnabled() && form->e_mask->isEnabled() && form->e_gateway->isEnabled());
}

TEST_F(Checks, LeavingAnAddressFieldChecksIt) {
  ToBasic();
  Next();
  form->e_mask->setFocus();
  form->e_mask->setText("255.255.0");
  QTest::keyClick(form->e_mask, Qt::Key_Tab);
  Settle();
  EXPECT_EQ(dialogs.Texts(), QStringList({"Wrong NetMask IP address value!"}));
  EXPECT_EQ(Focused(), form->e_mask) << "the focus goes back into the field";
  EXPECT_EQ(form->e_mask->text(), "255.255.0");

  dialogs.seen.clear();
  form->e_mask->setText("255.255.255.0");
  QTest::keyClick(form->e_mask, Qt::Key_Tab);
  Settle();
  EXPECT_TRUE(dialogs.seen.empty());
}

TEST_F(Checks, TwoWrongFieldsDoNotBounceTheFocusBetweenThem) {
  ToBasic();
  Next();
  form->e_ip->setText("bad");
  form->e_mask->setText("worse");
  form->e_ip->setFocus();
  form->e_mask->setFocus(Qt::TabFocusReason);
  Settle();
  Settle();
  EXPECT_EQ(dialogs.Texts(), QStringList({"Wrong IP address value!"}));
  EXPECT_EQ(Focused(), form->e_ip);
}

TEST_F(Checks, KeyFieldOneIsCheckedForLengthAndDigits) {
  ToBasic();
  Next();
  Next();
  ASSERT_EQ(wizard->CurrentStep(), Step::WepSettings);
  ChooseWep(1);
  TypeInto(form->e_pas, "passphrase");
  Next();
  ASSERT_EQ(wizard->CurrentStep(), Step::WepKey);
  TypeInto(form->e_64key1, "123456789");
  Next();
  EXPECT_EQ(dialogs.Texts().last(), "Wrong Wep-Key1 Length!");
  EXPECT_EQ(Focused(), form->e_64key1);
  EXPECT_EQ(form->e_64key1->selectedText().size(), 9) << "the text stays selected";
  TypeInto(form->e_64key1, "123456789G");
  Next();
  EXPECT_EQ(dialogs.Texts().last(), "Wrong Wep-Key1 Word!");
  EXPECT_EQ(wizard->CurrentStep(), Step::WepKey);
  TypeInto(form->e_64key1, "0000000000");
  Next();
  EXPECT_TRUE(dialogs.Texts().last().startsWith("A key of all zeros is one anyone can use.")) << "as no pass phrase is";
  EXPECT_EQ(wizard->CurrentStep(), Step::WepKey);
  TypeInto(form->e_64key1, "abcdef0123");
  EXPECT_EQ(form->e_64key1->text(), "ABCDEF0123");
  Next();
  EXPECT_EQ(wizard->CurrentStep(), Step::Confirmation);
}
