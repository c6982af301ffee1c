// Typing into the hex view.
#include "hexview/char_input_win.h"

#include "core/document.h"
#include "core/edit.h"
#include "hexview/caret_entry_mode.h"
#include "hexview/caret_win.h"
#include "hexview/char_entry.h"
#include "hexview/digit_entry.h"
#include "hexview/edit_view_win.h"
#include "hexview/hex_view_win.h"
#include "hexview/radix_input_win.h"
#include "hexview/selection_ranges.h"

namespace {

// A lead byte received in an ANSI window, waiting for its trail byte.
uint8_t g_pendingLeadByte = 0;

int TypeDigit(HWND view, Document& doc, char ch) {
  uint8_t atCaret = 0;
  if (doc.caret < doc.length) ReadBytes(doc, doc.caret, &atCaret, 1);
  const DigitEntryPlan plan = PlanDigitEntry(ch, DataRadixOf(doc.options), g_entryMode, doc.caret, doc.length,
                                             doc.anchor != -1, doc.digitIndex, atCaret);
  switch (plan.action) {
    case DigitEntryPlan::kIgnore: return 0;
    case DigitEntryPlan::kRadixDialog: RunRadixInput(view, ch); return 0;
    case DigitEntryPlan::kWrite: break;
  }
  if (plan.overwrite) doc.anchor = doc.caret + 1;
  doc.digitIndex = plan.digitIndex;
  if (plan.entryMode != g_entryMode) SetEntryMode(view, plan.entryMode);
  return ReplaceAndCommit(view, &plan.newByte, 1, kCaretDigit);
}

int TypeBytes(HWND view, Document& doc, const uint8_t* bytes, int count) {
  doc.digitIndex = 0;
  if (g_entryMode != kEntryInsert && doc.anchor == -1) doc.anchor = OverwriteRange(doc.caret, count, doc.length).anchor;
  return ReplaceAndCommit(view, bytes, count, kCaretAfter);
}

}  // namespace

int OnViewChar(HWND view, unsigned code, bool unicodeWindow) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return 0;
  const CharEntry entry = TakeCharacter(code, unicodeWindow, doc->activeColumn, g_pendingLeadByte);
  switch (entry.action) {
    case CharEntry::kDigit: return TypeDigit(view, *doc, entry.digit);
    case CharEntry::kBytes: return TypeBytes(view, *doc, entry.bytes, entry.count);
    default: return 0;
  }
}
