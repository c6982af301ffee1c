// The settings of the running program (app_state) against the real registry, the
// INI file and the system: the calls start-up and the frame make.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/display_types.h"

// LoadSettings into the app state with the primary screen's size and
// g_sampledColors. Returns 0, or -1 after the failure was shown.
int LoadProgramSettings();

// LoadHistories into g_settings. Returns 0, or -1 after the failure was shown.
int LoadProgramHistories();

// Installs the built-in file types when none were loaded and the built-in
// structure templates when their count is still unset.
void InstallMissingBuiltins();

// SaveSettings of the app state when the frame is destroyed: does nothing unless
// registryFlags bit 1 is set; otherwise takes the frame's normal rectangle
// (failure: "ｳｲﾝﾄﾞｳの情報を取得できません") and writes everything. fileHistory
// holds the paths of the File menu's history, most recent first.
void SaveProgramSettings(HWND frame, const std::vector<std::string>& fileHistory);
