// The main form: what its start page shows, its groups of choices, its window, lookup, start-up
// and shutdown.
#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QToolTip>

#include "app/startup.h"
#include "tests/support/formfixture.h"

using namespace trx::app;
using namespace trx::test;

class Form : public FormTest {};

// What a user meets at start: the welcome page and its buttons, nothing over them. (Where each
// is drawn, test_mouse_pixels compares with docs/screenshots/welcome.png pixel for pixel.)
TEST_F(Form, TheStartPageShowsItsButtonsAndNothingElse) {
  Show();
  const auto shown = [this] {
    QStringList names;
    for (QWidget* w : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (dynamic_cast<TControl*>(w) && w->isVisible()) names << w->objectName();
    names.sort();
    return names;
  };
  EXPECT_EQ(shown(), QStringList({"b_close", "b_exit", "b_help", "b_min", "b_setup", "b_web", "welcome"}));
  Ticks(6);
  EXPECT_EQ(shown().size(), 7) << "nothing runs before a wait: the timer is off";
}

// The search waits three seconds: six ticks of half a second, from the moment it starts.
TEST_F(Form, TheSearchWaitsSixTicksOfHalfASecond) {
  class Recorded : public TickSource {
   public:
    explicit Recorded(QList<int>* starts) : starts_(starts) {}
    void Start(int ms) override { *starts_ << ms; }
    void Stop() override {}

   private:
    QList<int>* starts_;
  };
  Show();
  QList<int> starts;
  form->Timer->SetTickSource(std::make_unique<Recorded>(&starts));
  Click(form->b_setup);
  EXPECT_TRUE(starts.isEmpty());
  Click(form->b_setup);
  EXPECT_EQ(starts, QList<int>{500});
  Ticks(5);
  EXPECT_TRUE(Shown(form->checklink) && !Shown(form->errormsg));
  Ticks(1);
  EXPECT_TRUE(Shown(form->errormsg)) << "no reply in the three seconds";
}

// Each group of choices is one of its own: a choice in one leaves the others as they were.
TEST_F(Form, EachGroupOfChoicesIsItsOwn) {
  const QList<QList<TRadioButton*>> groups = {{form->wepkey1, form->wepkey2, form->wepkey3, form->wepkey4},
                                              {form->wep_ascii, form->wep_hex},
                                              {form->ip_dhcp, form->ip_ip}};
  const auto othersThan = [&groups](const QList<TRadioButton*>& group) {
    QList<bool> checked;
    for (const auto& other : groups)
      if (other != group)
        for (TRadioButton* r : other) checked << r->isChecked();
    return checked;
  };
  for (const auto& group : groups)
    for (TRadioButton* choice : group) {
      const QList<bool> before = othersThan(group);
      choice->setChecked(true);
      for (TRadioButton* r : group) EXPECT_EQ(r->isChecked(), r == choice) << r->objectName().toStdString();
      EXPECT_EQ(othersThan(group), before) << choice->objectName().toStdString();
    }
}

// The confirmation page shows the new values: none of them can be typed into.
TEST_F(Form, TheConfirmationPageValuesCannotBeChanged) {
  Show();
  for (const bool dhcp : {false, true}) {
    SearchWith({ReplyBuilder()});
    Click(form->b_setup);  // Yes: basic settings
    Click(form->b_setup);  // IP settings
    (dhcp ? form->ip_dhcp : form->ip_ip)->click();
    for (int page = 4; page <= 6 && wizard->CurrentStep() != Step::Confirmation; ++page) Click(form->b_setup);
    ASSERT_EQ(wizard->CurrentStep(), Step::Confirmation);
    for (TEdit* value : {form->e_ip, form->e_dhcp, form->e_ess, form->e_ch, form->e_wep}) {
      if (!Shown(value)) continue;
      const QString before = value->text();
      value->setFocus();
      QTest::keyClicks(value, "9x");
      QTest::keyClick(value, Qt::Key_Backspace);
      EXPECT_EQ(value->text(), before) << value->objectName().toStdString() << (dhcp ? " with DHCP" : "");
    }
    Click(form->b_back);  // No: starts over
  }
}

// The window is the page: no frame, the pictures' size, rounded corners that clicks go past,
// and drawn with the program's own faces, whatever the machine has (QFontInfo: the face resolved).
TEST_F(Form, TheWindowIsThePageInTheProgramsOwnFaces) {
  EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(form->size(), QSize(580, 434));
  EXPECT_FALSE(form->mask().contains(QPoint(0, 0))) << "rounded corner";
  EXPECT_TRUE(form->mask().contains(QPoint(290, 217)));
  EXPECT_EQ(QFontInfo(form->e_ip->font()).family(), "TRX61 Sans Narrow");
  EXPECT_EQ(form->e_ip->font().pixelSize(), 12);
  EXPECT_EQ(QFontInfo(form->font()).family(), "TRX61 Sans");
  EXPECT_EQ(form->font().pixelSize(), 11);
}

// A picture button's face name is state, never a tool-tip.
TEST_F(Form, AButtonShowsNoToolTip) {
  Show();
  QToolTip::hideText();
  QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), form->b_setup->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(form->b_setup, &help);
  EXPECT_TRUE(QToolTip::text().isEmpty()) << QToolTip::text().toStdString();
}

TEST_F(Form, LookupIgnoresLetterCase) {
  EXPECT_EQ(form->FindComponent("b_Help_on"), form->b_help_on);
  EXPECT_EQ(form->FindComponent("B_SETUP"), form->b_setup);
  EXPECT_EQ(form->FindComponent("zel_udpsocket1"), form->ZEL_UDPSocket1);
  EXPECT_EQ(form->FindComponent("no_such_control"), nullptr);
  EXPECT_EQ(form->FindComponent(""), nullptr);
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
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->ZEL_UDPSocket1 && form->ZEL_UDPSocket1->IsOpen(); }))
      << "the first activation opens the socket, after the first frame";
  form->close();
  EXPECT_TRUE(platform.calls.isEmpty());
  TZEL_UDPSocket* socket = form->ZEL_UDPSocket1;
  EXPECT_TRUE(socket->IsOpen()) << "open until the form is destroyed";
  form.reset();
}

// Controls made after the first frame end as those made with the form: in the same stacking
// and tab order, with the same names. A screen reader listening from the start (interfaces are
// made as names are set) still meets the window as a frame.
TEST(StartUp, ControlsMadeAfterTheFirstFrameEndAsThoseMadeAtOnce) {
  FakePlatform platform;
  QAccessible::setActive(true);
  TForm1 later(platform, nullptr, TForm1::Controls::AfterFirstFrame);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&later)->role(), QAccessible::Window);
  QAccessible::setActive(false);
  TForm1 atOnce(platform);
  EXPECT_FALSE(later.HasAllControls());
  later.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return later.HasAllControls(); }));
  const auto described = [](TForm1& form) {
    QStringList lines;
    for (QObject* o : form.children())  // bottom to top
      if (auto* w = qobject_cast<QWidget*>(o))
        lines << w->objectName() + ": " + w->accessibleName() + " / " + w->accessibleDescription();
    for (QWidget* w = form.nextInFocusChain(); w != &form; w = w->nextInFocusChain())
      if (w->focusPolicy() & Qt::TabFocus) lines << "tab " + w->objectName();
    return lines;
  };
  EXPECT_EQ(described(later), described(atOnce));
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
