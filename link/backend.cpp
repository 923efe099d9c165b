#include "link/backend.h"

#include <QNetworkInterface>
#include <QStringList>
#include <algorithm>

#include "link/debuglog.h"
#include "link/interfaces.h"

namespace trx::link {

namespace {

// The first bytes of a datagram, readable in a log line.
QString Preview(const QByteArray& bytes) {
  QString out;
  for (const char c : bytes.left(9)) out += (c >= 0x20 && c < 0x7F) ? QChar(c) : QChar('.');
  return out;
}

}  // namespace

QString OpenFailure(quint16 port, const char* step, int error) {
  QString text = QString("cannot open UDP port %1: %2: %3 (%4)").arg(port).arg(step, qt_error_string(error)).arg(error);
  DebugLine(text);
  return text;
}

QString InterfaceName(int index) {
  const QString name = index > 0 ? QNetworkInterface::interfaceNameFromIndex(index) : QString();
  return name.isEmpty() && index > 0 ? QString("#%1").arg(index) : name;
}

bool Accepted(const std::vector<std::string>& headers, const char* data, qsizetype size) {
  if (headers.empty()) return true;
  return std::any_of(headers.begin(), headers.end(), [&](const std::string& h) {
    return size >= static_cast<qsizetype>(h.size()) && std::equal(h.begin(), h.end(), data);
  });
}

void NoteRefused(qsizetype size, const QHostAddress& from, int interfaceIndex) {
  DebugLine(QString("recv %1 bytes from %2 on %3: refused, not a reply or acknowledgement")
                .arg(size)
                .arg(from.toString(), InterfaceName(interfaceIndex)));
}

int SendEverywhere(const std::vector<QByteArray>& datagrams, const QHostAddress& to, quint16 port,
                   const SendOne& send) {
  const bool debug = DebugEnabled();
  const QList<QNetworkInterface> others =
      to == QHostAddress(QHostAddress::Broadcast) ? OtherBroadcastInterfaces() : QList<QNetworkInterface>();
  const QString routedVia = debug ? InterfaceName(RoutedBroadcastInterface()) : QString();
  int taken = 0;
  for (const QByteArray& bytes : datagrams) {
    QStringList report;
    QString error;
    bool anyTaken = send(bytes, to, port, 0, &error);
    if (debug)
      report << QString("routed%1 %2")
                    .arg(routedVia.isEmpty() ? "" : " via " + routedVia, anyTaken ? "ok" : "failed (" + error + ")");
    for (const QNetworkInterface& i : others) {  // a failure on one adapter does not stop the others
      const bool sent = send(bytes, to, port, i.index(), &error);
      anyTaken = anyTaken || sent;
      if (debug) report << QString("%1 %2").arg(i.name(), sent ? "ok" : "failed (" + error + ")");
    }
    if (debug)
      DebugLine(QString("send \"%1\" (%2 bytes) to %3:%4: %5")
                    .arg(Preview(bytes))
                    .arg(bytes.size())
                    .arg(to.toString())
                    .arg(port)
                    .arg(report.join(", ")));
    if (!anyTaken) break;
    ++taken;
  }
  return taken;
}

}  // namespace trx::link
