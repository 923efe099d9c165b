// The main form: inventory, lookup, window, start-up and shutdown.
#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <map>

#include "app/startup.h"
#include "tests/support/formfixture.h"

using namespace trx::app;
using namespace trx::test;

class Form : public FormTest {};

// What a user meets at start: the only controls shown, where they are; the rest of the 81
// visual controls (besides the timer and the socket) exist hidden: page stores, faces and
// fields. The radio groups sit in their panels.
TEST_F(Form, TheStartPageShowsTheWelcomeButtonsAndNothingElse) {
  Show();
  const std::map<QString, QRect> shown = {{"welcome", {0, 0, 580, 434}},   {"b_setup", {453, 226, 122, 36}},
                                          {"b_help", {453, 263, 122, 36}}, {"b_web", {453, 299, 122, 36}},
                                          {"b_exit", {453, 335, 122, 36}}, {"b_close", {530, 14, 22, 19}},
                                          {"b_min", {491, 14, 22, 19}}};
  int controls = 0;
  for (QObject* o : form->findChildren<QObject*>()) {
    if (!dynamic_cast<TControl*>(o)) continue;
    ++controls;
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || w->parentWidget() != form.get()) continue;
    const auto it = shown.find(w->objectName());
    EXPECT_EQ(w->isVisible(), it != shown.end()) << w->objectName().toStdString();
    if (it != shown.end()) {
      EXPECT_EQ(w->geometry(), it->second) << w->objectName().toStdString();
    }
  }
  EXPECT_EQ(controls, 81);
  for (QWidget* key : {form->wepkey1, form->wepkey2, form->wepkey3, form->wepkey4})
    EXPECT_EQ(key->parentWidget(), form->wepsel);
  for (QWidget* type : {form->wep_ascii, form->wep_hex}) EXPECT_EQ(type->parentWidget(), form->weptype);
  EXPECT_EQ(form->Timer->Interval(), 500);
  EXPECT_FALSE(form->Timer->Enabled());
  EXPECT_EQ(form->Timer->Tag, 6);
}

TEST_F(Form, LookupIgnoresLetterCase) {
  EXPECT_EQ(form->FindComponent("b_Help_on"), form->b_help_on);
  EXPECT_EQ(form->FindComponent("B_SETUP"), form->b_setup);
  EXPECT_EQ(form->FindComponent("zel_udpsocket1"), form->ZEL_UDPSocket1);
  EXPECT_EQ(form->FindComponent("no_such_control"), nullptr);
  EXPECT_EQ(form->FindComponent(""), nullptr);
}

TEST_F(Form, WindowTextsStatesAndLimits) {
  EXPECT_EQ(form->windowTitle(), "Form1");
  EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(form->size(), QSize(580, 434));
  EXPECT_EQ(wizard->CurrentStep(), Step::Welcome);
  EXPECT_EQ(wizard->CurrentWaitFrame(), WaitFrame::None);
  EXPECT_EQ(form->b_help->Hint, "b_Help_off");
  EXPECT_EQ(form->e_ip->text(), "IP Address");
  EXPECT_EQ(form->e_ap->MaxLength, 31);
  EXPECT_EQ(form->e_essid->MaxLength, 32);
  EXPECT_TRUE(form->e_ch->isReadOnly());
  EXPECT_TRUE(form->e_64key1->Masked());
  EXPECT_TRUE(form->e_64key1->UpperCase);
  EXPECT_EQ(form->s_wep->count(), 4);
  EXPECT_EQ(form->s_wep->itemText(3), "256Bits");
  EXPECT_TRUE(form->wep_hex->isChecked());
  EXPECT_FALSE(form->wep_ascii->isChecked());
  EXPECT_FALSE(form->l_dhcp->isEnabled());
  EXPECT_TRUE(form->l_essid->ShowHint);
  EXPECT_FALSE(form->b_setup->ShowHint) << "face names are no tool-tips";
  EXPECT_EQ(HintHidePause(), 40000);
  EXPECT_FALSE(form->mask().isEmpty());
  EXPECT_FALSE(form->mask().contains(QPoint(0, 0))) << "rounded corner";
  EXPECT_TRUE(form->mask().contains(QPoint(290, 217)));
  EXPECT_EQ(form->e_ip->font().pixelSize(), 12);
  // Drawn with the program's own faces, whatever the machine has (QFontInfo: the face resolved).
  EXPECT_EQ(QFontInfo(form->e_ip->font()).family(), "TRX61 Sans Narrow");
  EXPECT_EQ(QFontInfo(form->font()).family(), "TRX61 Sans");
  EXPECT_EQ(form->font().pixelSize(), 11);
  for (const char* page : {"welcome", "step", "no1", "no6", "exit1", "b_close_x"})
    EXPECT_FALSE(qobject_cast<TImage*>(form->FindComponent(page))->Picture().isNull()) << page;
}

