// Draws every picture of the form at its final size and writes the JPEGs (and the icon)
// into the folder given: pages, wait and error panels, hourglass frames, button faces. With
// translations (.qm files made from translations/*.ts) it draws in their language instead.
//   trx61-artgen app/form
//   trx61-artgen build/app/form-de build/app/trx61_de.qm
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QTranslator>
#include <cstdio>
#include <cstring>

#include "tools/artgen/draw.h"

using namespace trx::artgen;

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  trx::app::LoadFaces();
  // --check: fail on any text that does not fit its room, and list the lines of every text drawn
  // (lines.json).
  const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
  const int first = check ? 2 : 1;
  if (argc <= first) {
    std::fprintf(stderr, "usage: trx61-artgen [--check] OUTPUT-FOLDER [TRANSLATION.qm...]\n");
    return 2;
  }
  QStringList fallbacks;
  for (int i = first + 1; i < argc; ++i) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QString::fromLocal8Bit(argv[i])) || !QCoreApplication::installTranslator(translator)) {
      std::fprintf(stderr, "trx61-artgen: cannot load the translation %s\n", argv[i]);
      return 1;
    }
    if (translator->language().startsWith("ja")) fallbacks = {"Noto Sans CJK JP"};
  }
  const QString out = QString::fromLocal8Bit(argv[first]);
  SetOutput(out, fallbacks);
  QDir().mkpath(out);
  Pages();
  Panels();
  Faces();
  Icon();
  for (const QString& overflow : Overflows()) std::fprintf(stderr, "does not fit: %s\n", qPrintable(overflow));
  if (check) {  // what was drawn on which lines, for the tests of where lines break
    QFile lines(out + "/lines.json");
    if (!lines.open(QIODevice::WriteOnly) || lines.write(QJsonDocument(DrawnLines()).toJson()) < 0) return 1;
  }
  return check && !Overflows().isEmpty() ? 1 : 0;
}
