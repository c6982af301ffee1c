// The frame's menus and toolbar following the active document, and the
// document window's context menu.
#pragma once

#include <windows.h>

struct Document;

// Enables, grays and checks the document commands for doc, or grays them all
// when doc is null; then redraws the menu bar. Returns 0, or -1 after a fatal
// failure was reported (the frame is then destroyed).
int RefreshMenuState(const Document* doc);

// WM_MDIACTIVATE of a document window (activated: the window being activated).
// Digit entry ends; the activated view's document sets the menu state and the
// status line; a deactivated view grays the document menus, puts the IME
// window back to its default place and empties the status line. Returns 0, or
// -1 after a reported failure.
int OnViewMdiActivate(HWND view, HWND activated);

int ShowViewContextMenu(HWND view, int x, int y);

// Command 136: makes the caret visible, updates the window and opens the
// context menu at the caret. Returns 0, or -1 after a reported failure.
int ShowContextMenuAtCaret(HWND view);
