#pragma once
// A platform that records what the form asks of the system and answers as told.
#include <QString>
#include <QStringList>
#include <algorithm>

#include "platform/platform.h"

namespace trx::test {

class FakePlatform : public platform::Platform {
 public:
  mutable QStringList calls;  // "open-document <path>", "open-web <address>"
  int ppi = 96;
  QStringList openable = {".pdf", ".html"};  // the types the system has a program for
  QString programFolder = "/opt/trx61/";

  int ScreenPixelsPerInch() const override { return ppi; }
  QString ProgramFolder() const override { return programFolder; }
  QChar PathSeparator() const override { return '/'; }
  bool OpenDocument(const QString& path) override {
    calls << "open-document " + path;
    return std::any_of(openable.begin(), openable.end(), [&](const QString& type) { return path.endsWith(type); });
  }
  void OpenWebAddress(const QString& address) override { calls << "open-web " + address; }
};

}  // namespace trx::test
