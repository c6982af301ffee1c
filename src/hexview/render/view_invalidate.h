// Which pixels to repaint when the caret or selection changes over a byte range.
#pragma once

#include <cstdint>

#include "hexview/render/dump_layout.h"

struct Document;

// The rectangles (client pixels) that repaint the bytes between offsets a and b,
// given in either order, as the range [lo, hi) with lo = min(a, b), hi = max(a, b).
// When lo starts a line it is moved back one byte (not below 0) so that the end of
// the line before, where half of a double-byte character may show, is repainted too.
// Same line: up to three rectangles in that row, from lo's cell to the start of
// hi's cell in the numeric area (never past the last digit), the ANSI area and the
// UTF-16 area. Different lines: one rectangle of the full scrollable width from
// the row above lo's row (row 1 at least) to the bottom of hi's row. Left edges
// never lie left of 9 * charWidth; empty rectangles and those wholly outside the
// client area are left out. Writes up to 3 rectangles to out and returns how many.
int RangeInvalidRects(const Document& doc, int32_t a, int32_t b, PixelRect out[3]);
