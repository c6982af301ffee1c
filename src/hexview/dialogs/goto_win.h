// The go-to dialog (command 119, template 5).
#pragma once

#include <windows.h>

// Asks for an absolute or relative address in the address radix and moves the
// caret there. Returns true when the caret was set (OK).
bool RunGoTo(HWND view);
