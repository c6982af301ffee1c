// Native stand-in for the message box: prints the text and gives the first answer.
#include <cstdio>

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
