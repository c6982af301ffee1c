// The radix input dialog.
#include "hexview/radix_input_win.h"

void RunRadixInput(HWND, char) {}
