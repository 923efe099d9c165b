#pragma once
// A platform that records what the form asks of the system and answers as told.
#include <QString>
#include <QStringList>
#include <functional>

#include "platform/platform.h"

namespace trx::test {

class FakePlatform : public platform::Platform {
 public:
  mutable QStringList calls;  // queries too: "reader?", "register", "unregister", "open-document <path>", "start-hidden
                              // <path>", "open-web <address>"
  int ppi = 96;
  bool readerInstalled = true;
  bool offersInstaller = true;  // as on Windows
  bool browserInstalled = true;
  QString programFolder = "/opt/trx61/";
  std::function<void()> onRegister, onUnregister;

  void RegisterSocketControl() override {
    calls << "register";
    if (onRegister) onRegister();
  }
  void UnregisterSocketControl() override {
    calls << "unregister";
    if (onUnregister) onUnregister();
  }
  int ScreenPixelsPerInch() const override { return ppi; }
  QString ProgramFolder() const override { return programFolder; }
  QChar PathSeparator() const override { return '/'; }
  bool PdfReaderInstalled() const override {
    calls << "reader?";
    return readerInstalled;
  }
  bool OffersReaderInstaller() const override { return offersInstaller; }
  bool WebBrowserInstalled() const override {
    calls << "browser?";
    return browserInstalled;
  }
  void OpenDocument(const QString& path) override { calls << "open-document " + path; }
  void StartHidden(const QString& program) override { calls << "start-hidden " + program; }
  void OpenWebAddress(const QString& address) override { calls << "open-web " + address; }
};

}  // namespace trx::test
