// Native stand-ins for the canonical form and the existence test: an absolute
// path from the working directory, and stat.
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "core/path.h"

std::string CanonicalPath(const char* input) {
  std::string path = input;
  if (path.empty() || path[0] == '/') return path;
  char cwd[4096];
  if (getcwd(cwd, sizeof cwd) == nullptr) return path;
  std::string result = cwd;
  if (result.empty() || result.back() != '/') result.push_back('/');
  return result + path;
}

bool FileExists(const char* path) {
  struct stat info;
  return stat(path, &info) == 0;
}
