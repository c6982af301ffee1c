// The modeless progress dialog with its "中断" button, shared by every long
// operation (loading, writing, searching, printing).
#pragma once

#include <windows.h>

#include "core/progress.h"

// Disables the frame and shows the dialog (template 15) with text, owned by
// the MDI client. Returns false when the dialog cannot be created.
bool BeginProgress(const char* text);

// Lets waiting messages through (the dialog's own to the dialog manager) until
// none is left or the abort flag is set.
void PumpWhileBusy();

// Re-enables the frame and destroys the dialog. Returns false when it cannot be destroyed.
bool EndProgress();

// True once the "中断" button (or Esc) was pressed since BeginProgress.
bool ProgressAborted();

// The handle of the dialog while one is up.
HWND ProgressDialogWindow();

// Progress for the core's long operations, backed by the dialog above.
class DialogProgress final : public Progress {
 public:
  bool Begin(const char* text) override { return BeginProgress(text); }
  void Pump() override { PumpWhileBusy(); }
  bool Aborted() const override { return ProgressAborted(); }
  bool End() override { return EndProgress(); }
};
