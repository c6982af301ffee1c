// WM_KEYDOWN of a hex view: navigation, Tab, Escape, Insert, Delete and Backspace.
#pragma once

#include <windows.h>

#include <cstdint>

// Handles virtual key vk with the Ctrl and Shift states read now; keys not in
// the view's key table are ignored. Returns 0, or -1 after a reported failure.
int OnViewKeyDown(HWND view, UINT vk);

// Deletes the selection of view's document, if any (Delete command and the
// second half of Cut). Returns 0, or -1 when the edit failed.
int DeleteViewSelection(HWND view);

// Makes [caret, anchor) the selection and deletes it, the caret placed by
// caretMode; nothing when anchor is -1. Returns 0, or -1 when the edit failed.
int DeleteViewRange(HWND view, int32_t caret, int32_t anchor, int caretMode);
