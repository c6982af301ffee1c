// The message box of the Windows build: MessageBoxA with the caption "Varnel".
#include <windows.h>

#include "core/user_message.h"

MessageAnswer DefaultMessageHandler(void* owner, const char* text, MessageButtons buttons,
                                    MessageIcon icon) {
  UINT type = 0;
  switch (icon) {
    case MessageIcon::Stop: type |= MB_ICONERROR; break;
    case MessageIcon::Warning: type |= MB_ICONWARNING; break;
    case MessageIcon::Information: type |= MB_ICONINFORMATION; break;
    case MessageIcon::Question: type |= MB_ICONQUESTION; break;
  }
  switch (buttons) {
    case MessageButtons::Ok: type |= MB_OK; break;
    case MessageButtons::OkCancel: type |= MB_OKCANCEL; break;
    case MessageButtons::YesNo: type |= MB_YESNO; break;
    case MessageButtons::YesNoCancel: type |= MB_YESNOCANCEL; break;
  }
  switch (MessageBoxA(static_cast<HWND>(owner), text, "Varnel", type)) {
    case IDOK: return MessageAnswer::Ok;
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    default: return MessageAnswer::Cancel;
  }
}
