// The progress dialog: creation, centring, the abort flag and message pumping.
#include "app/progress_dialog_win.h"

#include "app/shell.h"
#include "core/user_message.h"
#include "resources/resource_ids.h"

namespace {

int g_abortFlag = 0;  // 0, or -1 once the user aborted
HWND g_dialog = nullptr;

// Warns and ends the dialog as a modal one would: hidden, destroyed later by its owner.
void WarnAndHide(HWND dialog, const char* text) {
  ShowMessage(text, MessageIcon::Warning, MessageButtons::Ok, dialog);
  ShowWindow(dialog, SW_HIDE);
}

BOOL OnInitProgress(HWND dialog, const char* text) {
  RECT r;
  if (!GetWindowRect(dialog, &r)) {
    WarnAndHide(dialog, "ｳｲﾝﾄﾞｳの座標を取得できません");
    return TRUE;
  }
  int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
  int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
  if (!SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER)) {
    WarnAndHide(dialog, "ｳｲﾝﾄﾞｳの位置を設定できません");
    return TRUE;
  }
  if (!SetDlgItemTextA(dialog, IDC_PROGRESS_TEXT, text)) {
    WarnAndHide(dialog, "ﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽのｺﾝﾄﾛｰﾙに文字列を設定できません");
  }
  return TRUE;
}

INT_PTR CALLBACK ProgressProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitProgress(dialog, reinterpret_cast<const char*>(lParam));
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) {
        g_abortFlag = -1;
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

bool BeginProgress(const char* text) {
  g_abortFlag = 0;
  if (g_shell.frame) EnableWindow(g_shell.frame, FALSE);
  g_dialog = CreateDialogParamA(g_shell.instance, MAKEINTRESOURCEA(IDD_PROGRESS), g_shell.mdiClient, ProgressProc,
                                reinterpret_cast<LPARAM>(text));
  if (g_dialog == nullptr) {
    if (g_shell.frame) EnableWindow(g_shell.frame, TRUE);
    return false;
  }
  return true;
}

void PumpWhileBusy() {
  MSG msg;
  while (g_abortFlag == 0 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Keep the quit for the main loop and stop the operation.
      PostQuitMessage(static_cast<int>(msg.wParam));
      g_abortFlag = -1;
      break;
    }
    if (g_dialog != nullptr && IsDialogMessageA(g_dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool EndProgress() {
  if (g_shell.frame) EnableWindow(g_shell.frame, TRUE);
  HWND dialog = g_dialog;
  g_dialog = nullptr;
  if (dialog != nullptr && !DestroyWindow(dialog)) return false;
  return true;
}

bool ProgressAborted() { return g_abortFlag != 0; }

HWND ProgressDialogWindow() { return g_dialog; }
