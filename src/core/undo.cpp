// Freeing recorded steps.
#include "core/undo.h"

#include <cstdlib>

void FreeStep(UndoStep* step) {
  if (!step) return;
  std::free(step->removed);
  std::free(step);
}

int FreeStepList(UndoStep*& head) {
  int count = 0;
  while (head) {
    UndoStep* next = head->next;
    FreeStep(head);
    head = next;
    ++count;
  }
  return count;
}
