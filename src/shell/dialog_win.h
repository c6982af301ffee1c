// The skeleton every modal dialog of the program stands on: the caller's record
// kept in DWLP_USER from WM_INITDIALOG on and handed to named handlers, control
// access that reports the standard failure texts, and one way to end with a
// result. A new dialog is then a table of handlers over its record and the logic.
#pragma once

#include <windows.h>

#include <string>

// How a dialog ended: OK (the caller's record was updated) or cancelled/failed.
// Dialogs with more buttons end with the button's own id.
inline constexpr INT_PTR kDialogOk = IDOK;
inline constexpr INT_PTR kDialogCancel = IDCANCEL;

// The handlers of one dialog over its record R; null members do nothing.
template <typename R>
struct DialogHandlers {
  // WM_INITDIALOG, after the record was kept. Returns true to let the system put
  // the focus on the first control, false when the handler put it somewhere.
  bool (*init)(HWND dialog, R& record) = nullptr;
  // WM_COMMAND: the control or button id and the notification code. Returns
  // whether it handled the command; an IDCANCEL it did not handle ends the dialog
  // with kDialogCancel.
  bool (*command)(HWND dialog, R& record, int id, int code) = nullptr;
  // WM_VSCROLL from a scroll-bar control (the spin buttons): its id and the code.
  void (*spin)(HWND dialog, R& record, int control, int code) = nullptr;
  // Any other message after WM_INITDIALOG (owner-drawn lists, drag lists), seen
  // before the handlers above. Returns true when it handled the message; *result
  // is then the dialog's answer (DWLP_MSGRESULT).
  bool (*message)(HWND dialog, R& record, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) = nullptr;
};

enum class DialogCharset {
  Ansi,     // DialogBoxParamA
  Unicode,  // DialogBoxParamW, or the ANSI dialog where the system does not have it
};

namespace dialog_detail {
struct Context {
  void* record;
  const void* handlers;
  bool (*dispatch)(HWND dialog, const Context& context, UINT message, WPARAM wParam, LPARAM lParam);
};

INT_PTR Run(int templateId, HWND owner, Context& context, DialogCharset charset);

template <typename R>
bool Dispatch(HWND dialog, const Context& context, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto& handlers = *static_cast<const DialogHandlers<R>*>(context.handlers);
  R& record = *static_cast<R*>(context.record);
  LRESULT result = 0;
  if (message != WM_INITDIALOG && handlers.message != nullptr &&
      handlers.message(dialog, record, message, wParam, lParam, &result)) {
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
    return true;
  }
  switch (message) {
    case WM_INITDIALOG:
      return handlers.init == nullptr || handlers.init(dialog, record);
    case WM_COMMAND:
      return handlers.command != nullptr && handlers.command(dialog, record, LOWORD(wParam), HIWORD(wParam));
    case WM_VSCROLL:
      if (handlers.spin == nullptr || lParam == 0) return false;
      handlers.spin(dialog, record, GetDlgCtrlID(reinterpret_cast<HWND>(lParam)), LOWORD(wParam));
      return true;
    default:
      return false;
  }
}
}  // namespace dialog_detail

// Runs dialog template templateId, owned by owner, over record. Returns how it
// ended (see EndDialogWith), or kDialogCancel when it could not be shown.
template <typename R>
INT_PTR RunDialog(int templateId, HWND owner, R& record, const DialogHandlers<R>& handlers,
                  DialogCharset charset = DialogCharset::Ansi) {
  dialog_detail::Context context{&record, &handlers, &dialog_detail::Dispatch<R>};
  return dialog_detail::Run(templateId, owner, context, charset);
}

// Ends the dialog with result; a failure shows "ﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを破棄できません".
void EndDialogWith(HWND dialog, INT_PTR result);

// Shows text (warning icon, owned by the dialog) and ends it with kDialogCancel.
void FailDialog(HWND dialog, const char* text);

// Checked access to the dialog's controls. Each reports its failure with the
// standard text through FailDialog (the dialog then ends) and returns false or null.
HWND DialogControl(HWND dialog, int id);  // "ﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽのｺﾝﾄﾛｰﾙのﾊﾝﾄﾞﾙを取得できません"
bool EnableControl(HWND dialog, int id, bool on);
bool SetControlText(HWND dialog, int id, const std::string& text);  // "...に文字列を設定できません"
bool SetControlWideText(HWND dialog, int id, const std::u16string& text);
bool SetControlNumber(HWND dialog, int id, int value);  // "...に数値を設定できません"
bool SetCheckBox(HWND dialog, int id, bool checked);  // "...のﾁｪｯｸﾏｰｸを設定できません"
bool CheckRadio(HWND dialog, int first, int last, int checked);  // "ﾗｼﾞｵﾎﾞﾀﾝをﾁｪｯｸできません"

// A control's text as the dialog has it (at most limit characters).
std::string ControlText(HWND dialog, int id, int limit = 3075);
std::u16string ControlWideText(HWND dialog, int id, int limit = 3075);
bool IsChecked(HWND dialog, int id);
