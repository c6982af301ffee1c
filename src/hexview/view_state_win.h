// What the document windows share for the whole process: the entry mode, the
// one system caret, a lead byte waiting for its trail, where the radix-input
// dialog was last closed and an IME service that refused a request.
#pragma once

#include <windows.h>

#include <climits>
#include <cstdint>

#include "hexview/input/caret_entry_mode.h"

struct ViewState {
  int entryMode = kEntryOverwrite;  // EntryMode, shared by every window
  // The caret this process created last: its window and width. There is one
  // system caret per thread, so one record does.
  HWND caretWindow = nullptr;
  int caretWidth = 0;
  uint8_t pendingLeadByte = 0;  // an ANSI window's lead byte waiting for its trail byte
  POINT radixDialogPosition = {INT_MAX, INT_MAX};  // INT_MAX: not closed yet in this run
  // The IME service that refused a request: it is not asked again.
  LRESULT(WINAPI* refusingImeService)(HWND, LPARAM) = nullptr;
};

extern ViewState g_view;

// Puts the state back to its value at process start.
void ResetViewState();
