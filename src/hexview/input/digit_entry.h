// Typing a digit into the numeric area: which byte is written where, as
// hexadecimal and binary digits fill fixed bit groups of the byte.
#pragma once

#include <cstdint>

struct DigitEntryPlan {
  enum Action {
    kIgnore,       // not a digit of the radix: nothing happens
    kWrite,        // write newByte (see overwrite) in digit mode
    kRadixDialog,  // octal or decimal: the radix input dialog opens with the character
  };
  Action action = kIgnore;
  bool overwrite = false;   // replace the byte at the caret; otherwise insert (or replace the selection)
  uint8_t newByte = 0;
  int digitIndex = 0;       // digit index to set before the edit
  int entryMode = 0;        // entry mode to set before the edit
};

// What typing ch (an ANSI character, upper- or lowercase) in the numeric area
// does, given the data radix, entry mode, caret, length, whether a selection
// exists, the digit index and the byte at the caret (ignored at the end of data).
// Hexadecimal and binary digits: with the entry mode overwrite or digit entry,
// the caret before the end and no selection, the digit's bit group of the byte
// at the caret is replaced; otherwise a new byte with the digit in its top
// group is inserted at digit 0, and insert mode turns into digit entry.
// Octal and decimal digits (and "-" in signed decimal) ask for the dialog.
DigitEntryPlan PlanDigitEntry(char ch, int dataRadix, int entryMode, int32_t caret, int32_t length,
                              bool hasSelection, int digitIndex, uint8_t byteAtCaret);

// The entry mode after a digit edit: digit entry goes on only while the caret
// still stands inside the byte (digitIndexAfter > 0); other modes stay.
int EntryModeAfterDigit(int entryMode, int digitIndexAfter);
