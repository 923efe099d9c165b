#include "link/debuglog.h"

#include <QByteArray>
#include <cstdio>
#include <cstdlib>

#include "link/terminaltext.h"

namespace trx::link {

bool DebugEnabled() {
  static const bool enabled = [] {
    const char* v = std::getenv("TRX61_DEBUG");
    return v != nullptr && *v != '\0' && QByteArray(v) != "0";
  }();
  return enabled;
}

void DebugLine(const QString& line) {
  if (!DebugEnabled()) return;
  // A line may carry a device's text: shown, never obeyed by the terminal, and one line.
  const std::string safe = TerminalSafe(line.toStdString(), true);
  const QByteArray text = "trx61: " + QString::fromStdString(safe).toLocal8Bit() + '\n';
  std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stderr);  // one write per line
  std::fflush(stderr);  // the Windows runtime buffers a standard error that goes to a file
}

}  // namespace trx::link
