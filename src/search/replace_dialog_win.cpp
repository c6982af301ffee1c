// The replace dialog: search pattern and replacement in three forms each, and the options.
#include "search/replace_dialog_win.h"

#include "resources/resource_ids.h"
#include "search/pattern_fields_win.h"
#include "shell/dialog_win.h"
#include "shell/process_state.h"

namespace {

struct ReplaceRecord {
  ReplaceRequest* request;
  PatternFields pattern;
  PatternFields replacement;
};

// Both ways of replacing need a search pattern.
bool EnableReplaceButtons(HWND dialog, const ReplaceRecord& record) {
  const bool on = record.pattern.forms.okEnabled();
  return EnableControl(dialog, IDOK, on) && EnableControl(dialog, IDC_REPLACE_ALL, on);
}

bool OnInit(HWND dialog, ReplaceRecord& record) {
  const ReplaceRequest& request = *record.request;
  if (!ShowSearchOptions(dialog, request.options, IDC_REPLACE_CASE, IDC_REPLACE_WIDTH, IDC_REPLACE_UP,
                         IDC_REPLACE_DOWN) ||
      !InitPatternFields(dialog, record.pattern) || !InitPatternFields(dialog, record.replacement) ||
      !EnableReplaceButtons(dialog, record))
    return true;
  FocusPatternField(dialog, record.pattern, request.focusField);
  return false;
}

void OnReplace(HWND dialog, ReplaceRecord& record, int button) {
  const ByteSequence pattern = PatternOnOk(dialog, record.pattern);
  if (pattern.count == 0) return;
  record.request->pattern = pattern;
  record.request->replacement = PatternOnOk(dialog, record.replacement);
  record.request->options = SearchOptionsShown(dialog, IDC_REPLACE_CASE, IDC_REPLACE_WIDTH, IDC_REPLACE_UP);
  EndDialogWith(dialog, button);
}

bool OnCommand(HWND dialog, ReplaceRecord& record, int id, int code) {
  if (OnPatternFieldCommand(dialog, record.pattern, id, code)) {
    EnableReplaceButtons(dialog, record);
    return true;
  }
  if (OnPatternFieldCommand(dialog, record.replacement, id, code)) return true;
  if (id != IDOK && id != IDC_REPLACE_ALL) return false;
  OnReplace(dialog, record, id);
  return true;
}

constexpr DialogHandlers<ReplaceRecord> kReplaceDialog = {OnInit, OnCommand, nullptr};

}  // namespace

int ReplaceDialog(HWND view, ReplaceRequest& request) {
  ReplaceRecord record{&request, {}, {}};
  const PatternNumberFormat format{request.radix, request.width, request.signedFlag != 0};
  record.pattern.first = IDC_REPLACE_NUMERIC;
  record.pattern.format = format;
  record.pattern.history = &g_settings.findHistory;
  record.replacement.first = IDC_REPLACE_WITH_NUMERIC;
  record.replacement.format = format;
  record.replacement.history = &g_settings.replaceHistory;
  return static_cast<int>(RunDialog(IDD_REPLACE, view, record, kReplaceDialog, DialogCharset::Unicode));
}
