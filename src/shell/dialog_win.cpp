// The dialog skeleton: the one dialog procedure, ending, and checked control access.
#include "shell/dialog_win.h"

#include <vector>

#include "core/codepage.h"
#include "core/messages.h"
#include "core/user_message.h"
#include "shell/shell.h"

namespace {

using dialog_detail::Context;

const Context* ContextOf(HWND dialog) {
  return reinterpret_cast<const Context*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

INT_PTR CALLBACK SkeletonProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
  const Context* context = ContextOf(dialog);
  if (context == nullptr) return FALSE;
  bool handled = context->dispatch(dialog, *context, message, wParam, lParam);
  if (message == WM_INITDIALOG) return handled ? TRUE : FALSE;  // FALSE: the handler set the focus
  if (!handled && message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    EndDialogWith(dialog, kDialogCancel);
    handled = true;
  }
  return handled ? TRUE : FALSE;
}

}  // namespace

INT_PTR dialog_detail::Run(int templateId, HWND owner, Context& context, DialogCharset charset) {
  const LPARAM parameter = reinterpret_cast<LPARAM>(&context);
  INT_PTR result = -1;
  if (charset == DialogCharset::Unicode) {
    result = DialogBoxParamW(g_shell.instance, MAKEINTRESOURCEW(templateId), owner, SkeletonProc, parameter);
    // A system without the wide call gets the same dialog in ANSI.
    if (result != -1 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return result == -1 ? kDialogCancel : result;
  }
  result = DialogBoxParamA(g_shell.instance, MAKEINTRESOURCEA(templateId), owner, SkeletonProc, parameter);
  return result == -1 ? kDialogCancel : result;
}

void EndDialogWith(HWND dialog, INT_PTR result) {
  if (!EndDialog(dialog, result)) ShowMessage(kMsgCannotEndDialog, MessageIcon::Warning, MessageButtons::Ok, dialog);
}

void FailDialog(HWND dialog, const char* text) {
  ShowMessage(text, MessageIcon::Warning, MessageButtons::Ok, dialog);
  EndDialogWith(dialog, kDialogCancel);
}

HWND DialogControl(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (control == nullptr) FailDialog(dialog, kMsgCannotGetControl);
  return control;
}

bool EnableControl(HWND dialog, int id, bool on) {
  HWND control = DialogControl(dialog, id);
  if (control == nullptr) return false;
  EnableWindow(control, on ? TRUE : FALSE);
  return true;
}

bool SetControlText(HWND dialog, int id, const std::string& text) {
  if (SetDlgItemTextA(dialog, id, text.c_str())) return true;
  FailDialog(dialog, kMsgCannotSetControlText);
  return false;
}

bool SetControlWideText(HWND dialog, int id, const std::u16string& text) {
  std::wstring wide(text.begin(), text.end());
  if (SetDlgItemTextW(dialog, id, wide.c_str())) return true;
  FailDialog(dialog, kMsgCannotSetControlText);
  return false;
}

bool SetControlNumber(HWND dialog, int id, int value) {
  if (SetDlgItemInt(dialog, id, static_cast<UINT>(value), TRUE)) return true;
  FailDialog(dialog, kMsgCannotSetControlNumber);
  return false;
}

bool SetCheckBox(HWND dialog, int id, bool checked) {
  if (CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED)) return true;
  FailDialog(dialog, kMsgCannotSetCheck);
  return false;
}

bool CheckRadio(HWND dialog, int first, int last, int checked) {
  if (CheckRadioButton(dialog, first, last, checked)) return true;
  FailDialog(dialog, kMsgCannotCheckRadio);
  return false;
}

std::string ControlText(HWND dialog, int id, int limit) {
  std::vector<char> text(static_cast<size_t>(limit) + 2);
  UINT n = GetDlgItemTextA(dialog, id, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), n);
}

std::u16string ControlWideText(HWND dialog, int id, int limit) {
  std::vector<wchar_t> text(static_cast<size_t>(limit) + 2);
  UINT n = GetDlgItemTextW(dialog, id, text.data(), static_cast<int>(text.size()));
  return std::u16string(text.data(), text.data() + n);
}

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
