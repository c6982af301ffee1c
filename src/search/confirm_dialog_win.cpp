// The confirmation dialog: what was matched, what replaces it, and where it stands.
#include "search/confirm_dialog_win.h"

#include "core/messages.h"
#include "core/user_message.h"
#include "resources/resource_ids.h"
#include "search/pattern_fields_win.h"
#include "search/search_state.h"
#include "search/search_texts.h"
#include "shell/dialog_win.h"

namespace {

// The buttons end the dialog with the answers of the loop.
static_assert(IDC_CONFIRM_REPLACE == kConfirmReplace && IDC_CONFIRM_NEXT == kConfirmNext &&
              IDC_CONFIRM_ALL == kConfirmAll && IDCANCEL == kConfirmCancel);

struct ConfirmRecord {
  ConfirmTexts texts;
};

bool ShowTexts(HWND dialog, int first, const PatternTexts& texts) {
  return SetControlText(dialog, first, texts.numeric) && SetControlText(dialog, first + 1, texts.ansi) &&
         SetUnicodeControlText(dialog, first + 2, texts.unicode);
}

bool OnInit(HWND dialog, ConfirmRecord& record) {
  if (g_search.confirmX != kNoPosition && g_search.confirmY != kNoPosition &&
      !SetWindowPos(dialog, nullptr, g_search.confirmX, g_search.confirmY, 0, 0, SWP_NOSIZE | SWP_NOZORDER)) {
    FailDialog(dialog, kMsgCannotPlaceWindow);
    return true;
  }
  const ConfirmTexts& t = record.texts;
  if (!ShowTexts(dialog, IDC_CONFIRM_MATCH_NUMERIC, t.match) ||
      !ShowTexts(dialog, IDC_CONFIRM_WITH_NUMERIC, t.replacement) ||
      !SetControlText(dialog, IDC_CONFIRM_RANGE, t.range) ||
      !SetControlText(dialog, IDC_CONFIRM_CASE, t.options.caseText) ||
      !SetControlText(dialog, IDC_CONFIRM_WIDTH, t.options.widthText) ||
      !SetControlText(dialog, IDC_CONFIRM_DIRECTION, t.options.directionText))
    return true;
  HWND next = DialogControl(dialog, IDC_CONFIRM_NEXT);
  if (next == nullptr) return true;
  SetFocus(next);
  return false;
}

// The dialog reopens where it is now, for the rest of the run.
void Close(HWND dialog, int button) {
  RECT r;
  if (GetWindowRect(dialog, &r)) {
    g_search.confirmX = r.left;
    g_search.confirmY = r.top;
  } else {
    ShowMessage(kMsgCannotGetWindowRect, MessageIcon::Warning, MessageButtons::Ok, dialog);
  }
  EndDialogWith(dialog, button);
}

bool OnCommand(HWND dialog, ConfirmRecord&, int id, int) {
  switch (id) {
    case IDC_CONFIRM_REPLACE:
    case IDC_CONFIRM_NEXT:
    case IDC_CONFIRM_ALL:
    case IDCANCEL: Close(dialog, id); return true;
    default: return false;
  }
}

constexpr DialogHandlers<ConfirmRecord> kConfirmDialog = {OnInit, OnCommand, nullptr};

}  // namespace

int ConfirmReplace(HWND view, const ReplaceConfirm& info) {
  ConfirmRecord record{ConfirmTextsFor(info)};
  return static_cast<int>(RunDialog(IDD_CONFIRMREPLACE, view, record, kConfirmDialog, DialogCharset::Unicode));
}
