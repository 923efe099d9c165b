// The wizard from the welcome page to the basic settings page, and the waits, driven by
// clicks with timer ticks delivered one by one.
#include <QSignalSpy>
#include <QUdpSocket>

#include "tests/support/formfixture.h"

using namespace trx::app;
using namespace trx::test;

namespace {

// Counts the discovery requests that reach the test's private segment.
class Listener {
 public:
  Listener() { socket_.bind(QHostAddress::AnyIPv4, 27155, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint); }
  int Searches() {
    QTest::qWait(20);
    while (socket_.hasPendingDatagrams()) {
      QByteArray d(static_cast<int>(socket_.pendingDatagramSize()), '\0');
      socket_.readDatagram(d.data(), d.size());
      if (d == "gstsearch") ++searches_;
    }
    return searches_;
  }

 private:
  QUdpSocket socket_;
  int searches_ = 0;
};

}  // namespace

class Wizard : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Show();
  }
  bool Enabled(const QWidget* w) { return w->isEnabled(); }
  void ExpectListPage() {
    EXPECT_EQ(wizard->CurrentStep(), Step::AccessPointList);
    EXPECT_EQ(form->welcome->Picture(), form->no1->Picture());
    EXPECT_TRUE(Shown(form->ap_list));
    EXPECT_EQ(form->b_setup->Hint, "b_yes_off");
    EXPECT_EQ(form->b_exit->Hint, "b_no_off");
    EXPECT_TRUE(Shown(form->b_exit) && Enabled(form->b_exit));
    EXPECT_FALSE(Shown(form->b_back));
    for (QWidget* l : std::initializer_list<QWidget*>{form->l_domain, form->l_fw, form->l_mac, form->l_ip,
                                                      form->l_essid, form->l_ch, form->l_wep})
      EXPECT_TRUE(Shown(l)) << l->objectName().toStdString();
  }
};

TEST_F(Wizard, SetupLeavesTheWelcomePageForGood) {
  Click(form->b_setup);
  EXPECT_EQ(wizard->CurrentStep(), Step::Connection);
  EXPECT_EQ(form->welcome->Picture(), form->step->Picture());
  EXPECT_FALSE(Shown(form->b_help));
  EXPECT_FALSE(Shown(form->b_web));
  EXPECT_EQ(form->b_setup->Hint, "b_next_off");
  EXPECT_EQ(form->b_setup->Picture(), form->b_next->Picture());
  EXPECT_EQ(form->b_setup->y(), 299);
  EXPECT_TRUE(Shown(form->b_exit));
}

TEST_F(Wizard, TheSearchShowsTheWaitDisablesButtonsAndBroadcasts) {
  Listener listener;
  Click(form->b_setup);
  form->ap_list->addItem("stale");
  Click(form->b_setup);
  EXPECT_TRUE(Shown(form->checklink));
  EXPECT_TRUE(Shown(form->bar));
  EXPECT_EQ(form->bar->Position(), 0);
  for (QWidget* b :
       std::initializer_list<QWidget*>{form->b_min, form->b_close, form->b_exit, form->b_back, form->b_setup})
    EXPECT_FALSE(Enabled(b)) << b->objectName().toStdString();
  EXPECT_EQ(form->ap_list->count(), 0);
  EXPECT_TRUE(form->Timer->Enabled());
  EXPECT_EQ(listener.Searches(), 1);
}

