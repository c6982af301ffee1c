// Temporary folders and file attributes for the native tests.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "support/doc_files.h"

TempFolder::TempFolder() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/varnel-doc-XXXXXX";
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  for (const auto& name : Names()) unlink(File(name).c_str());  // read-only files go too
  rmdir(path_.c_str());
}

std::vector<std::string> TempFolder::Names() const {
  std::vector<std::string> names;
  DIR* dir = opendir(path_.c_str());
  if (!dir) return names;
  while (dirent* e = readdir(dir)) {
    std::string n = e->d_name;
    if (n != "." && n != "..") names.push_back(n);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

void SetReadOnly(const std::string& path, bool readOnly) { chmod(path.c_str(), readOnly ? 0444 : 0644); }

bool TruncateFile(const std::string& path, int64_t size) { return truncate(path.c_str(), size) == 0; }

char PathSeparator() { return '/'; }
