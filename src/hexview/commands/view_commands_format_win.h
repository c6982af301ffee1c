// Changing the display format of a hex view: radixes from the menu and the
// Ctrl+1 / Ctrl+2 cycles, and the byte order.
#pragma once

#include <windows.h>

#include <cstdint>

// Sets the options word of view's document and redisplays it: digit entry ends,
// the digit goes to 0, the selection is dropped, the byte that began the top
// line stays in the top line, scroll bars, IME font, menu state and caret
// shape are renewed and the whole window repainted. Returns 0, or -1 after a
// reported failure.
int ChangeViewFormat(HWND view, uint32_t options);

// The same after the caller already changed the options (and perhaps fonts):
// previousBytesPerLine is the line width before the change.
int AfterFormatChange(HWND view, int previousBytesPerLine);

// Sets the byte order (motorola true: most significant byte first) of view's
// document; the menu checks and the status line follow. Returns 0 or -1.
int SetViewByteOrder(HWND view, bool motorola);
