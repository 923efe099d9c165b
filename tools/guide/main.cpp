// Builds the user guide PDF from its Markdown source and the screenshots beside it.
//   trx61-guide docs/users-guide.md "build/Users Guide/trx61v2.2_ug.pdf"
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <cstdio>

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: trx61-guide SOURCE.md OUTPUT.pdf\n");
    return 2;
  }
  QFile source(QString::fromLocal8Bit(argv[1]));
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "trx61-guide: cannot read %s\n", argv[1]);
    return 1;
  }
  const QString markdown = QString::fromUtf8(source.readAll());
  const QDir base = QFileInfo(source).absoluteDir();

  QTextDocument doc;
  QFont body("Liberation Sans");
  body.setPointSizeF(10);
  doc.setDefaultFont(body);
  doc.setDefaultStyleSheet("h1 { color: #243476; } h2 { color: #243476; } td, th { padding: 3px; }");
  doc.setMarkdown(markdown);  // clears the resources, so the pictures come after it
  // Every picture the text names must be there: a guide with holes is no guide.
  const QRegularExpression image(R"(!\[[^\]]*\]\(([^)]+)\))");
  for (auto it = image.globalMatch(markdown); it.hasNext();) {
    const QString name = it.next().captured(1);
    const QImage picture(base.filePath(name));
    if (picture.isNull()) {
      std::fprintf(stderr, "trx61-guide: missing picture %s\n", qPrintable(name));
      return 1;
    }
    doc.addResource(QTextDocument::ImageResource, QUrl(name), picture);
  }

  // Screenshots at two thirds of their size: two fit on a page beside their text.
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.charFormat().isImageFormat()) continue;
      QTextImageFormat format = fragment.charFormat().toImageFormat();
      const QImage picture = doc.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
      format.setWidth(picture.width() * 2 / 3.0);
      format.setHeight(picture.height() * 2 / 3.0);
      QTextCursor cursor(&doc);
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(format);
    }
  }

  const QString output = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(QFileInfo(output).absolutePath());
  QPdfWriter writer(output);
  writer.setTitle("TRX61 Utility User Guide");
  writer.setCreator("trx61-guide");
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter);
  doc.print(&writer);
  return 0;
}
