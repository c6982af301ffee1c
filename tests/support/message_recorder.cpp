// A message handler for tests.
#include "support/message_recorder.h"

namespace {
MessageRecorder* g_current = nullptr;
}

MessageRecorder::MessageRecorder() : previous_(SetMessageHandler(&MessageRecorder::Handle)) { g_current = this; }

MessageRecorder::~MessageRecorder() {
  SetMessageHandler(previous_);
  g_current = nullptr;
}

std::vector<std::string> MessageRecorder::texts() const {
  std::vector<std::string> out;
  for (const auto& m : messages_) out.push_back(m.text);
  return out;
}

MessageAnswer MessageRecorder::Handle(void*, const char* text, MessageButtons buttons, MessageIcon icon) {
  MessageRecorder* self = g_current;
  self->messages_.push_back({text, buttons, icon});
  if (!self->answers_.empty()) {
    MessageAnswer a = self->answers_.front();
    self->answers_.pop_front();
    return a;
  }
  switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel: return MessageAnswer::Ok;
    default: return MessageAnswer::Yes;
  }
}
