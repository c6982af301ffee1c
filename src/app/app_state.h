// The process-wide settings objects of the running program.
#pragma once

#include "app/settings.h"
#include "core/display_types.h"
#include "filetypes/file_type.h"
#include "structs/structure.h"

extern StartupOptions g_startupOptions;  // command-line options and start-up fields
extern AppSettings g_settings;           // preferences and histories
extern FileTypeList g_fileTypes;         // "FILETYPE%d"
extern StructureList g_structures;       // "INFOMATION%d"
extern SampledColors g_sampledColors;    // the five system colours sampled at start-up

// Puts every object above back to its initial value, as at process start.
void ResetAppState();
