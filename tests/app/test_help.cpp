// The user guide and web buttons, on the recording platform.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>

#include "app/language.h"
#include "tests/support/formfixture.h"

using namespace trx::test;

class Help : public FormTest {};

TEST_F(Help, TheGuideOpensFromTheProgramsFolderByTheSystemsAssociation) {
  platform.programFolder = "/opt/trx61";  // without the separator: one is added
  Click(form->b_help);
  EXPECT_EQ(platform.calls, QStringList({"open-document /opt/trx61/Users Guide/trx61v2.2_ug.pdf"}));
  EXPECT_TRUE(dialogs.seen.empty());
}

namespace {

// The language a text is written in, by its commonest little words (Japanese by its kana).
QString WrittenIn(const QString& text) {
  if (text.count(QRegularExpression("[\\x{3041}-\\x{309F}]")) > 500) return "ja";
  const std::pair<const char*, QStringList> words[] = {
      {"en", {"the", "and", "is", "to", "of", "with"}},
      {"fr", {"le", "la", "les", "des", "et", "est"}},
      {"es", {"el", "los", "las", "del", "y", "que"}},
      {"de", {"der", "die", "und", "das", "ist", "nicht"}},
  };
  QMap<QString, int> count;
  for (const QString& word : text.toLower().split(QRegularExpression("\\W+"), Qt::SkipEmptyParts))
    for (const auto& [language, little] : words)
      if (little.contains(word)) ++count[language];
  QString best = "?";
  for (auto it = count.cbegin(); it != count.cend(); ++it)
    if (best == "?" || it.value() > count[best]) best = it.key();
  return best;
}

QString OpenedFile(const QStringList& calls) { return calls.last().section(' ', 1); }

}  // namespace

// The guide the button opens, as built, is written in the language the program speaks; the
// pseudo-language has no guide of its own and gets the English one.
TEST_F(Help, TheGuideOpensInTheLanguageInUse) {
  platform.programFolder = TRX_BUILD_DIR;
  const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
  for (const char* language : {"en", "fr", "es", "de", "ja", "pseudo"}) {
    SCOPED_TRACE(language);
    const QString expected = QString(language) == "pseudo" ? "en" : language;
    trx::app::UseLanguage(language);
    platform.openable = {".html"};  // the HTML edition, in the browser
    Click(form->b_help);
    QFile html(OpenedFile(platform.calls));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly)) << html.fileName().toStdString();
    QTextDocument page;
    page.setHtml(QString::fromUtf8(html.readAll()));
    EXPECT_EQ(WrittenIn(page.toPlainText()), expected);

    platform.openable = {".pdf", ".html"};  // the PDF, in a reader
    Click(form->b_help);
    const QString pdf = OpenedFile(platform.calls);
    EXPECT_EQ(QFileInfo(pdf).completeBaseName(), QFileInfo(html).completeBaseName());
    if (pdftotext.isEmpty()) continue;  // no poppler (the Windows build): its name must do
    QProcess text;
    text.start(pdftotext, {pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString pdfText = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_EQ(WrittenIn(pdfText), expected);
    // Searchable: the ideographs as themselves, not as the radicals that share their glyphs.
    EXPECT_FALSE(pdfText.contains(QRegularExpression("[\\x{2E80}-\\x{2FDF}]")));
  }
  trx::app::UseLanguage("en");
}

TEST_F(Help, ALanguageWithoutItsGuideGetsTheEnglishOne) {
  trx::app::UseLanguage("fr");
  Click(form->b_help);
  trx::app::UseLanguage("en");
  EXPECT_EQ(platform.calls.last(), "open-document /opt/trx61/Users Guide/trx61v2.2_ug.pdf");
}

// No reader is asked for or offered: with nothing for PDF files the browser shows the guide.
TEST_F(Help, WithNothingForPdfTheHtmlGuideOpens) {
  platform.openable = {".html"};
  Click(form->b_help);
  EXPECT_TRUE(dialogs.seen.empty());
  EXPECT_EQ(platform.calls, QStringList({"open-document /opt/trx61/Users Guide/trx61v2.2_ug.pdf",
                                         "open-document /opt/trx61/Users Guide/trx61v2.2_ug.html"}));
}

