// The message box of the Windows build: MessageBoxA (or MessageBoxW for wide
// texts) with the caption "Varnel".
#include <windows.h>

#include "core/user_message.h"

namespace {

UINT BoxType(MessageButtons buttons, MessageIcon icon) {
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
  return type;
}

MessageAnswer AnswerOf(int result) {
  switch (result) {
    case IDOK: return MessageAnswer::Ok;
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    default: return MessageAnswer::Cancel;
  }
}

}  // namespace

MessageAnswer DefaultMessageHandler(void* owner, const char* text, MessageButtons buttons,
                                    MessageIcon icon) {
  return AnswerOf(MessageBoxA(static_cast<HWND>(owner), text, "Varnel", BoxType(buttons, icon)));
}

MessageAnswer DefaultWideMessageHandler(void* owner, const char16_t* text, MessageButtons buttons,
                                        MessageIcon icon) {
  // wchar_t is UTF-16 on Windows: the text is passed as it is.
  return AnswerOf(MessageBoxW(static_cast<HWND>(owner), reinterpret_cast<const wchar_t*>(text), L"Varnel",
                              BoxType(buttons, icon)));
}
