#include "app/startup.h"

#include "app/faces.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QProxyStyle>
#include <QWindow>

namespace trx::app {
namespace {

// Password fields show "*" for every character.
class FormStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return '*';
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

}  // namespace

void ApplyApplicationLook(Faces faces) {
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the application owns its style
  if (!dynamic_cast<FormStyle*>(QApplication::style())) QApplication::setStyle(new FormStyle);
  if (faces == Faces::Now) LoadFaces();  // the faces the form description's families are drawn with
  // Message boxes and tool-tips too, on Linux, where the desktop's face is whatever the machine
  // has installed; Windows users expect their system's own there.
  if (QGuiApplication::platformName() != QLatin1String("windows")) {
    QFont font = QApplication::font();
    font.setFamilies(FamiliesFor(kSans));
    QApplication::setFont(font);
  }
}

std::unique_ptr<TForm1> StartUp(platform::Platform& platform) {
  // The first page is pictures only: the faces come after its frame, or with the first text.
  ApplyApplicationLook(Faces::WhenNeeded);
  // Read as what it is: an icon built from the file name alone probes its content with every
  // image plugin, loading each of them into the program before the first frame.
  QImageReader icon(":/form/trx61.png", "png");
  icon.setAutoDetectImageFormat(false);
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon.read())));
  // The text controls (the first loads the font engine) come right after the first frame.
  auto form = std::make_unique<TForm1>(platform, nullptr, TForm1::Controls::AfterFirstFrame);
  // The task bar names the program by its title; the form keeps its own caption. (An
  // application display name would be appended to every window's title by Qt.)
  form->winId();
  form->windowHandle()->setTitle(TForm1::kApplicationTitle);
  return form;
}

}  // namespace trx::app
