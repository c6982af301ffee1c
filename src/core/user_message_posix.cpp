// Native stand-in for the message box: prints the text (wide texts in the ANSI
// code page) and gives the first answer.
#include <cstdio>

#include "core/codepage.h"
#include "core/user_message.h"

MessageAnswer DefaultMessageHandler(void*, const char* text, MessageButtons buttons, MessageIcon) {
  std::fprintf(stderr, "Varnel: %s\n", text);
  switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
      return MessageAnswer::Ok;
    default:
      return MessageAnswer::Yes;
  }
}

MessageAnswer DefaultWideMessageHandler(void* owner, const char16_t* text, MessageButtons buttons,
                                        MessageIcon icon) {
  return DefaultMessageHandler(owner, Utf16ToAnsi(text).c_str(), buttons, icon);
}
