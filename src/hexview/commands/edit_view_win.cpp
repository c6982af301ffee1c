// The document window's EditView: scrolling, repainting and status after edits.
#include "hexview/commands/edit_view_win.h"

#include <algorithm>

#include "core/edit.h"
#include "hexview/commands/view_menus_win.h"
#include "hexview/hex_view_win.h"
#include "hexview/input/caret_entry_mode.h"
#include "hexview/input/caret_geometry.h"
#include "hexview/input/caret_win.h"
#include "hexview/input/digit_entry.h"
#include "hexview/render/view_paint_win.h"
#include "hexview/render/view_resources_win.h"
#include "hexview/render/view_scroll_win.h"
#include "hexview/status/status_line_win.h"
#include "hexview/view_state_win.h"
#include "shell/shell.h"

namespace {

// Repaints rows from the row above line's row down to the bottom of the client
// area, within [left, right).
int InvalidateRowsFrom(HWND view, const Document& doc, int32_t line, int32_t left, int32_t right) {
  const int32_t rowHeight = RowHeight(doc);
  const RECT rect{left, std::max(rowHeight, LineY(doc, int64_t{line} - 1)), right, doc.clientHeight};
  if (rect.left >= rect.right || rect.top >= rect.bottom) return 0;
  return InvalidateClientRect(view, rect);
}

// Repaints every cell the change touched, in the current scroll position.
int RepaintChange(HWND view, Document& doc, const EditChange& change) {
  if (change.anchorBefore != -1 && InvalidateRange(view, change.anchorBefore, change.caretBefore) != 0)
    return -1;
  if (change.removedCount == 0 && change.insertedCount == 0) return 0;
  const DumpGeometry g = GeometryOf(doc);
  // The byte before the edit pairs with the first changed byte in both character
  // columns, and a double-byte character's pairing can run on to the window's end.
  const int32_t line = g.LineOf(std::max(0, change.offset - 1));
  if (change.Shift() != 0) return InvalidateRowsFrom(view, doc, line, kFixedColumns * CellWidth(doc), doc.clientWidth);
  const int32_t end = change.offset + change.insertedCount + 1;
  if (InvalidateRange(view, std::max(0, change.offset - 1), std::min(end, doc.length)) != 0) return -1;
  const DumpAreas areas = AreasOf(doc);
  if (areas.ansi.Empty()) return 0;
  return InvalidateRowsFrom(view, doc, line, areas.ansi.left, areas.ansi.right);
}

}  // namespace

void WindowEditView::ContentChanged(Document& doc, const EditChange& change) {
  const int32_t previousColumn = doc.scrollColumn;
  const int32_t previousLine = doc.scrollLine;
  const ScrollPosition visible = VisibleScroll(MetricsOf(doc), doc.caret, doc.activeColumn);
  doc.scrollColumn = visible.column;
  doc.scrollLine = visible.line;
  if (ScrollTo(window_, previousColumn, previousLine) != 0) return;
  if (RepaintChange(window_, doc, change) != 0) return;
  if (change.Shift() != 0) UpdateScrollBars(window_);
  if ((change.anchorBefore != -1) != (doc.anchor != -1) && RefreshMenuState(&doc) != 0) return;
  g_view.entryMode = EntryModeAfterDigit(g_view.entryMode, doc.digitIndex);
  SyncCaretShape(window_);
  UpdateCaretAndStatus(window_);
}

void WindowEditView::MenuStateChanged(Document& doc) { RefreshMenuState(&doc); }

EditView* EditViewOf(HWND view) {
  HexView* record = HexViewOf(view);
  return record != nullptr ? &record->editView : nullptr;
}

int ReplaceAndCommit(HWND view, const uint8_t* bytes, int32_t count, int caretMode) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return -1;
  HideCaret(view);
  EditView* editView = EditViewOf(view);
  UndoStep* step = ReplaceSelection(*doc, bytes, count, caretMode, false, editView);
  if (step != nullptr) CommitStep(*doc, step, editView);
  ShowCaret(view);
  return step != nullptr ? 0 : -1;
}
