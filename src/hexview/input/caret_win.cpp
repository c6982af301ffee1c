// Caret shape, focus handling and caret moves of a hex view.
#include "hexview/input/caret_win.h"

#include "core/document.h"
#include "hexview/commands/view_menus_win.h"
#include "hexview/hex_view_win.h"
#include "hexview/input/caret_entry_mode.h"
#include "hexview/render/view_paint_win.h"
#include "hexview/render/view_resources_win.h"
#include "hexview/render/view_scroll_win.h"
#include "hexview/status/ime_win.h"
#include "hexview/status/status_line_win.h"
#include "hexview/view_state_win.h"

namespace {

int WantedWidth(const Document& doc) {
  return g_view.entryMode == kEntryInsert ? 2 : (doc.charWidth > 0 ? doc.charWidth : 1);
}

void ShowBars(HWND view, int how) {
  if (HexView* record = HexViewOf(view)) {
    if (record->markBar1) ShowWindow(record->markBar1, how);
    if (record->markBar2) ShowWindow(record->markBar2, how);
  }
}

// Repaints the cells whose selection state differs between from and to.
int RepaintSelectionChange(HWND view, const CaretState& from, const CaretState& to) {
  if (from.anchor == to.anchor) {
    if (to.anchor == -1 || from.caret == to.caret) return 0;
    return InvalidateRange(view, from.caret, to.caret);
  }
  if (from.anchor != -1 && InvalidateRange(view, from.anchor, from.caret) != 0) return -1;
  if (to.anchor != -1 && InvalidateRange(view, to.anchor, to.caret) != 0) return -1;
  return 0;
}

}  // namespace

void CreateViewCaret(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr || GetFocus() != view) return;
  const int width = WantedWidth(*doc);
  const int height = 2 * (doc->charWidth > 0 ? doc->charWidth : 1);
  DestroyCaret();
  if (!CreateCaret(view, nullptr, width, height)) {
    g_view.caretWindow = nullptr;
    return;
  }
  g_view.caretWindow = view;
  g_view.caretWidth = width;
  UpdateCaretAndStatus(view);
  ShowCaret(view);
}

void SetEntryMode(HWND view, int mode) {
  g_view.entryMode = mode;
  SyncCaretShape(view);
}

void LeaveDigitEntry(HWND view) { SetEntryMode(view, EntryModeAfterLeavingDigit(g_view.entryMode)); }

void SyncCaretShape(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr || GetFocus() != view) return;
  if (g_view.caretWindow == view && g_view.caretWidth == WantedWidth(*doc)) return;
  CreateViewCaret(view);
}

int OnViewSetFocus(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return 0;
  // The IME font is a nicety: a system that refuses it still gets its caret.
  SetImeFont(view, doc->font);
  CreateViewCaret(view);
  if (UpdateCaretAndStatus(view) != 0) return -1;
  ShowBars(view, SW_SHOWNA);
  return 0;
}

int OnViewKillFocus(HWND view) {
  if (g_view.caretWindow == view) {
    DestroyCaret();
    g_view.caretWindow = nullptr;
  }
  ShowBars(view, SW_HIDE);
  return 0;
}

int MoveCaretTo(HWND view, const CaretState& to) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return 0;
  const CaretState from = CaretStateOf(*doc);
  if (from == to) return 0;
  HideCaret(view);
  if (to.caret != from.caret) LeaveDigitEntry(view);
  ApplyCaretState(*doc, to);
  int result = ScrollTo(view, from.scrollColumn, from.scrollLine);
  if (result == 0) result = RepaintSelectionChange(view, from, to);
  if (result == 0 && from.anchor != to.anchor) result = RefreshMenuState(doc);
  if (result == 0) result = UpdateCaretAndStatus(view);
  ShowCaret(view);
  return result;
}
