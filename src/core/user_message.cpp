// Dispatch of messages to the installed handler.
#include "core/user_message.h"

MessageAnswer DefaultMessageHandler(void* owner, const char* text, MessageButtons buttons,
                                    MessageIcon icon);  // user_message_{win,posix}.cpp

namespace {
MessageHandler g_handler = nullptr;
}

MessageHandler SetMessageHandler(MessageHandler handler) {
  MessageHandler old = g_handler ? g_handler : DefaultMessageHandler;
  g_handler = handler;
  return old;
}

MessageAnswer ShowMessage(const char* text, MessageIcon icon, MessageButtons buttons, void* owner) {
  MessageHandler h = g_handler ? g_handler : DefaultMessageHandler;
  return h(owner, text, buttons, icon);
}
