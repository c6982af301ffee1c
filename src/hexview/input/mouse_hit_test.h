// Mouse positions in a hex view: which byte, digit and area a client point
// falls on, and the one-step automatic scrolling while dragging outside.
#pragma once

#include <cstdint>

#include "hexview/input/caret_geometry.h"

struct HitResult {
  int32_t caret;
  int digitIndex;
  int activeColumn;

  bool operator==(const HitResult&) const = default;
};

// The cell under client point (x, y) for m's scroll position. The address
// column counts as the first visible scrollable column, the ruler as the first
// visible line; the separator column belongs to the line's last ANSI cell and
// everything right of the UTF-16 area to its last cell. The caret is clamped
// to 0..length, with digit 0 at the end of data.
HitResult HitTest(const ViewMetrics& m, int x, int y);

// The scroll position after one drag message at (x, y) (signed client
// coordinates): one column left of the address column's end or right of the
// client area, one line above the first dump row or below the client area,
// each only when the page is more than one column or line; clamped.
ScrollPosition DragScroll(const ViewMetrics& m, int x, int y);

// (x, y) clamped into the client area.
PixelPoint ClampToClient(const ViewMetrics& m, int x, int y);
