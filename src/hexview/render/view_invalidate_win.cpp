// Invalidation helpers of the document window.
#include "hexview/render/view_invalidate_win.h"

#include "shell/shell.h"
#include "core/document.h"
#include "hexview/render/view_invalidate.h"
#include "hexview/render/view_resources_win.h"

int InvalidateClientRect(HWND window, const RECT& rect) {
  if (InvalidateRect(window, &rect, TRUE)) return 0;
  FailAndDestroyFrame("更新ﾘｰｼﾞｮﾝを追加できません");
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
