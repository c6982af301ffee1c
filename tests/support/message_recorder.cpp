// A message handler for tests.
#include "support/message_recorder.h"

#include "core/codepage.h"

namespace {
MessageRecorder* g_current = nullptr;
}

MessageRecorder::MessageRecorder()
    : previous_(SetMessageHandler(&MessageRecorder::Handle)),
      previousWide_(SetWideMessageHandler(&MessageRecorder::HandleWide)) {
  g_current = this;
}

MessageRecorder::~MessageRecorder() {
  SetMessageHandler(previous_);
  SetWideMessageHandler(previousWide_);
  g_current = nullptr;
}

std::vector<std::string> MessageRecorder::texts() const {
  std::vector<std::string> out;
  for (const auto& m : messages_) out.push_back(m.text);
  return out;
}

MessageAnswer MessageRecorder::Handle(void*, const char* text, MessageButtons buttons, MessageIcon icon) {
  return g_current->Record({text, buttons, icon, false, {}});
}

MessageAnswer MessageRecorder::HandleWide(void*, const char16_t* text, MessageButtons buttons, MessageIcon icon) {
  return g_current->Record({Utf16ToAnsi(text), buttons, icon, true, text});
}

MessageAnswer MessageRecorder::Record(RecordedMessage message) {
  const MessageButtons buttons = message.buttons;
  messages_.push_back(std::move(message));
  if (!answers_.empty()) {
    MessageAnswer a = answers_.front();
    answers_.pop_front();
    return a;
  }
  return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel ? MessageAnswer::Ok : MessageAnswer::Yes;
}
