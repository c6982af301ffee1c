// The radix input dialog (command 118, template 4): a value of 1, 2 or 4 bytes
// in any radix and byte order, written at the caret.
#pragma once

#include <windows.h>

// Opens the dialog; initialDigit, when not 0, is an octal or decimal digit the
// user typed in the numeric column and becomes the dialog's first character.
void RunRadixInput(HWND view, char initialDigit);
