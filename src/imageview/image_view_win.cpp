// The image view window: attaching to a document window, painting, moving by
// keys, scroll bar and wheel, clicks that move the document's caret, closing.
#include "imageview/image_view_win.h"

#include <windowsx.h>

#include <initializer_list>
#include <memory>
#include <new>

#include "core/document.h"
#include "core/messages.h"
#include "core/user_message.h"
#include "hexview/hex_view_win.h"
#include "hexview/input/caret_win.h"
#include "imageview/image_click.h"
#include "imageview/image_screen.h"
#include "imageview/image_texts.h"
#include "shell/shell.h"

namespace {

// The one image view of the process.
struct ImageViewState {
  HWND shownView = nullptr;  // the document window shown; null while hidden
  int32_t lineCount = 0;     // pixel lines of its document
  bool placed = false;       // the window was positioned once in this run
  std::unique_ptr<ImageScreen> screen;
};

ImageViewState g_image;

void SetScrollBar(HWND window) {
  const ImageScrollBar bar = ImageScrollBarFor(g_image.screen->Top(), g_image.lineCount);
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  // Kept when the picture cannot scroll: hiding it would widen the client area past the picture.
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  info.nMin = bar.minimum;
  info.nMax = bar.maximum;
  info.nPage = static_cast<UINT>(bar.page);
  info.nPos = bar.position;
  SetScrollInfo(window, SB_VERT, &info, TRUE);
}

// The first showing: at the frame's client origin, kept on the screen. False
// after a reported failure.
bool PlaceFirstTime(HWND window) {
  POINT origin = {0, 0};
  if (!ClientToScreen(g_shell.frame, &origin)) {
    ShowMessage(kMsgCannotConvertPoint, MessageIcon::Stop, MessageButtons::Ok, window);
    EnableWindow(g_shell.frame, TRUE);
    DestroyWindow(window);
    return false;
  }
  const SIZE size = ImageViewWindowSize();
  const ImagePoint at = ImageWindowPlace({origin.x, origin.y}, {size.cx, size.cy}, GetSystemMetrics(SM_CXSCREEN),
                                         GetSystemMetrics(SM_CYSCREEN));
  if (!SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)) {
    FailAndDestroyFrame(kMsgCannotPlaceWindow, window);
    return false;
  }
  g_image.placed = true;
  return true;
}

LRESULT OnAttach(HWND window, HWND view) {
  Document* doc = IsDocumentWindow(view) ? DocumentOf(view) : nullptr;
  if (doc == nullptr || g_image.shownView != nullptr) return 0;
  if (!g_image.screen) g_image.screen.reset(new (std::nothrow) ImageScreen);
  if (!g_image.screen) {
    FailAndDestroyFrame(kMsgNoMemory, window);
    return 0;
  }
  EnableWindow(g_shell.frame, FALSE);
  g_image.shownView = view;
  if (doc->anchor != -1) {
    CaretState unselected = CaretStateOf(*doc);
    unselected.anchor = -1;
    if (MoveCaretTo(view, unselected) != 0) return 0;
  }
  g_image.lineCount = ImageLineCount(doc->length);
  g_image.screen->Rebuild(*doc, ImageColorsFor(*doc, g_shell.colors.values),
                          ImageTopLineForCaret(doc->caret, g_image.lineCount));
  if (!SetWindowTextA(window, ImageTitle(doc->path).c_str())) {
    FailAndDestroyFrame(kMsgCannotSetWindowText, window);
    return 0;
  }
  if (!g_image.placed && !PlaceFirstTime(window)) return 0;
  SetScrollBar(window);
  for (WPARAM kind : {ICON_BIG, ICON_SMALL})
    SendMessageA(window, WM_SETICON, kind, SendMessageA(view, WM_GETICON, kind, 0));
  InvalidateRect(window, nullptr, FALSE);
  ShowWindow(window, SW_SHOW);
  return 0;
}

void OnPaint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  bool ok = dc != nullptr;
  if (ok && g_image.screen) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kImageWidth;
    info.bmiHeader.biHeight = -kImageRows;  // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    ok = SetDIBitsToDevice(dc, 0, 0, kImageWidth, kImageRows, 0, 0, 0, kImageRows, g_image.screen->Pixels(), &info,
                           DIB_RGB_COLORS) != 0;
  }
  EndPaint(window, &ps);
  if (!ok) FailAndDestroyFrame(kMsgCannotPaint, window);
}

