// The go-to dialog (template 5) and the caret move it asks for.
#include "hexview/dialogs/goto_win.h"

#include <string>

#include "core/display_types.h"
#include "core/document.h"
#include "core/edit.h"
#include "hexview/commands/edit_view_win.h"
#include "hexview/dialogs/goto_address.h"
#include "hexview/hex_view_win.h"
#include "hexview/input/caret_entry_mode.h"
#include "hexview/view_state_win.h"
#include "resources/resource_ids.h"
#include "shell/dialog_win.h"

namespace {

// The dialog's parameter record.
struct GoToRecord {
  int base = 16;
  int32_t caret = 0;
  int32_t length = 0;
  int32_t target = 0;  // on OK: the new caret
};

GoToEntry EntryOf(HWND dialog, const GoToRecord& record) {
  return ParseGoToEntry(ControlText(dialog, IDC_GOTO_ADDRESS, kGoToTextLimit).c_str(), record.base, record.caret);
}

// OK is enabled exactly when the entry names an offset inside 0..length.
void Recheck(HWND dialog, const GoToRecord& record) {
  EnableControl(dialog, IDOK, GoToTargetAllowed(EntryOf(dialog, record), record.length));
}

bool OnInit(HWND dialog, GoToRecord& record) {
  SendDlgItemMessageA(dialog, IDC_GOTO_ADDRESS, EM_LIMITTEXT, kGoToTextLimit, 0);
  if (SetControlText(dialog, IDC_GOTO_ADDRESS, GoToInitialText(record.caret, record.base))) {
    EnableControl(dialog, IDOK, false);
  }
  return true;
}

void OnSpin(HWND dialog, GoToRecord& record, int control, int code) {
  if (control != IDC_GOTO_SPIN || (code != SB_LINEUP && code != SB_LINEDOWN)) return;
  std::string text = SpinGoToText(ControlText(dialog, IDC_GOTO_ADDRESS, kGoToTextLimit).c_str(), record.base,
                                  record.caret, record.length, code == SB_LINEUP ? 1 : -1);
  if (SetControlText(dialog, IDC_GOTO_ADDRESS, text)) Recheck(dialog, record);
}

void OnOk(HWND dialog, GoToRecord& record) {
  GoToEntry entry = EntryOf(dialog, record);
  if (!GoToTargetAllowed(entry, record.length)) return;
  record.target = static_cast<int32_t>(entry.target);
  EndDialogWith(dialog, kDialogOk);
}

bool OnCommand(HWND dialog, GoToRecord& record, int id, int code) {
  switch (id) {
    case IDC_GOTO_ADDRESS:
      if (code == EN_CHANGE) Recheck(dialog, record);
      return true;
    case IDOK: OnOk(dialog, record); return true;
    default: return false;
  }
}

constexpr DialogHandlers<GoToRecord> kGoToDialog = {OnInit, OnCommand, OnSpin};

}  // namespace

bool RunGoTo(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return false;
  GoToRecord record;
  record.base = AddressRadixBase(AddressRadixOf(doc->options));
  record.caret = doc->caret;
  record.length = doc->length;
  if (RunDialog(IDD_GOTO, view, record, kGoToDialog) != kDialogOk || !IsWindow(view) || DocumentOf(view) != doc)
    return false;

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
