// The running program's settings against the real registry, INI file and system.
#include "app/settings/settings_win.h"

#include "app/settings/ini_file.h"
#include "app/settings/registry_store.h"
#include "app/settings/settings_io.h"
#include "core/messages.h"
#include "core/user_message.h"
#include "filetypes/file_type.h"
#include "shell/process_state.h"
#include "structs/structure.h"

int LoadProgramSettings() {
  WindowsRegistryStore registry;
  IniFile ini(g_startupOptions.iniPath);
  SettingsEnvironment environment;
  environment.colors = g_sampledColors;
  environment.screenWidth = GetSystemMetrics(SM_CXSCREEN);
  environment.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  return LoadSettings(registry, ini, environment, g_startupOptions, g_settings, g_fileTypes, g_structures);
}

int LoadProgramHistories() {
  WindowsRegistryStore registry;
  IniFile ini(g_startupOptions.iniPath);
  return LoadHistories(registry, ini, g_startupOptions, g_settings);
}

void InstallMissingBuiltins() {
  if (g_fileTypes.types.empty()) InstallBuiltinFileTypes(g_fileTypes, g_sampledColors);
  if (g_structures.count == kStructureCountUnset) InstallBuiltinStructures(g_structures);
}

void SaveProgramSettings(HWND frame, const std::vector<std::string>& fileHistory) {
  if (!(g_startupOptions.registryFlags & 2)) return;
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(frame, &placement)) {
    ShowMessage(kMsgCannotGetWindowInfo, MessageIcon::Warning);
    return;
  }
  // The stored rectangle is read back as screen coordinates. The normal position
  // is in workspace coordinates, which differ by a taskbar on the top or left:
  // stored as it is, the frame would creep by the taskbar on every run.
  RECT rect = placement.rcNormalPosition;
  if (!IsIconic(frame) && !IsZoomed(frame)) {
    GetWindowRect(frame, &rect);
  } else if (HMONITOR monitor = MonitorFromWindow(frame, MONITOR_DEFAULTTOPRIMARY)) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
      OffsetRect(&rect, info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top);
    }
  }
  FrameBounds normal;
  normal.left = rect.left;
  normal.top = rect.top;
  normal.right = rect.right;
  normal.bottom = rect.bottom;
  WindowsRegistryStore registry;
  SaveSettings(registry, g_startupOptions, g_settings, g_fileTypes, g_structures, normal, fileHistory);
}
