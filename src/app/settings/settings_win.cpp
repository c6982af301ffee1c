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
  FrameBounds normal;
  normal.left = placement.rcNormalPosition.left;
  normal.top = placement.rcNormalPosition.top;
  normal.right = placement.rcNormalPosition.right;
  normal.bottom = placement.rcNormalPosition.bottom;
  WindowsRegistryStore registry;
  SaveSettings(registry, g_startupOptions, g_settings, g_fileTypes, g_structures, normal, fileHistory);
}
