// The information view ("INFOClass"): a structure template laid over the bytes at the caret.
#pragma once

#include <windows.h>

LRESULT CALLBACK InfoViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
