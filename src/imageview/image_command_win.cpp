// The image command of the document windows and the message loop it waits in.
#include "imageview/image_command_win.h"

#include "hexview/commands/view_command_table_win.h"
#include "imageview/image_view_win.h"
#include "resources/resource_ids.h"
#include "shell/shell.h"

void ShowImageView(HWND view) {
  const HWND image = g_shell.imageView;
  if (image == nullptr || ImageShownView() != nullptr) return;
  SendMessageA(image, kImageAttachMessage, 0, reinterpret_cast<LPARAM>(view));
  const bool wide = IsWindowUnicode(view) != FALSE;
  MSG msg;
  while (IsWindow(image) && IsWindowVisible(image)) {
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

void RegisterImageViewCommand() { RegisterViewCommand(IDM_IMAGE, ViewCommand{ShowImageView, nullptr}); }
