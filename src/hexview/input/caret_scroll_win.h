// Scrolling and sizing of a hex view followed by its caret and status line:
// the layout's scroll handlers, then the caret put where its byte now shows.
#pragma once

#include <windows.h>

// WM_SIZE, WM_VSCROLL, WM_HSCROLL and WM_MOUSEWHEEL: the view scrolls (the
// caret itself keeps its byte), then caret, marker bars and status follow.
// Return 0, or -1 after a reported failure.
int OnViewSize(HWND view, int width, int height);
int OnViewVScroll(HWND view, int code);
int OnViewHScroll(HWND view, int code, int position);
int OnViewWheel(HWND view, int delta);
