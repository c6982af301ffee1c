// Clicks and drags in the hex view.
#include "hexview/input/mouse_input_win.h"

#include "core/document.h"
#include "core/messages.h"
#include "hexview/commands/view_menus_win.h"
#include "hexview/hex_view_win.h"
#include "hexview/input/caret_motion.h"
#include "hexview/input/caret_win.h"
#include "hexview/input/mouse_hit_test.h"
#include "hexview/render/view_paint_win.h"
#include "hexview/render/view_scroll_win.h"
#include "hexview/status/status_line_win.h"
#include "shell/shell.h"

namespace {

// The steps after the caret moved: menu state when the selection appeared or
// went, digit entry ended when the byte changed, caret and status.
int FinishMove(HWND view, Document& doc, const CaretState& from) {
  if (from.anchor != doc.anchor && RefreshMenuState(&doc) != 0) return -1;
  if (from.caret != doc.caret) LeaveDigitEntry(view);
  return UpdateCaretAndStatus(view);
}

}  // namespace

int OnViewLButtonDown(HWND view, int x, int y, UINT keys) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return 0;
  const CaretState from = CaretStateOf(*doc);
  HideCaret(view);
  int result = 0;
  if (from.anchor != -1) result = InvalidateRange(view, from.anchor, from.caret);
  const HitResult hit = HitTest(MetricsOf(*doc), x, y);
  int32_t anchor = -1;
  if (keys & MK_SHIFT) anchor = from.anchor != -1 ? from.anchor : from.caret;
  if (anchor == hit.caret) anchor = -1;
  doc->caret = hit.caret;
  doc->digitIndex = hit.digitIndex;
  doc->activeColumn = hit.activeColumn;
  doc->anchor = anchor;
  if (result == 0 && anchor != -1) result = InvalidateRange(view, anchor, hit.caret);
  if (result == 0) result = FinishMove(view, *doc, from);
  ShowCaret(view);
  SetCapture(view);
  return result;
}

int OnViewMouseMove(HWND view, int x, int y, UINT keys) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr || !(keys & MK_LBUTTON) || GetCapture() != view) return 0;
  const CaretState from = CaretStateOf(*doc);
  const ScrollPosition scroll = DragScroll(MetricsOf(*doc), x, y);
  const bool scrolled = scroll.column != from.scrollColumn || scroll.line != from.scrollLine;
  HideCaret(view);
  int result = 0;
  if (scrolled) {
    doc->scrollColumn = scroll.column;
    doc->scrollLine = scroll.line;
    result = ScrollTo(view, from.scrollColumn, from.scrollLine);
  }
  const ViewMetrics m = MetricsOf(*doc);
  const PixelPoint point = ClampToClient(m, x, y);
  const HitResult hit = HitTest(m, point.x, point.y);
  const bool moved =
      hit.caret != from.caret || hit.digitIndex != from.digitIndex || hit.activeColumn != from.activeColumn;
  if (result == 0 && moved) {
    if (hit.caret != from.caret) {
      int32_t anchor = from.anchor == -1 ? from.caret : from.anchor;
      doc->anchor = anchor == hit.caret ? -1 : anchor;
      result = InvalidateRange(view, from.caret, hit.caret);
    }
    doc->caret = hit.caret;
    doc->digitIndex = hit.digitIndex;
    doc->activeColumn = hit.activeColumn;
  }
  if (result == 0 && (moved || scrolled)) result = FinishMove(view, *doc, from);
  if (result == 0 && scrolled && !UpdateWindow(view)) {
    FailAndDestroyFrame(kMsgCannotUpdateWindow);
    result = -1;
  }
  ShowCaret(view);
  return result;
}

int OnViewLButtonUp(HWND view) {
  if (GetCapture() == view) ReleaseCapture();
  return 0;
}
