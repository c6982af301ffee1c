// Scroll positions of a document window: scroll bars, moving the pixels to a new
// position, and the size, scroll-bar and wheel messages that change them.
#pragma once

#include <windows.h>

#include <cstdint>

// Clamps both scroll positions of the window's document and sets both bars:
// horizontal 0 .. total columns - 1, page pageColumns, position scrollColumn;
// vertical 0 .. lines - 1, page pageLines, position scrollLine.
void UpdateScrollBars(HWND window);

// Brings the window up to date after the document's scrollColumn or scrollLine
// changed from previousColumn / previousLine: sets the bar of each axis that
// changed and moves the existing pixels with ScrollWindowEx (the address column
// stays; the ruler moves sideways with the data but not up and down), repainting
// only what entered, plus the ANSI cells whose double-byte pairing shifted. A jump
// too large to scroll repaints the whole area instead. Returns 0, or -1 after a
// reported failure ("更新ﾘｰｼﾞｮﾝを追加できません", "ﾒﾓﾘを確保できません。"; stop
// icon, frame destroyed); the caller then ends its message handling.
int ScrollTo(HWND window, int previousColumn, int32_t previousLine);

// The size, scroll-bar and wheel messages. Each moves the view (the caret keeps
// its byte), then the caret, the marker bars and the status line follow.
// WM_SIZE stores the client size, clamps the scroll positions and sets both bars.
// WM_VSCROLL: SB_LINEUP/SB_LINEDOWN one line, SB_PAGEUP/SB_PAGEDOWN pageLines,
// SB_THUMBTRACK the 32-bit track position; other codes are ignored.
// WM_HSCROLL: one column, pageColumns, or SB_THUMBTRACK's 16-bit position.
// WM_MOUSEWHEEL: the top line moves by delta / -30 lines (a notch of 120 is 4
// lines; turning away from the user scrolls up).
// Each returns 0, or -1 after a reported failure ("ｽｸﾛｰﾙﾊﾞｰのﾊﾟﾗﾒｰﾀを取得できません"
// or ScrollTo's); the caller then ends its message handling.
int OnViewSize(HWND view, int width, int height);
int OnViewVScroll(HWND view, int code);
int OnViewHScroll(HWND view, int code, int position);
int OnViewWheel(HWND view, int delta);
