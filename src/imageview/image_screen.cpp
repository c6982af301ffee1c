// The image view's picture and its incremental update on scrolling.
#include "imageview/image_screen.h"

#include <cstdlib>
#include <cstring>

void ImageScreen::Convert(Document& doc, int firstRow, int rowCount) {
  converted_ += ConvertImageLines(doc, colors_, top_ + firstRow, rowCount, pixels_ + firstRow * kImageWidth);
}

void ImageScreen::Rebuild(Document& doc, const ImageColors& colors, int32_t top) {
  colors_ = colors;
  top_ = top;
  Convert(doc, 0, kImageRows);
}

ImageUpdate ImageScreen::ScrollTo(Document& doc, int32_t top) {
  const int64_t shift = int64_t{top} - top_;
  if (shift == 0) return ImageUpdate{};
  top_ = top;
  if (std::llabs(shift) >= kImageRows) {
    Convert(doc, 0, kImageRows);
    return ImageUpdate{0, 0, kImageRows};
  }
  const int rows = static_cast<int>(std::llabs(shift));
  const size_t kept = static_cast<size_t>(kImageRows - rows) * kImageWidth * sizeof(ImagePixel);
  if (shift > 0) {
    std::memmove(pixels_, pixels_ + rows * kImageWidth, kept);
    Convert(doc, kImageRows - rows, rows);
    return ImageUpdate{-rows, kImageRows - rows, rows};
  }
  std::memmove(pixels_ + rows * kImageWidth, pixels_, kept);
  Convert(doc, 0, rows);
  return ImageUpdate{rows, 0, rows};
}
