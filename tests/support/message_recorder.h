// Records the messages the code under test shows and answers them for the user.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/user_message.h"

struct RecordedMessage {
  std::string text;        // a wide message's text in the ANSI code page
  MessageButtons buttons;
  MessageIcon icon;
  bool wide = false;       // shown with ShowWideMessage
  std::u16string wideText;
};

// Installs itself as the message handler (ANSI and wide) for its lifetime. Answers come from
// the queue given with Answer(); when it is empty the first button's answer is given.
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  void Answer(MessageAnswer answer) { answers_.push_back(answer); }
  const std::vector<RecordedMessage>& messages() const { return messages_; }
  // The texts in order, for compact expectations.
  std::vector<std::string> texts() const;
  void Clear() { messages_.clear(); }

 private:
  static MessageAnswer Handle(void* owner, const char* text, MessageButtons buttons, MessageIcon icon);
  static MessageAnswer HandleWide(void* owner, const char16_t* text, MessageButtons buttons, MessageIcon icon);
  MessageAnswer Record(RecordedMessage message);
  MessageHandler previous_;
  WideMessageHandler previousWide_;
  std::vector<RecordedMessage> messages_;
  std::deque<MessageAnswer> answers_;
};
