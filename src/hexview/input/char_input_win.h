// WM_CHAR of a hex view: digits into the numeric area, characters into the
// two character areas, in insert or overwrite mode.
#pragma once

#include <windows.h>

// Handles one character message. unicodeWindow: code is a UTF-16 code unit (the
// window is a Unicode window); otherwise an ANSI byte, double-byte characters
// arriving as two messages. Returns 0, or -1 after a reported failure.
int OnViewChar(HWND view, unsigned code, bool unicodeWindow);
