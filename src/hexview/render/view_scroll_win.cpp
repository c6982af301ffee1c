// Scroll bars and scrolling of the document window.
#include "hexview/render/view_scroll_win.h"

#include <algorithm>
#include <cstdlib>

#include "core/document.h"
#include "core/messages.h"
#include "hexview/render/dump_layout.h"
#include "hexview/render/view_paint_win.h"
#include "hexview/render/view_resources_win.h"
#include "hexview/render/view_scroll.h"
#include "hexview/status/status_line_win.h"
#include "shell/shell.h"

namespace {

Document* DocOf(HWND window) {
  HexView* view = HexViewOf(window);
  return view != nullptr ? view->doc : nullptr;
}

int32_t Clamp64(int64_t value, int32_t low, int32_t high) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, low, high));
}

// Moves the pixels of region by (dx, dy), invalidating what uncovers; falls back to
// invalidating the region when the system cannot scroll.
int MovePixels(HWND window, int dx, int dy, const RECT& region) {
  if (ScrollWindowEx(window, dx, dy, &region, &region, nullptr, nullptr,
                     SW_INVALIDATE | SW_ERASE | SW_SCROLLCHILDREN) != ERROR)
    return 0;
  return InvalidateClientRect(window, region);
}

// Sets range, page and position of the window's SB_HORZ or SB_VERT bar in one
// SetScrollInfo call (redrawn).
void SetScrollBar(HWND window, int bar, int maximum, int page, int position) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = maximum;
  info.nPage = static_cast<UINT>(page);
  info.nPos = position;
  SetScrollInfo(window, bar, &info, TRUE);
}

// The horizontal bar: columns 0 .. total - 1, a page of PageColumns, at scrollColumn.
void SetHorizontalBar(HWND window, const Document& doc) {
  SetScrollBar(window, SB_HORZ, GeometryOf(doc).TotalColumns() - 1, PageColumns(doc), doc.scrollColumn);
}

// The vertical bar: lines 0 .. count - 1, a page of PageLines, at scrollLine.
void SetVerticalBar(HWND window, const Document& doc) {
  SetScrollBar(window, SB_VERT, GeometryOf(doc).LineCount(doc.length) - 1, PageLines(doc), doc.scrollLine);
}

}  // namespace

void UpdateScrollBars(HWND window) {
  Document* doc = DocOf(window);
  if (doc == nullptr) return;
  ClampScroll(*doc);
  // Showing or hiding a bar resizes the client area and re-enters through WM_SIZE,
  // so every value is read from the document again after each call.
  SetHorizontalBar(window, *doc);
  SetVerticalBar(window, *doc);
}

int ScrollTo(HWND window, int previousColumn, int32_t previousLine) {
  Document* doc = DocOf(window);
  if (doc == nullptr) return 0;
  int64_t cw = CellWidth(*doc);
  if (doc->scrollColumn != previousColumn) {
    SetHorizontalBar(window, *doc);
    RECT region{static_cast<LONG>(kFixedColumns * cw), 0, doc->clientWidth, doc->clientHeight};
    int64_t change = int64_t{previousColumn} - doc->scrollColumn;
    int status = std::llabs(change) * cw < doc->clientWidth
                     ? MovePixels(window, static_cast<int>(change * cw), 0, region)
                     : InvalidateClientRect(window, region);
    if (status != 0) return -1;
  }
  if (doc->scrollLine != previousLine) {
    SetVerticalBar(window, *doc);
    RECT region{0, static_cast<LONG>(2 * cw), doc->clientWidth, doc->clientHeight};
    int64_t change = int64_t{previousLine} - doc->scrollLine;
    if (std::llabs(change) * 2 * cw >= doc->clientHeight) return InvalidateClientRect(window, region);
    if (MovePixels(window, 0, static_cast<int>(change * 2 * cw), region) != 0) return -1;
    PixelRect resync;
    int found = AnsiResyncRect(*doc, previousLine, &resync);
    if (found < 0) {
      FailAndDestroyFrame(kMsgNoMemoryForEdit);
      return -1;
    }
    if (found > 0) return InvalidateClientRect(window, RECT{resync.left, resync.top, resync.right, resync.bottom});
  }
  return 0;
}

namespace {

void ResizeTo(HWND window, int width, int height) {
  Document* doc = DocOf(window);
  if (doc == nullptr) return;
  doc->clientWidth = width;
  doc->clientHeight = height;
  UpdateScrollBars(window);
}

int ScrollVertically(HWND window, int code) {
  Document* doc = DocOf(window);
  if (doc == nullptr) return 0;
  int64_t line = doc->scrollLine;
  switch (code) {
    case SB_LINEUP: line -= 1; break;
    case SB_LINEDOWN: line += 1; break;
    case SB_PAGEUP: line -= PageLines(*doc); break;
    case SB_PAGEDOWN: line += PageLines(*doc); break;
    case SB_THUMBTRACK: {
      SCROLLINFO info = {};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      if (!GetScrollInfo(window, SB_VERT, &info)) {
        FailAndDestroyFrame(kMsgCannotGetScrollInfo);
        return -1;
      }
      line = info.nTrackPos;
      break;
    }
    default: return 0;
  }
  int32_t previous = doc->scrollLine;
  doc->scrollLine = Clamp64(line, 0, MaxScrollLine(*doc));
  return ScrollTo(window, doc->scrollColumn, previous);
}

int ScrollHorizontally(HWND window, int code, int position) {
  Document* doc = DocOf(window);
  if (doc == nullptr) return 0;
  int64_t column = doc->scrollColumn;
  switch (code) {
    case SB_LINELEFT: column -= 1; break;
    case SB_LINERIGHT: column += 1; break;
    case SB_PAGELEFT: column -= PageColumns(*doc); break;
    case SB_PAGERIGHT: column += PageColumns(*doc); break;
    case SB_THUMBTRACK: column = position; break;
    default: return 0;
  }
  int previous = doc->scrollColumn;
  doc->scrollColumn = Clamp64(column, 0, MaxScrollColumn(*doc));
  return ScrollTo(window, previous, doc->scrollLine);
}

int ScrollByWheel(HWND window, int delta) {
  Document* doc = DocOf(window);
  if (doc == nullptr) return 0;
  int32_t previous = doc->scrollLine;
  doc->scrollLine = Clamp64(int64_t{previous} + delta / -30, 0, MaxScrollLine(*doc));
  return ScrollTo(window, doc->scrollColumn, previous);
}

// The caret is hidden while the pixels move, then follows its byte, with the
// marker bars and the status line.
int FollowedByCaret(HWND view, int scrolled) {
  const int result = scrolled == 0 ? UpdateCaretAndStatus(view) : scrolled;
  ShowCaret(view);
  return result;
}

}  // namespace

int OnViewSize(HWND view, int width, int height) {
  HideCaret(view);
  ResizeTo(view, width, height);
  return FollowedByCaret(view, 0);
}

int OnViewVScroll(HWND view, int code) {
  HideCaret(view);
  return FollowedByCaret(view, ScrollVertically(view, code));
}

int OnViewHScroll(HWND view, int code, int position) {
  HideCaret(view);
  return FollowedByCaret(view, ScrollHorizontally(view, code, position));
}

int OnViewWheel(HWND view, int delta) {
  HideCaret(view);
  return FollowedByCaret(view, ScrollByWheel(view, delta));
}
