// The commands a document window carries out (WM_COMMAND forwarded by the frame).
#pragma once

#include <windows.h>

// Performs command id for view; commands of the frame are ignored.
void OnViewCommand(HWND view, int id);
