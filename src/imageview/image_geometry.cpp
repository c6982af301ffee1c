// Image view geometry: line counts, first-line moves and clamping, the scroll bar, clicks, the window's first place.
#include "imageview/image_geometry.h"

#include <algorithm>

int32_t ImageLineCount(int32_t length) {
  return static_cast<int32_t>((int64_t{std::max(0, length)} + kImageWidth - 1) / kImageWidth);
}

int32_t MaxImageTopLine(int32_t lineCount) { return lineCount > kImageRows ? lineCount - kImageRows : 0; }

int32_t ClampImageTopLine(int64_t line, int32_t lineCount) {
  return static_cast<int32_t>(std::clamp<int64_t>(line, 0, MaxImageTopLine(lineCount)));
}

int32_t ImageTopLineForCaret(int32_t caret, int32_t lineCount) {
  return ClampImageTopLine(caret / kImageWidth, lineCount);
}

int32_t ImageMoveTarget(int32_t top, ImageMove move, int32_t lineCount) {
  // Integer division truncates toward zero, so a step up from 0 stays at 0.
  const int64_t t = top;
  int64_t line = t;
  switch (move) {
    case ImageMove::LineUp: line = (t - 1) / 16 * 16; break;
    case ImageMove::LineDown: line = (t / 16 + 1) * 16; break;
    case ImageMove::PageUp: line = (t - 1) / kImageRows * kImageRows; break;
    case ImageMove::PageDown: line = (t / kImageRows + 1) * kImageRows; break;
    case ImageMove::Home: line = 0; break;
    case ImageMove::End: line = MaxImageTopLine(lineCount); break;
  }
  return ClampImageTopLine(line, lineCount);
}

int32_t ImageWheelTarget(int32_t top, int delta, int32_t lineCount) {
  const int64_t t = top, notches = delta / 120;
  int64_t line = delta > 0 ? (t - notches) / 16 * 16 : (t / 16 - notches) * 16;
  return ClampImageTopLine(line, lineCount);
}

int32_t ImageThumbTarget(int32_t track, int32_t lineCount) { return ClampImageTopLine(track, lineCount); }

ImageScrollBar ImageScrollBarFor(int32_t top, int32_t lineCount) {
  return ImageScrollBar{0, lineCount, kImageRows, top};
}

int32_t ImageClickOffset(int x, int y, int32_t top, int32_t length) {
  int64_t offset = (int64_t{y} + top) * kImageWidth + x;
  return static_cast<int32_t>(std::clamp<int64_t>(offset, 0, std::max(0, length)));
}

ImagePoint ImageWindowPlace(ImagePoint origin, ImageExtent size, int screenWidth, int screenHeight) {
  int x = std::max(0, std::min(std::max(0, origin.x), screenWidth - size.width));
  int y = std::max(0, std::min(std::max(0, origin.y), screenHeight - size.height));
  return ImagePoint{x, y};
}
