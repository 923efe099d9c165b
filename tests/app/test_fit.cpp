// Every text the form shows in a control fits that control, in every language, measured with
// the control's own font (ctest runs this at 96 ppi and again at 144: test_fit_144).
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <string_view>

#include "app/language.h"
#include "tests/support/formfixture.h"

using namespace trx::app;
using namespace trx::test;

namespace {

class Fit : public ::testing::TestWithParam<const char*> {
 protected:
  void TearDown() override { UseLanguage("en"); }

  void Check(const QWidget* control, const QString& text, int room) {
    const int needed = control->fontMetrics().horizontalAdvance(text);
    if (needed > room)
      overflows << QString("%1: \"%2\" needs %3 px of %4").arg(control->objectName(), text).arg(needed).arg(room);
  }
  QStringList overflows;
};

}  // namespace

TEST_P(Fit, EveryTextFitsItsControl) {
#ifdef _WIN32
  // The form carries its own faces; its Japanese face is the system's, which wine lacks.
  if (std::string_view(GetParam()) == "ja") GTEST_SKIP() << "wine has no Japanese face to measure with";
#endif
  UseLanguage(GetParam());
  FakePlatform platform;
  TForm1 form(platform);
  // The side column starts here: a caption must end before it.
  constexpr int kColumn = 453;
  for (const TComboBox* combo : form.findChildren<TComboBox*>()) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    const int room =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width();
    for (int i = 0; i < combo->count(); ++i) Check(combo, combo->itemText(i), room);
  }
  // The confirmation page shows the chosen WEP size in e_wep.
  for (int i = 0; i < form.s_wep->count(); ++i)
    Check(form.e_wep, form.s_wep->itemText(i), form.e_wep->contentsRect().width() - 4);
  for (const TRadioButton* radio : form.findChildren<TRadioButton*>()) {
    if (radio->text().isEmpty()) continue;
    QStyleOptionButton option;
    option.initFrom(radio);
    Check(radio, radio->text(), radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio).width());
  }
  for (const TLabel* label : form.findChildren<TLabel*>())
    if (label->parentWidget() == &form) Check(label, label->text(), kColumn - label->x());
  EXPECT_TRUE(overflows.isEmpty()) << GetParam() << ":\n" << overflows.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, Fit, ::testing::Values("en", "fr", "es", "de", "ja"));
