// The frame's menus: the edit popup menu, the menu bitmaps and the help of
// toolbar buttons in tool tips and the status bar.
#pragma once

#include <windows.h>
#include <commctrl.h>

// Creates the edit popup menu (undo, cut, copy, paste, delete, select all).
// Returns null after reporting.
HMENU CreateEditPopupMenu();

// Builds the 14 menu bitmaps and attaches them. Skipped silently when the
// standard images cannot be loaded. Returns 0, or -1 after reporting.
int AttachMenuBitmaps(HWND frame);

// Deletes the menu bitmaps; false when one could not be deleted.
bool DeleteMenuBitmaps();

// WM_NOTIFY from the toolbar's tool tips; true when handled.
bool HandleToolTipNotify(NMHDR* header);
