// The process-wide settings objects.
#include "app/app_state.h"

StartupOptions g_startupOptions;
AppSettings g_settings;
FileTypeList g_fileTypes;
StructureList g_structures;
SampledColors g_sampledColors = {};

void ResetAppState() {
  g_startupOptions = StartupOptions{};
  g_settings = AppSettings{};
  g_fileTypes = FileTypeList{};
  g_structures = StructureList{};
  g_sampledColors = SampledColors{};
}
