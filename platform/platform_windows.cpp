// Windows: documents open through the shell's association for their type, the web site
// through Explorer.exe. Wide calls throughout, so that a path with characters outside the
// PC's code page (a Japanese folder name on a Western PC, or the reverse) passes whole.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <cstdio>
#include <string>

#include "platform/platform.h"

namespace trx::platform {
namespace {

QString WindowsFolder() {
  wchar_t buffer[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryW(buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? QString::fromWCharArray(buffer, static_cast<int>(length))
                                         : QStringLiteral("C:\\Windows");
}

// Starts program with these arguments, its window hidden; neither waited for nor examined.
void StartHidden(const QString& program, const QString& arguments) {
  const std::wstring application = program.toStdWString();
  std::wstring commandLine = (QLatin1Char('"') + program + QLatin1String("\" ") + arguments).toStdWString();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

class WindowsPlatform final : public Platform {
 public:
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

  // No error box of the shell's own: where nothing opens the file, the caller has a fallback.
  bool OpenDocument(const QString& path) override {
    const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
    SHELLEXECUTEINFOW open{};
    open.cbSize = sizeof open;
    open.fMask = SEE_MASK_FLAG_NO_UI;
    open.lpVerb = L"open";
    open.lpFile = file.c_str();
    open.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&open) != FALSE;
  }

  void OpenWebAddress(const QString& address) override { StartHidden(WindowsFolder() + "\\Explorer.exe", address); }
};

}  // namespace

std::unique_ptr<Platform> CreateNativePlatform() { return std::make_unique<WindowsPlatform>(); }

void LowerThreadPriority() { SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST); }

void StartAtLowestPriority(QProcess& process, const QString& program, const QStringList& arguments) {
  process.setCreateProcessArgumentsModifier(
      [](QProcess::CreateProcessArguments* a) { a->flags |= IDLE_PRIORITY_CLASS; });
  process.start(program, arguments);
}

void UseParentConsole() {
  // Output already redirected (a pipe, a file) stays where it goes.
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out != nullptr && out != INVALID_HANDLE_VALUE) return;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  std::freopen("CONOUT$", "w", stdout);
  std::freopen("CONOUT$", "w", stderr);
}

}  // namespace trx::platform
