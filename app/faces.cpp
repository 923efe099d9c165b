#include "app/faces.h"

#include <QFontDatabase>

namespace trx::app {

void LoadFaces() {
  static const bool loaded = [] {
    for (const char* file : {"TRX61Sans-Regular", "TRX61Sans-Bold", "TRX61SansNarrow-Regular", "TRX61SansNarrow-Bold"})
      if (QFontDatabase::addApplicationFont(QStringLiteral(":/faces/%1.ttf").arg(QLatin1String(file))) < 0)
        qWarning("the face %s could not be loaded", file);
    return true;
  }();
  (void)loaded;
}

QStringList FamiliesFor(const QString& declared) {
  const bool narrow = declared.contains(QLatin1String("Narrow"), Qt::CaseInsensitive);
  return {QLatin1String(narrow ? kSansNarrow : kSans), QLatin1String(kJapanese)};
}

}  // namespace trx::app
