#include "app/guidefile.h"

#include <QFileInfo>

namespace trx::app {

QString GuideFileName(const QString& language, const QString& extension) {
  const QString suffix = language.isEmpty() || language == "en" ? QString() : "_" + language;
  return "trx61v2.2_ug" + suffix + "." + extension;
}

QString GuideFile(const QString& folder, const QString& language, const QString& extension) {
  const QString own = folder + GuideFileName(language, extension);
  return QFileInfo::exists(own) ? own : folder + GuideFileName("en", extension);
}

}  // namespace trx::app
