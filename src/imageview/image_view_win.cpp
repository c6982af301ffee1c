// The image view window.
#include "imageview/image_view_win.h"

LRESULT CALLBACK ImageViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}
