#pragma once
// The operating-system services the form calls, behind one interface so that the Linux
// build, a Windows build and the tests each supply their own.
#include <QString>
#include <QStringList>
#include <memory>

class QProcess;

namespace trx::platform {

class Platform {
 public:
  virtual ~Platform() = default;

  // The screen's pixels per inch (96 at the design resolution).
  virtual int ScreenPixelsPerInch() const = 0;
  // The folder of the program's own executable, ending in the platform's separator.
  virtual QString ProgramFolder() const = 0;
  virtual QChar PathSeparator() const = 0;

  // Opens a document with the program the system associates with its type. False when
  // the system has none, or it could not be started.
  virtual bool OpenDocument(const QString& path) = 0;
  // Opens a web address in the system's browser.
  virtual void OpenWebAddress(const QString& address) = 0;
};

// The implementation for the system the program was built for.
std::unique_ptr<Platform> CreateNativePlatform();

// A windowed program started from a console writes its --help and --version answers there
// (Windows gives such a program no console of its own); elsewhere nothing to do.
void UseParentConsole();

// For benchmarks, where a thread or a process stands in for another machine: the calling
// thread, or a program started, at the lowest priority the system gives a user.
void LowerThreadPriority();
void StartAtLowestPriority(QProcess& process, const QString& program, const QStringList& arguments);

}  // namespace trx::platform
