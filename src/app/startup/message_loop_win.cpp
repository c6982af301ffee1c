// The main message loop.
#include "app/startup/message_loop_win.h"

#include <windows.h>

#include "shell/shell.h"

int RunMessageLoop() {
  MSG msg;
  const bool wide = g_shell.unicodeViews;
  for (;;) {
    BOOL got = wide ? GetMessageW(&msg, nullptr, 0, 0) : GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (g_shell.mdiClient != nullptr && TranslateMDISysAccel(g_shell.mdiClient, &msg)) continue;
    if (g_shell.frame != nullptr && g_shell.accelerators != nullptr) {
      int done = wide ? TranslateAcceleratorW(g_shell.frame, g_shell.accelerators, &msg)
                      : TranslateAcceleratorA(g_shell.frame, g_shell.accelerators, &msg);
      if (done) continue;
    }
    TranslateMessage(&msg);
    if (wide) {
      DispatchMessageW(&msg);
    } else {
      DispatchMessageA(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}
