// Clipboard exchange of a document window: copy (112), paste (113) and
// paste over (114); cut is copy then delete.
#pragma once

#include <windows.h>

// Command 112: puts the selection on the clipboard in the private binary format
// and as text of the active column. Returns 0, or -1 after a reported failure.
int CopySelection(HWND view);

// Commands 113 (over false) and 114 (over true): inserts the clipboard's bytes
// at the caret, replacing the selection; paste over without a selection
// overwrites as many bytes as are pasted.
void PasteClipboard(HWND view, bool over);
