// The left mouse button in a hex view: click, Shift+click and dragging with
// automatic scrolling.
#pragma once

#include <windows.h>

// WM_LBUTTONDOWN at client point (x, y) with the message's key flags (MK_SHIFT).
// Puts the caret on the cell hit, drops or extends the selection, captures the
// mouse. Returns 0, or -1 after a reported failure.
int OnViewLButtonDown(HWND view, int x, int y, UINT keys);

// WM_MOUSEMOVE while view holds the capture with the left button down: scrolls
// one step when (x, y) (signed) lies outside the dump, then moves the caret
// to the cell under the point clamped into the client area, growing the selection.
int OnViewMouseMove(HWND view, int x, int y, UINT keys);

// WM_LBUTTONUP: releases the capture.
int OnViewLButtonUp(HWND view);
