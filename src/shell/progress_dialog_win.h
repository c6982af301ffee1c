// The modeless progress dialog with its "中断" button, shared by every long
// operation (loading, writing, searching, printing), and the rule that only one
// long operation runs at a time: what arrives from outside meanwhile (files handed
// over or dropped, commands, a close request) waits in a queue until it ends.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/progress.h"

// Posted to the frame when a long operation ended with work queued meanwhile;
// the frame then takes the work (TakeQueuedWork) and carries it out.
inline constexpr UINT kMsgRunQueuedWork = WM_APP + 1;

// One piece of work that arrived while a long operation ran.
struct QueuedWork {
  enum Kind { Open, Command, Close } kind;
  std::string path;   // Open: the file handed over or dropped
  WPARAM command = 0; // Command: the WM_COMMAND wParam for the frame
};

// Disables the frame and shows the dialog (template 15) with text, owned by the
// MDI client. Returns false when the dialog cannot be created, and also while
// another long operation runs (its dialog and state are left alone).
bool BeginProgress(const char* text);

// Lets waiting messages through (the dialog's own to the dialog manager) until
// none is left or the abort flag is set.
void PumpWhileBusy();

// Gives the frame back the enabled state it had before BeginProgress and
// destroys the dialog; posts kMsgRunQueuedWork when work was queued. Returns
// false when the dialog cannot be destroyed.
bool EndProgress();

// True once the "中断" button (or Esc) was pressed since BeginProgress.
bool ProgressAborted();

// True from BeginProgress to EndProgress.
bool LongOperationRunning();

// Keeps work that arrived while a long operation ran, in arrival order.
void QueueWork(QueuedWork work);

// The queued work, oldest first; the queue is empty afterwards.
std::vector<QueuedWork> TakeQueuedWork();

// Forgets the queue and the progress state (tests start from a fresh process state).
void ResetProgressState();

// Progress for the core's long operations, backed by the dialog above.
class DialogProgress final : public Progress {
 public:
  bool Begin(const char* text) override { return BeginProgress(text); }
  void Pump() override { PumpWhileBusy(); }
  bool Aborted() const override { return ProgressAborted(); }
  bool End() override { return EndProgress(); }
};
