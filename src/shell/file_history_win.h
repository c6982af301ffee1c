// The file history kept as entries of the File menu, between the separator
// after "ﾌﾟﾛﾊﾟﾃｨ" and "終了"; entry k has the text "&<k+1> <path>" and command 200 + k.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

inline constexpr int kHistoryFirstPosition = 11;  // 1-based position of the first entry

// Enters path as the most recent entry: an entry with the same path (ignoring
// case) moves to the front, the others are renumbered, the list is cut to
// maxEntries. Does nothing when maxEntries is 0. Returns 0, or -1 when a menu
// call failed (the caller reports it).
int AddToFileHistory(const char* path, HWND frame, int maxEntries, int topMenuCount = 6,
                     int firstPosition = kHistoryFirstPosition);

// Fills an empty history from stored paths (most recent first). Returns 0 or -1.
int FillFileHistory(HWND frame, const std::vector<std::string>& paths);

// The paths of the entries, most recent first.
std::vector<std::string> FileHistoryPaths(HWND frame);

// Cuts the history to length entries (removing the separator too when 0).
// Returns 0, or -1 when a menu call failed.
int TrimFileHistory(HWND frame, int length);
