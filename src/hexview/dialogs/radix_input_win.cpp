// The radix input dialog (template 4) and the writing of its value at the caret.
#include "hexview/dialogs/radix_input_win.h"
#include "core/messages.h"
#include "hexview/view_state_win.h"

#include <climits>
#include <string>

#include "shell/process_state.h"
#include "shell/shell.h"
#include "core/clipboard_paste.h"
#include "core/display_types.h"
#include "core/document.h"
#include "core/edit.h"
#include "core/number_text.h"
#include "core/user_message.h"
#include "hexview/input/caret_entry_mode.h"
#include "hexview/commands/edit_view_win.h"
#include "hexview/hex_view_win.h"
#include "hexview/dialogs/radix_value.h"
#include "resources/resource_ids.h"

namespace {

const char* const kRadixNames[kRadixChoiceCount] = {"16進数", "8進数", "2進数", "符号なし10進数", "符号付き10進数"};
const char* const kUnitNames[] = {"BYTE", "WORD", "DWORD"};
const char* const kOrderNames[] = {"ｲﾝﾃﾙ", "ﾓﾄﾛｰﾗｰ"};

// The dialog's parameter record.
struct RadixDialogRecord {
  char initialText[2] = {};
  RadixChoice choice;
  int32_t value = 0;
  uint8_t bytes[4] = {};  // on OK: the unit's bytes in the chosen order
};

RadixDialogRecord& RecordOf(HWND dialog) {
  return *reinterpret_cast<RadixDialogRecord*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// Reports a failure of the dialog and ends it as cancelled.
void FailDialog(HWND dialog, const char* text) {
  ShowMessage(text, MessageIcon::Warning, MessageButtons::Ok, dialog);
  EndDialog(dialog, 2);
}

std::string ValueText(HWND dialog) {
  char text[kRadixTextLimit + 8] = {};
  GetDlgItemTextA(dialog, IDC_RADIX_VALUE, text, sizeof text);
  return text;
}

// Reads the text in the chosen radix; OK is enabled exactly when it parses.
void Reparse(HWND dialog) {
  RadixDialogRecord& record = RecordOf(dialog);
  bool ok = ParseRadixText(ValueText(dialog).c_str(), record.choice.radix, &record.value) == 0;
  EnableWindow(GetDlgItem(dialog, IDOK), ok);
}

void StoreChoice(const RadixChoice& choice) { g_settings.code = EncodeRadixCode(choice); }

void FillCombo(HWND dialog, int id, const char* const* names, int count, int selected) {
  for (int i = 0; i < count; ++i) SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names[i]));
  SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

BOOL OnInit(HWND dialog, RadixDialogRecord* record) {
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(record));
  if (g_view.radixDialogPosition.x != INT_MAX && g_view.radixDialogPosition.y != INT_MAX &&
      !SetWindowPos(dialog, nullptr, g_view.radixDialogPosition.x, g_view.radixDialogPosition.y, 0, 0,
                    SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)) {
    FailDialog(dialog, kMsgCannotPlaceWindow);
    return TRUE;
  }
  FillCombo(dialog, IDC_RADIX_RADIX, kRadixNames, kRadixChoiceCount, record->choice.radix);
  FillCombo(dialog, IDC_RADIX_UNIT, kUnitNames, 3, record->choice.unit);
  FillCombo(dialog, IDC_RADIX_ORDER, kOrderNames, 2, record->choice.order);
  SendDlgItemMessageA(dialog, IDC_RADIX_VALUE, EM_LIMITTEXT, kRadixTextLimit, 0);
  if (!SetDlgItemTextA(dialog, IDC_RADIX_VALUE, record->initialText)) {
    FailDialog(dialog, kMsgCannotSetControlText);
    return TRUE;
  }
  Reparse(dialog);
  // Typing goes on after the character that opened the dialog.
  HWND edit = GetDlgItem(dialog, IDC_RADIX_VALUE);
  SetFocus(edit);
  SendMessageA(edit, EM_SETSEL, kRadixTextLimit, kRadixTextLimit);
  return FALSE;
}

