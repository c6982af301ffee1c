// Start-up: command line, settings, classes, the frame and the message loop.
#pragma once

#include <windows.h>

// The whole program run of WinMain; always returns 0.
int RunVarnel(HINSTANCE instance, HINSTANCE previousInstance, const char* commandLine, int showCommand);

// Start-up up to the message loop (every step but the last). Returns true when
// the loop should run (the frame exists), false when start-up ended: a failure
// was reported, the options were invalid, or the files went to a running instance.
bool StartShell(HINSTANCE instance, HINSTANCE previousInstance, const char* commandLine, int showCommand);

// Puts everything the program keeps for the process back to its state at
// process start (each layer's own reset); StartShell begins with it.
void ResetProcessState();
