// The dialog driver of the GUI tests.
#include "support/dialog_driver_win.h"

namespace {
DialogDriver* g_driver = nullptr;
}

DialogDriver::DialogDriver() {
  g_driver = this;
  hook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, &DialogDriver::Hook, nullptr, GetCurrentThreadId());
}

DialogDriver::~DialogDriver() {
  if (hook_) UnhookWindowsHookEx(hook_);
  g_driver = nullptr;
}

LRESULT CALLBACK DialogDriver::Hook(int code, WPARAM wParam, LPARAM lParam) {
  auto* info = reinterpret_cast<CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && g_driver != nullptr && info->message == WM_INITDIALOG) {
    DialogDriver* self = g_driver;
    ++self->seen_;
    if (self->next_ < self->handlers_.size()) {
      self->handlers_[self->next_++](info->hwnd);
    } else {
      Press(info->hwnd, IDCANCEL);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogDriver::SetText(HWND dialog, int control, const char* text) { SetDlgItemTextA(dialog, control, text); }

std::string DialogDriver::Text(HWND dialog, int control) {
  char buffer[4096] = {};
  GetDlgItemTextA(dialog, control, buffer, sizeof buffer);
  return buffer;
}

void DialogDriver::Press(HWND dialog, int button) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