void OnSpin(HWND dialog, int code) {
  if (code != SB_LINEUP && code != SB_LINEDOWN) return;
  RadixDialogRecord& record = RecordOf(dialog);
  std::string text = SpinRadixText(ValueText(dialog).c_str(), record.choice.radix, code == SB_LINEUP ? 1 : -1);
  if (!SetDlgItemTextA(dialog, IDC_RADIX_VALUE, text.c_str()))
    FailDialog(dialog, kMsgCannotSetControlText);
  Reparse(dialog);
}

void OnComboChange(HWND dialog, int id) {
  RadixDialogRecord& record = RecordOf(dialog);
  int selected = static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
  if (selected < 0) return;
  if (id == IDC_RADIX_RADIX) record.choice.radix = selected;
  if (id == IDC_RADIX_UNIT) record.choice.unit = selected;
  if (id == IDC_RADIX_ORDER) record.choice.order = selected;
  StoreChoice(record.choice);
  if (id == IDC_RADIX_RADIX) Reparse(dialog);
}

void Close(HWND dialog, int result) {
  RECT r;
  if (GetWindowRect(dialog, &r)) {
    g_view.radixDialogPosition = {r.left, r.top};
  } else {
    ShowMessage(kMsgCannotGetWindowRect, MessageIcon::Warning, MessageButtons::Ok, dialog);
  }
  if (!EndDialog(dialog, result)) ShowMessage(kMsgCannotEndDialog, MessageIcon::Warning, MessageButtons::Ok, dialog);
}

void OnOk(HWND dialog) {
  RadixDialogRecord& record = RecordOf(dialog);
  if (ParseRadixText(ValueText(dialog).c_str(), record.choice.radix, &record.value) != 0) return;
  RadixValueBytes(record.value, record.choice.unit, record.choice.order, record.bytes);
  Close(dialog, 1);
}

INT_PTR CALLBACK RadixInputProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return OnInit(dialog, reinterpret_cast<RadixDialogRecord*>(lParam));
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lParam) == GetDlgItem(dialog, IDC_RADIX_SPIN)) OnSpin(dialog, LOWORD(wParam));
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_RADIX_VALUE:
          if (HIWORD(wParam) == EN_CHANGE) Reparse(dialog);
          return TRUE;
        case IDC_RADIX_RADIX:
        case IDC_RADIX_UNIT:
        case IDC_RADIX_ORDER:
          if (HIWORD(wParam) == CBN_SELCHANGE) OnComboChange(dialog, LOWORD(wParam));
          return TRUE;
        case IDOK: OnOk(dialog); return TRUE;
        case IDCANCEL: Close(dialog, 2); return TRUE;
        default: return FALSE;
      }
    default: return FALSE;
  }
}

}  // namespace

void RunRadixInput(HWND view, char initialDigit) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return;
  RadixDialogRecord record;
  record.initialText[0] = initialDigit;
  record.choice = DecodeRadixCode(g_settings.code);
  // A digit typed into the dump belongs to the dump's radix: reading "200"
  // typed in a decimal dump as hexadecimal would write another value.
  int dataRadix = DataRadixOf(doc->options);
  if (initialDigit != 0 && (dataRadix == kRadixOctal || dataRadix == kRadixUnsigned || dataRadix == kRadixSigned))
    record.choice.radix = dataRadix;
  INT_PTR result = DialogBoxParamA(g_shell.instance, MAKEINTRESOURCEA(IDD_RADIXINPUT), view, RadixInputProc,
                                   reinterpret_cast<LPARAM>(&record));
  if (result != 1 || !IsWindow(view) || DocumentOf(view) != doc) return;

  g_view.entryMode = EntryModeAfterLeavingDigit(g_view.entryMode);
  int32_t count = UnitByteCount(record.choice.unit);
  int32_t tempAnchor = -1;
  if (g_view.entryMode == kEntryOverwrite && doc->anchor == -1) {
    tempAnchor = OverwriteAnchor(doc->caret, count, doc->length);
    doc->anchor = tempAnchor;
  }
  EditView* editView = EditViewOf(view);
  UndoStep* step = ReplaceSelection(*doc, record.bytes, count, kCaretAfter, false, editView);
  if (step == nullptr) {
    if (tempAnchor != -1 && doc->anchor == tempAnchor) doc->anchor = -1;
    return;
  }
  CommitStep(*doc, step, editView);
}
