// Pixel geometry of the information view: its first size and place on the
// screen, and the rectangle of the in-place edit box.
#pragma once

#include <cstdint>

// The system metrics and sizes the first placement needs.
struct InfoWindowMetrics {
  int32_t charWidth = 1;       // cw of the shown document
  int32_t toolbarWidth = 0;    // right edge of the toolbar's last item minus a vertical scroll bar width
  int32_t toolbarHeight = 0;
  int32_t vScrollWidth = 0;    // SM_CXVSCROLL
  int32_t hScrollHeight = 0;   // SM_CYHSCROLL
  int32_t frameWidth = 0;      // SM_CXSIZEFRAME
  int32_t frameHeight = 0;     // SM_CYSIZEFRAME
  int32_t captionHeight = 0;   // SM_CYCAPTION
  int32_t screenWidth = 0;
  int32_t screenHeight = 0;
};

struct InfoWindowSize {
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const InfoWindowSize&) const = default;
};

// The size the view takes the first time it is shown in a run:
// width  = max(toolbarWidth, cw x totalColumns) + vScrollWidth + 2 frameWidth,
// height = hScrollHeight + captionHeight + 2 (frameHeight + cw x rowCount) + toolbarHeight,
// each replaced by the screen's size when not below it.
InfoWindowSize FirstWindowSize(const InfoWindowMetrics& m, int32_t totalColumns, int32_t rowCount);

struct InfoPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const InfoPoint&) const = default;
};

// The window's first position: origin (the frame's client origin on the screen)
// moved left and up as far as needed to keep a window of size on the screen,
// never to negative coordinates.
InfoPoint FirstWindowPosition(InfoPoint origin, InfoWindowSize size, int32_t screenWidth, int32_t screenHeight);

struct InfoRect {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const InfoRect&) const = default;
};

// The edit box over the current row's value (border sizes SM_CXBORDER, SM_CYBORDER):
// x = cw (labelWidth - firstColumn) - borderWidth,
// y = toolbarHeight + 2 (cw (currentRow - topRow) - borderHeight),
// width = cw (totalColumns - labelWidth + 1) + 2 borderWidth, height = 2 (cw + 2 borderHeight).
InfoRect EditBoxRect(int32_t charWidth, int32_t toolbarHeight, int32_t borderWidth, int32_t borderHeight,
                     int32_t labelWidth, int32_t totalColumns, int32_t currentRow, int32_t topRow,
                     int32_t firstColumn);
