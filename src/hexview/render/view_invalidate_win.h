// Repainting the cells of a byte range in a document window.
#pragma once

#include <windows.h>

#include <cstdint>

// Invalidates (with erase) the cells of the bytes between offsets a and b of the
// window's document, given in either order, as RangeInvalidRects describes.
// Returns 0, or -1 after a failure of InvalidateRect was reported
// ("更新ﾘｰｼﾞｮﾝを追加できません", stop icon, frame destroyed); the caller then ends
// its message handling.
int InvalidateRange(HWND window, int32_t a, int32_t b);

// Invalidates (with erase) one client rectangle; reports a failure as above.
int InvalidateClientRect(HWND window, const RECT& rect);