TEST_F(Help, WithNothingToOpenEitherAMessageNamesTheGuidesFile) {
  Show();
  platform.openable.clear();
  Click(form->b_help);
  ASSERT_EQ(dialogs.seen.size(), 1u);
  EXPECT_TRUE(dialogs.seen[0].text.endsWith("\n/opt/trx61/Users Guide/trx61v2.2_ug.pdf"));
  EXPECT_FALSE(form->isMinimized());
  EXPECT_EQ(wizard->CurrentStep(), Step::Welcome);
}

TEST_F(Help, WebOpensTheMakersSiteWithoutAnyCheck) {
  Click(form->b_web);
  EXPECT_EQ(platform.calls, QStringList({"open-web https://www.example.com/trx61/"}));
}

TEST(NativePlatform, ProgramFolderIsTheExecutablesNotTheWorkingDirectory) {
  const auto native = trx::platform::CreateNativePlatform();
  const QString before = QDir::currentPath();
  QDir::setCurrent(QDir::tempPath());
  const QString folder = native->ProgramFolder();
  QDir::setCurrent(before);
  EXPECT_EQ(folder, QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + native->PathSeparator());
  EXPECT_NE(QDir(folder).canonicalPath(), QDir(QDir::tempPath()).canonicalPath());
}

#if defined(_WIN32)
// A type with no association is refused at once, with no box of the shell's own in the way.
TEST(NativePlatform, ADocumentOfATypeNothingOpensIsRefused) {
  QTemporaryDir folder;
  const QString path = folder.filePath("guide.trx61-nothing-opens-this");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  EXPECT_FALSE(trx::platform::CreateNativePlatform()->OpenDocument(path));
}
#endif

// A document opens only when the desktop names a default application for its type: its
// opener would start in any case and fail out of sight.
TEST(NativePlatform, ADocumentOpensOnlyWhereTheDesktopNamesAnApplicationForItsType) {
#if !defined(__linux__)
  GTEST_SKIP() << "asks the Linux desktop's MIME database";
#endif
  QTemporaryDir home;
  const QString config = home.filePath("config"), data = home.filePath("data");
  QDir().mkpath(config);
  QDir().mkpath(data + "/applications");
  const QList<QPair<const char*, QString>> env = {{"HOME", home.path()},       {"XDG_CONFIG_HOME", config},
                                                  {"XDG_CONFIG_DIRS", config}, {"XDG_DATA_HOME", data},
                                                  {"XDG_DATA_DIRS", data},     {"XDG_CURRENT_DESKTOP", ""}};
  QList<std::tuple<const char*, bool, QByteArray>> saved;
  for (const auto& [name, value] : env) {
    saved.append({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    qputenv(name, value.toLocal8Bit());
  }
  const auto native = trx::platform::CreateNativePlatform();
  EXPECT_FALSE(native->OpenDocument(home.filePath("guide.pdf"))) << "nothing registered";
  EXPECT_FALSE(native->OpenDocument(home.filePath("guide.html")));

  QFile list(config + "/mimeapps.list");
  ASSERT_TRUE(list.open(QIODevice::WriteOnly));
  list.write("[Default Applications]\napplication/pdf=reader.desktop\n");
  list.close();
  QFile entry(data + "/applications/reader.desktop");
  ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
  entry.write("[Desktop Entry]\nType=Application\nName=Reader\nExec=true %f\nMimeType=application/pdf;\n");
  entry.close();
  EXPECT_FALSE(native->OpenDocument(home.filePath("guide.html"))) << "a PDF reader is no browser";

  for (const auto& [name, wasSet, value] : saved) {
    if (wasSet)
      qputenv(name, value);
    else
      qunsetenv(name);
  }
}
