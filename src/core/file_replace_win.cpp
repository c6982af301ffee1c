// File replacement with the Windows API: GetTempFileNameA beside the target,
// _commit, SHFileOperationA for the recycle bin and MoveFileExA to replace.
#include <windows.h>
#include <shellapi.h>
#include <io.h>

#include <vector>

#include "core/file_replace.h"

TargetState ProbeTarget(const char* path, TargetInfo* info) {
  *info = TargetInfo{};
  DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? TargetState::Missing
                                                                          : TargetState::NotWritable;
  }
  info->exists = true;
  info->attributes = attributes;
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return TargetState::NotWritable;
  // A file another program keeps open for itself cannot be replaced either.
  HANDLE handle = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return TargetState::NotWritable;
  CloseHandle(handle);
  return TargetState::Writable;
}

FILE* CreateTempBeside(const char* target, std::string* tempPath) {
  std::string folder = FolderOf(target);
  if (folder.empty()) folder = ".";
  char name[MAX_PATH];
  // Creates the file, so the name stays ours.
  if (GetTempFileNameA(folder.c_str(), "vrn", 0, name) == 0) return nullptr;
  FILE* file = std::fopen(name, "wb");
  if (!file) {
    DeleteFileA(name);
    return nullptr;
  }
  *tempPath = name;
  return file;
}

bool FlushToDisk(FILE* file) { return std::fflush(file) == 0 && _commit(_fileno(file)) == 0; }

bool MoveToRecycleBin(const char* path, void* owner) {
  std::vector<char> from(path, path + lstrlenA(path));
  from.push_back('\0');
  from.push_back('\0');
  SHFILEOPSTRUCTA op = {};
  op.hwnd = static_cast<HWND>(owner);
  op.wFunc = FO_DELETE;
  op.pFrom = from.data();
  op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION;
  SHFileOperationA(&op);
  return GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES;
}

bool ReplaceWithTemp(const char* temp, const char* target, const TargetInfo& info) {
  if (!MoveFileExA(temp, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return false;
  if (info.exists) {
    DWORD keep = info.attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    SetFileAttributesA(target, keep ? keep : FILE_ATTRIBUTE_NORMAL);
  }
  return true;
}

bool RemoveFile(const char* path) { return DeleteFileA(path) != 0; }
