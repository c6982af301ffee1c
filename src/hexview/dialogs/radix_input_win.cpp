// The radix input dialog (template 4) and the writing of its value at the caret.
#include "hexview/dialogs/radix_input_win.h"

#include <climits>
#include <string>

#include "core/clipboard_paste.h"
#include "core/display_types.h"
#include "core/document.h"
#include "core/edit.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/user_message.h"
#include "hexview/commands/edit_view_win.h"
#include "hexview/dialogs/radix_value.h"
#include "hexview/hex_view_win.h"
#include "hexview/input/caret_entry_mode.h"
#include "hexview/view_state_win.h"
#include "resources/resource_ids.h"
#include "shell/dialog_win.h"
#include "shell/process_state.h"

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

// Reads the text in the chosen radix; OK is enabled exactly when it parses.
void Reparse(HWND dialog, RadixDialogRecord& record) {
  const std::string text = ControlText(dialog, IDC_RADIX_VALUE, kRadixTextLimit);
  EnableControl(dialog, IDOK, ParseRadixText(text.c_str(), record.choice.radix, &record.value) == 0);
}

void FillCombo(HWND dialog, int id, const char* const* names, int count, int selected) {
  for (int i = 0; i < count; ++i) SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names[i]));
  SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

bool OnInit(HWND dialog, RadixDialogRecord& record) {
  const POINT at = g_view.radixDialogPosition;
  if (at.x != INT_MAX && at.y != INT_MAX &&
      !SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)) {
    FailDialog(dialog, kMsgCannotPlaceWindow);
    return true;
  }
  FillCombo(dialog, IDC_RADIX_RADIX, kRadixNames, kRadixChoiceCount, record.choice.radix);
  FillCombo(dialog, IDC_RADIX_UNIT, kUnitNames, 3, record.choice.unit);
  FillCombo(dialog, IDC_RADIX_ORDER, kOrderNames, 2, record.choice.order);
  SendDlgItemMessageA(dialog, IDC_RADIX_VALUE, EM_LIMITTEXT, kRadixTextLimit, 0);
  if (!SetControlText(dialog, IDC_RADIX_VALUE, record.initialText)) return true;
  Reparse(dialog, record);
  // Typing goes on after the character that opened the dialog.
  HWND edit = DialogControl(dialog, IDC_RADIX_VALUE);
  if (edit == nullptr) return true;
  SetFocus(edit);
  SendMessageA(edit, EM_SETSEL, kRadixTextLimit, kRadixTextLimit);
  return false;
}

void OnSpin(HWND dialog, RadixDialogRecord& record, int control, int code) {
  if (control != IDC_RADIX_SPIN || (code != SB_LINEUP && code != SB_LINEDOWN)) return;
  std::string text = SpinRadixText(ControlText(dialog, IDC_RADIX_VALUE, kRadixTextLimit).c_str(), record.choice.radix,
                                   code == SB_LINEUP ? 1 : -1);
  if (SetControlText(dialog, IDC_RADIX_VALUE, text)) Reparse(dialog, record);
}

// A new radix, unit or byte order is remembered at once for the next time.
void OnComboChange(HWND dialog, RadixDialogRecord& record, int id) {
  int selected = static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
  if (selected < 0) return;
  if (id == IDC_RADIX_RADIX) record.choice.radix = selected;
  if (id == IDC_RADIX_UNIT) record.choice.unit = selected;
  if (id == IDC_RADIX_ORDER) record.choice.order = selected;
  g_settings.code = EncodeRadixCode(record.choice);
  if (id == IDC_RADIX_RADIX) Reparse(dialog, record);
}

// The dialog reopens where it was closed, for the rest of the run.
void Close(HWND dialog, INT_PTR result) {
  RECT r;
  if (GetWindowRect(dialog, &r)) {
    g_view.radixDialogPosition = {r.left, r.top};
  } else {
    ShowMessage(kMsgCannotGetWindowRect, MessageIcon::Warning, MessageButtons::Ok, dialog);
  }
  EndDialogWith(dialog, result);
}

void OnOk(HWND dialog, RadixDialogRecord& record) {
  const std::string text = ControlText(dialog, IDC_RADIX_VALUE, kRadixTextLimit);
  if (ParseRadixText(text.c_str(), record.choice.radix, &record.value) != 0) return;
  RadixValueBytes(record.value, record.choice.unit, record.choice.order, record.bytes);
  Close(dialog, kDialogOk);
}

bool OnCommand(HWND dialog, RadixDialogRecord& record, int id, int code) {
  switch (id) {
    case IDC_RADIX_VALUE:
      if (code == EN_CHANGE) Reparse(dialog, record);
      return true;
    case IDC_RADIX_RADIX:
    case IDC_RADIX_UNIT:
    case IDC_RADIX_ORDER:
      if (code == CBN_SELCHANGE) OnComboChange(dialog, record, id);
      return true;
    case IDOK: OnOk(dialog, record); return true;
    case IDCANCEL: Close(dialog, kDialogCancel); return true;
    default: return false;
  }
}

constexpr DialogHandlers<RadixDialogRecord> kRadixDialog = {OnInit, OnCommand, OnSpin};

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
  if (RunDialog(IDD_RADIXINPUT, view, record, kRadixDialog) != kDialogOk || !IsWindow(view) ||
      DocumentOf(view) != doc)
    return;

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
