// The main form: inventory, lookup, window, start-up and shutdown.
#include <QApplication>
#include <QLineEdit>

#include "app/startup.h"
#include "tests/support/formfixture.h"

using namespace trx::app;
using namespace trx::test;

namespace {

struct Row {
  const char* name;
  const char* kind;
  int left, top, width, height;
  bool visible;
};

// Written from the inventory tables; labels size themselves to their text, so only their
// place is compared.
const Row kInventory[] = {
    {"welcome", "TImage", 0, 0, 580, 434, true},      {"step", "TImage", 0, 0, 105, 105, false},
    {"no1", "TImage", 16, 0, 105, 105, false},        {"no2", "TImage", 32, 0, 105, 105, false},
    {"no3", "TImage", 48, 0, 105, 105, false},        {"no4", "TImage", 64, 0, 105, 105, false},
    {"no5", "TImage", 80, 0, 105, 105, false},        {"exit1", "TImage", 112, -8, 105, 105, false},
    {"b_setup", "TImage", 453, 226, 122, 36, true},   {"b_help", "TImage", 453, 263, 122, 36, true},
    {"b_web", "TImage", 453, 299, 122, 36, true},     {"b_exit", "TImage", 453, 335, 122, 36, true},
    {"b_back", "TImage", 453, 335, 122, 36, false},   {"b_next", "TImage", 8, 112, 122, 35, false},
    {"l_domain", "TLabel", 314, 237, 0, 0, false},    {"l_fw", "TLabel", 314, 254, 0, 0, false},
    {"l_mac", "TLabel", 314, 271, 0, 0, false},       {"l_ip", "TLabel", 314, 302, 0, 0, false},
    {"l_essid", "TLabel", 314, 318, 0, 0, false},     {"l_ch", "TLabel", 314, 335, 0, 0, false},
    {"l_wep", "TLabel", 314, 352, 0, 0, false},       {"checklink", "TImage", 81, 123, 421, 122, false},
    {"errormsg", "TImage", 81, 3, 421, 427, false},   {"no6", "TImage", 96, 0, 105, 105, false},
    {"b_setup_on", "TImage", 35, 360, 122, 35, false}, {"b_setup_off", "TImage", 35, 328, 122, 35, false},
    {"b_help_off", "TImage", 51, 328, 122, 35, false}, {"b_help_on", "TImage", 51, 360, 122, 35, false},
    {"b_web_off", "TImage", 67, 328, 122, 35, false},  {"b_web_on", "TImage", 67, 360, 122, 35, false},
    {"b_exit_off", "TImage", 83, 328, 122, 35, false}, {"b_exit_on", "TImage", 83, 360, 122, 35, false},
    {"b_next_off", "TImage", 99, 328, 122, 35, false}, {"b_next_on", "TImage", 99, 360, 122, 35, false},
    {"b_yes_off", "TImage", 115, 328, 122, 35, false}, {"b_yes_on", "TImage", 115, 360, 122, 35, false},
    {"b_no_off", "TImage", 131, 328, 122, 35, false},  {"b_no_on", "TImage", 131, 360, 122, 35, false},
    {"b_back_off", "TImage", 147, 328, 122, 35, false}, {"b_back_on", "TImage", 147, 360, 122, 35, false},
    {"b_close", "TImage", 530, 14, 22, 19, true},     {"b_min", "TImage", 491, 14, 22, 19, true},
    {"b_close_on", "TImage", 224, 0, 22, 19, false},  {"b_min_on", "TImage", 200, 0, 22, 19, false},
    {"b_min_off", "TImage", 200, 24, 22, 19, false},  {"b_close_off", "TImage", 224, 24, 22, 19, false},
    {"b_min_x", "TImage", 200, 48, 22, 19, false},    {"b_close_x", "TImage", 224, 48, 22, 19, false},
    {"wep_tmp", "TLabel", 352, 0, 0, 0, false},       {"check01", "TImage", 106, 140, 88, 88, false},
    {"check02", "TImage", 106, 140, 88, 88, false},   {"check03", "TImage", 106, 140, 88, 88, false},
    {"l_dhcp", "TLabel", 127, 257, 0, 0, false},
    {"e_ip", "TEdit", 89, 269, 97, 15, false},        {"e_essid", "TEdit", 89, 237, 96, 16, false},
    {"e_ch", "TEdit", 336, 290, 96, 16, false},       {"e_pas", "TEdit", 91, 300, 96, 15, false},
    {"s_ch", "TComboBox", 88, 290, 101, 24, false},   {"e_ap", "TEdit", 89, 347, 96, 16, false},
    {"e_mask", "TEdit", 89, 307, 97, 15, false},      {"e_gateway", "TEdit", 89, 345, 97, 15, false},
    {"s_wep", "TComboBox", 89, 237, 101, 24, false},  {"e_64key1", "TEdit", 90, 255, 70, 14, false},
    {"e_64key2", "TEdit", 164, 307, 68, 14, false},   {"e_64key3", "TEdit", 164, 326, 68, 14, false},
    {"e_64key4", "TEdit", 164, 345, 68, 14, false},   {"bar", "TProgressBar", 230, 200, 211, 18, false},
    {"ap_list", "TListBox", 63, 239, 121, 136, false}, {"wepsel", "TPanel", 94, 288, 17, 73, false},
    {"wepkey1", "TRadioButton", 0, 1, 17, 17, false}, {"wepkey2", "TRadioButton", 0, 20, 17, 17, false},
    {"wepkey4", "TRadioButton", 0, 57, 17, 17, false}, {"wepkey3", "TRadioButton", 0, 39, 17, 17, false},
    {"e_wep", "TEdit", 336, 307, 96, 16, false},      {"e_ess", "TEdit", 336, 273, 96, 16, false},
    {"weptype", "TPanel", 94, 239, 340, 37, false},   {"wep_ascii", "TRadioButton", 0, 0, 297, 17, false},
    {"wep_hex", "TRadioButton", 0, 20, 340, 17, false}, {"ip_dhcp", "TRadioButton", 228, 244, 15, 12, false},
    {"ip_ip", "TRadioButton", 42, 243, 15, 12, false}, {"e_dhcp", "TEdit", 336, 257, 97, 15, false},
};

}  // namespace

