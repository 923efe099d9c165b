// The system's socket calls failing, one at a time, on the backend of this system: the
// component reports why, leaves nothing open, and never hangs or blocks its owner.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <atomic>
#include <cerrno>
#include <vector>

#include "link/udpsocket.h"
#if defined(_WIN32)
#include <winsock2.h>
#endif

using trx::link::SystemCall;
using trx::link::UdpSocket;

namespace {

#if defined(_WIN32)
constexpr int kNoHandles = WSAEMFILE;
constexpr int kReset = WSAECONNRESET;
constexpr int kNoBuffers = WSAENOBUFS;
#else
constexpr int kNoHandles = EMFILE;
constexpr int kReset = ECONNREFUSED;
constexpr int kNoBuffers = ENOBUFS;
#endif

// Fails the nth call of one kind (from 1) with an error; every other call goes ahead.
struct Fault {
  SystemCall call;
  int nth = 1;
  int error = kNoHandles;
  std::shared_ptr<std::atomic<int>> seen = std::make_shared<std::atomic<int>>(0);
  trx::link::SystemFaults Plan() const {
    return [*this](SystemCall c) { return c == call && ++*seen == nth ? error : 0; };
  }
};

void Aim(UdpSocket& s) {
  s.lclPort = 27155;
  s.rmtPort = 27155;
  s.RmtAddr = "255.255.255.255";
}

bool WaitFor(const std::function<bool()>& done, int ms = 3000) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) QTest::qWait(5);
  return done();
}

}  // namespace

TEST(SocketFaults, OpenFailsWithTheReasonAndLeavesNothingOpen) {
  std::vector<std::pair<Fault, const char*>> faults = {
    {{SystemCall::Socket}, "socket"},
    {{SystemCall::Option}, "address reuse"},
    {{SystemCall::Option, 2}, "broadcast permission"},
    {{SystemCall::Bind}, "bind"},
    {{SystemCall::Thread}, "reader thread"},
#if defined(_WIN32)
    {{SystemCall::Startup}, "Winsock start"},
    {{SystemCall::Event}, "readiness event"},
    {{SystemCall::Event, 2}, "stop event"},
    {{SystemCall::Select}, "readiness selection"},
#else
    {{SystemCall::Event}, "wake-up event"},
#endif
  };
  for (const auto& [fault, step] : faults) {
    SCOPED_TRACE(step);
    {
      UdpSocket s(nullptr, UdpSocket::Backend::Native, fault.Plan());
      Aim(s);
      EXPECT_FALSE(s.Open());
      EXPECT_FALSE(s.IsOpen());
      EXPECT_TRUE(s.ErrorString().contains(step)) << s.ErrorString().toStdString();
      EXPECT_TRUE(s.ErrorString().contains(QString("(%1)").arg(kNoHandles))) << s.ErrorString().toStdString();
      s.Close();
    }  // destroyed without waiting for anything
    // Nothing was left bound or waiting: the port opens and hears its own broadcast.
    UdpSocket again;
    Aim(again);
    int heard = 0;
    QObject::connect(&again, &UdpSocket::OnRecv, [&heard](QObject*, const std::uint8_t*, int) { ++heard; });
    ASSERT_TRUE(again.Open()) << again.ErrorString().toStdString();
    EXPECT_TRUE(again.ErrorString().isEmpty());
    const std::uint8_t ping[] = {'p'};
    again.SendBytes(ping, 1);
    EXPECT_TRUE(WaitFor([&] { return heard == 1; }));
  }
}

TEST(SocketFaults, AnUnopenedSocketWithNoSocketToSendFromSendsNothing) {
  UdpSocket s(nullptr, UdpSocket::Backend::Native, Fault{SystemCall::Socket}.Plan());
  Aim(s);
  const std::uint8_t ping[] = {'p'};
  EXPECT_EQ(s.SendBytes(ping, 1), -1);
  EXPECT_EQ(s.SendBytes(ping, 1), 1) << "the next send makes its socket";
}

// A reset reported by a receive stands for no datagram: the one behind it is read at once.
// After any other error the reader tries again shortly, without waiting for more to arrive.
TEST(SocketFaults, NoReceiveErrorEndsTheReading) {
  for (const int error : {kReset, kNoBuffers}) {
    SCOPED_TRACE(error);
    UdpSocket s(nullptr, UdpSocket::Backend::Native, Fault{SystemCall::Receive, 1, error}.Plan());
    Aim(s);
    std::vector<std::uint8_t> heard;
    QObject::connect(&s, &UdpSocket::OnRecv,
                     [&heard](QObject*, const std::uint8_t* buf, int) { heard.push_back(*buf); });
    ASSERT_TRUE(s.Open());
    const std::uint8_t first[] = {'1'}, second[] = {'2'};
    ASSERT_EQ(s.SendBytes(first, 1), 1);
    EXPECT_TRUE(WaitFor([&] { return heard.size() == 1; }));
    ASSERT_EQ(s.SendBytes(second, 1), 1);
    EXPECT_TRUE(WaitFor([&] { return heard.size() == 2; }));
    EXPECT_EQ(heard, (std::vector<std::uint8_t>{'1', '2'}));
  }
}
