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
// names begin with the link's name. address: this side's IPv4 (empty: none).
class Link {
 public:
  Link(const QString& name, const QString& address, int accessPoints, const QString& apAddress) : name_(name) {
    config_.open();
    for (int i = 0; i < accessPoints; ++i)
      config_.write(QString("[ap]\nhost = %1-ap%2\nip = %3\n").arg(name).arg(i).arg(apAddress).toUtf8());
    config_.flush();
    // The far side waits for its end of the cable, brings it up, and answers through it
    // (or, with no access points, only holds the cable).
    const QString script =
        "while ! ip link show far >/dev/null 2>&1; do sleep 0.02; done; "
        "ip link set lo up && ip link set far up && ip addr add \"$1\" dev far && ip route add default dev far && "
        "shift && if [ $# -gt 0 ]; then exec \"$@\"; else echo listening; exec sleep 100000; fi";
    QStringList command{"unshare", "-n", "sh", "-c", script, "sh", apAddress + "/24"};
    if (accessPoints > 0) command << TRX_APSIM << "--config" << config_.fileName();
    simulator_ = std::make_unique<Simulator>(command, [&](qint64 pid) {
          EXPECT_IP("link", "add", "name", name, "type", "veth", "peer", "name", "far");
          EXPECT_IP("link", "set", "far", "netns", QString::number(pid));
          EXPECT_IP("link", "set", name, "up");
          if (!address.isEmpty()) {
            EXPECT_IP("addr", "add", address + "/24", "dev", name);
          }
        });
  }
  ~Link() {
    simulator_.reset();
    Ip({"link", "del", name_});  // both ends, now: the next test makes one of the same name
  }
  void Down() { EXPECT_IP("link", "set", name_, "down"); }
  Simulator& Aps() { return *simulator_; }

 private:
  QString name_;
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
  Search(*form);
  EXPECT_EQ(Listed(*form).join(','), "eth-ap0,eth-ap1,usb-ap0");
}

TEST_F(MultiLinkWithApsOnBoth, AccessPointsOnBothLinksAreAllListed) {
  Link wired("eth", "192.168.5.1", 2, "192.168.5.20");
  auto form = NewForm();
  Search(*form);
  EXPECT_EQ(Listed(*form).join(','), "eth-ap0,eth-ap1,wlan-ap0");
}

TEST_F(MultiLink, SettingsReachAnAccessPointBehindTheOtherLinkAndAreAcknowledged) {
  Link wired("eth", "192.168.5.1", 1, "192.168.5.20");
  auto form = NewForm();
  Search(*form);
  ASSERT_EQ(form->ap_list->count(), 1);
  Pick(*form, 0);
  ToConfirmation(*form);
  SaveAndWait(*form);
  EXPECT_EQ(form->WizardStep(), "8");
  EXPECT_EQ(wired.Aps().Count("send gstack"), 1) << wired.Aps().Output().toStdString();
}

TEST_F(MultiLinkWithApsOnBoth, ALinkThatGoesDownLeavesTheOthersWorking) {
  Link wired("eth", "192.168.5.1", 1, "192.168.5.20");
  auto form = NewForm();
  Search(*form);
  ASSERT_EQ(Listed(*form).join(','), "eth-ap0,wlan-ap0");
  wired.Down();
  form = NewForm();
  Search(*form);
  EXPECT_EQ(Listed(*form).join(','), "wlan-ap0");
}

}  // namespace
}  // namespace trx::test
