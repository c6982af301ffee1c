// The long-path form of ANSI paths.
#include "core/wide_path_win.h"

#include <windows.h>

#include "core/codepage.h"

std::wstring WidePath(const char* path) {
  std::u16string text = AnsiToUtf16(path);
  std::wstring wide(text.begin(), text.end());
  DWORD n = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (n > 0) {
    std::wstring full(n, L'\0');
    n = GetFullPathNameW(wide.c_str(), n, full.data(), nullptr);
    if (n > 0 && n < full.size()) wide.assign(full.data(), n);
  }
  // CreateDirectoryW stops 12 characters short of MAX_PATH.
  if (wide.size() < MAX_PATH - 12 || wide.rfind(L"\\\\?\\", 0) == 0) return wide;
  if (wide.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + wide.substr(2);
  return L"\\\\?\\" + wide;
}
