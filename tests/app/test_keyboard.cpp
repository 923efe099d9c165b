// The whole dialogue from the keyboard alone, and what assistive technology is told.
#include <QAccessible>
#include <QAccessibleActionInterface>

#include "tests/support/settingsfixture.h"

using namespace trx::app;
using namespace trx::test;

namespace {

class Keyboard : public SettingsTest {
 protected:
  // A key goes where the user's keys go: to the focused control, else to the window.
  void Key(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    Settle();
    QWidget* target = form->focusWidget() ? form->focusWidget() : form.get();
    QTest::keyClick(target, key, mods);
    Settle();
  }
  void Type(const QString& text) {
    Settle();
    QTest::keyClicks(form->focusWidget(), text);
  }
  std::string FocusName() {
    Settle();
    // The window's focus: after a message box the window system may not have activated it yet.
    return form->focusWidget() ? form->focusWidget()->objectName().toStdString() : "none";
  }
  void Replace(const QString& text) {
    Key(Qt::Key_A, Qt::ControlModifier);
    Type(text);
  }
};

QAccessibleInterface* Accessible(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
std::string Name(QObject* o) { return Accessible(o)->text(QAccessible::Name).toStdString(); }

}  // namespace

TEST_F(Keyboard, SearchChooseEditAndSaveWithKeysAlone) {
  Settle();
  EXPECT_EQ(FocusName(), "b_setup") << "a page without fields: its forward button";
  Key(Qt::Key_Return);
  ASSERT_EQ(wizard->CurrentStep(), Step::Connection);
  Key(Qt::Key_Enter, Qt::KeypadModifier);  // Next: the search
  ASSERT_TRUE(form->Timer->Enabled());
  Deliver(ReplyBuilder().Host("first").Mac(2, 0, 0, 0, 0, 1));
  Deliver(ReplyBuilder().Host("second").Mac(2, 0, 0, 0, 0, 2));
  Ticks(6);
  ASSERT_EQ(wizard->CurrentStep(), Step::AccessPointList);
  EXPECT_EQ(FocusName(), "ap_list");
  Key(Qt::Key_Space);
  EXPECT_EQ(form->ap_list->currentRow(), 1) << "Space does not move the selection";
  Key(Qt::Key_Up);
  EXPECT_EQ(form->ap_list->currentRow(), 0);
  EXPECT_EQ(form->l_mac->text().toStdString(), "02-00-00-00-00-01") << "the keys show the entry as a click does";

  Key(Qt::Key_Return);  // Yes
  ASSERT_EQ(wizard->CurrentStep(), Step::BasicSettings);
  EXPECT_EQ(FocusName(), "e_essid");
  Replace("lobby");
  Key(Qt::Key_Tab);
  EXPECT_EQ(FocusName(), "s_ch");
  Key(Qt::Key_Down);
  Key(Qt::Key_Tab);
  EXPECT_EQ(FocusName(), "e_ap");
  Key(Qt::Key_X, Qt::AltModifier);
  EXPECT_EQ(form->e_ap->text().toStdString(), "first") << "Alt+X types nothing";

  Key(Qt::Key_Return);
  ASSERT_EQ(wizard->CurrentStep(), Step::IpSettings);
  EXPECT_EQ(FocusName(), "ip_ip") << "the first field from the top";
  Key(Qt::Key_Tab);  // one stop for the two choices, as for every radio group
  ASSERT_EQ(FocusName(), "e_ip");
  Replace("10.0.0");
  Key(Qt::Key_Return);
  EXPECT_EQ(dialogs.Texts(), QStringList{"Wrong IP address value!"}) << "the leave check once, no second message";
  EXPECT_EQ(wizard->CurrentStep(), Step::IpSettings);
  EXPECT_EQ(FocusName(), "e_ip");
  Replace("10.0.0.7");
  Key(Qt::Key_Return);
  ASSERT_EQ(wizard->CurrentStep(), Step::WepSettings);
  EXPECT_EQ(FocusName(), "s_wep");
  Key(Qt::Key_Down);  // 128Bits, with the list closed
  Key(Qt::Key_Tab);
  ASSERT_EQ(FocusName(), "e_pas");
  Type("office secret");
  Key(Qt::Key_Return);
  ASSERT_EQ(wizard->CurrentStep(), Step::WepKey);
  EXPECT_EQ(FocusName(), "e_64key1");
  Key(Qt::Key_Return);
  ASSERT_EQ(wizard->CurrentStep(), Step::Confirmation);
  std::vector<std::string> order;
  for (int i = 0; i < 4; ++i) {
    order.push_back(FocusName());
    if (i < 3) Key(Qt::Key_Tab);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"e_ip", "e_ess", "e_ch", "e_wep"})) << "in the order the page shows them";

  Key(Qt::Key_Return);  // Yes, then OK on the note
  Deliver(QByteArray("gstack"));
  Ticks(6);
  EXPECT_EQ(wizard->CurrentStep(), Step::Completion);
  const auto& m = wizard->MessageBuffer();
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&m[67]), 6), QByteArray("lobby", 6));
  EXPECT_EQ(m[6], 10);
  EXPECT_EQ(m[9], 7);
  EXPECT_EQ(m[66], 7) << "one channel down";
  EXPECT_EQ(m[132], 1) << "WEP on";
  EXPECT_EQ(m[133], 2) << "128 bits";
  EXPECT_EQ(FocusName(), "b_exit");
}

