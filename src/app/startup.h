// Start-up: command line, settings, classes, the frame and the message loop.
#pragma once

#include <windows.h>

// The whole program run of WinMain; always returns 0.
int RunVarnel(HINSTANCE instance, HINSTANCE previousInstance, const char* commandLine, int showCommand);
