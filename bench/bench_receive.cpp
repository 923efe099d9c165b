// One search of the real window against the real simulator, and what it cost the window:
// replies listed against replies sent, the longest time the event loop was held, the
// latest a 1 ms timer fired, the peak memory. Optionally beside a flood of junk datagrams on
// the port, or of large forged replies, each with a MAC of its own (--flood).
// Must run in a private network namespace (tools/netns-run), for example:
//   tools/netns-run env QT_QPA_PLATFORM=offscreen build/bench/bench_receive --count 10000 --junk 100000
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>
#include <vector>
#if __has_include(<sys/resource.h>)
#include <sys/resource.h>
#endif

#include "app/form1.h"
#include "app/startup.h"
#include "link/messages.h"
#include "link/udpsocket.h"
#include "platform/platform.h"
#include "tools/netns/guard.h"
#include "wizard/wizard.h"

namespace {

// Junk on the port at a steady rate, from a socket of this process, in batches of a
// millisecond's worth. At the lowest priority: it stands in for other machines.
void Flood(int perSecond, int seconds, std::atomic<bool>& stop, long long& sent) {
  trx::platform::LowerThreadPriority();
  trx::link::UdpSocket socket;  // unopened: it sends from a port of its own
  socket.RmtAddr = trx::link::kBroadcastAddress;
  socket.rmtPort = trx::link::kPort;
  const std::vector<QByteArray> batch(256, QByteArray("junk that is neither a reply nor an acknowledgement"));
  const auto start = std::chrono::steady_clock::now();
  const auto end = start + std::chrono::seconds(seconds);
  while (!stop && std::chrono::steady_clock::now() < end) {
    const double due = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() * perSecond;
    while (sent < due) {
      const auto n = static_cast<std::size_t>(std::min<double>(static_cast<double>(batch.size()), due - sent + 1));
      const int taken =
          socket.SendMany(std::vector<QByteArray>(batch.begin(), batch.begin() + static_cast<std::ptrdiff_t>(n)));
      if (taken <= 0) break;
      sent += taken;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

// This namespace's UDP datagrams dropped for want of receive buffer space (RcvbufErrors),
// apart from those a socket filter refused, which count in the socket's drops too; -1 unknown.
long long BufferDrops() {
  QFile snmp("/proc/net/snmp");
  if (!snmp.open(QIODevice::ReadOnly)) return -1;
  QList<QByteArray> names;
  for (QByteArray line = snmp.readLine(); !line.isEmpty(); line = snmp.readLine()) {
    if (!line.startsWith("Udp: ")) continue;
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (names.isEmpty()) {
      names = fields;
      continue;
    }
    const qsizetype at = names.indexOf("RcvbufErrors");
    return at > 0 && at < fields.size() ? fields[at].toLongLong() : -1;
  }
  return -1;
}

// The GUI thread's own processor time: a block of the event loop that it spent working,
// whatever else the machine's processors were doing.
qint64 ThreadCpuNs() {
#if defined(CLOCK_THREAD_CPUTIME_ID)
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1000000000LL + t.tv_nsec;
#else
  return 0;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QCommandLineParser parser;
  parser.addHelpOption();
  const QCommandLineOption count("count", "Simulated access points.", "N", "1000");
  const QCommandLineOption junk("junk", "Junk datagrams per second for 3 s, beside the search.", "RATE", "0");
  const QCommandLineOption buffer("buffer", "Receive buffer asked for, in bytes (default: the program's own request).",
                                  "BYTES");
  const QCommandLineOption lineRate("line-rate", "The replies' link speed, in Mbit/s.", "MBIT", "1000");
  const QCommandLineOption replyFlood("flood", "Large forged replies sent beside the search, from 10.1.0.66.", "N",
                                      "0");
  parser.addOptions({count, junk, buffer, lineRate, replyFlood});
  parser.process(application);
  if (!trx::tools::InPrivateNetworkNamespace()) {
    std::fprintf(stderr, "bench_receive broadcasts: run it in a private network namespace (tools/netns-run).\n");
    return 1;
  }

  QProcess simulator;
  simulator.setProcessChannelMode(QProcess::MergedChannels);
  // The simulated access points stand in for other machines: lowest priority, so that the
  // figures are the program's and not the two sharing this machine's processors.
  trx::platform::StartAtLowestPriority(simulator, TRX_APSIM,
                                       {"--count", parser.value(count), "--line-rate", parser.value(lineRate)});
  // A hostile device of its own, with no unit of its own, that floods after the first search.
  QProcess attacker;
  attacker.setProcessChannelMode(QProcess::MergedChannels);
  if (parser.value(replyFlood).toInt() > 0)
    trx::platform::StartAtLowestPriority(
        attacker, TRX_APSIM,
        {"--count", "0", "--mimic", "--from", "10.1.0.66", "--flood", parser.value(replyFlood), "--line-rate", "0"});
  for (QProcess* process : {&simulator, &attacker}) {
    if (process == &attacker && parser.value(replyFlood).toInt() <= 0) continue;
    QByteArray said;
    (void)QTest::qWaitFor(
        [&] {
          said += process->readAll();
          return said.contains("listening") || process->state() == QProcess::NotRunning;
        },
        120000);
    if (!said.contains("listening")) {
      std::fprintf(stderr, "the simulator did not start: %s\n", said.constData());
      return 1;
    }
  }

  const auto platform = trx::platform::CreateNativePlatform();
  trx::app::ApplyApplicationLook();
  trx::app::TForm1 form(*platform);
  trx::wizard::Wizard wizard(form);
  using trx::wizard::Step;
  if (parser.isSet(buffer)) form.ZEL_UDPSocket1->SetReceiveBufferSize(parser.value(buffer).toInt());
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) std::fprintf(stderr, "the window was not shown\n");

  // The event loop's health: a 1 ms timer, and how late each of its ticks came.
  QElapsedTimer clock;
  qint64 last = -1, longestGapNs = 0, longestAtNs = 0, lastCpu = 0, longestCpuNs = 0;
  struct Block {
    qint64 atNs, wallNs, cpuNs;
  };
  std::vector<Block> blocks;  // every tick's, to pick those of the burst at the end
  int listed = 0;             // and when the list last grew: how long the burst took to arrive
  qint64 lastListedNs = 0;
  QTimer probe;
  probe.setTimerType(Qt::PreciseTimer);
  probe.setInterval(1);
  QObject::connect(&probe, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    if (form.ap_list->count() != listed) {
      listed = form.ap_list->count();
      lastListedNs = now;
    }
    if (last >= 0 && now - last > longestGapNs) {
      longestGapNs = now - last;
      longestAtNs = last;
    }
    const qint64 cpu = ThreadCpuNs();
    if (last >= 0) longestCpuNs = std::max(longestCpuNs, cpu - lastCpu);
    if (last >= 0) blocks.push_back({last, now - last, cpu - lastCpu});
    last = now;
    lastCpu = cpu;
  });

  std::atomic<bool> stop{false};
  long long junkSent = 0;
  std::thread flood;
  if (const int rate = parser.value(junk).toInt(); rate > 0)
    flood = std::thread([&] { Flood(rate, 3, stop, junkSent); });

  const long long bufferDropsBefore = BufferDrops();
  clock.start();
  probe.start();
  // The two clicks, from the event loop as a person's would come: welcome page, then Next.
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the timer deletes its slot object after the call
  QTimer::singleShot(0, &form, [&] { wizard.b_setupClick(form.b_setup); });
  qint64 nextClickNs = 0, nextAtNs = 0;
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the timer deletes its slot object after the call
  QTimer::singleShot(100, &form, [&] {
    QElapsedTimer t;
    t.start();
    nextAtNs = clock.nsecsElapsed();
    wizard.b_setupClick(form.b_setup);
    nextClickNs = t.nsecsElapsed();
  });
  // A plain event loop: QTest's waits sleep between their turns, which a user's window never does.
  QEventLoop loop;
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if ((clock.elapsed() > 200 && (wizard.CurrentStep() != Step::Connection || !form.errormsg->isHidden())) ||
        clock.elapsed() > 60000)
      loop.quit();
  });
  check.start(5);
  loop.exec();
  const bool left = clock.elapsed() <= 60000;
  const qint64 searchMs = clock.elapsed();
  probe.stop();
  stop = true;
  if (flood.joinable()) flood.join();

