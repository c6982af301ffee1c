// Answers modal dialogs in GUI tests: a hook sees each dialog right after its
// WM_INITDIALOG and hands it to the test's callback, which fills controls and
// posts the button press that ends it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class DialogDriver {
 public:
  using Handler = std::function<void(HWND dialog)>;

  // Handlers are used in order, one per dialog that opens; when they run out
  // further dialogs are cancelled (IDCANCEL posted).
  DialogDriver();
  ~DialogDriver();
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  void Then(Handler handler) { handlers_.push_back(std::move(handler)); }
  int dialogsSeen() const { return seen_; }

  // Helpers for handlers.
  static void SetText(HWND dialog, int control, const char* text);
  static std::string Text(HWND dialog, int control);
  static void Press(HWND dialog, int button);  // posts WM_COMMAND for the button
  static bool Enabled(HWND dialog, int control) { return IsWindowEnabled(GetDlgItem(dialog, control)) != FALSE; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  HHOOK hook_ = nullptr;
  std::vector<Handler> handlers_;
  size_t next_ = 0;
  int seen_ = 0;
};

// Lets every waiting message of this thread through.
void PumpMessages();
