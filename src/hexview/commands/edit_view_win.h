// The view half of every edit: the EditView of a document window, and the
// edit-and-commit path that typing and deleting share.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/edit.h"

// How the edits of a document update its window: caret kept in view, changed
// cells repainted, scroll bars, status line, menu state. Each document window
// has its own (in its HexView record), so a loop that pumps messages during an
// edit can never see another window's.
class WindowEditView final : public EditView {
 public:
  explicit WindowEditView(HWND window = nullptr) : window_(window) {}
  void ContentChanged(Document& doc, const EditChange& change) override;
  void MenuStateChanged(Document& doc) override;

 private:
  HWND window_;
};

// The EditView of a document window; null for a window without its record
// (before creation, after destruction).
EditView* EditViewOf(HWND view);

// Replaces the selection of view's document by count bytes (none when bytes is
// null) with ReplaceSelection in caretMode, not selected, and commits the step
// (undo list, redo list emptied, menu state, modified). Returns 0, or -1 when
// the edit failed (reported by the edit; undo lists and modified unchanged).
int ReplaceAndCommit(HWND view, const uint8_t* bytes, int32_t count, int caretMode);
