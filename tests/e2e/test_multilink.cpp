// A PC with several network links, made of veth pairs inside the test's private namespace:
// the default route on one link, simulated access points in child namespaces behind others.
#include <QTemporaryFile>

#include "tests/support/endtoend.h"

namespace trx::test {
namespace {

QString Ip(const QStringList& args) {
  QProcess ip;
  ip.setProcessChannelMode(QProcess::MergedChannels);
  ip.start("ip", args);
  ip.waitForFinished(30000);
  return ip.exitStatus() == QProcess::NormalExit && ip.exitCode() == 0 ? QString() : QString::fromUtf8(ip.readAll());
}

#define EXPECT_IP(...) EXPECT_EQ(Ip({__VA_ARGS__}), "")

// One link of this PC: name here, and behind it a namespace with access points whose host
// names begin with the link's name. address: this side's IPv4 (empty: none). With a second
// address, a second cable (name + "b") joins the same segment through a bridge there, as a
// laptop on Wi-Fi and Ethernet on one network.
class Link {
 public:
  // simulator: more options for its access points. Each takes a MAC of its own
  // (02-00-00-0E-xx-yy, xx the name's first letter in hexadecimal, yy the number): units on
  // two links with one MAC would be twins.
  Link(const QString& name, const QString& address, int accessPoints, const QString& apAddress,
       const QString& secondAddress = {}, const QStringList& simulator = {})
      : name_(name), second_(secondAddress.isEmpty() ? QString() : name + "b") {
    config_.open();
    for (int i = 0; i < accessPoints; ++i) {
      config_.write(QString("[ap]\nhost = %1-ap%2\nip = %3\n").arg(name).arg(i).arg(apAddress).toUtf8());
      config_.write(
          QString("mac = 02-00-00-0E-%1-%2\n").arg(name.front().unicode(), 2, 16).arg(i, 2, 10, QChar('0')).toUtf8());
    }
    config_.flush();
    // The far side says it is in its namespace, waits for its ends of the cables, brings them
    // up (bridged when two), and answers through them (or, with no access points, only holds
    // the cable).
    const QString script =
        "echo ready; for f in $1; do while ! ip link show $f >/dev/null 2>&1; do sleep 0.02; done; done; "
        "dev=far; ip link set lo up && if [ \"$1\" != far ]; then ip link add br0 type bridge && dev=br0 && "
        "for f in $1; do ip link set $f master br0 && ip link set $f up || exit 1; done; fi && "
        "ip link set $dev up && ip addr add \"$2\" dev $dev && ip route add default dev $dev && "
        "shift 2 && if [ $# -gt 0 ]; then exec \"$@\"; else echo listening; exec sleep 100000; fi";
    QStringList command{"unshare",        "-n", "sh", "-c", script, "sh", second_.isEmpty() ? "far" : "far far2",
                        apAddress + "/24"};
    if (accessPoints > 0) command << TRX_APSIM << "--config" << config_.fileName() << simulator;
    simulator_ = std::make_unique<Simulator>(command, [&](qint64 pid) {
      const auto cable = [&](const QString& here, const QString& far, const QString& at) {
        EXPECT_IP("link", "add", "name", here, "type", "veth", "peer", "name", far);
        EXPECT_IP("link", "set", far, "netns", QString::number(pid));
        EXPECT_IP("link", "set", here, "up");
        if (!at.isEmpty()) {
          EXPECT_IP("addr", "add", at + "/24", "dev", here);
        }
      };
      cable(name, "far", address);
      if (!second_.isEmpty()) cable(second_, "far2", secondAddress);
    });
  }
  ~Link() {
    simulator_.reset();
    Ip({"link", "del", name_});  // both ends, now: the next test makes one of the same name
    if (!second_.isEmpty()) Ip({"link", "del", second_});
  }
  void Down() { EXPECT_IP("link", "set", name_, "down"); }
  Simulator& Aps() { return *simulator_; }

