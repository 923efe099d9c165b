#include "tools/netns/guard.h"

#include <QNetworkInterface>
#include <cstring>
#include <string>
#if defined(__linux__)
#include <linux/ethtool.h>
#include <linux/sockios.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace trx::tools {

namespace {

#if defined(__linux__)
std::string LinkText(const char* path) {
  char buf[128];
  const ssize_t n = ::readlink(path, buf, sizeof buf);
  return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
}

// The kernel driver behind an interface ("veth" for the test links), or "" if unknown.
std::string Driver(const QString& name) {
  const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  if (fd < 0) return {};
  ethtool_drvinfo info{};
  info.cmd = ETHTOOL_GDRVINFO;
  ifreq request{};
  std::strncpy(request.ifr_name, name.toLocal8Bit().constData(), IFNAMSIZ - 1);
  request.ifr_data = reinterpret_cast<char*>(&info);
  const bool ok = ::ioctl(fd, SIOCETHTOOL, &request) == 0;
  ::close(fd);
  return ok ? std::string(info.driver) : std::string();
}
#endif

}  // namespace

bool InPrivateNetworkNamespace() {
#if defined(__linux__)
  const std::string mine = LinkText("/proc/self/ns/net");
  const std::string machine = LinkText("/proc/1/ns/net");
  if (!mine.empty() && !machine.empty()) return mine != machine;
  // Where process 1 is out of sight: only loopback and the veth links of a test segment, and
  // bridges, which can join only what is here (a real adapter here would fail this itself).
  for (const QNetworkInterface& i : QNetworkInterface::allInterfaces())
    if (!i.flags().testFlag(QNetworkInterface::IsLoopBack) && Driver(i.name()) != "veth" &&
        Driver(i.name()) != "bridge")
      return false;
  return true;
#else
  // No namespaces to compare (Windows, also under wine in a private namespace): only a
  // system whose every running interface is loopback can send nothing to a real network.
  for (const QNetworkInterface& i : QNetworkInterface::allInterfaces())
    if (i.flags().testFlag(QNetworkInterface::IsUp) && !i.flags().testFlag(QNetworkInterface::IsLoopBack)) return false;
  return true;
#endif
}

}  // namespace trx::tools
