// A stand-in for netsh.exe in the installer test's wine prefix (wine's own answers "Ok." and
// keeps no firewall rule): it appends its arguments, as netsh would parse them, to
// C:\netsh-calls.txt in UTF-8, one call a line with the arguments separated by '|', and
// answers as netsh does.
#include <windows.h>

#include <cstdio>

namespace {

void Write(FILE* log, const wchar_t* text) {
  char bytes[4096];
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
  if (n > 1) std::fwrite(bytes, 1, static_cast<size_t>(n - 1), log);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  FILE* log = _wfopen(L"C:\\netsh-calls.txt", L"ab");
  if (log == nullptr) return 1;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) Write(log, L"|");
    Write(log, argv[i]);
  }
  Write(log, L"\n");
  std::fclose(log);
  std::printf("Ok.\n");
  return 0;
}
