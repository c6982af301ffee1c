// The right-margin dialog over a MarginRequest.
#include "print/margin_dialog_win.h"

#include <string>

#include "resources/resource_ids.h"
#include "shell/dialog_win.h"

namespace {

std::string EditText(HWND dialog) { return ControlText(dialog, IDC_MARGIN_EDIT, kMarginEditLimit + 1); }

bool OnInit(HWND dialog, MarginRequest& request) {
  SendDlgItemMessageA(dialog, IDC_MARGIN_EDIT, EM_LIMITTEXT, kMarginEditLimit, 0);
  SetControlNumber(dialog, IDC_MARGIN_EDIT, LimitMargin(request, request.value));
  return true;
}

void OnSpin(HWND dialog, MarginRequest& request, int control, int code) {
  if (control != IDC_MARGIN_SPIN) return;
  int step = code == SB_LINEUP ? 1 : code == SB_LINEDOWN ? -1 : 0;
  SetControlNumber(dialog, IDC_MARGIN_EDIT, SpinMargin(request, EditText(dialog), step));
}

void OnOk(HWND dialog, MarginRequest& request) {
  int32_t value = 0;
  std::string text = EditText(dialog);
  if (!MarginTextAcceptable(request, text) || !ParseMarginText(text, &value)) return;
  request.value = value;
  EndDialogWith(dialog, kDialogOk);
}

bool OnCommand(HWND dialog, MarginRequest& request, int id, int code) {
  switch (id) {
    case IDC_MARGIN_EDIT:
      if (code == EN_CHANGE) EnableControl(dialog, IDOK, MarginTextAcceptable(request, EditText(dialog)));
      return true;
    case IDOK: OnOk(dialog, request); return true;
    default: return false;
  }
}

constexpr DialogHandlers<MarginRequest> kMarginDialog = {OnInit, OnCommand, OnSpin};

}  // namespace

INT_PTR AskRightMargin(HWND owner, MarginRequest& request) {
  MarginRequest edited = request;
  if (RunDialog(IDD_MARGIN, owner, edited, kMarginDialog) != kDialogOk) return kDialogCancel;
  request.value = edited.value;
  return kDialogOk;
}