TEST_F(Wizard, AnEarlyReplyDoesNotShortenTheWait) {
  Click(form->b_setup);
  Click(form->b_setup);
  Deliver(ReplyBuilder().Host("early"));
  Ticks(1);
  EXPECT_EQ(wizard->CurrentStep(), Step::Connection);
  EXPECT_EQ(form->bar->Position(), 20);
  Ticks(3);
  Deliver(ReplyBuilder().Host("late"));
  Ticks(1);
  EXPECT_EQ(wizard->CurrentStep(), Step::Connection) << "five ticks are not the end";
  EXPECT_EQ(form->bar->Position(), 100);
  Ticks(1);
  ExpectListPage();
  EXPECT_EQ(form->ap_list->count(), 2);
  EXPECT_EQ(form->ap_list->currentRow(), 1);
  EXPECT_EQ(form->e_ap->text(), "late") << "the newest reply is shown";
  EXPECT_FALSE(form->Timer->Enabled());
  EXPECT_FALSE(Shown(form->checklink) || Shown(form->bar) || Shown(form->check01) || Shown(form->check02) ||
               Shown(form->check03));
  for (QWidget* b : std::initializer_list<QWidget*>{form->b_min, form->b_close, form->b_setup}) EXPECT_TRUE(Enabled(b));
}

TEST_F(Wizard, NoReplyGivesTheErrorPanelAndAClickGivesTheConnectionPageBack) {
  Listener listener;
  Click(form->b_setup);
  Click(form->b_setup);
  Ticks(6);
  EXPECT_EQ(wizard->CurrentStep(), Step::Connection);
  EXPECT_TRUE(Shown(form->errormsg));
  EXPECT_FALSE(Shown(form->checklink));
  EXPECT_FALSE(Shown(form->bar));
  EXPECT_EQ(form->bar->Position(), 100);
  EXPECT_FALSE(Shown(form->b_min));
  EXPECT_FALSE(Enabled(form->b_close));
  EXPECT_FALSE(Enabled(form->b_setup));
  EXPECT_FALSE(Enabled(form->b_exit));

  QTest::mouseClick(form->errormsg, Qt::LeftButton, {}, {200, 400});
  EXPECT_FALSE(Shown(form->errormsg));
  EXPECT_TRUE(Shown(form->b_min) && Enabled(form->b_min) && Enabled(form->b_close));
  EXPECT_TRUE(Enabled(form->b_setup) && Enabled(form->b_exit));
  EXPECT_EQ(form->welcome->Picture(), form->step->Picture());

  Click(form->b_setup);
  EXPECT_TRUE(form->Timer->Enabled()) << "Next searches again";
  EXPECT_EQ(listener.Searches(), 2);
}

TEST_F(Wizard, TheAnimationCarriesOverFromOneWaitToTheNext) {
  Click(form->b_setup);
  Click(form->b_setup);
  Ticks(1);
  EXPECT_TRUE(Shown(form->check01));
  Ticks(1);
  EXPECT_TRUE(Shown(form->check02) && !Shown(form->check01));
  Ticks(4);
  EXPECT_EQ(wizard->CurrentWaitFrame(), WaitFrame::Second);
  wizard->errormsgClick(form->errormsg);
  Click(form->b_setup);
  Ticks(1);
  EXPECT_TRUE(Shown(form->check03)) << "the next wait starts where the last one stopped";
  EXPECT_EQ(wizard->CurrentWaitFrame(), WaitFrame::Third);
}

TEST_F(Wizard, AnUnreadableReplyLeavesThePanelOverTheListPage) {
  Click(form->b_setup);
  Click(form->b_setup);
  Deliver(ReplyBuilder().Host("good"));
  Deliver(ReplyBuilder().Size(200));
  EXPECT_TRUE(Shown(form->errormsg));
  Ticks(6);
  EXPECT_EQ(wizard->CurrentStep(), Step::AccessPointList);
  EXPECT_TRUE(Shown(form->errormsg)) << "the panel stays over the list page";
  EXPECT_FALSE(Shown(form->b_min));
  wizard->errormsgClick(form->errormsg);
  EXPECT_TRUE(Shown(form->b_min));
  ExpectListPage();
  EXPECT_TRUE(Enabled(form->b_setup) && Enabled(form->b_exit));
}

