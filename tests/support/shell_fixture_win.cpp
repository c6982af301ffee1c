// Start and stop of the in-process shell for GUI tests.
#include "support/shell_fixture_win.h"

#include <commctrl.h>

#include "app/startup/startup.h"
#include "app/startup/window_classes_win.h"
#include "core/document.h"
#include "hexview/hex_view_win.h"
#include "shell/menu_bar_win.h"
#include "shell/shell.h"
#include "support/dialog_driver_win.h"

std::string ScratchFolder::Make(const std::string& name) {
  std::string full = File(name);
  CreateDirectoryA(full.c_str(), nullptr);
  return full;
}

std::string ScratchFolder::Write(const std::string& name, const std::string& bytes) {
  std::string full = File(name);
  size_t slash = name.find('\\');
  if (slash != std::string::npos) Make(name.substr(0, slash));
  WriteWholeFile(full, std::vector<uint8_t>(bytes.begin(), bytes.end()));
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
  PumpMessages();  // the quit message and anything queued before it
  UnregisterWindowClasses(GetModuleHandleA(nullptr));
}

namespace {

BOOL CALLBACK CountDialog(HWND w, LPARAM count) {
  char name[16] = {};
  GetClassNameA(w, name, sizeof name);
  if (lstrcmpA(name, "#32770") == 0) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

}  // namespace

int ThreadDialogs() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountDialog, reinterpret_cast<LPARAM>(&count));
  return count;
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

std::string Quote(const std::string& path) { return "\"" + path + "\""; }

std::string DocumentBytes(HWND view) {
  Document* doc = DocumentOf(view);
  std::string out(static_cast<size_t>(doc->length), '\0');
  if (doc->length > 0) ReadBytes(*doc, 0, reinterpret_cast<uint8_t*>(out.data()), doc->length);
  return out;
}

bool MenuItemEnabled(UINT id) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE;
  GetMenuItemInfoA(GetMenu(g_shell.frame), id, FALSE, &info);
  return (info.fState & MFS_GRAYED) == 0;
}

bool MenuItemChecked(UINT id) { return (GetMenuState(GetMenu(g_shell.frame), id, MF_BYCOMMAND) & MF_CHECKED) != 0; }
