// Windows: the socket component is an ActiveX control registered with regsvr32 from the
// system folder; the reader check looks for two registry keys; documents open through the
// shell and web addresses through Explorer.exe.
#include <windows.h>

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <cstdio>

#include "platform/platform.h"

namespace trx::platform {
namespace {

QString SystemFolder() {
  char buffer[260] = {};
  GetSystemDirectoryA(buffer, sizeof buffer);
  return QString::fromLocal8Bit(buffer);
}

QString WindowsFolder() {
  char buffer[260] = {};
  GetWindowsDirectoryA(buffer, sizeof buffer);
  return QString::fromLocal8Bit(buffer);
}

void RunHidden(const QString& commandLine) { WinExec(commandLine.toLocal8Bit().constData(), SW_HIDE); }

bool KeyOpens(const char* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

class WindowsPlatform final : public Platform {
 public:
  void RegisterSocketControl() override { RunHidden(SystemFolder() + "\\regsvr32 ZEL_UDPSocket.ocx /s"); }
  void UnregisterSocketControl() override { RunHidden(SystemFolder() + "\\regsvr32 ZEL_UDPSocket.ocx /u /s"); }

  int ScreenPixelsPerInch() const override {
    HDC dc = GetDC(nullptr);
    const int ppi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return ppi;
  }

  QString ProgramFolder() const override {
    QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!folder.endsWith('\\')) folder += '\\';
    return folder;
  }

  QChar PathSeparator() const override { return '\\'; }

  bool PdfReaderInstalled() const override {
    return KeyOpens("Software\\Adobe\\Acrobat Reader") || KeyOpens("Software\\Adobe\\Acrobat\\4.0");
  }

  bool OffersReaderInstaller() const override { return true; }
  bool WebBrowserInstalled() const override { return true; }

  void OpenDocument(const QString& path) override {
    ShellExecuteA(nullptr, nullptr, path.toLocal8Bit().constData(), nullptr, nullptr, SW_SHOW);
  }

  void StartHidden(const QString& program) override { RunHidden(program); }

  void OpenWebAddress(const QString& address) override { RunHidden(WindowsFolder() + "\\Explorer.exe " + address); }
};

}  // namespace

std::unique_ptr<Platform> CreateNativePlatform() { return std::make_unique<WindowsPlatform>(); }

void LowerThreadPriority() { SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST); }

void StartAtLowestPriority(QProcess& process, const QString& program, const QStringList& arguments) {
  process.setCreateProcessArgumentsModifier(
      [](QProcess::CreateProcessArguments* a) { a->flags |= IDLE_PRIORITY_CLASS; });
  process.start(program, arguments);
}

FontSetup::FontSetup() {}
void FontSetup::Wait() {}

void UseParentConsole() {
  // Output already redirected (a pipe, a file) stays where it goes.
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out != nullptr && out != INVALID_HANDLE_VALUE) return;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  std::freopen("CONOUT$", "w", stdout);
  std::freopen("CONOUT$", "w", stderr);
}

}  // namespace trx::platform
