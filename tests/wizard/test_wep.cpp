// The WEP size list, pass-phrase masking and key generation on the settings pages.
#include "input/wepkeys.h"
#include "tests/support/settingsfixture.h"

using namespace trx::test;

class Wep : public SettingsTest {
 protected:
  // To the WEP settings page with a device whose pass phrase is "phrase" and size 64 bits.
  void ToWepSettings(const ReplyBuilder& reply = ReplyBuilder()) {
    ToBasic(reply);
    Next();
    Next();
    ASSERT_EQ(wizard->CurrentStep(), Step::WepSettings);
  }
  std::array<QString, 4> Keys() {
    return {form->e_64key1->text(), form->e_64key2->text(), form->e_64key3->text(), form->e_64key4->text()};
  }
};

TEST_F(Wep, ClosingTheListOnDisableZeroesTheKeysAndDisablesThePassphrase) {
  ToWepSettings();
  ChooseWep(0);
  EXPECT_FALSE(form->e_pas->isEnabled());
  EXPECT_EQ(form->e_pas->text(), "phrase");
  for (const QString& k : Keys()) EXPECT_EQ(k, "0000000000");
  EXPECT_EQ(form->e_64key3->MaxLength, 10);
  Next();
  EXPECT_EQ(wizard->CurrentStep(), Step::Confirmation) << "Disable skips the key page";
  EXPECT_EQ(form->e_wep->text(), "Disable");
}

TEST_F(Wep, ClosingTheListOnASizeEmptiesThePassphrase) {
  ToWepSettings();
  EXPECT_TRUE(form->e_pas->Masked()) << "the device's own pass phrase is masked";
  ChooseWep(1);  // the size already in force
  EXPECT_EQ(form->e_pas->text(), "");
  EXPECT_FALSE(form->e_pas->Masked());
  EXPECT_TRUE(form->e_pas->isEnabled());
  Next();
  EXPECT_EQ(wizard->CurrentStep(), Step::WepSettings) << "keys of zeros are never saved";
  ASSERT_EQ(dialogs.Texts().size(), 1);
  EXPECT_TRUE(dialogs.Texts()[0].contains("Type a pass phrase"));
  EXPECT_EQ(Focused(), form->e_pas);
  ChooseWep(0);
  Next();
  EXPECT_EQ(wizard->CurrentStep(), Step::Confirmation) << "WEP off needs no keys";
}

TEST_F(Wep, AChangeMadeWithTheKeysAndTheListClosedDoesWhatClosingDoes) {
  ToWepSettings();
  ChooseWep(0);
  ASSERT_FALSE(form->e_pas->isEnabled());
  form->s_wep->setFocus();
  QTest::keyClick(form->s_wep, Qt::Key_Down);  // Disable -> 64Bits
  Settle();
  EXPECT_EQ(form->s_wep->currentIndex(), 1);
  EXPECT_TRUE(form->e_pas->isEnabled()) << "the pass phrase can be typed";
  EXPECT_EQ(form->e_pas->text(), "");
  QTest::keyClick(form->s_wep, Qt::Key_Down);  // 128Bits
  Settle();
  EXPECT_EQ(form->e_64key1->MaxLength, 26);
  form->setFocus();  // a program change is no user choice
  form->e_pas->setText("kept");
  form->s_wep->setCurrentIndex(3);
  Settle();
  EXPECT_EQ(form->e_pas->text(), "kept");
}

TEST_F(Wep, TheDevicesOwnPassphraseKeepsTheKeysMasked) {
  ToWepSettings();
  Next();
  ASSERT_EQ(wizard->CurrentStep(), Step::WepKey);
  const auto expected = trx::input::Keys64("phrase");
  EXPECT_EQ(form->e_64key1->text().toStdString(), expected[0]);
  EXPECT_TRUE(form->e_64key1->Masked());
  EXPECT_EQ(form->e_64key1->Hint, "") << "no tool-tip gives the key away";
}

TEST_F(Wep, AnotherPassphraseShowsTheKeysWithTheirToolTips) {
  ToWepSettings();
  ChooseWep(2);
  TypeInto(form->e_pas, "new phrase");
  Next();
  const auto expected = trx::input::Keys128("new phrase");
  EXPECT_EQ(form->e_64key1->text(), QString::fromStdString(expected[0]).toUpper());
  EXPECT_EQ(form->e_64key4->text(), QString::fromStdString(expected[3]).toUpper());
  EXPECT_FALSE(form->e_64key1->Masked());
  EXPECT_EQ(form->e_64key1->Hint, form->e_64key1->text());
  EXPECT_EQ(form->e_64key1->MaxLength, 26);
}

TEST_F(Wep, AnEmptyRememberedPassphraseNeverMasks) {
  ToWepSettings(ReplyBuilder().Text(118, 32, ""));
  EXPECT_TRUE(form->e_pas->text().isEmpty());
  Next();
  EXPECT_EQ(wizard->CurrentStep(), Step::WepSettings) << "the device's empty pass phrase gives zero keys too";
  TypeInto(form->e_pas, "x");
  Next();
  EXPECT_FALSE(form->e_64key1->Masked());
}

TEST_F(Wep, From256BackTo64TheKeysAreMadeAnew) {
  ToWepSettings();
  ChooseWep(3);
  TypeInto(form->e_pas, "long keys");
  Next();
  EXPECT_EQ(form->e_64key1->text().size(), 58);
  Back();
  ChooseWep(1);
  EXPECT_EQ(form->e_64key1->MaxLength, 10);
  EXPECT_EQ(form->e_64key1->text().size(), 58) << "close-up shortens nothing";
  TypeInto(form->e_pas, "long keys");
  Next();
  EXPECT_EQ(form->e_64key1->text().toStdString(), trx::input::Keys64("long keys")[0]);
}

TEST_F(Wep, GoingForwardAgainReplacesWhatWasTypedIntoKeyOne) {
  ToWepSettings();
  ChooseWep(1);
  TypeInto(form->e_pas, "abc");
  Next();
  TypeInto(form->e_64key1, "1111111111");
  Back();
  Next();
  EXPECT_EQ(form->e_64key1->text().toStdString(), trx::input::Keys64("abc")[0]);
}
