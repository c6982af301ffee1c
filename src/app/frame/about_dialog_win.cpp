// The About box: icon, product name, version and rights notice.
#include "app/frame/about_dialog_win.h"

#include <windows.h>

#include "shell/shell.h"
#include "resources/resource_ids.h"

namespace {

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
        EndDialog(dialog, 2);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void RunAboutDialog() {
  DialogBoxParamA(g_shell.instance, MAKEINTRESOURCEA(IDD_ABOUT), g_shell.mdiClient, AboutProc, 0);
}
