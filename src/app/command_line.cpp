// Command line splitting and option parsing.
#include "app/command_line.h"

int SplitCommandLine(const char*, ArgumentVector* out) {
  *out = {};
  return 0;
}
void FreeArguments(int, char**) {}
int ParseOptions(const ArgumentVector&, StartupOptions*, AppSettings*, std::vector<std::string>*) { return 0; }
void DeriveIniPath(StartupOptions*, const char*) {}