  const int sent = parser.value(count).toInt();
  std::printf("replies listed %d / sent %d (%.1f %%), dropped by the system %lld\n", form.ap_list->count(), sent,
              100.0 * form.ap_list->count() / sent, form.ZEL_UDPSocket1->DroppedBySystem());
  const long long bufferDrops = BufferDrops() - bufferDropsBefore;
  std::printf("of which for want of buffer space in this namespace %lld (the rest refused by a socket filter)\n",
              bufferDropsBefore < 0 ? -1 : bufferDrops);
  std::printf("the last reply listed %.0f ms after the click on Next\n", (lastListedNs - nextAtNs) / 1e6);
  std::printf("longest event-loop block %.1f ms, %.0f ms into the search; a 1 ms timer at most %.1f ms late\n",
              longestGapNs / 1e6, longestAtNs / 1e6, std::max<qint64>(0, longestGapNs - 1000000) / 1e6);
  std::printf("longest block in the GUI thread's own processor time %.1f ms\n", longestCpuNs / 1e6);
  // While the replies arrive: from the click on Next to the last reply listed. Later blocks
  // are other programs' turns on a shared machine, in a wait with nothing to do.
  Block burst{0, 0, 0};
  for (const Block& b : blocks)
    if (b.atNs >= nextAtNs && b.atNs <= lastListedNs) {
      burst.wallNs = std::max(burst.wallNs, b.wallNs);
      burst.cpuNs = std::max(burst.cpuNs, b.cpuNs);
    }
  std::printf("while the replies arrived: longest event-loop block %.1f ms, in the GUI thread's own time %.1f ms\n",
              burst.wallNs / 1e6, burst.cpuNs / 1e6);
  if (!left) std::printf("the search did not end\n");
  std::printf("the click on Next took %.1f ms\n", nextClickNs / 1e6);
  QFile cap("/proc/sys/net/core/rmem_max");
  const QByteArray capText = cap.open(QIODevice::ReadOnly) ? cap.readAll().trimmed() : QByteArray("unknown");
  std::printf(
      "search page left after %lld ms; junk datagrams sent %lld; receive buffer %d bytes (the system's cap "
      "rmem_max %s)\n",
      searchMs, junkSent, form.ZEL_UDPSocket1->ReceiveBufferSize(), capText.constData());
#if __has_include(<sys/resource.h>)
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak memory %ld MB\n", usage.ru_maxrss / 1024);
#endif
  for (QProcess* process : {&simulator, &attacker}) {
    process->terminate();
    process->waitForFinished(2000);
  }
  return 0;
}
