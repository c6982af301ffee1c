// The marker bars ("BARClass"): children of a document window that show nothing
// but the text colour, as an underline of the caret's byte in the other areas.
#include "core/document.h"
#include "hexview/hex_view_win.h"
#include "hexview/render/view_resources_win.h"
#include "shell/shell.h"

namespace {

// Fills the part being erased with the parent view's text brush.
LRESULT OnEraseBar(HWND bar, HDC dc) {
  HexView* view = HexViewOf(GetParent(bar));
  if (view == nullptr || view->doc == nullptr) return 0;
  HBRUSH brush = (view->doc->options & kOptSystemColors) != 0 ? g_shell.colors.windowTextBrush : view->textBrush;
  RECT box;
  if (brush == nullptr || GetClipBox(dc, &box) == ERROR) return 0;
  FillRect(dc, &box, brush);
  return 1;
}

}  // namespace

LRESULT CALLBACK BarWindowProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) return OnEraseBar(bar, reinterpret_cast<HDC>(wParam));
  return DefWindowProcA(bar, message, wParam, lParam);
}
