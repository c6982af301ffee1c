// Typing into the hex view.
#include "hexview/input/char_input_win.h"

#include "core/document.h"
#include "core/edit.h"
#include "hexview/commands/edit_view_win.h"
#include "hexview/dialogs/radix_input_win.h"
#include "hexview/hex_view_win.h"
#include "hexview/input/caret_entry_mode.h"
#include "hexview/input/caret_win.h"
#include "hexview/input/char_entry.h"
#include "hexview/input/digit_entry.h"
#include "hexview/input/selection_ranges.h"
#include "hexview/view_state_win.h"

namespace {

// What typing changes before its edit; put back when the edit is refused, so a
// refused key leaves caret, selection, digit entry and entry mode as they were
// (a digit typed next must not find digit entry half switched on).
struct TypingState {
  int32_t length, caret, anchor, digitIndex;
  int entryMode;
};

TypingState StateOf(const Document& doc) {
  return {doc.length, doc.caret, doc.anchor, doc.digitIndex, g_view.entryMode};
}

int RestoreIfRefused(HWND view, Document& doc, const TypingState& before, int result) {
  if (result == 0) return 0;
  // Refused before any byte changed: the view's own preparations go back too.
  if (doc.length == before.length && doc.caret == before.caret) {
    doc.anchor = before.anchor;
    doc.digitIndex = before.digitIndex;
  }
  if (g_view.entryMode != before.entryMode) SetEntryMode(view, before.entryMode);
  return result;
}

int TypeDigit(HWND view, Document& doc, char ch) {
  uint8_t atCaret = 0;
  if (doc.caret < doc.length) ReadBytes(doc, doc.caret, &atCaret, 1);
  const DigitEntryPlan plan = PlanDigitEntry(ch, DataRadixOf(doc.options), g_view.entryMode, doc.caret, doc.length,
                                             doc.anchor != -1, doc.digitIndex, atCaret);
  switch (plan.action) {
    case DigitEntryPlan::kIgnore: return 0;
    case DigitEntryPlan::kRadixDialog: RunRadixInput(view, ch); return 0;
    case DigitEntryPlan::kWrite: break;
  }
  const TypingState before = StateOf(doc);
  if (plan.overwrite) doc.anchor = doc.caret + 1;
  doc.digitIndex = plan.digitIndex;
  if (plan.entryMode != g_view.entryMode) SetEntryMode(view, plan.entryMode);
  return RestoreIfRefused(view, doc, before, ReplaceAndCommit(view, &plan.newByte, 1, kCaretDigit));
}

int TypeBytes(HWND view, Document& doc, const uint8_t* bytes, int count) {
  const TypingState before = StateOf(doc);
  doc.digitIndex = 0;
  if (g_view.entryMode != kEntryInsert && doc.anchor == -1)
    doc.anchor = OverwriteRange(doc.caret, count, doc.length).anchor;
  return RestoreIfRefused(view, doc, before, ReplaceAndCommit(view, bytes, count, kCaretAfter));
}

}  // namespace

int OnViewChar(HWND view, unsigned code, bool unicodeWindow) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return 0;
  const CharEntry entry = TakeCharacter(code, unicodeWindow, doc->activeColumn, g_view.pendingLeadByte);
  switch (entry.action) {
    case CharEntry::kDigit: return TypeDigit(view, *doc, entry.digit);
    case CharEntry::kBytes: return TypeBytes(view, *doc, entry.bytes, entry.count);
    default: return 0;
  }
}
