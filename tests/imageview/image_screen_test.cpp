// The picture kept on scrolling: a move shorter than a screen reports the band
// that entered and converts only its lines, and the picture then equals one
// converted afresh at the same line (over blocks that split pixel lines).
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/document.h"
#include "imageview/image_screen.h"
#include "support/doc_builders.h"

namespace {

TEST(ImageScreen, ShortScrollsConvertOnlyTheEnteringLines) {
  std::unique_ptr<Document, void (*)(Document*)> doc(CreateDocument(), FreeDocument);
  SetBlocks(*doc, {43690, 43690, 43690});
  for (int v = 0; v < 256; ++v) doc->byteColors()[v] = Rgb(v, 255 - v, 7);
  const ImageColors colors = ImageColorsFor(*doc, MixSystemColors({}));
  auto screen = std::make_unique<ImageScreen>(), fresh = std::make_unique<ImageScreen>();
  screen->Rebuild(*doc, colors, 0);
  const struct { int32_t top; ImageUpdate update; int64_t converted; } moves[] = {
      {16, {-16, 240, 16}, 2048}, {15, {1, 0, 1}, 128},          {15, {}, 0},
      {271, {0, 0, 256}, 32768},  {526, {-255, 1, 255}, 32640},  {768, {-242, 14, 242}, 30974}};  // 126 in line 1023
  for (const auto& m : moves) {
    const int64_t before = screen->BytesConverted();
    EXPECT_EQ(screen->ScrollTo(*doc, m.top), m.update) << m.top;
    EXPECT_EQ(screen->BytesConverted() - before, m.converted) << m.top;
    fresh->Rebuild(*doc, colors, m.top);
    EXPECT_EQ(std::memcmp(screen->Pixels(), fresh->Pixels(), kImageScreenBytes * sizeof(ImagePixel)), 0) << m.top;
  }
}

}  // namespace
