// The go-to dialog (template 5) and the caret move it asks for.
#include "hexview/dialogs/goto_win.h"
#include "core/messages.h"
#include "hexview/view_state_win.h"

#include <string>

#include "shell/shell.h"
#include "core/display_types.h"
#include "core/document.h"
#include "core/edit.h"
#include "core/user_message.h"
#include "hexview/input/caret_entry_mode.h"
#include "hexview/commands/edit_view_win.h"
#include "hexview/dialogs/goto_address.h"
#include "hexview/hex_view_win.h"
#include "resources/resource_ids.h"

namespace {

// The dialog's parameter record.
struct GoToRecord {
  int base = 16;
  int32_t caret = 0;
  int32_t length = 0;
  int32_t target = 0;  // on OK: the new caret
};

GoToRecord& RecordOf(HWND dialog) { return *reinterpret_cast<GoToRecord*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

std::string EntryText(HWND dialog) {
  char text[kGoToTextLimit + 8] = {};
  GetDlgItemTextA(dialog, IDC_GOTO_ADDRESS, text, sizeof text);
  return text;
}

void FailDialog(HWND dialog, const char* text) {
  ShowMessage(text, MessageIcon::Warning, MessageButtons::Ok, dialog);
  EndDialog(dialog, 2);
}

// OK is enabled exactly when the entry names an offset inside 0..length.
void Recheck(HWND dialog) {
  GoToRecord& record = RecordOf(dialog);
  GoToEntry entry = ParseGoToEntry(EntryText(dialog).c_str(), record.base, record.caret);
  HWND ok = GetDlgItem(dialog, IDOK);
  if (ok == nullptr) {
    FailDialog(dialog, kMsgCannotGetControl);
    return;
  }
  EnableWindow(ok, GoToTargetAllowed(entry, record.length));
}

BOOL OnInit(HWND dialog, GoToRecord* record) {
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(record));
  SendDlgItemMessageA(dialog, IDC_GOTO_ADDRESS, EM_LIMITTEXT, kGoToTextLimit, 0);
  if (!SetDlgItemTextA(dialog, IDC_GOTO_ADDRESS, GoToInitialText(record->caret, record->base).c_str())) {
    FailDialog(dialog, kMsgCannotSetControlText);
    return TRUE;
  }
  HWND ok = GetDlgItem(dialog, IDOK);
  if (ok == nullptr) {
    FailDialog(dialog, kMsgCannotGetControl);
    return TRUE;
  }
  EnableWindow(ok, FALSE);
  return TRUE;
}

void OnSpin(HWND dialog, int code) {
  if (code != SB_LINEUP && code != SB_LINEDOWN) return;
  GoToRecord& record = RecordOf(dialog);
  std::string text = SpinGoToText(EntryText(dialog).c_str(), record.base, record.caret, record.length,
                                  code == SB_LINEUP ? 1 : -1);
  if (!SetDlgItemTextA(dialog, IDC_GOTO_ADDRESS, text.c_str())) {
    FailDialog(dialog, kMsgCannotSetControlText);
    return;
  }
  Recheck(dialog);
}

void End(HWND dialog, int result) {
  if (!EndDialog(dialog, result)) ShowMessage(kMsgCannotEndDialog, MessageIcon::Warning, MessageButtons::Ok, dialog);
}

void OnOk(HWND dialog) {
  GoToRecord& record = RecordOf(dialog);
  GoToEntry entry = ParseGoToEntry(EntryText(dialog).c_str(), record.base, record.caret);
  if (!GoToTargetAllowed(entry, record.length)) return;
  record.target = static_cast<int32_t>(entry.target);
  End(dialog, 1);
}

INT_PTR CALLBACK GoToProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return OnInit(dialog, reinterpret_cast<GoToRecord*>(lParam));
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lParam) == GetDlgItem(dialog, IDC_GOTO_SPIN)) OnSpin(dialog, LOWORD(wParam));
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_GOTO_ADDRESS:
          if (HIWORD(wParam) == EN_CHANGE) Recheck(dialog);
          return TRUE;
        case IDOK: OnOk(dialog); return TRUE;
        case IDCANCEL: End(dialog, 2); return TRUE;
        default: return FALSE;
      }
    default: return FALSE;
  }
}

}  // namespace

bool RunGoTo(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return false;
  GoToRecord record;
  record.base = AddressRadixBase(AddressRadixOf(doc->options));
  record.caret = doc->caret;
  record.length = doc->length;
  INT_PTR result = DialogBoxParamA(g_shell.instance, MAKEINTRESOURCEA(IDD_GOTO), view, GoToProc,
                                   reinterpret_cast<LPARAM>(&record));
  if (result != 1 || !IsWindow(view) || DocumentOf(view) != doc) return false;

  // The caret jumps: digit entry ends and the selection goes. The view learns
  // of it as an edit that changed no bytes.
  EditChange change{};
  change.caretBefore = doc->caret;
  change.anchorBefore = doc->anchor;
  change.digitIndexBefore = doc->digitIndex;
  int32_t target = record.target < 0 ? 0 : record.target > doc->length ? doc->length : record.target;
  doc->caret = target;
  doc->anchor = -1;
  doc->digitIndex = 0;
  g_view.entryMode = EntryModeAfterLeavingDigit(g_view.entryMode);
  change.offset = target;
  change.caretAfter = target;
  change.anchorAfter = -1;
  change.digitIndexAfter = 0;
  EditView* editView = EditViewOf(view);
  editView->ContentChanged(*doc, change);
  if (change.anchorBefore != -1) editView->MenuStateChanged(*doc);
  return true;
}
