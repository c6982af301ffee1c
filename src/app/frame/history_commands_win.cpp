// Opening a file-history entry, and the history length dialog (command 124).
#include "app/frame/history_commands_win.h"

#include <cstdlib>
#include <string>

#include "app/documents/open_document_win.h"
#include "core/messages.h"
#include "core/text_limits.h"
#include "resources/resource_ids.h"
#include "shell/dialog_win.h"
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

// The history length being chosen, 0..9.
struct HistoryCountRecord {
  int count = 0;
};

// The edit box as an integer 0..9; -1 otherwise.
int ReadHistoryCount(HWND dialog) {
  const std::string text = ControlText(dialog, IDC_HISTORY_EDIT, 2);
  if (text.empty()) return -1;
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || v < 0 || v > 9) return -1;
  return static_cast<int>(v);
}

bool OnInit(HWND dialog, HistoryCountRecord& record) {
  SendDlgItemMessageA(dialog, IDC_HISTORY_EDIT, EM_LIMITTEXT, 2, 0);
  if (SetControlNumber(dialog, IDC_HISTORY_EDIT, record.count)) EnableControl(dialog, IDOK, false);
  return true;
}

void OnSpin(HWND dialog, HistoryCountRecord&, int control, int code) {
  if (control != IDC_HISTORY_SPIN) return;
  long v = std::strtol(ControlText(dialog, IDC_HISTORY_EDIT, 2).c_str(), nullptr, 10);
  if (code == SB_LINEUP) ++v;
  if (code == SB_LINEDOWN) --v;
  SetControlNumber(dialog, IDC_HISTORY_EDIT, static_cast<int>(v < 0 ? 0 : v > 9 ? 9 : v));
}

bool OnCommand(HWND dialog, HistoryCountRecord& record, int id, int code) {
  switch (id) {
    case IDC_HISTORY_EDIT:
      if (code == EN_CHANGE) EnableControl(dialog, IDOK, ReadHistoryCount(dialog) >= 0);
      return true;
    case IDOK: {
      int v = ReadHistoryCount(dialog);
      if (v < 0) return true;
      record.count = v;
      EndDialogWith(dialog, kDialogOk);
      return true;
    }
    default: return false;
  }
}

constexpr DialogHandlers<HistoryCountRecord> kHistoryCountDialog = {OnInit, OnCommand, OnSpin};

}  // namespace

void RunHistoryCountDialog(HWND frame) {
  HistoryCountRecord record{g_settings.history};
  if (RunDialog(IDD_HISTORYCOUNT, frame, record, kHistoryCountDialog) != kDialogOk) return;
  g_settings.history = record.count;
  if (TrimFileHistory(frame, record.count) != 0) FailAndDestroyFrame(kMsgCannotChangeHistoryCount);
}
