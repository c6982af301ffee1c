// The canonical form of a path and the existence test, through the file system.
#include <windows.h>

#include <string>

#include "core/codepage.h"
#include "core/path.h"
#include "core/text_limits.h"
#include "core/wide_path_win.h"

namespace {

// Index just past the next single-byte "\" at or after from, or npos.
size_t PastNextSeparator(const std::string& s, size_t from) {
  for (size_t i = from; i < s.size();) {
    auto b = static_cast<unsigned char>(s[i]);
    if (IsLeadByte(b) && i + 1 < s.size()) {
      i += 2;
    } else if (b == '\\') {
      return i + 1;
    } else {
      ++i;
    }
  }
  return std::string::npos;
}

// Length of the root kept as it is: "X:" or "X:\", or "\\server\".
size_t RootLength(std::string* full) {
  std::string& s = *full;
  if (s.size() >= 2 && s[1] == ':' && !IsLeadByte(static_cast<unsigned char>(s[0]))) {
    s[0] = static_cast<char>(UpperAnsiChar(static_cast<unsigned char>(s[0])));
    return (s.size() >= 3 && s[2] == '\\') ? 3 : 2;
  }
  if (s.size() >= 2 && s[0] == '\\' && s[1] == '\\') {
    size_t past = PastNextSeparator(s, 2);
    return past == std::string::npos ? s.size() : past;
  }
  return (!s.empty() && s[0] == '\\') ? 1 : 0;
}

bool HasWildcard(const std::string& component) {
  return component.find_first_of("*?") != std::string::npos;
}

}  // namespace

std::string CanonicalPath(const char* input) {
  char buffer[kTextBufferSize];
  DWORD n = GetFullPathNameA(input, sizeof buffer, buffer, nullptr);
  if (n == 0 || n >= sizeof buffer) return input;
  std::string full(buffer, n);

  size_t root = RootLength(&full);
  std::string result = full.substr(0, root);
  for (size_t start = root; start < full.size();) {
    size_t past = PastNextSeparator(full, start);
    size_t end = past == std::string::npos ? full.size() : past - 1;
    std::string component = full.substr(start, end - start);
    result += component;
    // A wildcard would let find-first answer with some other file's name.
    if (!component.empty() && !HasWildcard(component)) {
      WIN32_FIND_DATAA found;
      HANDLE h = FindFirstFileA(result.c_str(), &found);
      if (h != INVALID_HANDLE_VALUE) {
        FindClose(h);
        // A name the code page cannot spell comes back with "?" in it; the typed
        // form still reaches the file.
        std::string spelled = found.cFileName;
        if (!HasWildcard(spelled)) {
          result.resize(result.size() - component.size());
          result += spelled;
        }
      }
    }
    if (past == std::string::npos) break;
    result.push_back('\\');
    start = past;
  }
  // Long forms of short names may not fit the program's text buffers.
  if (result.size() > static_cast<size_t>(kMaxTextLength)) return full;
  return result;
}

bool FileExists(const char* path) {
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW(WidePath(path).c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return false;
  FindClose(h);
  return true;
}
