// The image view ("IMAGEClass"): the document's bytes as a picture.
#pragma once

#include <windows.h>

LRESULT CALLBACK ImageViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
