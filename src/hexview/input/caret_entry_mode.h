// The entry modes of the hex views (the current one is g_view.entryMode):
// insert, overwrite, or a digit entry in progress after the first digit of a new byte.
#pragma once

enum EntryMode : int {
  kEntryInsert = 0,     // bar caret
  kEntryOverwrite = 1,  // block caret; the mode at program start
  kEntryDigit = 2,      // a byte was inserted by its first digit; the next digits overwrite it
};

// Insert toggles insert and overwrite; a digit entry counts as overwrite.
inline int ToggledEntryMode(int mode) { return mode == kEntryInsert ? kEntryOverwrite : kEntryInsert; }

// Digit entry ends (becomes insert) when the caret leaves the byte, the format
// changes or the view is activated or deactivated; other modes stay.
inline int EntryModeAfterLeavingDigit(int mode) { return mode == kEntryDigit ? kEntryInsert : mode; }