TEST_F(Wizard, ARefusedReplyEndsTheSearchAtOnce) {
  Click(form->b_setup);
  Click(form->b_setup);
  Ticks(2);
  Deliver(ReplyBuilder().Domain(0));
  EXPECT_FALSE(form->Timer->Enabled());
  EXPECT_TRUE(Shown(form->errormsg));
  wizard->errormsgClick(form->errormsg);
  EXPECT_EQ(wizard->CurrentStep(), Step::Connection);
  Click(form->b_setup);
  EXPECT_TRUE(form->Timer->Enabled());
}

TEST_F(Wizard, NoOnTheListPageEndsTheProgram) {
  SearchWith({ReplyBuilder()});
  ExpectListPage();
  Click(form->b_exit);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(Wizard, YesLeadsToBasicSettingsAndBackReturnsToTheList) {
  SearchWith({ReplyBuilder().Host("one").Essid("first-net"), ReplyBuilder().Host("two").Essid("second-net")});
  form->ap_list->setCurrentRow(0);
  wizard->ap_listClick(form->ap_list);
  Click(form->b_setup);
  EXPECT_EQ(wizard->CurrentStep(), Step::BasicSettings);
  EXPECT_EQ(form->welcome->Picture(), form->no2->Picture());
  EXPECT_TRUE(Shown(form->e_essid) && Shown(form->s_ch) && Shown(form->e_ap));
  EXPECT_FALSE(Shown(form->ap_list) || Shown(form->b_exit) || Shown(form->l_domain));
  EXPECT_TRUE(Shown(form->b_back));
  EXPECT_EQ(form->b_back->Hint, "b_back_off");
  EXPECT_EQ(form->b_setup->Hint, "b_next_off");
  EXPECT_EQ(form->e_essid->text(), "first-net");
  EXPECT_EQ(form->e_ap->text(), "one");

  Click(form->b_back);
  ExpectListPage();
  EXPECT_FALSE(Shown(form->e_essid) || Shown(form->s_ch) || Shown(form->e_ap));
  Click(form->b_setup);
  EXPECT_EQ(wizard->CurrentStep(), Step::BasicSettings);
}

TEST_F(Wizard, ClicksInAStepWithoutABranchDoNothing) {
  wizard->b_backClick(form->b_back);
  EXPECT_EQ(wizard->CurrentStep(), Step::Welcome);
  SearchWith({ReplyBuilder()});
  wizard->b_backClick(form->b_back);
  EXPECT_EQ(wizard->CurrentStep(), Step::AccessPointList);
}

// The density corrections are those of the form scaled to the screen, brought back to the
// form's own 96-ppi pixels: 299 x 120 / 96 - 5 = 368 scaled pixels are 294 of the form's.
TEST(WizardDensity, SetupLeavesTheWelcomePageAtTheCorrectedTop) {
  for (const auto& [ppi, top] : {std::pair{96, 299}, std::pair{120, 294}, std::pair{144, 295}, std::pair{192, 299}}) {
    FakePlatform platform;
    platform.ppi = ppi;
    TForm1 form(platform);
    trx::wizard::Wizard wizard(form);
    wizard.b_setupClick(form.b_setup);
    EXPECT_EQ(form.b_setup->y(), top) << ppi << " pixels per inch";
  }
}

// At every density the whole dialogue stays inside the window, Next above Back, and the
// confirmation's columns apart and aligned.
TEST(WizardDensity, EveryPageFitsTheWindowAtEveryDensity) {
  for (const int ppi : {96, 120, 144, 192}) {
    FakePlatform platform;
    platform.ppi = ppi;
    DialogAnswerer dialogs;
    TForm1 form(platform);
    trx::wizard::Wizard wizard(form);
    TickByHand(form);
    const auto check = [&] {
      const QString where = QString("%1 ppi, step %2: ").arg(ppi).arg(static_cast<int>(wizard.CurrentStep()));
      for (QWidget* w : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isHidden()) continue;
        EXPECT_TRUE(form.rect().contains(w->geometry())) << (where + w->objectName()).toStdString();
      }
      if (!form.b_back->isHidden()) {
        EXPECT_LT(form.b_setup->geometry().bottom(), form.b_back->y()) << where.toStdString();
      }
    };
    wizard.b_setupClick(form.b_setup);
    wizard.b_setupClick(form.b_setup);
    const ReplyBuilder reply = ReplyBuilder().Byte(341, 1);
    wizard.ZEL_UDPSocket1Recv(nullptr, reply.data(), reply.size());
    for (int i = 0; i < 6; ++i) form.Timer->Tick();
    for (int page = 2; page <= 7; ++page) {
      check();
      if (wizard.CurrentStep() != Step::Confirmation) wizard.b_setupClick(form.b_setup);
    }
    ASSERT_EQ(wizard.CurrentStep(), Step::Confirmation);
    const int current = form.l_essid->x();
    for (QWidget* w : {form.l_ch, form.l_wep}) EXPECT_EQ(w->x(), current) << ppi;
    for (QWidget* w : {form.e_ess, form.e_ch, form.e_wep}) {
      EXPECT_GT(w->x(), form.l_essid->geometry().right()) << ppi;
      EXPECT_LE(std::abs(w->x() - form.e_ip->x()), 6) << ppi;
    }
    wizard.b_backClick(form.b_back);  // No: leaves the confirmation page
    check();
  }
}

