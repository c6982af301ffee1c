// A click on the image view's picture moves the hex view's caret to the byte
// under it and scrolls the dump so that the caret shows.
#pragma once

#include <cstdint>

#include "hexview/input/caret_geometry.h"
#include "hexview/input/caret_motion.h"

struct ImageClick {
  CaretState state;  // the view's caret, digit and scroll position after the click
  bool changed;      // caret, digit index or scroll position differ from before
};

// The click at client pixel (x, y) with top as the picture's first line: the
// caret goes to ImageClickOffset (clamped to 0 .. m.length), the digit index to
// 0; the dump then scrolls just enough to show the caret in the numeric area, or
// in the ANSI column when s.activeColumn is not the numeric one. The selection
// and the active column are left as they are. m gives the view's metrics; its
// scroll position is ignored in favour of s's.
ImageClick ClickImage(const CaretState& s, const ViewMetrics& m, int x, int y, int32_t top);
