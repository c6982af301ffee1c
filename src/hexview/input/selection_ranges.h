// The selections that deleting and overwriting make before the edit replaces
// them: Delete, Backspace, delete line, and the temporary selection of typing
// over existing bytes.
#pragma once

#include <cstdint>

// A selection as the document keeps it: anchor -1 means none.
struct SelectionRange {
  int32_t caret;
  int32_t anchor;

  bool Empty() const { return anchor == -1; }
  int32_t Low() const { return anchor < caret ? anchor : caret; }
  int32_t High() const { return anchor < caret ? caret : anchor; }
};

// Delete: the selection, else the byte at the caret (caret before it, so that
// undo puts the caret back in front); none at the end of data.
SelectionRange DeleteKeyRange(int32_t caret, int32_t anchor, int32_t length);

// Backspace: the selection, else the byte before the caret (caret after it);
// none at offset 0.
SelectionRange BackspaceRange(int32_t caret, int32_t anchor, int32_t length);

// Delete line: the selection; else the caret's line up to its end or the end of
// data; with the caret at the end of data at the start of a line, the line
// before. None on an empty document. The caret goes to the line's start.
SelectionRange DeleteLineRange(int32_t caret, int32_t anchor, int32_t length, int bytesPerLine);

// Typing count bytes over existing ones without a selection: the bytes from the
// caret up to min(caret + count, length) are selected, the caret in front; no
// selection when none exist there (the bytes are then inserted).
SelectionRange OverwriteRange(int32_t caret, int32_t count, int32_t length);
