// The information view window.
#include "structs/info_view_win.h"

LRESULT CALLBACK InfoViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}
