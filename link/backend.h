#pragma once
// What a socket backend does for UdpSocket: a bound UDP socket with a reader that takes
// datagrams off it as they come and hands them to the owner's queue. One file per system
// (backend_linux.cpp, backend_windows.cpp), and Qt's sockets (backend_qt.cpp) for the rest.
#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/udpsocket.h"

namespace trx::link {

class SocketBackend {
 public:
  virtual ~SocketBackend() = default;
  // On failure nothing stays open, and Error() says why.
  virtual bool Open(const QHostAddress& local, quint16 port, int receiveBuffer) = 0;
  virtual QString Error() const = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  virtual int SetReceiveBuffer(int bytes) = 0;  // returns the size granted
  virtual int ReceiveBuffer() const = 0;
  virtual long long Drops() const = 0;
  virtual void SetHeaders(std::vector<std::string> headers, bool inSystem) = 0;
  virtual int Send(const std::vector<QByteArray>& datagrams, const QHostAddress& to, quint16 port) = 0;
  // The same, datagram i from the source address sources[i] where the system lets a sender
  // choose it (a simulator standing in for many devices); elsewhere as Send.
  virtual int SendFrom(const std::vector<QByteArray>& datagrams, const std::vector<QHostAddress>& sources,
                       const QHostAddress& to, quint16 port) {
    (void)sources;
    return Send(datagrams, to, port);
  }
  // Takes what is queued on the socket now, unless the reader is at it already.
  virtual void ReadNow() {}
};

// The system's own socket calls, or nullptr where this build has no such backend.
std::unique_ptr<SocketBackend> MakeNativeBackend(UdpSocket* owner, SystemFaults faults);
// Qt's socket classes, as on any system.
std::unique_ptr<SocketBackend> MakeQtBackend(UdpSocket* owner);

// How many datagrams the system has dropped for this socket because its receive buffer was
// full, since the socket was made; -1 where the system does not tell.
long long ReceiveDrops(qintptr socketDescriptor);

// What the backends share.
// Why a socket did not open, for Error() and the debug log: the step that failed and the
// system's words for its error code.
QString OpenFailure(quint16 port, const char* step, int error);
QString InterfaceName(int index);
bool Accepted(const std::vector<std::string>& headers, const char* data, qsizetype size);
void NoteRefused(qsizetype size, const QHostAddress& from, int interfaceIndex);

// One datagram out: interfaceIndex 0 follows the routing table, any other leaves by that
// interface. Returns true when the system took it; else error says why. The datagram passed
// is the element of the list SendEverywhere was given, not a copy.
using SendOne =
    std::function<bool(const QByteArray&, const QHostAddress&, quint16, int interfaceIndex, QString* error)>;

// Each datagram: the routed send, then one copy out of each other adapter for a limited
// broadcast. Returns how many of the datagrams, from the first, some interface took.
int SendEverywhere(const std::vector<QByteArray>& datagrams, const QHostAddress& to, quint16 port, const SendOne& send);

}  // namespace trx::link
