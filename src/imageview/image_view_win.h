// The image view ("IMAGEClass"): the document's bytes as a picture, one pixel
// per byte, 128 bytes per pixel line, 256 lines on screen.
#pragma once

#include <windows.h>

// Attaches the view to a document window (lParam) and shows it; the frame is
// disabled until the view is closed (system close or Escape), which hides it again.
inline constexpr UINT kImageAttachMessage = WM_USER;

inline constexpr DWORD kImageViewStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VSCROLL;

// The outer size of a window of kImageViewStyle whose client area is exactly the
// 128 x 256 picture beside the vertical scroll bar.
SIZE ImageViewWindowSize();

LRESULT CALLBACK ImageViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The document window the view shows, or null while it is hidden.
HWND ImageShownView();

// Forgets the shown window, the picture and that the view was placed (a new run).
void ResetImageViewState();
