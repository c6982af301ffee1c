// Caret and status after the view scrolled or changed size.
#include "hexview/input/caret_scroll_win.h"

#include "hexview/status/status_line_win.h"
#include "hexview/render/view_scroll_win.h"

namespace {

// The caret is hidden while the pixels move, then shown at its new place.
int Follow(HWND view, int scrolled) {
  const int result = scrolled == 0 ? UpdateCaretAndStatus(view) : scrolled;
  ShowCaret(view);
  return result;
}

}  // namespace

int OnViewSize(HWND view, int width, int height) {
  HideCaret(view);
  OnSizeView(view, width, height);
  return Follow(view, 0);
}

int OnViewVScroll(HWND view, int code) {
  HideCaret(view);
  return Follow(view, OnVScrollView(view, code));
}

int OnViewHScroll(HWND view, int code, int position) {
  HideCaret(view);
  return Follow(view, OnHScrollView(view, code, position));
}

int OnViewWheel(HWND view, int delta) {
  HideCaret(view);
  return Follow(view, OnMouseWheelView(view, delta));
}
