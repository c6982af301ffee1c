// Dialogs that answer more than the skeleton's messages: owner-drawn lists
// (WM_DRAWITEM) and drag lists (the registered drag-list message). The
// skeleton's handlers run as usual; one more handler sees the other messages first.
#pragma once

#include <windows.h>

#include "shell/dialog_win.h"

template <typename R>
struct MessageDialogHandlers {
  DialogHandlers<R> base;
  // Any message after WM_INITDIALOG, before the base handlers. Returns true when
  // it handled the message; *result is then the dialog's answer (DWLP_MSGRESULT).
  bool (*message)(HWND dialog, R& record, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) = nullptr;
};

namespace message_dialog_detail {
template <typename R>
bool Dispatch(HWND dialog, const dialog_detail::Context& context, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto& handlers = *static_cast<const MessageDialogHandlers<R>*>(context.handlers);
  if (message != WM_INITDIALOG && handlers.message != nullptr) {
    LRESULT result = 0;
    if (handlers.message(dialog, *static_cast<R*>(context.record), message, wParam, lParam, &result)) {
      SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
      return true;
    }
  }
  const dialog_detail::Context base{context.record, &handlers.base, &dialog_detail::Dispatch<R>};
  return dialog_detail::Dispatch<R>(dialog, base, message, wParam, lParam);
}
}  // namespace message_dialog_detail

// RunDialog with the extra message handler.
template <typename R>
INT_PTR RunMessageDialog(int templateId, HWND owner, R& record, const MessageDialogHandlers<R>& handlers,
                         DialogCharset charset = DialogCharset::Ansi) {
  dialog_detail::Context context{&record, &handlers, &message_dialog_detail::Dispatch<R>};
  return dialog_detail::Run(templateId, owner, context, charset);
}
