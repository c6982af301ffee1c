// Recorded changes: one step per edit, kept newest first on a document's undo
// and redo lists.
#pragma once

#include <cstdint>

// How to reverse one edit. A step is owned by the list it is on.
struct UndoStep {
  uint8_t* removed;       // malloc'd copy of the bytes the edit removed; null when none
  int32_t direction;      // 1 when the removed selection had its anchor before the caret
  int32_t removedLength;  // bytes in removed
  int32_t caretAfter;     // caret after the edit
  int32_t otherEnd;       // end of the inserted bytes the caret is not on; -1 when none inserted
  UndoStep* next;         // next older step on the same list
};

// Frees a step and its bytes. Null is ignored.
void FreeStep(UndoStep* step);

// Frees every step of the list headed by head and its bytes, sets head to null
// and returns how many steps there were.
int FreeStepList(UndoStep*& head);
