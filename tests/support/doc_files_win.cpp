// Temporary folders and file attributes for the Windows tests.
#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "support/doc_files.h"

TempFolder::TempFolder() {
  char base[MAX_PATH], name[MAX_PATH];
  static unsigned counter = 0;
  if (GetTempPathA(MAX_PATH, base) == 0) throw std::runtime_error("no temporary folder");
  do {
    wsprintfA(name, "%svarnel-doc-%lu-%u", base, GetCurrentProcessId(), counter++);
  } while (!CreateDirectoryA(name, nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
  path_ = name;
}

namespace {

// Removes a folder with everything in it, read-only files and paths beyond
// MAX_PATH included (path is a "\\?\" path).
void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW data;
  HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &data);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring full = path + L"\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(full.c_str());
      }
    } while (FindNextFileW(h, &data));
    FindClose(h);
  }
  RemoveDirectoryW(path.c_str());
}

}  // namespace

TempFolder::~TempFolder() {
  wchar_t wide[MAX_PATH];  // the folder's own path is short
  if (MultiByteToWideChar(CP_ACP, 0, path_.c_str(), -1, wide, MAX_PATH)) RemoveTree(L"\\\\?\\" + std::wstring(wide));
}

std::vector<std::string> TempFolder::Names() const {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE h = FindFirstFileA((path_ + "\\*").c_str(), &data);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    std::string n = data.cFileName;
    if (n != "." && n != "..") names.push_back(n);
  } while (FindNextFileA(h, &data));
  FindClose(h);
  std::sort(names.begin(), names.end());
  return names;
}

void SetReadOnly(const std::string& path, bool readOnly) {
  SetFileAttributesA(path.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

bool TruncateFile(const std::string& path, int64_t size) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  LONG high = static_cast<LONG>(size >> 32);
  bool ok = SetFilePointer(h, static_cast<LONG>(size), &high, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
            SetEndOfFile(h);
  CloseHandle(h);
  return ok;
}

char PathSeparator() { return '\\'; }
