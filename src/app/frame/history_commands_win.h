// The frame's file-history commands: opening an entry and the history length dialog.
#pragma once

#include <windows.h>

// Opens the file of history command id (200 + k).
void OpenHistoryEntry(HWND frame, int command);

// Command 124: the history length dialog; on OK the history is cut to the new length.
void RunHistoryCountDialog(HWND frame);