// However the highlight moves, the form shows (and Yes would edit) the highlighted entry.
TEST_F(Wizard, TheHighlightedAccessPointIsTheOneShown) {
  SearchWith({ReplyBuilder().Host("first").Mac(2, 0, 0, 0, 0, 1), ReplyBuilder().Host("second").Mac(2, 0, 0, 0, 0, 2),
              ReplyBuilder().Host("third").Mac(2, 0, 0, 0, 0, 3), ReplyBuilder().Host("fourth").Mac(2, 0, 0, 0, 0, 4)});
  Show();
  TListBox* list = form->ap_list;
  const auto at = [&](int row) { return list->visualItemRect(list->item(row)).center(); };
  const auto expectShown = [&](int row, const char* how) {
    EXPECT_EQ(list->currentRow(), row) << how;
    EXPECT_EQ((" " + form->e_ap->text()).toStdString(), list->item(row)->text().toStdString()) << how;
  };
  QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at(0));
  QMouseEvent drag(QEvent::MouseMove, at(2), list->viewport()->mapToGlobal(at(2)), Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(list->viewport(), &drag);
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at(2));
  expectShown(2, "a press slipping onto another entry");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, list->viewport()->height() - 3));
  expectShown(2, "a click below the last entry");
  for (const auto& [key, row] :
       {std::pair{Qt::Key_Up, 1}, {Qt::Key_End, 3}, {Qt::Key_Home, 0}, {Qt::Key_PageDown, 3}}) {
    QTest::keyClick(list, key);
    expectShown(row, qPrintable(QKeySequence(key).toString()));
  }
  // A selection the program makes is no click.
  QSignalSpy clicks(list, &TListBox::OnClick);
  list->setCurrentRow(0);
  EXPECT_EQ(clicks.count(), 0);
}

TEST_F(Wizard, ASearchFromTheErrorPanelLastsTheWholeWait) {
  Click(form->b_setup);
  Click(form->b_setup);
  Deliver(ReplyBuilder().Size(200));  // unusable: the panel opens while the wait runs on
  Ticks(2);
  wizard->errormsgClick(form->errormsg);
  Click(form->b_setup);  // Next: a new search
  Ticks(5);
  EXPECT_EQ(wizard->CurrentStep(), Step::Connection);
  EXPECT_TRUE(form->Timer->Enabled()) << "five ticks are not the end of a new wait";
  Ticks(1);
  EXPECT_FALSE(form->Timer->Enabled());
}