class Form : public FormTest {};

TEST_F(Form, EveryControlHasItsNameKindPlaceSizeAndStartVisibility) {
  Show();
  for (const Row& row : kInventory) {
    auto* w = qobject_cast<QWidget*>(form->FindComponent(row.name));
    ASSERT_TRUE(w) << row.name;
    EXPECT_STREQ(w->metaObject()->className(), (std::string("trx::app::") + row.kind).c_str()) << row.name;
    EXPECT_EQ(w->pos(), QPoint(row.left, row.top)) << row.name;
    if (row.width) {
      EXPECT_EQ(w->size(), QSize(row.width, row.height)) << row.name;
    }
    EXPECT_EQ(w->isVisible(), row.visible) << row.name;
  }
  int controls = 0;
  for (QObject* o : form->findChildren<QObject*>())
    if (dynamic_cast<TControl*>(o)) ++controls;
  EXPECT_EQ(static_cast<std::size_t>(controls), std::size(kInventory)) << "no control more or fewer than the inventory";
  EXPECT_TRUE(form->ZEL_UDPSocket1);
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
  EXPECT_EQ(form->WizardStep(), "0");
  EXPECT_EQ(form->checklink->Hint, "0");
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
  EXPECT_EQ(form->e_ip->font().family(), "Arial Narrow");
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
  EXPECT_EQ(form->e_essid->text(), QString::fromUtf8("caf\u00e9 \u20ac")) << "what the device cannot store never enters";

  form->e_64key1->show();
  form->e_64key1->clear();
  form->e_64key1->setFocus();
  QTest::keyClicks(form->e_64key1, "abcdef0123456");
  EXPECT_EQ(form->e_64key1->text(), "ABCDEF0123");
  form->e_64key1->setText("ff");
  EXPECT_EQ(form->e_64key1->text(), "FF");
}

TEST(StartUp, RegistersBeforeTheFormAndUnregistersBeforeTheSocketCloses) {
  FakePlatform platform;
  int formsAtRegistration = -1;
  bool socketOpenAtUnregistration = false;
  platform.onRegister = [&] {
    formsAtRegistration = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) formsAtRegistration += qobject_cast<TForm1*>(w) != nullptr;
  };
  auto form = StartUp(platform);
  EXPECT_EQ(formsAtRegistration, 0);
  form->show();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  ASSERT_TRUE(form->ZEL_UDPSocket1->IsOpen()) << "the first activation opens the socket";
  EXPECT_EQ(form->ZEL_UDPSocket1->lclPort, 27155);
  EXPECT_EQ(form->ZEL_UDPSocket1->rmtPort, 27155);
  EXPECT_EQ(form->ZEL_UDPSocket1->RmtAddr, "255.255.255.255");
  platform.onUnregister = [&] { socketOpenAtUnregistration = form->ZEL_UDPSocket1->IsOpen(); };
  form->close();
  EXPECT_TRUE(socketOpenAtUnregistration);
  EXPECT_EQ(platform.calls, QStringList({"register", "unregister"}));
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
