// Start and stop of the in-process shell for GUI tests.
#include "support/shell_fixture_win.h"

#include <commctrl.h>

#include "app/menus_win.h"
#include "app/shell.h"
#include "app/startup.h"
#include "app/window_classes_win.h"
#include "support/dialog_driver_win.h"

namespace {

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      std::string full = path + "\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(full.c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(path.c_str());
}

}  // namespace

ScratchFolder::ScratchFolder() {
  char base[MAX_PATH] = {};
  GetTempPathA(sizeof base, base);
  static int counter = 0;
  path_ = std::string(base) + "varnel_gui_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(counter++);
  CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

std::string ScratchFolder::Make(const std::string& name) {
  std::string full = path_ + "\\" + name;
  CreateDirectoryA(full.c_str(), nullptr);
  return full;
}

std::string ScratchFolder::Write(const std::string& name, const std::string& bytes) {
  std::string full = path_ + "\\" + name;
  size_t slash = name.find('\\');
  if (slash != std::string::npos) Make(name.substr(0, slash));
  HANDLE file = CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return full;
}

ShellRun::~ShellRun() { Close(); }

bool ShellRun::Start(const std::string& commandLine, int show) {
  started_ = true;
  bool ok = StartShell(GetModuleHandleA(nullptr), nullptr, commandLine.c_str(), show);
  PumpMessages();
  return ok;
}

void ShellRun::Close() {
  if (!started_) return;
  started_ = false;
  if (g_shell.frame != nullptr && IsWindow(g_shell.frame)) DestroyWindow(g_shell.frame);
  // Let the quit message and anything queued before it through.
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  UnregisterWindowClasses(GetModuleHandleA(nullptr));
}

std::vector<HWND> DocumentWindows() {
  std::vector<HWND> out;
  if (g_shell.mdiClient == nullptr) return out;
  for (HWND w = GetWindow(g_shell.mdiClient, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT))
    if (IsDocumentWindow(w)) out.push_back(w);
  return out;
}

std::string TitleOf(HWND window) {
  char buffer[4096] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

std::vector<std::string> FileMenuTexts() {
  std::vector<std::string> out;
  HMENU file = FileMenu(g_shell.frame);
  int n = GetMenuItemCount(file);
  for (int i = 0; i < n; ++i) {
    char buffer[4096] = {};
    GetMenuStringA(file, static_cast<UINT>(i), buffer, sizeof buffer, MF_BYPOSITION);
    out.push_back(GetMenuItemID(file, i) == 0 && buffer[0] == '\0' ? std::string("-") : std::string(buffer));
  }
  return out;
}

std::string StatusText() {
  char buffer[1024] = {};
  SendMessageA(g_shell.statusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(buffer));  // simple mode: part 0
  return buffer;
}
