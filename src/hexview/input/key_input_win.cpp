// Keys of the hex view.
#include "hexview/input/key_input_win.h"

#include "core/document.h"
#include "core/edit.h"
#include "hexview/commands/edit_view_win.h"
#include "hexview/hex_view_win.h"
#include "hexview/input/caret_entry_mode.h"
#include "hexview/input/caret_motion.h"
#include "hexview/input/caret_win.h"
#include "hexview/input/selection_ranges.h"
#include "hexview/view_state_win.h"

namespace {

bool KeyDown(int vk) { return GetKeyState(vk) < 0; }

int MoveByKey(HWND view, Document& doc, CaretKey key) {
  const CaretState to = MoveCaretByKey(CaretStateOf(doc), MetricsOf(doc), key, KeyDown(VK_CONTROL), KeyDown(VK_SHIFT));
  return MoveCaretTo(view, to);
}

}  // namespace

int DeleteViewRange(HWND view, int32_t caret, int32_t anchor, int caretMode) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr || anchor == -1 || anchor == caret) return 0;
  doc->caret = caret;
  doc->anchor = anchor;
  return ReplaceAndCommit(view, nullptr, 0, caretMode);
}

int DeleteViewSelection(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr || doc->anchor == -1) return 0;
  return DeleteViewRange(view, doc->caret, doc->anchor, kCaretAfter);
}

int OnViewKeyDown(HWND view, UINT vk) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return 0;
  switch (vk) {
    case VK_HOME: return MoveByKey(view, *doc, CaretKey::Home);
    case VK_END: return MoveByKey(view, *doc, CaretKey::End);
    case VK_LEFT: return MoveByKey(view, *doc, CaretKey::Left);
    case VK_RIGHT: return MoveByKey(view, *doc, CaretKey::Right);
    case VK_UP: return MoveByKey(view, *doc, CaretKey::Up);
    case VK_DOWN: return MoveByKey(view, *doc, CaretKey::Down);
    case VK_PRIOR: return MoveByKey(view, *doc, CaretKey::PageUp);
    case VK_NEXT: return MoveByKey(view, *doc, CaretKey::PageDown);
    case VK_TAB:
      LeaveDigitEntry(view);
      return MoveCaretTo(view, NextArea(CaretStateOf(*doc), MetricsOf(*doc), KeyDown(VK_SHIFT)));
    case VK_ESCAPE: return MoveCaretTo(view, CancelSelection(CaretStateOf(*doc), MetricsOf(*doc)));
    case VK_INSERT: SetEntryMode(view, ToggledEntryMode(g_view.entryMode)); return 0;
    case VK_DELETE: {
      const SelectionRange r = DeleteKeyRange(doc->caret, doc->anchor, doc->length);
      return DeleteViewRange(view, r.caret, r.anchor, kCaretBefore);
    }
    case VK_BACK: {
      const SelectionRange r = BackspaceRange(doc->caret, doc->anchor, doc->length);
      return DeleteViewRange(view, r.caret, r.anchor, kCaretBefore);
    }
    default: return 0;
  }
}
