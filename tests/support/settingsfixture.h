#pragma once
// A form brought to the settings pages with one access point's reply.
#include "tests/support/formfixture.h"

namespace trx::test {

class SettingsTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Show();
  }
  // Search with the reply and answer Yes: the basic settings page.
  void ToBasic(const ReplyBuilder& reply = ReplyBuilder()) {
    SearchWith({reply});
    Click(form->b_setup);
    ASSERT_EQ(wizard->CurrentStep(), Step::BasicSettings);
  }
  void Next() { Click(form->b_setup); }
  void Back() { Click(form->b_back); }
  // Picks a WEP size the way the user does: open the list, choose, close it.
  void ChooseWep(int index) {
    form->s_wep->showPopup();
    form->s_wep->setCurrentIndex(index);
    form->s_wep->hidePopup();
    Settle();
  }
  void TypeInto(app::TEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
  }
  // The field that has the focus in the form (the window takes it back after a message).
  QWidget* Focused() { return form->focusWidget(); }
};

}  // namespace trx::test
