// The one seam through which the program shows a message box or asks a question.
// The application installs a handler that calls MessageBoxA with the caption
// "Varnel"; tests install one that records the texts and answers for the user.
#pragma once

enum class MessageIcon { Stop, Warning, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// owner is a window handle (HWND) or null; the pure code passes it through unseen.
using MessageHandler = MessageAnswer (*)(void* owner, const char* text, MessageButtons buttons,
                                         MessageIcon icon);

// The same for UTF-16 texts.
using WideMessageHandler = MessageAnswer (*)(void* owner, const char16_t* text, MessageButtons buttons,
                                             MessageIcon icon);

// Installs the handler; returns the one it replaces. Null restores the default,
// which on Windows is MessageBoxA and natively prints to stderr and answers Ok/Yes.
MessageHandler SetMessageHandler(MessageHandler handler);

// Shows text (Shift-JIS) with the caption "Varnel" and returns the user's answer.
MessageAnswer ShowMessage(const char* text, MessageIcon icon,
                          MessageButtons buttons = MessageButtons::Ok, void* owner = nullptr);

// Installs the handler of wide texts; returns the one it replaces. Null restores
// the default, which on Windows is MessageBoxW and natively prints the text in
// the ANSI code page to stderr and answers Ok/Yes.
WideMessageHandler SetWideMessageHandler(WideMessageHandler handler);

// Shows text (UTF-16, for characters the ANSI code page may not hold) with the
// caption "Varnel" and returns the user's answer.
MessageAnswer ShowWideMessage(const char16_t* text, MessageIcon icon,
                              MessageButtons buttons = MessageButtons::Ok, void* owner = nullptr);
