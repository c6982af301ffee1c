// The view half of every edit: the EditView of a document window, and the
// edit-and-commit path that typing and deleting share.
#pragma once

#include <windows.h>

#include <cstdint>

class EditView;

// The EditView through which edits of view's document update the window
// (caret kept in view, changed cells repainted, scroll bars, status line,
// menu state). Never null for a document window.
EditView* EditViewOf(HWND view);

// Replaces the selection of view's document by count bytes (none when bytes is
// null) with ReplaceSelection in caretMode, not selected, and commits the step
// (undo list, redo list emptied, menu state, modified). Returns 0, or -1 when
// the edit failed (reported by the edit; undo lists and modified unchanged).
int ReplaceAndCommit(HWND view, const uint8_t* bytes, int32_t count, int caretMode);
