// trx61ctl: the installer's command line for many access points at once.
#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "ctl/command.h"
#include "ctl/output.h"

using namespace trx::ctl;

int main(int argc, char* argv[]) {
  // "trx61ctl set ..." runs as a program of its own name, so that its --help says "trx61ctl set".
  const std::string name = argc > 1 ? argv[1] : "";
  const Command* command = nullptr;
  for (const Command& c : Commands())
    if (name == c.name) command = &c;
  std::string program = "trx61ctl " + name;
  std::vector<char*> arguments(argv, argv + argc);
  if (command) {
    arguments.erase(arguments.begin() + 1);
    arguments[0] = program.data();
  }
  int count = static_cast<int>(arguments.size());
  QCoreApplication app(count, arguments.data());
  QCoreApplication::setApplicationName("trx61ctl");
  QCoreApplication::setApplicationVersion(TRX_VERSION);
  Console console{std::cout, std::cerr, Terminal(stdout), Terminal(stderr)};
  UseConsole(&console);
  if (command) {
    UdpTransport network;
    return command->run(app.arguments(), network);
  }
  if (name == "--version") {
    std::printf("trx61ctl %s\n", TRX_VERSION);
    return Finish(kOk);
  }
  const bool asked = name.empty() || name == "--help" || name == "-h";
  if (!asked) Err("unknown command \"" + name + "\"");
  std::FILE* out = asked ? stdout : stderr;
  std::fprintf(out,
               "Usage: trx61ctl COMMAND [OPTIONS]\n"
               "Sets up TRX61 ver. 2.2 access points on every network adapter of this PC (UDP port 27155).\n\n"
               "Commands:\n");
  for (const Command& c : Commands()) {
    const std::string usage = std::string(c.name) + (*c.argument ? " " : "") + c.argument;
    std::fprintf(out, "  %-10s %s\n", usage.c_str(), c.summary);
  }
  std::fprintf(out,
               "\ntrx61ctl COMMAND --help describes each. %s\n"
               "With TRX61_DEBUG=1 the network traffic is reported on standard error.\n",
               kStatuses);
  return asked ? Finish(kOk) : kRefused;
}
