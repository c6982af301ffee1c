// Geometry of the image view: one pixel per byte, 128 bytes per pixel line, 256
// lines per screen; the first line shown, its moves by key, scroll bar and
// wheel, the scroll bar's values, the byte under a click and the window's place.
#pragma once

#include <cstdint>

inline constexpr int kImageWidth = 128;  // bytes (pixels) per pixel line
inline constexpr int kImageRows = 256;   // pixel lines per screen
inline constexpr int32_t kImageScreenBytes = kImageWidth * kImageRows;

// Pixel lines of a document of length bytes: (length + 127) / 128 (0 for an empty one).
int32_t ImageLineCount(int32_t length);

// Largest first line: lineCount - 256 when lineCount > 256, else 0.
int32_t MaxImageTopLine(int32_t lineCount);

// line clamped to 0 .. MaxImageTopLine(lineCount).
int32_t ClampImageTopLine(int64_t line, int32_t lineCount);

// First line when the view is attached: the caret's line, clamped.
int32_t ImageTopLineForCaret(int32_t caret, int32_t lineCount);

// Moves by key or scroll bar (Up/line up, Down/line down, Page Up/page up, Page Down/page down, Home, End).
enum class ImageMove { LineUp, LineDown, PageUp, PageDown, Home, End };

// First line after move from top (steps of 16 lines up and down, 256 a page,
// snapped to those multiples), clamped.
int32_t ImageMoveTarget(int32_t top, ImageMove move, int32_t lineCount);

// First line after a wheel turn of delta (120 a notch, counted toward zero;
// positive turns away from the user and moves up), snapped to multiples of 16, clamped.
int32_t ImageWheelTarget(int32_t top, int delta, int32_t lineCount);

// First line after the scroll bar's thumb was released at track, clamped.
int32_t ImageThumbTarget(int32_t track, int32_t lineCount);

// The vertical scroll bar: range 0 .. lineCount, page 256, position top.
struct ImageScrollBar {
  int32_t minimum;
  int32_t maximum;
  int32_t page;
  int32_t position;
};
ImageScrollBar ImageScrollBarFor(int32_t top, int32_t lineCount);

// The byte offset under client pixel (x, y) with top as the first line:
// (y + top) * 128 + x, clamped to 0 .. length (a click below the data gives length).
int32_t ImageClickOffset(int x, int y, int32_t top, int32_t length);

struct ImagePoint {
  int x;
  int y;
};

struct ImageExtent {
  int width;
  int height;
};

// Where a window of outer size `size` goes the first time it is shown: at origin
// (the frame's client origin in screen coordinates) with negative coordinates
// raised to 0, then moved left and up as far as needed to stay on a screen of
// screenWidth x screenHeight, but never to negative coordinates.
ImagePoint ImageWindowPlace(ImagePoint origin, ImageExtent size, int screenWidth, int screenHeight);
