// The user guide and web buttons, on the recording platform.
#include "tests/support/formfixture.h"

using namespace trx::test;

class Help : public FormTest {};

TEST_F(Help, WithAReaderTheGuideOpensFromTheProgramsFolder) {
  platform.programFolder = "/opt/trx61";  // without the separator: one is added
  Click(form->b_help);
  EXPECT_EQ(platform.calls, QStringList({"reader?", "open-document /opt/trx61/Users Guide/trx61v2.2_ug.pdf"}));
  EXPECT_TRUE(dialogs.seen.empty());
}

TEST_F(Help, WithoutAReaderYesMinimisesAndStartsTheInstallerHidden) {
  Show();
  platform.readerInstalled = false;
  dialogs.Answer(QMessageBox::Yes);
  Click(form->b_help);
  ASSERT_EQ(dialogs.seen.size(), 1u);
  EXPECT_EQ(dialogs.seen[0].title, "Information");
  EXPECT_EQ(dialogs.seen[0].text,
            "\nThe user guide can only be viewed with Adobe Reader!\n\n        Do you want install Acrobat Reader 5.0.5?");
  EXPECT_EQ(dialogs.seen[0].icon, QMessageBox::Warning);
  EXPECT_EQ(dialogs.seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_TRUE(form->isMinimized());
  EXPECT_EQ(platform.calls.last(), "start-hidden /opt/trx61/Acrobat/ar505enu.exe");
}

TEST_F(Help, WithoutAReaderNoChangesNothing) {
  Show();
  platform.readerInstalled = false;
  dialogs.Answer(QMessageBox::No);
  Click(form->b_help);
  EXPECT_EQ(dialogs.seen.size(), 1u);
  EXPECT_FALSE(form->isMinimized());
  EXPECT_EQ(platform.calls, QStringList({"reader?"}));
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
