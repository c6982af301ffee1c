// Clipboard exchange.
#include "hexview/clipboard_win.h"

int CopySelection(HWND) { return 0; }
void PasteClipboard(HWND, bool) {}
