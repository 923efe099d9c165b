// Picture buttons and window chrome, driven by real mouse events on the real form.
#include "tests/support/formfixture.h"

using namespace trx::app;
using namespace trx::test;

class Buttons : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Show();
  }
  // Moves the pointer to a point of the form, as the user would.
  void MoveTo(QPoint p) { QTest::mouseMove(form.get(), p); }
  bool ShowsPicture(TImage* button, TImage* store) { return button->Picture() == store->Picture(); }
};

TEST_F(Buttons, HoverSwitchesFromOneButtonToItsNeighbourInOneMovement) {
  MoveTo({500, 280});  // over b_help
  EXPECT_EQ(form->b_help->Hint, "b_Help_on");
  EXPECT_TRUE(ShowsPicture(form->b_help, form->b_help_on));
  MoveTo({500, 300});  // straight down onto b_web, which touches it
  EXPECT_EQ(form->b_web->Hint, "b_web_on");
  EXPECT_EQ(form->b_help->Hint, "b_Help_off");
  EXPECT_TRUE(ShowsPicture(form->b_help, form->b_help_off));
}

TEST_F(Buttons, TheBackgroundResetsHighlightsButLabelsAndPanelsDoNot) {
  MoveTo({500, 240});
  ASSERT_EQ(form->b_setup->Hint, "b_setup_on");
  form->checklink->show();
  MoveTo({200, 150});  // over the wait panel
  EXPECT_EQ(form->b_setup->Hint, "b_setup_on") << "a picture other than the page keeps the highlight";
  form->checklink->hide();
  form->l_domain->show();
  MoveTo({form->l_domain->x() + 2, form->l_domain->y() + 2});
  EXPECT_EQ(form->b_setup->Hint, "b_setup_on") << "labels take no part";
  QTest::mouseMove(form.get(), {700, 600});  // out of the window, straight from the button's row
  EXPECT_EQ(form->b_setup->Hint, "b_setup_on") << "leaving the window is no move over the page";
  MoveTo({100, 200});
  EXPECT_EQ(form->b_setup->Hint, "b_setup_off");
  EXPECT_TRUE(ShowsPicture(form->b_setup, form->b_setup_off));
  MoveTo({110, 210});
  EXPECT_EQ(form->b_setup->Hint, "b_setup_off") << "nothing highlighted: nothing changes";
}

TEST_F(Buttons, HoverFollowsTheFaceFamilyTheWizardGave) {
  form->SetFace(form->b_setup, "b_yes_off");
  MoveTo({500, 240});
  EXPECT_EQ(form->b_setup->Hint, "b_yes_on");
  EXPECT_TRUE(ShowsPicture(form->b_setup, form->b_yes_on));
}

TEST_F(Buttons, ADisabledButtonIsNeverHighlightedAndCountsAsBackground) {
  MoveTo({500, 280});
  ASSERT_EQ(form->b_help->Hint, "b_Help_on");
  form->b_setup->setEnabled(false);
  MoveTo({500, 240});  // over the disabled b_setup
  EXPECT_EQ(form->b_setup->Hint, "b_setup_off");
  EXPECT_EQ(form->b_help->Hint, "b_Help_off") << "the pointer over it is over the page beneath";
  QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(500, 240));
  EXPECT_EQ(wizard->CurrentStep(), Step::Welcome) << "and it cannot be clicked";
}

TEST_F(Buttons, FaceLookupFailuresAreSwallowed) {
  form->b_web->Hint = "nothing";
  MoveTo({500, 310});
  EXPECT_EQ(form->b_web->Hint, "nothing");
  form->b_web->Hint = "b_bogus_on";
  form->b_help->Hint = "b_Help_on";
  form->ResetHoverFaces(form->welcome);
  EXPECT_EQ(form->b_help->Hint, "b_Help_off") << "handled before the failing button";
  EXPECT_EQ(form->b_web->Hint, "b_bogus_on");
}

TEST_F(Buttons, MinimiseShowsPressedThenNormalWhileTheFaceNameStillSaysOn) {
  MoveTo({500, 20});
  ASSERT_EQ(form->b_min->Hint, "b_min_on");
  QTest::mousePress(form->b_min, Qt::LeftButton, {}, {5, 5});
  EXPECT_TRUE(ShowsPicture(form->b_min, form->b_min_x));
  QTest::mouseRelease(form->b_min, Qt::LeftButton, {}, {5, 5});
  EXPECT_TRUE(form->isMinimized());
  EXPECT_TRUE(ShowsPicture(form->b_min, form->b_min_off));
  EXPECT_EQ(form->b_min->Hint, "b_min_on");
  form->b_setupMouseMove(form->b_min);
  EXPECT_EQ(form->b_min->Hint, "b_min_on") << "hovering changes nothing in that state";
  form->welcomeMouseMove(form->welcome);
  EXPECT_EQ(form->b_min->Hint, "b_min_off") << "the next reset repairs it";
  form->b_setupMouseMove(form->b_min);
  EXPECT_EQ(form->b_min->Hint, "b_min_on");
}

TEST_F(Buttons, CloseReleasedOutsideStillClosesButExitDoesNot) {
  QTest::mousePress(form->b_exit, Qt::LeftButton, {}, {10, 10});
  QTest::mouseRelease(form->b_exit, Qt::LeftButton, {}, {-200, -100});
  EXPECT_TRUE(form->isVisible()) << "exit pressed and released elsewhere is no click";

  QTest::mousePress(form->b_close, Qt::LeftButton, {}, {5, 5});
  EXPECT_TRUE(ShowsPicture(form->b_close, form->b_close_x));
  EXPECT_EQ(form->b_close->Hint, "b_close_off");
  QTest::mouseRelease(form->b_close, Qt::LeftButton, {}, {-300, 200});
  EXPECT_FALSE(form->isVisible());
}

TEST_F(Buttons, ExitClosesWhateverFaceItShows) {
  form->SetFace(form->b_exit, "b_no_off");
  Click(form->b_exit);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(Buttons, DraggingThePageMovesTheWindow) {
  const QPoint before = form->pos();
  QTest::mousePress(form->welcome, Qt::LeftButton, {}, {100, 50});
  QTest::mouseMove(form->welcome, {140, 80});
  QTest::mouseRelease(form->welcome, Qt::LeftButton, {}, {140, 80});
  EXPECT_EQ(form->pos(), before + QPoint(40, 30));
  EXPECT_EQ(form->b_setup->Hint, "b_setup_off");
}
