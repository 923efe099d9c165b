// Walks the real window through every page of the dialogue and captures each one from the
// X server, rounded outline included, for the README and the user guide.
//   tools/screenshots.sh   (runs this under Xvfb in a private network namespace)
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "app/language.h"
#include "app/startup.h"
#include "platform/platform.h"
#include "wizard/wizard.h"

namespace {

QString g_apsim, g_out;
QStringList g_only;         // the shots to take; empty: all
QWidget* g_form = nullptr;  // the window being captured

void Wait(int ms) {
  QEventLoop loop;
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the timer deletes its slot object after the call
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

void Shot(const QString& name) {
  if (!g_only.isEmpty() && !g_only.contains(name)) return;
  Wait(250);
  // The form's place in device pixels: at a scale factor the window is larger than 580 x 434.
  const qreal dpr = g_form->devicePixelRatio();
  const QRect r(g_form->pos() * dpr, g_form->size() * dpr);
  const QString file = g_out + "/" + name + ".png";
#ifdef Q_OS_WIN
  // Under wine the X tools cannot be started from here: the screen is read through Windows.
  QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).save(file);
#else
  const QString crop = QString("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
  QProcess::execute("import", {"-window", "root", "-crop", crop, "+repage", file});
#endif
  std::printf("captured %s\n", qPrintable(name));
}

struct Simulator {
  explicit Simulator(const QStringList& args) {
    process.start(g_apsim, args);
    process.waitForStarted();
    Wait(400);
  }
  ~Simulator() {
    process.terminate();
    process.waitForFinished(2000);
  }
  QProcess process;
};

using trx::app::TForm1;
using trx::wizard::Step;

trx::wizard::Wizard* g_wizard = nullptr;
trx::wizard::Wizard& W() { return *g_wizard; }

// The window with its wizard, as the program runs them.
struct Window {
  std::unique_ptr<TForm1> form;
  std::unique_ptr<trx::wizard::Wizard> wizard;
};

void Next(TForm1& f) { W().b_setupClick(f.b_setup); }

void Search(TForm1& f) {
  Next(f);
  Wait(3400);
}

void ToConfirmation(TForm1& f, bool tidy) {
  Next(f);  // Yes on the list page
  Next(f);  // basic settings
  Next(f);  // IP settings
  if (tidy) {
    f.s_wep->setCurrentIndex(2);
    W().s_wepCloseUp(f.s_wep);
    f.e_pas->setText("office secret");
  }
  Next(f);  // WEP settings
  if (W().CurrentStep() == Step::WepKey) Next(f);
}

// A new window, shown and given time to settle, as the one captured.
Window Launch(trx::platform::Platform& platform, int settleMs) {
  Window window{trx::app::StartUp(platform), nullptr};
  window.wizard = std::make_unique<trx::wizard::Wizard>(*window.form);
  g_form = window.form.get();
  g_wizard = window.wizard.get();
  window.form->show();
  window.form->activateWindow();
  Wait(settleMs);
  return window;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setCursorFlashTime(0);  // a steady text cursor: the same picture every time
  if (argc < 3) {
    std::fprintf(stderr, "usage: trx61-tour APSIM OUTPUT-FOLDER [--language CODE] [SHOT...]\n");
    return 2;
  }
  g_apsim = argv[1];
  g_out = argv[2];
  if (const auto language = trx::app::LanguageOption(argc, argv, nullptr))
    trx::app::UseLanguage(trx::app::ChooseLanguage({*language}));
  for (int i = 3; i < argc; ++i) {
    if (std::strcmp(argv[i], "--language") == 0)
      ++i;
    else if (std::strncmp(argv[i], "--language=", 11) != 0)
      g_only << argv[i];
  }
  QDir().mkpath(g_out);
  const auto platform = trx::platform::CreateNativePlatform();

  {
    const Window window = Launch(*platform, 800);
    TForm1& f = *window.form;
    Shot("welcome");
    Next(f);
    Shot("connection");
    Next(f);  // nobody answers
    Wait(1200);
    Shot("search-wait");
    Wait(2300);
    Shot("search-error");
    W().errormsgClick(f.errormsg);

    Simulator sim({"--count", "3"});
    Search(f);
    f.ap_list->setCurrentRow(1);
    W().ap_listClick(f.ap_list);
    Shot("list");
    Next(f);
    Shot("basic");
    if (g_only.contains("basic-channels-open")) {
      f.s_ch->showPopup();
      Shot("basic-channels-open");
      f.s_ch->hidePopup();
    }
    Next(f);
    Shot("ip");
    Next(f);
    f.s_wep->setCurrentIndex(2);
    W().s_wepCloseUp(f.s_wep);
    f.e_pas->setText("office secret");
    Shot("wep");
    Next(f);
    Shot("keys");
    Next(f);
    Shot("confirm");
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the timer deletes its slot object after the call
    QTimer::singleShot(900, [] {
      Shot("save-note");
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
    });
    Next(f);  // Yes: the note, then the save
    Wait(1000);
    Shot("save-wait");
    Wait(2600);
    Shot("completion");
    f.close();
  }
  {
    Simulator sim({"--count", "3", "--no-ack"});
    const Window window = Launch(*platform, 500);
    TForm1& f = *window.form;
    Next(f);
    Search(f);
    ToConfirmation(f, false);
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the timer deletes its slot object after the call
    QTimer::singleShot(600, [] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
    });
    Next(f);
    Wait(3600);
    Shot("save-error");
    f.close();
  }
  if (g_only.contains("list-markup")) {
    // Device text full of markup characters, shown as it is.
    QFile config(g_out + "/.markup.conf");
    config.open(QIODevice::WriteOnly);
    config.write(
        "[ap]\nhost = <b>bold</b>\nessid = <i>a</i>&amp;<img src=x>\nfirmware = <u>2</u>\n"
        "[ap]\nhost = a&lt;b & c\nessid = plain\n");
    config.close();
    Simulator sim({"--config", config.fileName()});
    const Window window = Launch(*platform, 500);
    TForm1& f = *window.form;
    Next(f);
    Search(f);
    f.ap_list->setCurrentRow(0);
    W().ap_listClick(f.ap_list);
    Shot("list-markup");
    f.close();
    config.remove();
  }
  return 0;
}