 private:
  QString name_, second_;
  QTemporaryFile config_;
  std::unique_ptr<Simulator> simulator_;
};

class MultiLink : public EndToEnd {
 protected:
  // The default route on link "wlan", as on a laptop whose wireless carries the internet.
  void SetUp() override {
    EndToEnd::SetUp();
    wlan_ = std::make_unique<Link>("wlan", "10.1.0.1", apsOnWlan_, "10.1.0.2");
    EXPECT_IP("route", "replace", "default", "via", "10.1.0.2", "dev", "wlan");
  }
  static QStringList Listed(const TForm1& form) {
    QStringList hosts;
    for (int i = 0; i < form.ap_list->count(); ++i) hosts << form.ap_list->item(i)->text().trimmed();
    hosts.sort();
    return hosts;
  }
  int apsOnWlan_ = 0;
  std::unique_ptr<Link> wlan_;
};

class MultiLinkWithApsOnBoth : public MultiLink {
 protected:
  void SetUp() override {
    apsOnWlan_ = 1;
    MultiLink::SetUp();
  }
};

TEST_F(MultiLink, AccessPointsBehindTheLinksWithoutTheDefaultRouteAreListed) {
  Link wired("eth", "192.168.5.1", 2, "192.168.5.20");
  Link bare("usb", "", 1, "172.16.9.9");  // a cable to a port with no IPv4 address
  auto form = NewForm();
  Search(form);
  EXPECT_EQ(Listed(*form).join(','), "eth-ap0,eth-ap1,usb-ap0");
}

TEST_F(MultiLinkWithApsOnBoth, AccessPointsOnBothLinksAreAllListed) {
  Link wired("eth", "192.168.5.1", 2, "192.168.5.20");
  auto form = NewForm();
  Search(form);
  EXPECT_EQ(Listed(*form).join(','), "eth-ap0,eth-ap1,wlan-ap0");
}

TEST_F(MultiLink, SettingsReachAnAccessPointBehindTheOtherLinkAndAreAcknowledged) {
  Link wired("eth", "192.168.5.1", 1, "192.168.5.20");
  auto form = NewForm();
  Search(form);
  ASSERT_EQ(form->ap_list->count(), 1);
  Pick(form, 0);
  ToConfirmation(form);
  SaveAndWait(form);
  EXPECT_EQ(form.wizard->CurrentStep(), Step::Completion);
  EXPECT_EQ(wired.Aps().Count("send gstack"), 1) << wired.Aps().Output().toStdString();
}

TEST_F(MultiLinkWithApsOnBoth, ALinkThatGoesDownLeavesTheOthersWorking) {
  Link wired("eth", "192.168.5.1", 1, "192.168.5.20");
  auto form = NewForm();
  Search(form);
  ASSERT_EQ(Listed(*form).join(','), "eth-ap0,wlan-ap0");
  wired.Down();
  form = NewForm();
  Search(form);
  EXPECT_EQ(Listed(*form).join(','), "wlan-ap0");
}

TEST_F(MultiLink, TwoAdaptersOnOneSegmentListEachAccessPointOnce) {
  Link both("eth", "192.168.5.1", 2, "192.168.5.20", "192.168.5.2");
  auto form = NewForm();
  Search(form);
  EXPECT_EQ(Listed(*form).join(','), "eth-ap0,eth-ap1");
  // trx61ctl: once each, with both adapters named.
  QProcess ctl;
  ctl.start(TRX61CTL, {"discover", "--wait", "1", "--csv"});
  ASSERT_TRUE(ctl.waitForFinished(60000));
  const QStringList lines = QString::fromUtf8(ctl.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3) << lines.join('\n').toStdString();
  EXPECT_TRUE(lines[1].contains(",eth ethb,")) << lines[1].toStdString();
}

// Acknowledgements name no device: one that comes late, while trx61ctl waits for the next
// device's, must not count for that one. Here each device has an address of its own.
TEST_F(MultiLink, ALateAcknowledgementIsNotCreditedToTheNextDevice) {
  Link late("eth", "192.168.5.1", 1, "192.168.5.20", {}, {"--ack-delay", "1500"});
  Link silent("usb", "192.168.6.1", 1, "192.168.6.20", {}, {"--no-ack", "--keep-old"});
  QTemporaryFile csv;
  ASSERT_TRUE(csv.open());
  csv.write("mac,essid\n02-00-00-0E-65-00,first\n02-00-00-0E-75-00,second\n");
  csv.flush();
  QProcess ctl;
  ctl.start(TRX61CTL, {"apply", csv.fileName(), "--ack-wait", "1", "--apply-time", "2"});
  ASSERT_TRUE(ctl.waitForFinished(60000));
  const QString out = QString::fromUtf8(ctl.readAllStandardOutput());
  EXPECT_TRUE(out.contains("02-00-00-0E-65-00 changed without acknowledgement\n")) << out.toStdString();
  EXPECT_TRUE(out.contains("02-00-00-0E-75-00 not acknowledged")) << out.toStdString();
  EXPECT_EQ(ctl.exitCode(), 3);
}

// trx61ctl apply with a CSV file's text; its standard output, and the status in *status.
QString Apply(const QByteArray& rows, const QStringList& options, int* status) {
  QTemporaryFile csv;
  EXPECT_TRUE(csv.open());
  csv.write(rows);
  csv.flush();
  QProcess ctl;
  ctl.start(TRX61CTL, QStringList{"apply", csv.fileName()} + options);
  EXPECT_TRUE(ctl.waitForFinished(120000));
  *status = ctl.exitCode();
  return QString::fromUtf8(ctl.readAllStandardOutput() + ctl.readAllStandardError());
}

// A device per address, all sent to at once: each acknowledgement is credited by its source,
// and each outcome is printed when known, so the silent device, first in the file, comes last.
TEST_F(MultiLink, ASlowFleetIsSetSideBySideAndEachAcknowledgementCountsForItsSender) {
  Link silent("dsl", "192.168.7.1", 1, "192.168.7.20", {}, {"--no-ack"});
  Link slow1("eth", "192.168.5.1", 1, "192.168.5.20", {}, {"--ack-delay", "1000"});
  Link slow2("usb", "192.168.6.1", 1, "192.168.6.20", {}, {"--ack-delay", "1000"});
  int status = -1;
  const QString out = Apply("mac,essid\n02-00-00-0E-64-00,a\n02-00-00-0E-65-00,b\n02-00-00-0E-75-00,c\n",
                            {"--ack-wait", "2.5"}, &status);
  EXPECT_EQ(status, 0) << out.toStdString();
  const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
  ASSERT_GE(lines.size(), 3) << out.toStdString();
  EXPECT_EQ(QStringList(lines.mid(0, 2)).filter(" verified").size(), 2) << out.toStdString();
  EXPECT_EQ(lines[2], "02-00-00-0E-64-00 changed without acknowledgement") << out.toStdString();
}

// Units fresh from the box all on one factory address, each behind a cable of its own: the
// backup restores as it stands, the site is readdressed (acknowledgements from one address
// cannot be told apart: the verifying search decides, and none is credited to a unit), and
// the backup, shared address and all, goes back on --force (each acknowledging from its own).
TEST_F(MultiLink, AFactoryDefaultSiteIsBackedUpReaddressedAndRestored) {
  Link a("abc", "", 1, "192.168.1.1", {}, {"--apply-delay", "200"});
  Link b("bcd", "", 1, "192.168.1.1", {}, {"--apply-delay", "200"});
  Link c("cde", "", 1, "192.168.1.1", {}, {"--apply-delay", "200"});
  QProcess discover;
  discover.start(TRX61CTL, {"discover", "--wait", "1", "--csv", "--show-keys"});
  ASSERT_TRUE(discover.waitForFinished(60000));
  const QByteArray backup = discover.readAllStandardOutput();
  ASSERT_EQ(backup.count(",192.168.1.1,255.255.255.0,"), 3) << backup.toStdString();
  int status = -1;
  QString out = Apply(backup, {}, &status);
  EXPECT_EQ(status, 0) << out.toStdString();
  EXPECT_EQ(out.count("-00 unchanged\n"), 3) << out.toStdString();
  out =
      Apply("mac,ip\n02-00-00-0E-61-00,192.168.1.11\n02-00-00-0E-62-00,192.168.1.12\n02-00-00-0E-63-00,192.168.1.13\n",
            {}, &status);
  EXPECT_EQ(status, 0) << out.toStdString();
  EXPECT_EQ(out.count("-00 changed, acknowledgement not attributable: "), 3) << out.toStdString();
  out = Apply(backup, {}, &status);
  EXPECT_EQ(status, 5) << "the factory address, its own gateway, refused unless forced: " << out.toStdString();
  out = Apply(backup, {"--force"}, &status);
  EXPECT_EQ(status, 0) << out.toStdString();
  EXPECT_EQ(out.count("-00 verified\n"), 3) << out.toStdString();
}

}  // namespace
}  // namespace trx::test
