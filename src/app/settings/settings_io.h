// Loading and saving the settings, histories, file types and structure templates
// through the settings store. The system facts they need come in as parameters.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/settings/settings_store.h"
#include "core/display_types.h"
#include "filetypes/file_type.h"
#include "shell/settings.h"
#include "structs/structure.h"

// What the settings load needs from the system.
struct SettingsEnvironment {
  SampledColors colors = {};  // default colours of file types read from the INI file
  int32_t screenWidth = 0;    // SM_CXSCREEN and SM_CYSCREEN: the stored frame
  int32_t screenHeight = 0;   // rectangle is clipped to the primary screen
};

// The frame's restored (normal) rectangle, written as "rect".
struct FrameBounds {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

// Fills settings, the placement and start-up fields of options, fileTypes and
// structures from the registry (registryFlags bit 0 and the key opens), else
// from the INI file (iniFlags bit 0), else with defaults. Fields the command line
// set within their valid range are kept. Placement fields still unset at the end
// become kUseDefault. fileTypes are replaced when the registry or the INI file is
// read; structures keep an unset count unless the registry holds "imnum". Stored
// counts are never trusted for allocation: records are read until the first
// missing one. Returns 0, or -1 after showing (stop icon) "ﾒﾓﾘを確保できません"
// or "ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません"; start-up then ends.
int LoadSettings(RegistryStore& registry, IniReader& ini, const SettingsEnvironment& environment,
                 StartupOptions& options, AppSettings& settings, FileTypeList& fileTypes,
                 StructureList& structures);

// Fills settings.findHistory and replaceHistory with at most settings.findnum and
// repnum entries, from the registry subkeys "find" and "replace" when
// registryFlags bit 0 is set and the subkey opens, else from section
// "Varnel find" of the INI file; findnum and repnum become the sizes kept.
// Returns 0, or -1 after showing (stop icon) the failure.
int LoadHistories(RegistryStore& registry, IniReader& ini, const StartupOptions& options, AppSettings& settings);

// Writes everything to the registry when registryFlags bit 1 is set: asks before
// creating a missing key (unless bit 2), deletes every subkey, then writes the
// values, the histories, fileHistory (paths without their "&N " prefix, most
// recent first, then empty strings up to index 9), the file types and the
// structure templates. Returns 0 (also when nothing was to be saved or the user
// cancelled the creation), or -1 after showing (warning icon, no owner) the first
// failure; what was written before it stays written and every opened key is closed.
int SaveSettings(RegistryStore& registry, const StartupOptions& options, const AppSettings& settings,
                 const FileTypeList& fileTypes, const StructureList& structures, const FrameBounds& normalRect,
                 const std::vector<std::string>& fileHistory);
