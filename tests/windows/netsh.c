/* A stand-in for netsh.exe in the installer test's wine prefix (wine's own has no
 * advfirewall): it appends its arguments, as netsh would parse them, to C:\netsh-calls.txt,
 * one call a line with the arguments separated by '|', and answers as netsh does. */
#include <stdio.h>
#include <wchar.h>

int wmain(int argc, wchar_t** argv) {
  FILE* log = _wfopen(L"C:\\netsh-calls.txt", L"a, ccs=UTF-8");
  if (log == NULL) return 1;
  for (int i = 1; i < argc; ++i) fwprintf(log, L"%ls%ls", i > 1 ? L"|" : L"", argv[i]);
  fwprintf(log, L"\n");
  fclose(log);
  wprintf(L"Ok.\n");
  return 0;
}
