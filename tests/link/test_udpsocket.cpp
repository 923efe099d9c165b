// The socket component with real sockets, in the test's private network namespace.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>
#include <algorithm>
#include <string>
#include <vector>

#include "link/backend.h"
#include "link/udpsocket.h"

using trx::link::TZEL_UDPSocket;

namespace {

// What the system lets a socket ask for (a Linux system's cap; elsewhere, the request).
int LargestReceiveBuffer() {
  QFile cap("/proc/sys/net/core/rmem_max");
  bool ok = false;
  const int bytes = cap.open(QIODevice::ReadOnly) ? cap.readAll().trimmed().toInt(&ok) : 0;
  return ok ? std::min(bytes, TZEL_UDPSocket::kReceiveBufferBytes) : TZEL_UDPSocket::kReceiveBufferBytes;
}

struct Received {
  std::vector<std::vector<std::uint8_t>> datagrams;
};

void OpenOnTestPort(TZEL_UDPSocket& s, Received& into) {
  s.lclPort = 27155;
  s.rmtPort = 27155;
  s.RmtAddr = "255.255.255.255";
  QObject::connect(&s, &TZEL_UDPSocket::OnRecv, [&into](QObject*, const std::uint8_t* buf, int len) {
    into.datagrams.emplace_back(buf, buf + len);
  });
  ASSERT_TRUE(s.Open());
}

bool WaitFor(const std::function<bool()>& done, int ms = 3000) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) QTest::qWait(5);
  return done();
}

class UdpSocket : public ::testing::TestWithParam<TZEL_UDPSocket::Backend> {};

}  // namespace

// Every backend this system has: its own (the Linux calls, Winsock) and Qt's.
INSTANTIATE_TEST_SUITE_P(Backends, UdpSocket,
                         ::testing::Values(TZEL_UDPSocket::Backend::Native, TZEL_UDPSocket::Backend::Portable),
                         [](const ::testing::TestParamInfo<TZEL_UDPSocket::Backend>& info) {
                           return info.param == TZEL_UDPSocket::Backend::Portable ? "Qt" : "Native";
                         });

TEST_P(UdpSocket, TwoInstancesReceiveEachOthersBroadcast) {
  TZEL_UDPSocket a(nullptr, GetParam()), b(nullptr, GetParam());
  Received ra, rb;
  OpenOnTestPort(a, ra);
  OpenOnTestPort(b, rb);
  const std::uint16_t words[] = {'g', 's', 't', 's', 'e', 'a', 'r', 'c', 'h'};
  a.SendBuffer(words, 9);
  ASSERT_TRUE(WaitFor([&] { return !rb.datagrams.empty() && !ra.datagrams.empty(); }));
  const std::vector<std::uint8_t> expected = {'g', 's', 't', 's', 'e', 'a', 'r', 'c', 'h'};
  EXPECT_EQ(rb.datagrams.front(), expected);
  EXPECT_EQ(ra.datagrams.front(), expected) << "the sender hears its own broadcast too";
}

TEST_P(UdpSocket, SendsTheLowByteOfEachElement) {
  TZEL_UDPSocket a(nullptr, GetParam());
  Received r;
  OpenOnTestPort(a, r);
  const std::uint16_t words[] = {0x1234, 0xFF00, 0x00FF, 0xABCD};
  a.SendBuffer(words, 4);
  ASSERT_TRUE(WaitFor([&] { return !r.datagrams.empty(); }));
  EXPECT_EQ(r.datagrams.front(), (std::vector<std::uint8_t>{0x34, 0x00, 0xFF, 0xCD}));
}

