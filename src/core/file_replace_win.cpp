// File replacement with the Windows API. Every path goes through the UTF-16 calls
// with the "\\?\" form when it is long, so files beyond MAX_PATH save as they open.
#include <windows.h>
#include <sddl.h>
#include <shellapi.h>
#include <fcntl.h>
#include <io.h>

#include <climits>
#include <string>
#include <vector>

#include "core/codepage.h"
#include "core/file_replace.h"
#include "core/wide_path_win.h"

namespace {

std::string AnsiOf(const std::wstring& wide) {
  return Utf16ToAnsi(std::u16string(wide.begin(), wide.end()));
}

// The path a handle's file really has, links and junctions resolved, as ANSI
// text; "" when the system cannot tell or the code page cannot spell it.
std::string FinalPathOf(HANDLE file) {
  using FinalPath = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);
  auto finalPath = reinterpret_cast<FinalPath>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFinalPathNameByHandleW")));
  if (finalPath == nullptr) return {};
  std::vector<wchar_t> buffer(32768);
  DWORD n = finalPath(file, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
  if (n == 0 || n >= buffer.size()) return {};
  std::wstring wide(buffer.data(), n);
  if (wide.rfind(L"\\\\?\\UNC\\", 0) == 0) {
    wide = L"\\\\" + wide.substr(8);
  } else if (wide.rfind(L"\\\\?\\", 0) == 0) {
    wide = wide.substr(4);
  }
  std::string ansi = AnsiOf(wide);
  std::u16string back = AnsiToUtf16(ansi);
  return std::wstring(back.begin(), back.end()) == wide ? ansi : std::string();
}

// The owner, group and access list of a file as text; "" when they cannot be read.
std::wstring AccessOf(const std::wstring& path) {
  const SECURITY_INFORMATION what = OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION |
                                    DACL_SECURITY_INFORMATION;
  DWORD need = 0;
  GetFileSecurityW(path.c_str(), what, nullptr, 0, &need);
  if (need == 0) return {};
  std::vector<char> descriptor(need);
  if (!GetFileSecurityW(path.c_str(), what, descriptor.data(), need, &need)) return {};
  LPWSTR text = nullptr;
  if (!ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor.data(), SDDL_REVISION_1, what, &text,
                                                            nullptr)) {
    return {};
  }
  std::wstring result = text;
  LocalFree(text);
  return result;
}

FILE* StreamOf(HANDLE handle, int flags, const char* mode) {
  int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags);
  if (fd == -1) {
    CloseHandle(handle);
    return nullptr;
  }
  FILE* file = _fdopen(fd, mode);
  if (file == nullptr) _close(fd);
  return file;
}

}  // namespace

TargetState ProbeTarget(const char* path, TargetInfo* info) {
  *info = TargetInfo{};
  info->realPath = path;
  const std::wstring wide = WidePath(path);
  DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? TargetState::Missing
                                                                          : TargetState::NotWritable;
  }
  info->exists = true;
  info->attributes = attributes;
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return TargetState::NotWritable;
  // A file another program keeps open for itself cannot be replaced either.
  HANDLE handle = CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return TargetState::NotWritable;
  BY_HANDLE_FILE_INFORMATION about = {};
  if (GetFileInformationByHandle(handle, &about)) info->links = about.nNumberOfLinks;
  // Through a symbolic link the bytes go to the file it names.
  std::string final = FinalPathOf(handle);
  if (!final.empty()) info->realPath = final;
  CloseHandle(handle);
  return TargetState::Writable;
}

TempOutcome CreateTempBeside(const TargetInfo& target, int64_t size, FILE** file, std::string* tempPath) {
  std::string folder = FolderOf(target.realPath.c_str());
  if (folder.empty()) folder = ".\\";
  if (folder.back() != '\\' && folder.back() != '/' && folder.back() != ':') folder += '\\';
  const std::wstring wideFolder = WidePath(folder.c_str());
  DWORD folderAttributes = GetFileAttributesW(wideFolder.c_str());
  if (folderAttributes == INVALID_FILE_ATTRIBUTES || !(folderAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return TempOutcome::NoFolder;
  ULARGE_INTEGER available = {};
  if (GetDiskFreeSpaceExW(wideFolder.c_str(), &available, nullptr, nullptr) &&
      available.QuadPart < static_cast<ULONGLONG>(size))
    return TempOutcome::NoRoom;
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char name[32];
    wsprintfA(name, "vrn%04X%04X.tmp", static_cast<unsigned>(GetCurrentProcessId() & 0xFFFF),
              (GetTickCount() + ++counter) & 0xFFFF);
    std::string path = folder + name;
    HANDLE handle = CreateFileW(WidePath(path.c_str()).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      DWORD error = GetLastError();
      if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
      if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL) return TempOutcome::NoRoom;
      if (error == ERROR_PATH_NOT_FOUND) return TempOutcome::NoFolder;
      return TempOutcome::NoAccess;
    }
    *file = StreamOf(handle, _O_BINARY, "wb");
    if (*file == nullptr) {
      DeleteFileW(WidePath(path.c_str()).c_str());
      return TempOutcome::NoAccess;
    }
    *tempPath = path;
    return TempOutcome::Made;
  }
  return TempOutcome::NoAccess;
}

bool CarriesTargetAccess(const char* temp, const TargetInfo& target) {
  std::wstring wanted = AccessOf(WidePath(target.realPath.c_str()));
  return !wanted.empty() && wanted == AccessOf(WidePath(temp));
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
  return GetFileAttributesW(WidePath(path).c_str()) == INVALID_FILE_ATTRIBUTES;
}

bool ReplaceWithTemp(const char* temp, const TargetInfo& target) {
  const std::wstring to = WidePath(target.realPath.c_str());
  if (!MoveFileExW(WidePath(temp).c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return false;
  if (target.exists) {
    DWORD keep = target.attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    SetFileAttributesW(to.c_str(), keep ? keep : FILE_ATTRIBUTE_NORMAL);
  }
  return true;
}

FILE* OpenForOverwrite(const char* path) {
  HANDLE handle = CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return StreamOf(handle, _O_BINARY, "r+b");
}

bool CutFlushAndClose(FILE* file, int64_t length) {
  bool ok = std::fflush(file) == 0 && length <= LONG_MAX && _chsize(_fileno(file), static_cast<long>(length)) == 0 &&
            _commit(_fileno(file)) == 0;
  return std::fclose(file) == 0 && ok;
}

bool RemoveFile(const char* path) { return DeleteFileW(WidePath(path).c_str()) != 0; }

FILE* OpenForReading(const char* path) {
  HANDLE handle = CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return StreamOf(handle, _O_BINARY | _O_RDONLY, "rb");
}
