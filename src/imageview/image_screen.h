// The picture the image view shows: 128 x 256 pixels of one screen of the
// document, kept up to date by moving rows in memory on short scrolls and
// converting only the lines that come into view.
#pragma once

#include <cstdint>

#include "imageview/image_geometry.h"
#include "imageview/image_pixels.h"

struct Document;

// What a change of the first line did to the picture, for the window: when
// rowCount is 0 nothing changed; when it is 256 every row is new (repaint the
// whole window); otherwise the rows that stayed moved by dy pixels (scroll the
// window contents by dy) and rows [firstRow, firstRow + rowCount) were converted
// (the band scrolling uncovers).
struct ImageUpdate {
  int dy = 0;
  int firstRow = 0;
  int rowCount = 0;

  bool operator==(const ImageUpdate&) const = default;
};

// 128 KiB of pixels: keep it on the heap.
class ImageScreen {
 public:
  // Takes colors, shows lines top .. top + 255 and converts every row.
  void Rebuild(Document& doc, const ImageColors& colors, int32_t top);

  // Shows lines from top on: when the move is shorter than a screen the rows
  // that stay are moved and only the entering lines are converted, otherwise
  // every row is converted. top must already be clamped (see image_geometry.h).
  ImageUpdate ScrollTo(Document& doc, int32_t top);

  int32_t Top() const { return top_; }
  // Row 0 first, 128 pixels per row, 256 rows: the bits of a top-down 32-bit bitmap.
  const ImagePixel* Pixels() const { return pixels_; }
  ImagePixel At(int x, int y) const { return pixels_[y * kImageWidth + x]; }
  const ImageColors& Colors() const { return colors_; }
  // Document bytes converted into pixels since the screen was made.
  int64_t BytesConverted() const { return converted_; }

 private:
  void Convert(Document& doc, int firstRow, int rowCount);

  ImageColors colors_{};
  int32_t top_ = 0;
  int64_t converted_ = 0;
  ImagePixel pixels_[kImageScreenBytes] = {};
};