// Shows the picture from line top (clamped by the caller): a short move scrolls
// the window's pixels and repaints only the lines that entered.
void MoveTo(HWND window, int32_t top) {
  Document* doc = DocumentOf(g_image.shownView);
  if (doc == nullptr) return;
  const ImageUpdate update = g_image.screen->ScrollTo(*doc, top);
  if (update.rowCount == 0) return;
  const RECT picture = {0, 0, kImageWidth, kImageRows};
  const bool ok =
      update.rowCount == kImageRows
          ? InvalidateRect(window, nullptr, FALSE) != 0
          : ScrollWindowEx(window, 0, update.dy, &picture, &picture, nullptr, nullptr, SW_INVALIDATE) != ERROR;
  if (!ok) {
    FailAndDestroyFrame(kMsgCannotInvalidate, window);
    return;
  }
  SetScrollBar(window);
}

void Move(HWND window, ImageMove move) {
  MoveTo(window, ImageMoveTarget(g_image.screen->Top(), move, g_image.lineCount));
}

void Close(HWND window) {
  if (g_image.shownView == nullptr) return;
  EnableWindow(g_shell.frame, TRUE);
  ShowWindow(window, SW_HIDE);
  g_image.shownView = nullptr;
}

void OnKeyDown(HWND window, UINT key) {
  switch (key) {
    case VK_UP: Move(window, ImageMove::LineUp); break;
    case VK_DOWN: Move(window, ImageMove::LineDown); break;
    case VK_PRIOR: Move(window, ImageMove::PageUp); break;
    case VK_NEXT: Move(window, ImageMove::PageDown); break;
    case VK_HOME: Move(window, ImageMove::Home); break;
    case VK_END: Move(window, ImageMove::End); break;
    case VK_ESCAPE: Close(window); break;
    default: break;
  }
}

void OnVScroll(HWND window, int code) {
  switch (code) {
    case SB_LINEUP: Move(window, ImageMove::LineUp); break;
    case SB_LINEDOWN: Move(window, ImageMove::LineDown); break;
    case SB_PAGEUP: Move(window, ImageMove::PageUp); break;
    case SB_PAGEDOWN: Move(window, ImageMove::PageDown); break;
    case SB_THUMBPOSITION: {
      SCROLLINFO info = {};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      if (!GetScrollInfo(window, SB_VERT, &info)) {
        FailAndDestroyFrame(kMsgCannotGetScrollInfo, window);
        return;
      }
      MoveTo(window, ImageThumbTarget(info.nTrackPos, g_image.lineCount));
      break;
    }
    default: break;
  }
}

void OnWheel(HWND window, int delta) {
  MoveTo(window, ImageWheelTarget(g_image.screen->Top(), delta, g_image.lineCount));
}

void OnClick(int x, int y) {
  Document* doc = DocumentOf(g_image.shownView);
  if (doc == nullptr) return;
  const ImageClick click = ClickImage(CaretStateOf(*doc), MetricsOf(*doc), x, y, g_image.screen->Top());
  if (click.changed) MoveCaretTo(g_image.shownView, click.state);
}

void OnDestroy(HWND window) {
  if (g_image.shownView != nullptr) EnableWindow(g_shell.frame, TRUE);
  g_image.shownView = nullptr;
  if (g_shell.imageView == window) g_shell.imageView = nullptr;
}

}  // namespace

SIZE ImageViewWindowSize() {
  RECT r = {0, 0, kImageWidth, kImageRows};
  AdjustWindowRectEx(&r, kImageViewStyle, FALSE, 0);
  return SIZE{r.right - r.left + GetSystemMetrics(SM_CXVSCROLL), r.bottom - r.top};
}

HWND ImageShownView() { return g_image.shownView; }

void ResetImageViewState() { g_image = ImageViewState{}; }

LRESULT CALLBACK ImageViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Keys, scrolling and clicks count only while a document window is shown.
  const bool shown = g_image.shownView != nullptr;
  switch (message) {
    case kImageAttachMessage: return OnAttach(window, reinterpret_cast<HWND>(lParam));
    case WM_PAINT: OnPaint(window); return 0;
    case WM_KEYDOWN: if (shown) OnKeyDown(window, static_cast<UINT>(wParam)); return 0;
    case WM_VSCROLL: if (shown) OnVScroll(window, LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: if (shown) OnWheel(window, GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_LBUTTONDOWN: if (shown) OnClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_CLOSE: Close(window); return 0;
    case WM_DESTROY: OnDestroy(window); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}
