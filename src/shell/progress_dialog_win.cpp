// The progress dialog: creation, centring, the abort flag, message pumping and
// the queue of work that waits for the long operation to end.
#include "shell/progress_dialog_win.h"

#include <utility>

#include "core/messages.h"
#include "core/user_message.h"
#include "resources/resource_ids.h"
#include "shell/shell.h"

namespace {

struct ProgressState {
  bool running = false;            // between BeginProgress and EndProgress
  int abortFlag = 0;               // 0, or -1 once the user aborted
  HWND dialog = nullptr;
  bool frameWasEnabled = true;     // the frame's state before BeginProgress
  bool pumped = false;             // a pump looked at the queue since BeginProgress
  DWORD lastPump = 0;              // GetTickCount of that pump (differences survive the wrap)
  std::vector<QueuedWork> queue;   // arrived while running, oldest first
};

ProgressState g_progress;

// Warns and ends the dialog as a modal one would: hidden, destroyed later by its owner.
void WarnAndHide(HWND dialog, const char* text) {
  ShowMessage(text, MessageIcon::Warning, MessageButtons::Ok, dialog);
  ShowWindow(dialog, SW_HIDE);
}

INT_PTR OnInitProgress(HWND dialog, const char* text) {
  RECT r;
  if (!GetWindowRect(dialog, &r)) {
    WarnAndHide(dialog, kMsgCannotGetWindowRect);
    return TRUE;
  }
  int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
  int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
  if (!SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER)) {
    WarnAndHide(dialog, kMsgCannotPlaceWindow);
    return TRUE;
  }
  if (!SetDlgItemTextA(dialog, IDC_PROGRESS_TEXT, text)) {
    WarnAndHide(dialog, kMsgCannotSetControlText);
  }
  return TRUE;
}

INT_PTR CALLBACK ProgressProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitProgress(dialog, reinterpret_cast<const char*>(lParam));
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) {
        g_progress.abortFlag = -1;
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

bool BeginProgress(const char* text) {
  if (g_progress.running) return false;
  g_progress.abortFlag = 0;
  g_progress.pumped = false;
  g_progress.frameWasEnabled = g_shell.frame == nullptr || IsWindowEnabled(g_shell.frame);
  if (g_shell.frame) EnableWindow(g_shell.frame, FALSE);
  g_progress.dialog = CreateDialogParamA(g_shell.instance, MAKEINTRESOURCEA(IDD_PROGRESS), g_shell.mdiClient,
                                         ProgressProc, reinterpret_cast<LPARAM>(text));
  if (g_progress.dialog == nullptr) {
    if (g_shell.frame) EnableWindow(g_shell.frame, g_progress.frameWasEnabled);
    return false;
  }
  g_progress.running = true;
  return true;
}

// Messages are looked at every kPumpInterval milliseconds: often enough for the
// dialog to repaint and for 中断 to answer at once, rarely enough that a load
// of 24,000 blocks does not spend a third of its time asking for messages.
constexpr DWORD kPumpInterval = 30;

void PumpWhileBusy() {
  const DWORD now = GetTickCount();
  if (g_progress.pumped && now - g_progress.lastPump < kPumpInterval) return;
  g_progress.pumped = true;
  g_progress.lastPump = now;
  MSG msg;
  while (g_progress.abortFlag == 0 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Keep the quit for the main loop and stop the operation.
      PostQuitMessage(static_cast<int>(msg.wParam));
      g_progress.abortFlag = -1;
      break;
    }
    if (g_progress.dialog != nullptr && IsDialogMessageA(g_progress.dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool EndProgress() {
  if (!g_progress.running) return true;
  g_progress.running = false;
  if (g_shell.frame) EnableWindow(g_shell.frame, g_progress.frameWasEnabled);
  HWND dialog = std::exchange(g_progress.dialog, nullptr);
  // The queued work runs from the main loop, after the operation's own command returned.
  if (!g_progress.queue.empty() && g_shell.frame != nullptr) PostMessageA(g_shell.frame, kMsgRunQueuedWork, 0, 0);
  if (dialog != nullptr && !DestroyWindow(dialog)) return false;
  return true;
}

bool ProgressAborted() { return g_progress.abortFlag != 0; }

bool LongOperationRunning() { return g_progress.running; }

void QueueWork(QueuedWork work) { g_progress.queue.push_back(std::move(work)); }

std::vector<QueuedWork> TakeQueuedWork() { return std::exchange(g_progress.queue, {}); }

void ResetProgressState() { g_progress = ProgressState{}; }
