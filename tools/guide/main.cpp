// Builds the user guide PDF from its Markdown source and the screenshots beside it, and the
// same guide as HTML with its pictures, for a system that has a browser but no PDF reader.
// The source's name gives its language (users-guide.md English, users-guide.ja.md Japanese),
// its first heading the document's title.
// Fonts given with --font are added for it (the Japanese face that keeps the PDF's text
// searchable, tools/guide/cjk-font.py). The source is the text tools/guide/guidetext.py
// prepared from docs/; --pictures names the folder its picture paths start from (by default
// the source's own).
//   trx61-guide [--font FILE]... [--pictures DIR] users-guide.md "build/Users Guide/trx61v2.2_ug.pdf"
//   [".../trx61v2.2_ug.html"]
#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <algorithm>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QStringList families;  // those of the fonts added, in the order given
  QString pictureDir;
  for (; argc > 2 && argv[1][0] == '-' && argv[1][1] == '-'; argc -= 2, argv += 2) {
    if (std::strcmp(argv[1], "--pictures") == 0) {
      pictureDir = QString::fromLocal8Bit(argv[2]);
    } else if (std::strcmp(argv[1], "--font") == 0) {
      const int id = QFontDatabase::addApplicationFont(QString::fromLocal8Bit(argv[2]));
      if (id < 0) {
        std::fprintf(stderr, "trx61-guide: cannot load the font %s\n", argv[2]);
        return 1;
      }
      families << QFontDatabase::applicationFontFamilies(id);
    } else {
      break;
    }
  }
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: trx61-guide [--pictures DIR] [--font FILE]... SOURCE.md OUTPUT.pdf [OUTPUT.html]\n");
    return 2;
  }
  QFile source(QString::fromLocal8Bit(argv[1]));
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "trx61-guide: cannot read %s\n", argv[1]);
    return 1;
  }
  const QString markdown = QString::fromUtf8(source.readAll());
  const QDir base = pictureDir.isEmpty() ? QFileInfo(source).absoluteDir() : QDir(pictureDir);

  const QString language = [&] {
    const QStringList parts = QFileInfo(source).fileName().split('.');
    return parts.size() == 3 ? parts[1] : QString("en");
  }();
  const QRegularExpression heading(R"(^# (.+)$)", QRegularExpression::MultilineOption);
  const QString title = heading.match(markdown).captured(1).trimmed();

  QTextDocument doc;
  QFont body("Liberation Sans");
  // Japanese from a face with Japanese glyph forms, not whichever CJK face the system picks:
  // one added for the guide first.
  if (language == "ja") body.setFamilies(QStringList{"Liberation Sans"} + families + QStringList{"Noto Sans CJK JP"});
  body.setPointSizeF(10);
  doc.setDefaultFont(body);
  doc.setDefaultStyleSheet("h1 { color: #243476; } h2 { color: #243476; } td, th { padding: 3px; }");
  doc.setMarkdown(markdown);  // clears the resources, so the pictures come after it
  // Every picture the text names must be there: a guide with holes is no guide.
  const QRegularExpression image(R"(!\[[^\]]*\]\(([^)]+)\))");
  QStringList pictures;
  for (auto it = image.globalMatch(markdown); it.hasNext();) {
    const QString name = it.next().captured(1);
    pictures << name;
    const QImage picture(base.filePath(name));
    if (picture.isNull()) {
      std::fprintf(stderr, "trx61-guide: missing picture %s\n", qPrintable(name));
      return 1;
    }
    doc.addResource(QTextDocument::ImageResource, QUrl(name), picture);
  }

  // The page's text area, in the document's units (1/96 inch): A4 within the margins below,
  // less a line at the foot for the page number.
  const QMarginsF marginsMm(18, 16, 18, 16);
  const auto px = [](qreal mm) { return mm / 25.4 * 96.0; };
  const QSizeF page(px(210 - marginsMm.left() - marginsMm.right()),
                    px(297 - marginsMm.top() - marginsMm.bottom()) - 24);
  doc.setPageSize(page);

  // Screenshots at 85 % of the text width: readable, and still two to a page with little text.
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.charFormat().isImageFormat()) continue;
      QTextImageFormat format = fragment.charFormat().toImageFormat();
      const QImage picture = doc.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
      const qreal scale = std::min(1.0, page.width() * 0.85 / picture.width());
      format.setWidth(picture.width() * scale);
      format.setHeight(picture.height() * scale);
      QTextCursor cursor(&doc);
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(format);
      QTextBlockFormat spaced = block.blockFormat();  // air between a picture and a table below it
      spaced.setBottomMargin(std::max<qreal>(spaced.bottomMargin(), 10));
      cursor.setBlockFormat(spaced);
    }
  }

  // A heading stays with the first line of what follows it: where they would fall on two
  // pages, the heading starts the next page.
  const auto top = [&](const QTextBlock& b) { return doc.documentLayout()->blockBoundingRect(b).top(); };
  const auto pageOf = [&](qreal y) { return static_cast<int>(y / page.height()); };
  const auto layOutAll = [&] {
    doc.setPageSize(page);  // a layout from the start, to the end
    doc.documentLayout()->blockBoundingRect(doc.lastBlock());
  };
  for (bool moved = true; moved;) {
    moved = false;
    layOutAll();
    for (QTextBlock block = doc.begin(); block.isValid() && !moved; block = block.next()) {
      const QTextBlock next = block.next();
      if (block.blockFormat().headingLevel() == 0 || !next.isValid()) continue;
      const qreal nextTop = top(next);  // lays the document out up to there
      if (!next.layout() || next.layout()->lineCount() == 0) continue;
      const QTextLine first = next.layout()->lineAt(0);
      const qreal firstLineBottom = nextTop + first.y() + first.height();
      if (pageOf(top(block)) == pageOf(firstLineBottom - 1)) continue;
      QTextBlockFormat format = block.blockFormat();
      if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) continue;
      format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      QTextCursor(block).setBlockFormat(format);
      moved = true;
    }
  }

  if (argc == 4) {
    // The HTML edition: the same document, its pictures copied beside it under their names.
    const QString html = QString::fromLocal8Bit(argv[3]);
    const QDir htmlDir = QFileInfo(html).absoluteDir();
    QDir().mkpath(htmlDir.path());
    doc.setMetaInformation(QTextDocument::DocumentTitle, title);
    // The page says its language, so that a browser picks fonts and hyphenation for it and a
    // screen reader its voice.
    QString page = doc.toHtml();
    page.replace(QRegularExpression("<html>"), QString("<html lang=\"%1\">").arg(language));
    QFile file(html);
    if (!file.open(QIODevice::WriteOnly) || file.write(page.toUtf8()) < 0) {
      std::fprintf(stderr, "trx61-guide: cannot write %s\n", argv[3]);
      return 1;
    }
    for (const QString& name : pictures) {
      const QString target = htmlDir.filePath(name);
      QDir().mkpath(QFileInfo(target).absolutePath());
      QFile::remove(target);
      if (!QFile::copy(base.filePath(name), target)) {
        std::fprintf(stderr, "trx61-guide: cannot copy %s\n", qPrintable(name));
        return 1;
      }
    }
  }

  const QString output = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(QFileInfo(output).absolutePath());
  QPdfWriter writer(output);
  writer.setTitle(title);
  writer.setCreator("trx61-guide");
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(marginsMm, QPageLayout::Millimeter);
  QPainter painter(&writer);
  const qreal scale = writer.width() / page.width();  // the painter works in the writer's device pixels
  QFont numberFont = body;
  numberFont.setPointSizeF(9);
  for (int i = 0; i < doc.pageCount(); ++i) {
    if (i > 0) writer.newPage();
    painter.save();
    painter.scale(scale, scale);
    painter.translate(0, -i * page.height());
    doc.drawContents(&painter, QRectF(0, i * page.height(), page.width(), page.height()));
    painter.restore();
    painter.save();
    painter.scale(scale, scale);
    painter.setFont(numberFont);
    painter.drawText(QRectF(0, page.height(), page.width(), 24), Qt::AlignRight | Qt::AlignBottom,
                     QString::number(i + 1));
    painter.restore();
  }
  return 0;
}
