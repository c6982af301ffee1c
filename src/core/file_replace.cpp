// The folder part of a path, shared by both platforms' file replacement.
#include "core/file_replace.h"

#include "core/codepage.h"

std::string FolderOf(const char* path) {
  size_t end = 0;  // just past the last separator seen
  for (size_t i = 0; path[i]; ++i) {
    unsigned char c = static_cast<unsigned char>(path[i]);
    if (IsLeadByte(c) && path[i + 1]) {
      ++i;  // a trail byte may equal '\\'; it is no separator
      continue;
    }
    if (c == '\\' || c == '/' || (c == ':' && i == 1)) end = i + 1;
  }
  return std::string(path, end);
}