TEST_F(Keyboard, EscapeGoesBackAndDismissesTheErrorPanel) {
  Key(Qt::Key_Return);
  Key(Qt::Key_Return);
  Ticks(6);  // nobody answered
  ASSERT_TRUE(Shown(form->errormsg));
  EXPECT_EQ(FocusName(), "errormsg");
  Key(Qt::Key_Escape);
  EXPECT_FALSE(Shown(form->errormsg));
  EXPECT_EQ(FocusName(), "b_setup");

  Key(Qt::Key_Return);
  Deliver(ReplyBuilder());
  Ticks(6);
  Key(Qt::Key_Return);
  ASSERT_EQ(wizard->CurrentStep(), Step::BasicSettings);
  Key(Qt::Key_Escape);
  EXPECT_EQ(wizard->CurrentStep(), Step::AccessPointList) << "Back";
  Key(Qt::Key_Escape);
  EXPECT_TRUE(form->isVisible()) << "No on the list page closes the program: only a deliberate press does that";
}

TEST_F(Keyboard, TabReachesEveryButtonAndSpacePressesIt) {
  Settle();
  std::vector<std::string> order;
  for (int i = 0; i < 7; ++i) {
    order.push_back(FocusName());
    if (i < 6) Key(Qt::Key_Tab);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"b_setup", "b_help", "b_web", "b_exit", "b_min", "b_close", "b_setup"}));
  Key(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(FocusName(), "b_close");
  Key(Qt::Key_Tab);
  Key(Qt::Key_Tab);
  ASSERT_EQ(FocusName(), "b_help");
  platform.calls.clear();
  Key(Qt::Key_Space);
  EXPECT_FALSE(platform.calls.filter("open-document").isEmpty()) << "User Guide pressed";
}

TEST_F(Keyboard, TabReachesTheWindowsOwnButtonsLast) {
  Key(Qt::Key_Return);
  Key(Qt::Key_Return);
  Deliver(ReplyBuilder());
  Ticks(6);
  Key(Qt::Key_Return);
  ASSERT_EQ(wizard->CurrentStep(), Step::BasicSettings);
  std::vector<std::string> order;
  for (int i = 0; i < 7; ++i) {
    order.push_back(FocusName());
    Key(Qt::Key_Tab);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"e_essid", "s_ch", "e_ap", "b_setup", "b_back", "b_min", "b_close"}));
}

TEST_F(Keyboard, AFocusFrameShowsOnlyAfterTheKeyboardMovedTheFocus) {
  Settle();
  ASSERT_EQ(FocusName(), "b_setup");
  const auto drawn = [&] { return form->b_setup->grab().toImage(); };
  const QImage focusedByProgram = drawn();
  Key(Qt::Key_Tab);
  ASSERT_EQ(FocusName(), "b_help");
  EXPECT_EQ(drawn(), focusedByProgram) << "no frame without keyboard focus";
  Key(Qt::Key_Tab, Qt::ShiftModifier);
  ASSERT_EQ(FocusName(), "b_setup");
  EXPECT_NE(drawn(), focusedByProgram) << "a frame with it";
}

TEST_F(Keyboard, AssistiveTechnologyHearsNamesRolesAndPressesButtons) {
  EXPECT_EQ(Name(form.get()), "Welcome \u2013 TRX61 Utility") << "read-title gives the page";
  EXPECT_EQ(Accessible(form.get())->role(), QAccessible::Window) << "a frame: its title can be spoken";
  EXPECT_EQ(Name(form->welcome), "Welcome");
  EXPECT_EQ(Accessible(form->b_setup)->role(), QAccessible::Button);
  std::vector<std::string> buttons;
  for (TImage* b : {form->b_setup, form->b_help, form->b_web, form->b_exit, form->b_min, form->b_close})
    buttons.push_back(Name(b));
  EXPECT_EQ(buttons, (std::vector<std::string>{"Setup", "User Guide", "Web Site", "Exit", "Minimise", "Close"}));

  Accessible(form->b_setup)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(wizard->CurrentStep(), Step::Connection);
  EXPECT_EQ(Name(form->b_setup), "Next") << "the name follows the face";
  EXPECT_EQ(Name(form->welcome), "Connection method");

  Accessible(form->b_setup)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(Name(form->welcome), "Checking the network connection");
  Deliver(ReplyBuilder());
  Ticks(6);
  EXPECT_EQ(Name(form->ap_list), "Access points");
  EXPECT_EQ(Accessible(form->l_mac)->text(QAccessible::Description), "MAC address");
  Key(Qt::Key_Return);
  EXPECT_EQ(Name(form->welcome), "Basic settings");
  EXPECT_EQ(Accessible(form->welcome)->text(QAccessible::Description),
            "Name the wireless network and choose its radio channel.");
  std::vector<std::string> fields;
  for (QWidget* w : std::initializer_list<QWidget*>{form->e_essid, form->s_ch, form->e_ap}) fields.push_back(Name(w));
  EXPECT_EQ(fields, (std::vector<std::string>{"ESSID", "Channel", "Host Name"})) << "not the value the list shows";
  EXPECT_EQ(Accessible(form->s_ch)->text(QAccessible::Value).toStdString(), "6");
}