TEST_F(Form, TypingLimitsHoldWhatIsTypedNotWhatTheProgramPutsIn) {
  Show();
  form->e_ap->show();
  form->e_ap->clear();
  form->e_ap->setFocus();
  QTest::keyClicks(form->e_ap, QString(40, 'h'));
  EXPECT_EQ(form->e_ap->text().size(), 31);

  const QString deviceName(32, 'd');
  form->e_ap->setText(deviceName);
  EXPECT_EQ(form->e_ap->text(), deviceName) << "a 32-character name read from a device survives";
  form->e_ap->end(false);
  QTest::keyClicks(form->e_ap, "x");
  EXPECT_EQ(form->e_ap->text(), deviceName) << "but cannot grow";
  QTest::keyClick(form->e_ap, Qt::Key_Backspace);
  EXPECT_EQ(form->e_ap->text().size(), 31);

  form->e_essid->show();
  form->e_essid->clear();
  form->e_essid->setFocus();
  for (const QChar c : QString::fromUtf8("caf\u00e9 \u4e2d\u20ac"))
    QTest::sendKeyEvent(QTest::Click, form->e_essid, Qt::Key_unknown, QString(c), Qt::NoModifier);
  EXPECT_EQ(form->e_essid->text(), QString::fromUtf8("caf\u00e9 \u20ac"))
      << "what the device cannot store never enters";

  form->e_64key1->show();
  form->e_64key1->clear();
  form->e_64key1->setFocus();
  QTest::keyClicks(form->e_64key1, "abcdef0123456");
  EXPECT_EQ(form->e_64key1->text(), "ABCDEF0123");
  form->e_64key1->setText("ff");
  EXPECT_EQ(form->e_64key1->text(), "FF");
}

// Nothing is started beside the program, at start or at close.
TEST(StartUp, TheFirstActivationOpensTheSocketAndItStaysOpenUntilTheFormGoes) {
  FakePlatform platform;
  auto form = StartUp(platform);
  form->show();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  ASSERT_TRUE(form->ZEL_UDPSocket1->IsOpen()) << "the first activation opens the socket";
  EXPECT_EQ(form->ZEL_UDPSocket1->lclPort, 27155);
  EXPECT_EQ(form->ZEL_UDPSocket1->rmtPort, 27155);
  EXPECT_EQ(form->ZEL_UDPSocket1->RmtAddr, "255.255.255.255");
  form->close();
  EXPECT_TRUE(platform.calls.isEmpty());
  TZEL_UDPSocket* socket = form->ZEL_UDPSocket1;
  EXPECT_TRUE(socket->IsOpen()) << "open until the form is destroyed";
  form.reset();
}

TEST_F(Form, APlainMessageActivatesTheFormAgainButAnInformationBoxDoesNot) {
  Show();
  ASSERT_TRUE(form->ZEL_UDPSocket1->IsOpen());
  form->ZEL_UDPSocket1->Close();
  form->InformationBox("note", QMessageBox::Ok, QMessageBox::Information);
  EXPECT_FALSE(form->ZEL_UDPSocket1->IsOpen());
  form->ShowMessage("Wrong ESSID value!");
  EXPECT_TRUE(form->ZEL_UDPSocket1->IsOpen()) << "the socket was opened again";
  ASSERT_EQ(dialogs.seen.size(), 2u);
  EXPECT_EQ(dialogs.seen[0].title, "Information");
  EXPECT_EQ(dialogs.seen[1].title, "TRX61 Utility");
  EXPECT_EQ(dialogs.seen[1].buttons, QMessageBox::Ok);

  form->ZEL_UDPSocket1->Close();
  form->showMinimized();
  form->showNormal();
  form->activateWindow();
  QTest::qWait(20);
  EXPECT_FALSE(form->ZEL_UDPSocket1->IsOpen()) << "restoring is no activation of the form's own";
}

TEST(StartUp, DensityNotAMultipleOf96MovesSetupDownOnePixel) {
  for (const auto& [ppi, top] : {std::pair{96, 226}, std::pair{120, 227}, std::pair{144, 227}, std::pair{192, 226}}) {
    FakePlatform platform;
    platform.ppi = ppi;
    TForm1 form(platform);
    EXPECT_EQ(form.b_setup->y(), top) << ppi;
  }
}
