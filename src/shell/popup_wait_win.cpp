// The message loop of a pop-up view's wait.
#include "shell/popup_wait_win.h"

#include "shell/shell.h"

void WaitWhileShown(HWND popup) {
  const bool wide = g_shell.unicodeViews;
  MSG msg;
  while (IsWindow(popup) && IsWindowVisible(popup)) {
    const BOOL got = wide ? GetMessageW(&msg, nullptr, 0, 0) : GetMessageA(&msg, nullptr, 0, 0);
    if (got == -1) return;
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    if (wide) {
      DispatchMessageW(&msg);
    } else {
      DispatchMessageA(&msg);
    }
  }
}
