// Registering the window classes of the program.
#pragma once

#include <windows.h>

inline constexpr char kInfoViewClassName[] = "INFOClass";
inline constexpr char kImageViewClassName[] = "IMAGEClass";

// Registers the frame, document, bar, information and image classes.
// "BINClass" is tried as a UTF-16 class first (g_shell.unicodeViews tells which
// it became). Returns false when a registration failed.
bool RegisterWindowClasses(HINSTANCE instance);

// Unregisters them again (tests that start the shell more than once).
void UnregisterWindowClasses(HINSTANCE instance);
