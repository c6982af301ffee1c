// The radix input dialog (command 118, template 4): a value of 1, 2 or 4 bytes
// in any radix and byte order, written at the caret.
#pragma once

#include <windows.h>

// Opens the dialog and, on OK, writes the value at the caret: over the bytes
// there in overwrite mode without a selection, else inserted (replacing the
// selection); a digit entry in progress ends first. initialDigit, when not 0,
// is an octal or decimal digit (or "-") the user typed in the numeric column:
// it becomes the dialog's first character and the dialog starts in the dump's radix.
void RunRadixInput(HWND view, char initialDigit);
