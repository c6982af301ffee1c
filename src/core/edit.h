// The one edit operation every change of bytes goes through, its bookkeeping,
// and undo and redo, with the seam through which the hex view follows them.
#pragma once

#include <cstdint>

#include "core/document.h"
#include "core/undo.h"

// What one ReplaceSelection did: at offset, removedCount bytes were removed and
// insertedCount bytes inserted in their place. The caret, anchor and digit index
// are given as the view showed them before (for undo and redo: before the step
// was replayed) and as they are now.
struct EditChange {
  int32_t offset;
  int32_t removedCount;
  int32_t insertedCount;
  int32_t caretBefore;
  int32_t anchorBefore;
  int32_t digitIndexBefore;
  int32_t caretAfter;
  int32_t anchorAfter;
  int32_t digitIndexAfter;

  // Bytes after the edit point moved by this much.
  int32_t Shift() const { return insertedCount - removedCount; }
  // Digit entry was in progress and is over: the caret goes back to its thin shape.
  bool DigitEntryEnded() const { return digitIndexBefore > 0 && digitIndexAfter == 0; }
};

// Implemented by the view that shows a document. The model calls it after it has
// changed the document and never waits for an answer: a view that fails to
// update reports that itself.
class EditView {
 public:
  virtual ~EditView() = default;
  // The bytes, caret and selection changed as described; the document is
  // consistent again. Keep the caret in view, shift and repaint the cells,
  // update the scroll bars and the status line.
  virtual void ContentChanged(Document& doc, const EditChange& change) = 0;
  // Whether undo or redo is available may have changed: refresh the menu and toolbar.
  virtual void MenuStateChanged(Document& doc) = 0;
};

// Caret placement after an insertion.
enum CaretMode : int {
  kCaretBefore = 0,  // the caret stays in front of the inserted bytes
  kCaretAfter = 1,   // the caret moves behind them
  kCaretDigit = 2,   // digit entry: one byte, the caret stays until the cell's digits are complete
};

// Removes the selection (if any), inserts count bytes from bytes (none when
// bytes is null or count <= 0) where it was, places the caret by caretMode
// (kCaretDigit counts digits with DigitsPerValue(1, data radix of options)) and,
// with selectInserted, selects the inserted bytes. Then tells view (may be null).
// Returns the step that reverses the edit; the caller owns it (normally through
// CommitStep). Returns null after reporting a failure with the stop icon; when
// the failure came after bytes were removed or partly inserted the document is
// still consistent but the edit is lost, and the program should end.
UndoStep* ReplaceSelection(Document& doc, const uint8_t* bytes, int32_t count, int caretMode,
                           bool selectInserted, EditView* view);

// The bookkeeping after a user edit: pushes step on the undo list, empties the
// redo list, marks the document modified and, when undo or redo availability
// changed, tells view (may be null). A null step is ignored.
void CommitStep(Document& doc, UndoStep* step, EditView* view);

// Undoes (redo false) or redoes the newest step: the bytes it inserted are
// selected and replaced by the bytes it removed, which end up selected with the
// caret where it was. The replaying step goes onto the other list. modified is
// not changed. Returns 0, or -1 when the list was empty (nothing happens) or
// after a reported failure (the step stays on its list).
int UndoOrRedo(Document& doc, bool redo, EditView* view);
