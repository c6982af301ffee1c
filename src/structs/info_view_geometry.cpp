// Information view window size, placement and edit box rectangle.
#include "structs/info_view_geometry.h"

#include <algorithm>

namespace {

// Pixel sums can pass 32 bits for huge templates; they are capped by the screen anyway.
int32_t CapAt(int64_t value, int32_t screen) {
  return value >= screen ? screen : static_cast<int32_t>(value);
}

int32_t Saturate(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

InfoWindowSize FirstWindowSize(const InfoWindowMetrics& m, int32_t totalColumns, int32_t rowCount) {
  int64_t cw = m.charWidth;
  int64_t width = std::max<int64_t>(m.toolbarWidth, cw * totalColumns) + m.vScrollWidth + 2 * int64_t{m.frameWidth};
  int64_t height = int64_t{m.hScrollHeight} + m.captionHeight + 2 * (int64_t{m.frameHeight} + cw * rowCount) +
                   m.toolbarHeight;
  return {CapAt(width, m.screenWidth), CapAt(height, m.screenHeight)};
}

InfoPoint FirstWindowPosition(InfoPoint origin, InfoWindowSize size, int32_t screenWidth, int32_t screenHeight) {
  InfoPoint p = origin;
  if (int64_t{p.x} + size.width > screenWidth) p.x = screenWidth - size.width;
  if (int64_t{p.y} + size.height > screenHeight) p.y = screenHeight - size.height;
  p.x = std::max(p.x, 0);
  p.y = std::max(p.y, 0);
  return p;
}

InfoRect EditBoxRect(int32_t charWidth, int32_t toolbarHeight, int32_t borderWidth, int32_t borderHeight,
                     int32_t labelWidth, int32_t totalColumns, int32_t currentRow, int32_t topRow,
                     int32_t firstColumn) {
  int64_t cw = charWidth;
  InfoRect r;
  r.x = Saturate(cw * (int64_t{labelWidth} - firstColumn) - borderWidth);
  r.y = Saturate(toolbarHeight + 2 * (cw * (int64_t{currentRow} - topRow) - borderHeight));
  r.width = Saturate(cw * (int64_t{totalColumns} - labelWidth + 1) + 2 * int64_t{borderWidth});
  r.height = Saturate(2 * (cw + 2 * int64_t{borderHeight}));
  return r;
}
