// The user guide and web buttons, on the recording platform.
#include <QFile>
#include <QTemporaryDir>

#include "tests/support/formfixture.h"

using namespace trx::test;

class Help : public FormTest {};

TEST_F(Help, TheGuideOpensFromTheProgramsFolderByTheSystemsAssociation) {
  platform.programFolder = "/opt/trx61";  // without the separator: one is added
  Click(form->b_help);
  EXPECT_EQ(platform.calls, QStringList({"open-document /opt/trx61/Users Guide/trx61v2.2_ug.pdf"}));
  EXPECT_TRUE(dialogs.seen.empty());
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
  EXPECT_EQ(form->WizardStep(), "0");
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
