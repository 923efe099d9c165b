// Time from starting the program to its first frame on screen: the real program's start-up
// against a bare frameless Qt window of the same size, each in a fresh process, alternately.
// Run it with a session bus, as every desktop has one: without, the first text the program
// shows makes Qt's accessibility bridge start a bus of its own (dbus-launch), which a bare
// window never does.
//   xvfb-run -a tools/netns-run dbus-run-session -- build/bench_startup
#include <sys/resource.h>
#include <QApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <utility>
#include <vector>

#include "app/startup.h"
#include "platform/platform.h"
#include "wizard/wizard.h"

namespace {

// One clock for parent and child: CLOCK_MONOTONIC is the same for every process.
long long NowNs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1000000000LL + t.tv_nsec;
}

// Takes the clock and ends a loop once the window has been exposed and the event that exposed
// it (which paints and flushes the window) has been handled, ahead of what the program posted
// for after its first frame; a real event loop, no polling.
class FirstFrame : public QObject {
 public:
  FirstFrame(QEventLoop& loop, QWidget& window) : loop_(loop), window_(window) {}
  long long shownNs = 0;
  long peakKb = 0;  // at that moment, before the loop's turn runs what the program posted

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && watched == window_.windowHandle() && !posted_) {
      posted_ = true;
      // Posted, not a zero timer: timers run only after every posted event, and so after what
      // the program posts while it draws.
      // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the queued call's event owns its slot object
      QMetaObject::invokeMethod(
          &loop_,
          [this] {
            shownNs = NowNs();
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            peakKb = usage.ru_maxrss;
            loop_.quit();
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  QEventLoop& loop_;
  QWidget& window_;
  bool posted_ = false;
};

// The child: starts as the program does, prints the clock at its first frame.
int Child(int argc, char** argv, bool bare) {
  QApplication application(argc, argv);
  const auto platform = trx::platform::CreateNativePlatform();
  std::unique_ptr<QWidget> window;
  std::unique_ptr<trx::wizard::Wizard> wizard;
  if (bare) {
    window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window->resize(580, 434);
  } else {
    auto form = trx::app::StartUp(*platform);
    wizard = std::make_unique<trx::wizard::Wizard>(*form);
    window = std::move(form);
  }
  QEventLoop loop;
  FirstFrame first(loop, *window);
  application.installEventFilter(&first);
  window->show();
  window->activateWindow();
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the timer deletes its slot object after the call
  QTimer::singleShot(5000, &loop, &QEventLoop::quit);
  loop.exec();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%lld %ld\n", first.shownNs > 0 ? first.shownNs : NowNs(),
              first.shownNs > 0 ? first.peakKb : usage.ru_maxrss);
  return 0;
}

// Start to first frame in ms, and the child's peak memory in MB.
std::pair<double, double> Run(const QString& program, const char* kind) {
  QProcess child;
  const long long start = NowNs();
  child.start(program, {"--child", kind});
  child.waitForFinished(10000);
  const QList<QByteArray> said = child.readAllStandardOutput().simplified().split(' ');
  const long long shown = said.value(0).toLongLong();
  return {shown > start ? (shown - start) / 1e6 : -1, said.value(1).toDouble() / 1024};
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--child") == 0) return Child(argc, argv, std::strcmp(argv[2], "bare") == 0);
  const QString self = QString::fromLocal8Bit(argv[0]);
  std::vector<double> bare, form, bareMb, formMb;
  for (int i = 0; i < 21; ++i) {
    const auto [b, bm] = Run(self, "bare");
    const auto [f, fm] = Run(self, "form");
    bare.push_back(b);
    form.push_back(f);
    bareMb.push_back(bm);
    formMb.push_back(fm);
  }
  const double b = Median(bare), f = Median(form);
  std::printf("start to first frame: bare window %.1f ms, the program %.1f ms (median of %zu): %.2f times\n", b, f,
              bare.size(), f / b);
  const double bm = Median(bareMb), fm = Median(formMb);
  std::printf("peak memory at the first frame: bare window %.1f MB, the program %.1f MB: %.2f times\n", bm, fm,
              fm / bm);
  return 0;
}
