#pragma once
// Diagnostics for a person at a terminal: with TRX61_DEBUG=1 in the environment, what was
// sent on which interface and what became of each datagram received goes to standard
// error. Without it nothing is written.
#include <QString>

namespace trx::link {

bool DebugEnabled();
// One line on standard error, when enabled, terminal-safe (link/terminaltext.h): control
// characters and line breaks show as U+FFFD. Safe from any thread.
void DebugLine(const QString& line);

}  // namespace trx::link
