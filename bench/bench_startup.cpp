// Time from start-up to the first frame on screen: the real form against a bare frameless
// window of the same size, each made fresh several times on one display.
//   xvfb-run -a tools/netns-run build/bench_startup
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/startup.h"
#include "platform/platform.h"

namespace {

template <class Make>
double MedianMs(Make make) {
  std::vector<double> times;
  for (int i = 0; i < 9; ++i) {
    QElapsedTimer clock;
    clock.start();
    auto window = make();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) std::fprintf(stderr, "a window was not shown\n");
    times.push_back(clock.nsecsElapsed() / 1e6);
    window.reset();
    QTest::qWait(50);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const auto platform = trx::platform::CreateNativePlatform();
  const double bare = MedianMs([] {
    auto w = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
    w->resize(580, 434);
    return w;
  });
  const double form = MedianMs([&] { return trx::app::StartUp(*platform); });
  std::printf("first frame: bare window %.1f ms, the form %.1f ms (median of 9): %.2f times\n", bare, form,
              form / bare);
  return 0;
}
