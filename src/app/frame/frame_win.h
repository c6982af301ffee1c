// The MDI frame window of class "Varnel Main Window Class".
#pragma once

#include <windows.h>

inline constexpr char kFrameClassName[] = "Varnel Main Window Class";

// The frame's window procedure (registered by start-up).
LRESULT CALLBACK FrameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);
