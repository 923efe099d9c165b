// Linux: documents and web addresses go to the desktop's default handlers.
#include <sys/resource.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMimeDatabase>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <cmath>

#include "platform/platform.h"

namespace trx::platform {
namespace {

bool HasDefaultApplication(const QString& mimeType) {
  const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
  if (xdgMime.isEmpty()) return false;
  QProcess query;
  query.start(xdgMime, {"query", "default", mimeType});
  if (!query.waitForFinished(3000)) {
    query.kill();
    query.waitForFinished(1000);
    return false;
  }
  return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}

class LinuxPlatform final : public Platform {
 public:
  int ScreenPixelsPerInch() const override {
    const QScreen* screen = QGuiApplication::primaryScreen();
    // Under Qt's scaling the logical density stays near 96 and the scale is the device pixel
    // ratio: the screen's real density is their product.
    return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch() * screen->devicePixelRatio())) : 96;
  }

  QString ProgramFolder() const override {
    QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!folder.endsWith(PathSeparator())) folder += PathSeparator();
    return folder;
  }

  QChar PathSeparator() const override { return QDir::separator(); }

  // The desktop's opener starts even for a type nothing handles, and fails out of sight:
  // ask first whether the desktop names a default application for the file's type.
  bool OpenDocument(const QString& path) override {
    const QString type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name();
    return HasDefaultApplication(type) && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  }

  void OpenWebAddress(const QString& address) override { QDesktopServices::openUrl(QUrl(address)); }
};

}  // namespace

void UseParentConsole() {}

std::unique_ptr<Platform> CreateNativePlatform() { return std::make_unique<LinuxPlatform>(); }

void LowerThreadPriority() { ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 19); }

void StartAtLowestPriority(QProcess& process, const QString& program, const QStringList& arguments) {
  process.start("nice", QStringList{"-n", "19", program} + arguments);
}

}  // namespace trx::platform
