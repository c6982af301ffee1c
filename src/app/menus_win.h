// The frame's menus: the File menu lookup, the edit popup menu, the menu
// bitmaps and the status-bar help of menu items and toolbar buttons.
#pragma once

#include <windows.h>

// Number of popups of the menu bar when no document window is maximised.
inline constexpr int kMenuBarItems = 6;

// The File menu: item 0 of the bar, or item 1 when a maximised document's
// system menu stands in front (the bar then does not have exactly 6 items).
HMENU FileMenu(HWND frame);

// Offset of the popups in the menu bar: 1 with a maximised document, else 0.
int MenuBarShift(HWND frame);

// Creates the edit popup menu (undo, cut, copy, paste, delete, select all).
// Returns null after reporting.
HMENU CreateEditPopupMenu();

// Builds the 14 menu bitmaps and attaches them. Skipped silently when the
// standard images cannot be loaded. Returns 0, or -1 after reporting.
int AttachMenuBitmaps(HWND frame);

// Deletes the menu bitmaps; false when one could not be deleted.
bool DeleteMenuBitmaps();

// WM_MENUSELECT of the frame and of document windows.
void ShowMenuHelp(HWND frame, WPARAM wParam, LPARAM lParam);

// WM_NOTIFY from the toolbar's tool tips; true when handled.
bool HandleToolTipNotify(NMHDR* header);
