// The process-wide settings objects and the shell layer's reset.
#include "shell/process_state.h"

#include "shell/progress_dialog_win.h"
#include "shell/shell.h"

StartupOptions g_startupOptions;
AppSettings g_settings;
SampledColors g_sampledColors = {};

void ResetShellState() {
  g_startupOptions = StartupOptions{};
  g_settings = AppSettings{};
  g_sampledColors = SampledColors{};
  g_shell = Shell{};
  ResetProgressState();
}
