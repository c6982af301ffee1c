// Proves a Wine environment before the Windows tests run in it: prints the ANSI
// code page and the width of the process, and exits with 0 only for code page 932.
#include <windows.h>

#include <cstdio>

int main() {
  UINT acp = GetACP();
  std::printf("acp=%u bits=%u\n", acp, static_cast<unsigned>(sizeof(void*) * 8));
  std::fflush(stdout);
  return acp == 932 ? 0 : 1;
}
