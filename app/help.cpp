// The user guide and the maker's web site, offered on the welcome page.
#include <QMessageBox>

#include "app/form1.h"
#include "app/guidefile.h"
#include "app/language.h"

namespace trx::app {

bool TForm1::ReaderInstalled() { return platform_.PdfReaderInstalled(); }

namespace {

// A file in a folder beside the program: built from the executable's own folder, never from
// the working directory.
QString BesideProgram(platform::Platform& platform, const QString& folderName, const QString& file) {
  QString folder = platform.ProgramFolder();
  const QChar separator = platform.PathSeparator();
  if (!folder.endsWith(separator)) folder += separator;
  return folder + folderName + separator + file;
}

}  // namespace

QString TForm1::UserGuidePath() const {
  return GuideFile(BesideProgram(platform_, "Users Guide", QString()), LanguageInUse(), "pdf");
}

QString TForm1::UserGuideHtmlPath() const {
  return GuideFile(BesideProgram(platform_, "Users Guide", QString()), LanguageInUse(), "html");
}

QString TForm1::ReaderInstallerPath() const { return BesideProgram(platform_, "Acrobat", "ar505enu.exe"); }

void TForm1::b_helpClick(QObject*) {
  if (ReaderInstalled()) {
    platform_.OpenDocument(UserGuidePath());
    return;
  }
  // Where no reader installer can help (Linux), the guide's HTML edition in the browser, or
  // at least where the guide is: never a Windows installer that cannot run there.
  if (!platform_.OffersReaderInstaller()) {
    if (platform_.WebBrowserInstalled())
      platform_.OpenDocument(UserGuideHtmlPath());
    else
      ShowMessage(tr("No program to show the user guide was found on this computer. The guide is the file\n%1")
                      .arg(UserGuidePath()));
    return;
  }
  if (InformationBox(tr(kReaderQuestion), QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning) ==
      QMessageBox::Yes) {
    showMinimized();
    platform_.StartHidden(ReaderInstallerPath());
  }
}

void TForm1::b_webClick(QObject*) { platform_.OpenWebAddress(kMakerWebSite); }

}  // namespace trx::app
