// varnel.exe as the tests that run the program start it: HKEY_CURRENT_USER is
// the registry key of the test process that started it (TestRegistryKey), so
// the user's own settings are never read or written.
#include <windows.h>
#include <tlhelp32.h>

#include "app/startup/command_line.h"
#include "app/startup/startup.h"
#include "support/settings_registry_win.h"

namespace {

DWORD ParentProcessId() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  DWORD parent = 0;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
  }
  CloseHandle(snapshot);
  return parent;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR, int showCommand) {
  HKEY root = nullptr;
  std::string path = TestRegistryKey::PathFor(ParentProcessId());
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root, nullptr) !=
          ERROR_SUCCESS ||
      RegOverridePredefKey(HKEY_CURRENT_USER, root) != ERROR_SUCCESS) {
    return 3;
  }
  RegCloseKey(root);
  return RunVarnel(instance, previousInstance, ArgumentsAfterProgramName(GetCommandLineA()), showCommand);
}
