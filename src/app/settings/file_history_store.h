// Reading the stored file history ("history%d") at start-up.
#pragma once

#include <string>
#include <vector>

#include "app/settings/settings_store.h"
#include "shell/settings.h"

// The stored paths, most recent first: from the registry when registryFlags
// bit 0 is set and the program key opens, else from the INI file when iniFlags
// bit 0 is set, else none. Indexes 0 up to history - 1 are read; the list ends
// at the first missing or empty entry. *closeFailed is set when the registry
// key could not be closed ("ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません").
std::vector<std::string> LoadFileHistory(RegistryStore& registry, IniReader& ini, const StartupOptions& options,
                                         int history, bool* closeFailed);
