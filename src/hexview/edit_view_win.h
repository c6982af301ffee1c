// The view half of every edit: the EditView of a document window.
#pragma once

#include <windows.h>

class EditView;

// The EditView through which edits of view's document update the window
// (caret kept in view, changed cells repainted, scroll bars, status line,
// menu state). Never null for a document window.
EditView* EditViewOf(HWND view);
