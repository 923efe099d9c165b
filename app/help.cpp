// The user guide and the maker's web site, offered on the welcome page.
#include <QMessageBox>

#include "app/form1.h"

namespace trx::app {

bool TForm1::ReaderInstalled() { return platform_.PdfReaderInstalled(); }

QString TForm1::UserGuidePath() const {
  QString folder = platform_.ProgramFolder();
  const QChar separator = platform_.PathSeparator();
  if (!folder.endsWith(separator)) folder += separator;
  return folder + "Users Guide" + separator + "trx61v2.2_ug.pdf";
}

QString TForm1::ReaderInstallerPath() const {
  QString folder = platform_.ProgramFolder();
  const QChar separator = platform_.PathSeparator();
  if (!folder.endsWith(separator)) folder += separator;
  return folder + "Acrobat" + separator + "ar505enu.exe";
}

void TForm1::b_helpClick(QObject*) {
  if (ReaderInstalled()) {
    platform_.OpenDocument(UserGuidePath());
    return;
  }
  if (InformationBox(kReaderQuestion, QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning) == QMessageBox::Yes) {
    showMinimized();
    platform_.StartHidden(ReaderInstallerPath());
  }
}

void TForm1::b_webClick(QObject*) { platform_.OpenWebAddress(kMakerWebSite); }

}  // namespace trx::app
