// The dump painted into a window: the WM_PAINT handler and repainting byte ranges.
#include "hexview/render/view_paint_win.h"

#include "core/document.h"
#include "core/messages.h"
#include "hexview/render/dump_paint.h"
#include "hexview/render/gdi_canvas_win.h"
#include "hexview/render/view_invalidate.h"
#include "hexview/render/view_resources_win.h"
#include "shell/shell.h"

namespace {

// The brushes of DumpBrush: the system's or the document's own colours.
std::array<HBRUSH, 3> ViewBrushes(const Document& doc, const HexView& view) {
  const SystemColors& shared = g_shell.colors;
  if (doc.options & kOptSystemColors) return {shared.windowBrush, shared.highlightBrush, shared.halfHighlightBrush};
  return {view.backBrush, view.selBackBrush, view.halfSelBrush};
}

}  // namespace

void PaintHexView(HDC dc, const RECT& update, bool erase, Document& doc, const HexView& view) {
  DumpPalette palette = PaletteFor(doc, g_shell.colors.values);
  GdiCanvas canvas(dc, ViewBrushes(doc, view), view.mainFont, view.smallFont, palette.text);
  PaintDump(canvas, doc, palette, PixelRect{update.left, update.top, update.right, update.bottom}, erase);
}

int OnPaintView(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  if (dc == nullptr) {
    FailAndDestroyFrame(kMsgCannotPaint);
    return -1;
  }
  HexView* view = HexViewOf(window);
  if (view != nullptr && view->doc != nullptr) PaintHexView(dc, ps.rcPaint, ps.fErase != FALSE, *view->doc, *view);
  EndPaint(window, &ps);
  return 0;
}

int InvalidateClientRect(HWND window, const RECT& rect) {
  if (InvalidateRect(window, &rect, TRUE)) return 0;
  FailAndDestroyFrame(kMsgCannotInvalidate);
  return -1;
}

int InvalidateRange(HWND window, int32_t a, int32_t b) {
  HexView* view = HexViewOf(window);
  if (view == nullptr || view->doc == nullptr) return 0;
  PixelRect rects[3];
  int n = RangeInvalidRects(*view->doc, a, b, rects);
  for (int i = 0; i < n; ++i) {
    if (InvalidateClientRect(window, RECT{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom}) != 0)
      return -1;
  }
  return 0;
}
