// The find dialog: the pattern in three forms and the options.
#include "search/find_dialog_win.h"

#include "resources/resource_ids.h"
#include "search/pattern_fields_win.h"
#include "shell/dialog_win.h"
#include "shell/process_state.h"

namespace {

struct FindRecord {
  FindRequest* request;
  PatternFields fields;
};

bool OnInit(HWND dialog, FindRecord& record) {
  const FindRequest& request = *record.request;
  if (!ShowSearchOptions(dialog, request.options, IDC_FIND_CASE, IDC_FIND_WIDTH, IDC_FIND_UP, IDC_FIND_DOWN) ||
      !InitPatternFields(dialog, record.fields) || !EnableControl(dialog, IDOK, record.fields.forms.okEnabled()))
    return true;
  FocusPatternField(dialog, record.fields, request.focusField);
  return false;
}

void OnOk(HWND dialog, FindRecord& record) {
  const ByteSequence pattern = PatternOnOk(dialog, record.fields);
  if (pattern.count == 0) return;
  record.request->pattern = pattern;
  record.request->options = SearchOptionsShown(dialog, IDC_FIND_CASE, IDC_FIND_WIDTH, IDC_FIND_UP);
  EndDialogWith(dialog, kDialogOk);
}

bool OnCommand(HWND dialog, FindRecord& record, int id, int code) {
  if (OnPatternFieldCommand(dialog, record.fields, id, code)) {
    EnableControl(dialog, IDOK, record.fields.forms.okEnabled());
    return true;
  }
  if (id != IDOK) return false;
  OnOk(dialog, record);
  return true;
}

constexpr DialogHandlers<FindRecord> kFindDialog = {OnInit, OnCommand, nullptr};

}  // namespace

int FindDialog(HWND view, FindRequest& request) {
  FindRecord record{&request, {}};
  record.fields.first = IDC_FIND_NUMERIC;
  record.fields.format = {request.radix, request.width, request.signedFlag != 0};
  record.fields.history = &g_settings.findHistory;
  return static_cast<int>(RunDialog(IDD_FIND, view, record, kFindDialog, DialogCharset::Unicode));
}
