// The context menu of a hex view (right button, Shift+F10).
#pragma once

#include <windows.h>

// WM_CONTEXTMENU: the frame's edit popup menu with undo, cut, copy, delete and
// paste enabled as the document allows, tracked with the right button at the
// screen point (x, y); at the caret when the point is (-1, -1), as from the
// keyboard. The chosen command reaches the view through the frame.
int ShowViewContextMenu(HWND view, int x, int y);

// Command 136: makes the caret visible, updates the window and opens the
// context menu at the caret. Returns 0, or -1 after a reported failure.
int ShowContextMenuAtCaret(HWND view);
