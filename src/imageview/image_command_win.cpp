// The image command of the document windows.
#include "imageview/image_command_win.h"

#include "hexview/commands/view_command_table_win.h"
#include "imageview/image_view_win.h"
#include "resources/resource_ids.h"
#include "shell/popup_wait_win.h"
#include "shell/shell.h"

void ShowImageView(HWND view) {
  const HWND image = g_shell.imageView;
  if (image == nullptr || ImageShownView() != nullptr) return;
  SendMessageA(image, kImageAttachMessage, 0, reinterpret_cast<LPARAM>(view));
  WaitWhileShown(image);
}

void RegisterImageViewCommand() { RegisterViewCommand(IDM_IMAGE, ViewCommand{ShowImageView, nullptr}); }
