// The system caret of a hex view: its shape by entry mode (a 2-pixel bar while
// inserting, a block one cell wide otherwise), focus, and the moves that
// redraw the selection, scroll and update the status line.
#pragma once

#include <windows.h>

#include "hexview/input/caret_motion.h"

// Creates view's caret in the shape for g_view.entryMode (2 * charWidth high) and
// shows it at the caret's place. Only while view has the focus.
void CreateViewCaret(HWND view);

// Sets the process-wide entry mode; the focused view's caret changes shape
// when the mode needs another one.
void SetEntryMode(HWND view, int mode);

// Ends a digit entry in progress (entry mode 2 becomes insert, bar caret).
void LeaveDigitEntry(HWND view);

// Re-creates view's caret when its shape no longer fits g_view.entryMode (after
// code that set the mode directly).
void SyncCaretShape(HWND view);

// WM_SETFOCUS: IME font, caret, status line, marker bars shown. WM_KILLFOCUS:
// caret destroyed, marker bars hidden. Return 0, or -1 after a reported failure.
int OnViewSetFocus(HWND view);
int OnViewKillFocus(HWND view);

// Moves view's caret, selection and scroll position to `to`: nothing happens
// when nothing differs; otherwise digit entry ends when the byte changes, the
// view scrolls, the selection's changed cells are repainted, the menu state is
// refreshed when the anchor changed, and caret and status are updated.
// Returns 0, or -1 after a reported failure.
int MoveCaretTo(HWND view, const CaretState& to);
