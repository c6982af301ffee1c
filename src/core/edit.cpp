// ReplaceSelection, CommitStep and UndoOrRedo on the document model.
#include "core/edit.h"

#include <climits>
#include <cstdlib>

#include "core/block_list.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/user_message.h"

namespace {


UndoStep* Fail(UndoStep* step, const char* text) {
  FreeStep(step);
  ShowMessage(text, MessageIcon::Stop);
  return nullptr;
}

int32_t Clamp(int32_t value, int32_t low, int32_t high) {
  return value < low ? low : value > high ? high : value;
}

// The edit itself; before* are what the view showed before the call.
UndoStep* Replace(Document& doc, const uint8_t* bytes, int32_t count, int caretMode, bool selectInserted,
                  EditView* view, int32_t caretBefore, int32_t anchorBefore, int32_t digitIndexBefore) {
  if (!bytes || count < 0) count = 0;
  doc.caret = Clamp(doc.caret, 0, doc.length);
  if (doc.anchor != -1) doc.anchor = Clamp(doc.anchor, 0, doc.length);

  UndoStep* step = static_cast<UndoStep*>(std::malloc(sizeof(UndoStep)));
  if (!step) return Fail(nullptr, kMsgNoMemoryForEdit);
  *step = UndoStep{nullptr, 0, 0, 0, -1, nullptr};

  bool hasSelection = doc.anchor != -1;
  int32_t p = hasSelection && doc.anchor < doc.caret ? doc.anchor : doc.caret;
  int32_t selected = hasSelection ? (doc.anchor > doc.caret ? doc.anchor - doc.caret : doc.caret - doc.anchor) : 0;
  // A 32-bit document cannot grow past INT32_MAX bytes; refuse before touching anything.
  if (count > INT32_MAX - (doc.length - selected)) return Fail(step, kMsgNoMemoryForEdit);

  if (hasSelection) {
    step->direction = doc.anchor < doc.caret ? 1 : 0;
    if (selected > 0) {
      step->removed = static_cast<uint8_t*>(std::malloc(static_cast<size_t>(selected)));
      if (!step->removed) return Fail(step, kMsgNoMemoryForEdit);
      step->removedLength = ReadBytes(doc, p, step->removed, selected);
      if (step->removedLength != selected) return Fail(step, kMsgCannotGetData);
      if (DeleteBytes(doc, p, selected) != selected) return Fail(step, kMsgCannotDeleteData);
    }
    doc.caret = p;
    doc.anchor = -1;
  }

  int32_t otherEnd = -1;
  if (count > 0) {
    int32_t inserted = InsertBytes(doc, p, bytes, count);
    if (inserted != count) {
      // The document holds a part of the new bytes; keep caret and selection inside it.
      doc.caret = p;
      doc.anchor = -1;
      doc.digitIndex = 0;
      return Fail(step, kMsgCannotInsertData);
    }
    if (caretMode == kCaretDigit && count == 1 && !selectInserted &&
        doc.digitIndex + 1 < DigitsPerValue(1, DataRadixOf(doc.options))) {
      doc.digitIndex += 1;
      doc.caret = p;
      otherEnd = p + 1;
    } else if (caretMode == kCaretBefore) {
      doc.caret = p;
      otherEnd = p + count;
      doc.digitIndex = 0;
    } else {
      doc.caret = p + count;
      otherEnd = p;
      doc.digitIndex = 0;
    }
    if (selectInserted) doc.anchor = otherEnd;
  } else {
    doc.digitIndex = 0;
  }
  step->otherEnd = otherEnd;
  step->caretAfter = doc.caret;

  if (view) {
    EditChange change{p, selected, count, caretBefore, anchorBefore, digitIndexBefore,
                      doc.caret, doc.anchor, doc.digitIndex};
    view->ContentChanged(doc, change);
  }
  return step;
}

}  // namespace

UndoStep* ReplaceSelection(Document& doc, const uint8_t* bytes, int32_t count, int caretMode,
                           bool selectInserted, EditView* view) {
  return Replace(doc, bytes, count, caretMode, selectInserted, view, doc.caret, doc.anchor, doc.digitIndex);
}

void CommitStep(Document& doc, UndoStep* step, EditView* view) {
  if (!step) return;
  step->next = doc.undoList;
  doc.undoList = step;
  int dropped = FreeStepList(doc.redoList);
  if ((dropped > 0 || !step->next) && view) view->MenuStateChanged(doc);
  doc.modified = 1;
}

int UndoOrRedo(Document& doc, bool redo, EditView* view) {
  UndoStep*& from = redo ? doc.redoList : doc.undoList;
  UndoStep*& to = redo ? doc.undoList : doc.redoList;
  UndoStep* s = from;
  if (!s) return -1;
  from = s->next;
  s->next = nullptr;

  int32_t caretBefore = doc.caret;
  int32_t anchorBefore = doc.anchor;
  int32_t digitIndexBefore = doc.digitIndex;
  doc.caret = s->caretAfter;
  doc.anchor = s->otherEnd;
  UndoStep* r = Replace(doc, s->removed, s->removedLength, s->direction, true, view, caretBefore, anchorBefore,
                        digitIndexBefore);
  if (!r) {
    s->next = from;
    from = s;
    return -1;
  }
  r->next = to;
  to = r;
  FreeStep(s);
  if (view) view->MenuStateChanged(doc);
  return 0;
}
