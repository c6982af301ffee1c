// Caret position, marker bars and status text of a hex view.
#include "hexview/status/status_line_win.h"

#include <commctrl.h>

#include <string>

#include "core/document.h"
#include "core/messages.h"
#include "hexview/hex_view_win.h"
#include "hexview/input/caret_geometry.h"
#include "hexview/render/view_resources_win.h"
#include "hexview/status/ime_win.h"
#include "hexview/status/status_text.h"
#include "shell/shell.h"

namespace {

bool SetStatusText(const char* text) {
  if (g_shell.statusBar == nullptr) return true;
  return SendMessageA(g_shell.statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text)) != 0;
}

// Moves a bar to its place, or out of sight (one cell by two pixels) when it has
// none. A placed bar is repainted after the view: the view paints its cells
// over its children, so a cell repainted under a bar would otherwise hide it.
bool PlaceBar(HWND bar, const BarPlacement& place, int charWidth) {
  if (bar == nullptr) return true;
  if (!place.visible) return MoveWindow(bar, kHiddenCaret, kHiddenCaret, charWidth, 2, TRUE) != 0;
  if (!MoveWindow(bar, place.x, place.y, place.width, place.height, TRUE)) return false;
  InvalidateRect(bar, nullptr, TRUE);
  return true;
}

}  // namespace

int UpdateCaretAndStatus(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) {
    SetCaretPos(kHiddenCaret, kHiddenCaret);
    return 0;
  }
  const ViewMetrics m = MetricsOf(*doc);
  const PixelPoint at = CaretPixel(m, doc->caret, doc->activeColumn, doc->digitIndex);
  SetCaretPos(at.x, at.y);
  SetImePosition(view, at.x, at.y);

  if (HexView* record = HexViewOf(view)) {
    const MarkerBars bars = PlaceMarkerBars(m, doc->caret, doc->activeColumn);
    if (!PlaceBar(record->markBar1, bars.first, m.charWidth) || !PlaceBar(record->markBar2, bars.second, m.charWidth)) {
      FailAndDestroyFrame(kMsgCannotMoveWindow);
      return -1;
    }
  }

  uint8_t bytes[4] = {};
  const int count = doc->anchor == -1 ? ReadBytes(*doc, doc->caret, bytes, 4) : 0;
  const std::string text = StatusLineText(doc->options, doc->caret, doc->anchor, bytes, count);
  if (!SetStatusText(text.c_str())) {
    FailAndDestroyFrame(kMsgCannotSetStatusText);
    return -1;
  }
  return 0;
}

int ShowIdleStatus() {
  if (!SetStatusText("")) {
    FailAndDestroyFrame(kMsgCannotSetStatusText);
    return -1;
  }
  return 0;
}

void RefreshActiveStatus() {
  if (HWND active = ActiveDocumentWindow()) {
    UpdateCaretAndStatus(active);
  } else {
    ShowIdleStatus();
  }
}
