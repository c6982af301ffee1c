// Image view colours and the byte-to-pixel conversion over the document's blocks.
#include "imageview/image_pixels.h"

#include <algorithm>

#include "core/document.h"
#include "imageview/image_geometry.h"

ImageColors ImageColorsFor(const Document& doc, const SystemColorValues& system) {
  DumpPalette palette = PaletteFor(doc, system);
  ImageColors colors;
  for (int v = 0; v < 256; ++v) colors.byValue[v] = PixelOf(palette.ByteColor(static_cast<uint8_t>(v)));
  bool systemColors = (doc.options & kOptSystemColors) != 0;
  colors.end = PixelOf(systemColors ? system.sampled.highlightText : palette.back);
  return colors;
}

int32_t ConvertImageLines(Document& doc, const ImageColors& colors, int32_t firstLine, int lineCount,
                          ImagePixel* out) {
  const int64_t start = int64_t{firstLine} * kImageWidth;
  const int64_t total = int64_t{std::max(0, lineCount)} * kImageWidth;
  const int64_t wanted = std::clamp<int64_t>(doc.length - start, 0, total);
  int64_t done = 0;
  if (wanted > 0) {
    Block* block = SeekBlock(doc, static_cast<int32_t>(start));
    int64_t at = start - doc.cursorBase;
    while (block != nullptr && done < wanted) {
      int64_t n = std::min<int64_t>(block->len - at, wanted - done);
      const uint8_t* src = block->data + at;
      ImagePixel* dst = out + done;
      for (int64_t i = 0; i < n; ++i) dst[i] = colors.byValue[src[i]];
      done += n;
      block = block->next;
      at = 0;
    }
  }
  std::fill(out + done, out + total, colors.end);
  return static_cast<int32_t>(done);
}
