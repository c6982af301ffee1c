// The process-wide settings of the running program, and the one reset of
// everything this layer keeps for the process (tests start each run from it).
#pragma once

#include "core/display_types.h"
#include "shell/settings.h"

extern StartupOptions g_startupOptions;  // command-line options and start-up fields
extern AppSettings g_settings;           // preferences and histories
extern SampledColors g_sampledColors;    // the five system colours sampled at start-up

// Puts the settings above, the shell's handles (g_shell) and the progress state
// back to their initial values, as at process start.
void ResetShellState();
