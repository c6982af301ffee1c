// Handing file names over to an already running instance.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The running instance's frame, or null.
HWND FindRunningFrame();

// Restores or raises the running frame and sends it one WM_USER per file, the
// name in a global atom. Names go over as full paths: the running instance has
// its own current folder, in which a relative name means another file. Returns
// 0, or -1 after reporting a failed atom.
int HandOverFiles(HWND runningFrame, const std::vector<std::string>& files);
