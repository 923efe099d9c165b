// The user guide and the maker's web site, offered on the welcome page.
#include <QAccessible>

#include "app/form1.h"
#include "app/guidefile.h"
#include "app/language.h"
#include "link/debuglog.h"

namespace trx::app {

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

// Whatever the PC reads PDF files with (a browser, often), by its own association: a
// particular reader need not be there, and asking the registry for one needs rights an
// ordinary user lacks.
void TForm1::OpenGuide(const QString& pdf, const QString& html) {
  for (const QString& path : {pdf, html}) {
    const bool opened = platform_.OpenDocument(path);
    if (link::DebugEnabled()) link::DebugLine(QString("guide %1: %2").arg(opened ? "opened" : "not opened", path));
    if (opened) return;
  }
  ShowMessage(tr("No program to show the user guide was found on this computer. The guide is the file\n%1").arg(pdf));
}

void TForm1::b_helpClick(QObject*) {
  //: Said when the User Guide button is pressed, as the guide's window opens.
  Say(tr("Opening the User Guide."));
  // A screen reader reads the HTML edition; the PDF has no tags to read by.
  if (ScreenReaderRunning ? ScreenReaderRunning() : QAccessible::isActive())
    OpenGuide(UserGuideHtmlPath(), UserGuidePath());
  else
    OpenGuide(UserGuidePath(), UserGuideHtmlPath());
}

void TForm1::b_webClick(QObject*) { platform_.OpenWebAddress(kMakerWebSite); }

}  // namespace trx::app
