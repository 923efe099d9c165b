// A stand-in for a program the installer test's wine prefix needs to watch: netsh.exe (wine's
// own answers "Ok." and keeps no firewall rule), and the PDF and HTML viewers the User Guide
// button opens. It appends its arguments, as the program would parse them, to
// C:\<its own name>-calls.txt in UTF-8 (netsh-calls.txt as netsh.exe), one call a line with
// the arguments separated by '|', and answers as netsh does.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

void Write(FILE* log, const wchar_t* text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return;
  std::string bytes(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), n, nullptr, nullptr);
  std::fwrite(bytes.data(), 1, static_cast<size_t>(n - 1), log);
}

// The file name of this program without its folder and extension.
std::wstring OwnName() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  return name.substr(0, name.find_last_of(L'.'));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  FILE* log = _wfopen((L"C:\\" + OwnName() + L"-calls.txt").c_str(), L"ab");
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
