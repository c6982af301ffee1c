// Opening a file-history entry, and the history length dialog (command 124).
#include "app/frame/history_commands_win.h"
#include "core/messages.h"

#include <cstdlib>
#include <string>

#include "app/documents/open_document_win.h"
#include "core/text_limits.h"
#include "resources/resource_ids.h"
#include "shell/file_history.h"
#include "shell/file_history_win.h"
#include "shell/process_state.h"
#include "shell/shell.h"

void OpenHistoryEntry(HWND frame, int command) {
  HMENU bar = GetMenu(frame);
  char buffer[kTextBufferSize + 8] = {};
  if (bar == nullptr || GetMenuStringA(bar, static_cast<UINT>(command), buffer, sizeof buffer, MF_BYCOMMAND) <= 0) {
    FailAndDestroyFrame(kMsgCannotGetHistory);
    return;
  }
  std::string path = HistoryEntryPath(buffer);
  OpenDocument(path.c_str());
}

namespace {

// Reads the edit box as an integer 0..9; -1 otherwise.
int ReadHistoryCount(HWND dialog) {
  char text[16] = {};
  GetDlgItemTextA(dialog, IDC_HISTORY_EDIT, text, sizeof text);
  if (text[0] == '\0') return -1;
  char* end = nullptr;
  long v = std::strtol(text, &end, 10);
  if (*end != '\0' || v < 0 || v > 9) return -1;
  return static_cast<int>(v);
}

void OnHistorySpin(HWND dialog, int code) {
  char text[16] = {};
  GetDlgItemTextA(dialog, IDC_HISTORY_EDIT, text, sizeof text);
  long v = std::strtol(text, nullptr, 10);
  if (code == SB_LINEUP) ++v;
  if (code == SB_LINEDOWN) --v;
  if (v < 0) v = 0;
  if (v > 9) v = 9;
  SetDlgItemInt(dialog, IDC_HISTORY_EDIT, static_cast<UINT>(v), TRUE);
}

INT_PTR CALLBACK HistoryCountProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      SendDlgItemMessageA(dialog, IDC_HISTORY_EDIT, EM_LIMITTEXT, 2, 0);
      SetDlgItemInt(dialog, IDC_HISTORY_EDIT, static_cast<UINT>(*reinterpret_cast<int*>(lParam)), TRUE);
      EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
      return TRUE;
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lParam) == GetDlgItem(dialog, IDC_HISTORY_SPIN)) OnHistorySpin(dialog, LOWORD(wParam));
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_HISTORY_EDIT:
          if (HIWORD(wParam) == EN_CHANGE) EnableWindow(GetDlgItem(dialog, IDOK), ReadHistoryCount(dialog) >= 0);
          return TRUE;
        case IDOK: {
          int v = ReadHistoryCount(dialog);
          if (v < 0) return TRUE;
          *reinterpret_cast<int*>(GetWindowLongPtrA(dialog, DWLP_USER)) = v;
          EndDialog(dialog, 1);
          return TRUE;
        }
        case IDCANCEL:
          EndDialog(dialog, 2);
          return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void RunHistoryCountDialog(HWND frame) {
  int value = g_settings.history;
  INT_PTR r = DialogBoxParamA(g_shell.instance, MAKEINTRESOURCEA(IDD_HISTORYCOUNT), frame, HistoryCountProc,
                              reinterpret_cast<LPARAM>(&value));
  if (r != 1) return;
  g_settings.history = value;
  if (TrimFileHistory(frame, value) != 0) FailAndDestroyFrame(kMsgCannotChangeHistoryCount);
}
