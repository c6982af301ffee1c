// Dispatch of messages to the installed handler.
#include "core/user_message.h"

MessageAnswer DefaultMessageHandler(void* owner, const char* text, MessageButtons buttons,
                                    MessageIcon icon);  // user_message_{win,posix}.cpp
MessageAnswer DefaultWideMessageHandler(void* owner, const char16_t* text, MessageButtons buttons,
                                        MessageIcon icon);

namespace {
MessageHandler g_handler = nullptr;
WideMessageHandler g_wideHandler = nullptr;
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

WideMessageHandler SetWideMessageHandler(WideMessageHandler handler) {
  WideMessageHandler old = g_wideHandler ? g_wideHandler : DefaultWideMessageHandler;
  g_wideHandler = handler;
  return old;
}

MessageAnswer ShowWideMessage(const char16_t* text, MessageIcon icon, MessageButtons buttons, void* owner) {
  WideMessageHandler h = g_wideHandler ? g_wideHandler : DefaultWideMessageHandler;
  return h(owner, text, buttons, icon);
}