TEST_P(UdpSocket, LargeDatagramArrivesWholeWithItsTrueLength) {
  TZEL_UDPSocket a(nullptr, GetParam());
  Received r;
  OpenOnTestPort(a, r);
  for (const int size : {60000, 65507}) {
    r.datagrams.clear();
    std::vector<std::uint16_t> words(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) words[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(i * 7);
    a.SendBuffer(words.data(), size);
    ASSERT_TRUE(WaitFor([&] { return !r.datagrams.empty(); })) << size;
    ASSERT_EQ(r.datagrams.front().size(), static_cast<std::size_t>(size));
    EXPECT_EQ(r.datagrams.front()[size - 1], static_cast<std::uint8_t>((size - 1) * 7));
  }
}

// A flood of large datagrams costs what is kept of each; a stand-in for a device sends from
// that device's address where the system allows it (Linux, in a namespace of one's own).
TEST_P(UdpSocket, KeepsOnlyTheFirstBytesAndSendsFromAChosenAddress) {
  TZEL_UDPSocket a(nullptr, GetParam()), b(nullptr, GetParam());
  Received r, own;
  QHostAddress from;
  QObject::connect(&a, &TZEL_UDPSocket::OnRecv, [&] { from = a.CurrentSource(); });
  OpenOnTestPort(a, r);
  OpenOnTestPort(b, own);
  a.SetLargestKept(342);
  const QByteArray big(65507, 'k');
  ASSERT_EQ(b.SendManyFrom({big}, {QHostAddress("10.1.0.66")}), 1);
  ASSERT_TRUE(WaitFor([&] { return !r.datagrams.empty(); }));
  EXPECT_EQ(r.datagrams.front(), std::vector<std::uint8_t>(342, 'k'));
#if defined(__linux__)
  const bool chosen = GetParam() == TZEL_UDPSocket::Backend::Native;
#else
  const bool chosen = false;
#endif
  EXPECT_EQ(from == QHostAddress("10.1.0.66"), chosen) << from.toString().toStdString();
}

TEST_P(UdpSocket, ReopeningKeepsQueuedDatagrams) {
  TZEL_UDPSocket a(nullptr, GetParam());
  Received r;
  OpenOnTestPort(a, r);
  QUdpSocket sender;
  sender.writeDatagram("one", QHostAddress::LocalHost, 27155);
  sender.writeDatagram("two", QHostAddress::LocalHost, 27155);
  sender.waitForBytesWritten(1000);
  ASSERT_TRUE(a.Open()) << "open again, as every activation of the form does";
  ASSERT_TRUE(WaitFor([&] { return r.datagrams.size() == 2; }));
}

TEST_P(UdpSocket, ABurstOfAThousandRepliesIsNotLost) {
  TZEL_UDPSocket a(nullptr, GetParam());
  Received r;
  OpenOnTestPort(a, r);
  EXPECT_GE(a.ReceiveBufferSize(), LargestReceiveBuffer()) << "the system granted less than asked";
  QUdpSocket sender;
  std::vector<char> reply(342, 'x');
  int sent = 0;
  for (int i = 0; i < 1000; ++i) {
    reply[0] = static_cast<char>(i);
    if (sender.writeDatagram(reply.data(), static_cast<qint64>(reply.size()), QHostAddress::LocalHost, 27155) == 342)
      ++sent;
  }
  ASSERT_EQ(sent, 1000);
  EXPECT_TRUE(WaitFor([&] { return r.datagrams.size() == 1000; })) << "got " << r.datagrams.size();
}

// Only datagrams that begin with an accepted header reach the handler, whether the reader or
// the system filters: shorter ones, near misses and a header later in the datagram do not.
TEST_P(UdpSocket, OnlyAcceptedHeadersAreHandedOver) {
  using Check = TZEL_UDPSocket::HeaderCheck;
  for (const Check where : {Check::InReader, Check::InSystem}) {
    TZEL_UDPSocket a(nullptr, GetParam());
    Received r;
    a.SetAcceptedHeaders({"KX7315", "gstack"}, where);
    OpenOnTestPort(a, r);
    const std::vector<std::string> sent = {"KX7315 reply", "KX731",  "KX7316", "gstac", "gstack", "",
                                           "xgstack",      "gstacK", "KX7315"};
    QUdpSocket sender;
    for (const std::string& d : sent)
      sender.writeDatagram(d.data(), static_cast<qint64>(d.size()), QHostAddress::LocalHost, 27155);
    sender.writeDatagram("gstack end", QHostAddress::LocalHost, 27155);
    ASSERT_TRUE(WaitFor([&] { return !r.datagrams.empty() && r.datagrams.back().size() == 10; }))
        << (where == Check::InSystem ? "in the system" : "in the reader");
    std::vector<std::string> got;
    for (const auto& d : r.datagrams) got.emplace_back(d.begin(), d.end());
    EXPECT_EQ(got, (std::vector<std::string>{"KX7315 reply", "gstack", "KX7315", "gstack end"}))
        << (where == Check::InSystem ? "in the system" : "in the reader");
  }
}

// Sent minus read back is what the system dropped: the counter must say exactly that.
TEST(UdpDrops, CounterMatchesWhatAFullBufferLost) {
#if !defined(__linux__)
  GTEST_SKIP() << "the system's drop counter is read on Linux only";
#endif
  QUdpSocket receiver;
  ASSERT_TRUE(receiver.bind(QHostAddress::LocalHost, 0));
  receiver.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
  EXPECT_EQ(trx::link::ReceiveDrops(receiver.socketDescriptor()), 0);
  QUdpSocket sender;
  constexpr int kSent = 200;
  for (int i = 0; i < kSent; ++i)
    sender.writeDatagram(QByteArray(300, 'x'), QHostAddress::LocalHost, receiver.localPort());
  int read = 0;
  while (receiver.hasPendingDatagrams() && receiver.receiveDatagram().isValid()) ++read;
  ASSERT_LT(read, kSent);
  EXPECT_EQ(trx::link::ReceiveDrops(receiver.socketDescriptor()), kSent - read);
}
