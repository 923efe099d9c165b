// The language: chosen from the system's list or the option, loaded from the embedded
// translations, and never a change to what is saved.
#include <QAccessible>
#include <QMessageBox>
#include <QRegularExpression>

#include "app/language.h"
#include "app/pagewordstext.h"
#include "tests/support/settingsfixture.h"

using namespace trx::app;
using namespace trx::test;

TEST(Language, TheFirstWantedLanguageWeHaveElseEnglish) {
  EXPECT_EQ(ChooseLanguage({"de-DE", "en-US"}), "de");
  EXPECT_EQ(ChooseLanguage({"pt-BR", "ja_JP.UTF-8"}), "ja");
  EXPECT_EQ(ChooseLanguage({"en-GB", "fr"}), "en") << "English asked for first";
  EXPECT_EQ(ChooseLanguage({"es_ES@euro"}), "es");
  EXPECT_EQ(ChooseLanguage({"C", "pt", "zz-ZZ"}), "en");
  EXPECT_EQ(ChooseLanguage({}), "en");
  EXPECT_EQ(ChooseLanguage({"Pseudo"}), "pseudo");
}

TEST(Language, TheOptionTakesEitherSpellingAndRefusesAMissingCode) {
  const auto option = [](std::vector<const char*> args, QString* error) {
    args.insert(args.begin(), "trx61-utility");
    return LanguageOption(static_cast<int>(args.size()), const_cast<char**>(args.data()), error);
  };
  QString error;
  EXPECT_EQ(option({"--language", "de"}, &error), QString("de"));
  EXPECT_EQ(option({"--language=ja", "--version"}, &error), QString("ja"));
  EXPECT_EQ(option({"--version"}, &error), std::nullopt);
  EXPECT_TRUE(error.isEmpty());
  EXPECT_EQ(option({"--language"}, &error), std::nullopt);
  EXPECT_FALSE(error.isEmpty());
  error.clear();
  EXPECT_EQ(option({"--language="}, &error), std::nullopt);
  EXPECT_FALSE(error.isEmpty());
}

TEST(Language, OursAndQtsOwnTextsComeFromTheEmbeddedTranslations) {
  UseLanguage("de");
  EXPECT_EQ(LanguageInUse(), "de");
  EXPECT_EQ(QCoreApplication::translate("trx::app::TForm1", "Wrong ESSID value!"), "Ungültige ESSID!");
  EXPECT_EQ(TranslatedWordsOf("no2").title, "Grundeinstellungen");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja") << "Qt's message box buttons";
  UseLanguage("ja");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "キャンセル");
  UseLanguage("pseudo");
  EXPECT_EQ(TranslatedWordsOf("no5").title, "[ŴÉÞ ķéý·]");
  EXPECT_TRUE(HelpText().startsWith("[Ûšåĝé: ţŕx61-ûţîļîţý"));
  UseLanguage("xx");
  EXPECT_EQ(LanguageInUse(), "en");
  EXPECT_EQ(TranslatedWordsOf("no2").title, "Basic settings");
  EXPECT_TRUE(HelpText().contains("  ja  日本語\n"));
}

namespace {

// The keyboard walk of a whole dialogue in one language: what it saves, and what it showed.
class LanguageWalk : public SettingsTest {
 protected:
  void TearDown() override {
    SettingsTest::TearDown();
    UseLanguage("en");
  }
  void Key(Qt::Key key) {
    Settle();
    QTest::keyClick(form->focusWidget() ? form->focusWidget() : form.get(), key);
    Settle();
    ScanSpoken();
  }
  // What a screen reader may read of every control as it stands (names and descriptions, the
  // announcement's too, and those of list entries): speech and braille take a line break or
  // a picture's break mark literally.
  void ScanSpoken() {
    static const QRegularExpression kBreak("[\\n\\r\\x{200B}]");
    QList<QWidget*> widgets = form->findChildren<QWidget*>();
    widgets << form.get();
    for (QWidget* widget : widgets) {
      QAccessibleInterface* const iface = QAccessible::queryAccessibleInterface(widget);
      if (!iface) continue;
      QList<QAccessibleInterface*> readable{iface};
      for (int i = 0; i < iface->childCount(); ++i) readable << iface->child(i);
      for (QAccessibleInterface* item : readable)
        for (const QString& text : {item->text(QAccessible::Name), item->text(QAccessible::Description)})
          if (text.contains(kBreak)) spokenWithBreaks << widget->objectName() + ": " + text;
    }
  }
  std::vector<std::uint8_t> WalkAndSave(const char* language) {
    UseLanguage(language);
    wizard.reset();
    form = std::make_unique<TForm1>(platform);
    wizard = std::make_unique<trx::wizard::Wizard>(*form);
    TickByHand(*form);
    Show();
    dialogs.seen.clear();
    Key(Qt::Key_Return);
    Key(Qt::Key_Return);
    Ticks(6);  // nobody answered: the error panel
    ScanSpoken();
    Key(Qt::Key_Escape);  // continue
    Key(Qt::Key_Return);
    Deliver(ReplyBuilder().Host("first").Mac(2, 0, 0, 0, 0, 1));
    Ticks(6);
    Key(Qt::Key_Return);  // Yes: the basic settings
    form->e_essid->clear();
    Key(Qt::Key_Return);  // refused
    QTest::keyClicks(form->e_essid, "lobby");
    Key(Qt::Key_Return);
    Key(Qt::Key_Return);  // the IP settings as they are
    Key(Qt::Key_Down);    // one size up from the reply's: 128 bits
    Key(Qt::Key_Tab);
    QTest::keyClicks(form->focusWidget(), "office secret");
    Key(Qt::Key_Return);
    Key(Qt::Key_Return);  // the key
    shownWep = form->e_wep->text();
    Key(Qt::Key_Return);  // Yes, then OK on the note
    Deliver(QByteArray("gstack"));
    Ticks(6);
    ScanSpoken();
    EXPECT_EQ(wizard->CurrentStep(), Step::Completion) << language;
    const auto& m = wizard->MessageBuffer();
    return {m.begin(), m.end()};
  }
  QString shownWep;
  QStringList spokenWithBreaks;
};

}  // namespace

TEST_F(LanguageWalk, EveryLanguageSavesTheSameBytesAndSpeaksItself) {
  const std::vector<std::uint8_t> english = WalkAndSave("en");
  ASSERT_EQ(dialogs.Texts().value(0), "Wrong ESSID value!");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&english[67]), 6), std::string("lobby\0", 6));
  EXPECT_EQ(english[132], 1) << "WEP on";
  EXPECT_EQ(english[133], 2) << "128 bits";
  for (const char* language : {"fr", "es", "de", "ja", "pseudo"}) {
    EXPECT_EQ(WalkAndSave(language), english) << language;
    EXPECT_EQ(dialogs.Texts().value(0), QCoreApplication::translate("trx::app::TForm1", "Wrong ESSID value!"))
        << language;
    EXPECT_NE(dialogs.Texts().value(0), "Wrong ESSID value!") << language;
    EXPECT_NE(shownWep, "128Bits") << language;
    EXPECT_EQ(spokenWithBreaks, QStringList()) << language;
    spokenWithBreaks.clear();
  }
}
