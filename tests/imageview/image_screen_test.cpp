// The image view's picture: the edge-case documents, system colours, the
// update a scroll reports, and random moves and clicks over multi-block
// documents checked pixel by pixel against the document's bytes.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "core/document.h"
#include "imageview/image_screen.h"
#include "support/doc_builders.h"

namespace {

using DocPtr = std::unique_ptr<Document, void (*)(Document*)>;

// Byte value v shows as RGB(v, 255 - v, 7); the background is RGB(1, 2, 3).
DocPtr ColouredDocument() {
  DocPtr doc(CreateDocument(), FreeDocument);
  for (int v = 0; v < 256; ++v) doc->byteColors()[v] = Rgb(v, 255 - v, 7);
  doc->backColor() = Rgb(1, 2, 3);
  return doc;
}

ImagePixel Expected(uint8_t v) { return 0x000007u | (uint32_t{v} << 16) | (uint32_t{255u - v} << 8); }
const ImagePixel kEnd = 0x010203;
const SystemColorValues kSystem = MixSystemColors({0x0000AA, 0xFFFFFF, 0x808080, 0x00BB00, 0x800000});

// Every pixel of screen against the bytes: byte colour inside the data, end colour after it.
void ExpectShows(const ImageScreen& screen, const std::vector<uint8_t>& bytes, const char* step) {
  for (int y = 0; y < kImageRows; ++y) {
    for (int x = 0; x < kImageWidth; ++x) {
      int64_t p = (int64_t{screen.Top()} + y) * kImageWidth + x;
      bool data = p < static_cast<int64_t>(bytes.size());
      ImagePixel want = data ? Expected(bytes[static_cast<size_t>(p)]) : kEnd;
      if (screen.At(x, y) != want) {
        ADD_FAILURE() << step << ": pixel (" << x << ", " << y << ") at top " << screen.Top();
        return;
      }
    }
  }
}

TEST(ImageScreen, PixelOfSwapsRedAndBlue) {
  EXPECT_EQ(PixelOf(0x123456), 0x563412u);
  EXPECT_EQ(PixelOf(Rgb(255, 0, 0)), 0xFF0000u);
}

TEST(ImageScreen, OneByteDocument) {
  DocPtr doc = ColouredDocument();
  SetContent(*doc, {0x42});
  auto screen = std::make_unique<ImageScreen>();
  screen->Rebuild(*doc, ImageColorsFor(*doc, kSystem), 0);
  EXPECT_EQ(screen->At(0, 0), Expected(0x42));
  EXPECT_EQ(screen->At(1, 0), kEnd);
  EXPECT_EQ(screen->At(0, 1), kEnd);
  EXPECT_EQ(screen->At(127, 255), kEnd);
  EXPECT_EQ(screen->BytesConverted(), 1);
}

TEST(ImageScreen, FortyThousandBytesAtTheEnd) {
  DocPtr doc = ColouredDocument();
  SetBlocks(*doc, {30000, 10000});
  auto screen = std::make_unique<ImageScreen>();
  screen->Rebuild(*doc, ImageColorsFor(*doc, kSystem), 57);
  EXPECT_EQ(screen->At(0, 0), Expected(PatternByte(57 * 128)));
  EXPECT_EQ(screen->At(63, 255), Expected(PatternByte(39999)));
  EXPECT_EQ(screen->At(64, 255), kEnd);
  EXPECT_EQ(screen->At(127, 255), kEnd);
  EXPECT_EQ(screen->BytesConverted(), 40000 - 57 * 128);
}

TEST(ImageScreen, SystemColoursGiveOneColourForDataAndOneAfter) {
  DocPtr doc = ColouredDocument();
  SetBlocks(*doc, {1000});
  doc->options = kOptSystemColors;
  auto screen = std::make_unique<ImageScreen>();
  screen->Rebuild(*doc, ImageColorsFor(*doc, kSystem), 0);
  for (int p : {0, 1, 500, 999}) EXPECT_EQ(screen->At(p % 128, p / 128), 0xAA0000u) << p;
  for (int p : {1000, 1001, 32767}) EXPECT_EQ(screen->At(p % 128, p / 128), 0x00BB00u) << p;
}

TEST(ImageScreen, ScrollsReportTheEnteringBand) {
  DocPtr doc = ColouredDocument();
  SetBlocks(*doc, {43690, 43690, 43690});
  auto screen = std::make_unique<ImageScreen>();
  screen->Rebuild(*doc, ImageColorsFor(*doc, kSystem), 0);
  int64_t before = screen->BytesConverted();
  EXPECT_EQ(screen->ScrollTo(*doc, 16), (ImageUpdate{-16, 240, 16}));
  EXPECT_EQ(screen->BytesConverted() - before, 2048);
  EXPECT_EQ(screen->ScrollTo(*doc, 15), (ImageUpdate{1, 0, 1}));
  EXPECT_EQ(screen->BytesConverted() - before, 2048 + 128);
  EXPECT_EQ(screen->ScrollTo(*doc, 15), ImageUpdate{});
  EXPECT_EQ(screen->ScrollTo(*doc, 15 + 256), (ImageUpdate{0, 0, 256}));
  EXPECT_EQ(screen->ScrollTo(*doc, 15 + 256 + 255), (ImageUpdate{-255, 1, 255}));
  ExpectShows(*screen, Contents(*doc), "after the scrolls");
}

// Random keys, wheel turns, thumb positions and clicks on documents of random
// sizes and block layouts: after every step the picture shows exactly the
// bytes of its lines, a short scroll converts only the entering lines, and a
// click lands on the byte whose colour the clicked pixel has.
TEST(ImageScreen, RandomMovesAndClicksMatchTheBytes) {
  std::mt19937 rng(20240611);
  auto screen = std::make_unique<ImageScreen>();
  for (int round = 0; round < 12; ++round) {
    int32_t length = round == 0 ? 0 : round == 1 ? 32768 : static_cast<int32_t>(rng() % 400000);
    std::vector<int32_t> lens;
    for (int32_t left = length; left > 0;) {
      int32_t n = std::min<int32_t>(left, 1 + static_cast<int32_t>(rng() % kBlockGrowLimit));
      lens.push_back(n);
      left -= n;
    }
    DocPtr doc = ColouredDocument();
    SetBlocks(*doc, lens);
    const std::vector<uint8_t> bytes = Contents(*doc);
    const int32_t lines = ImageLineCount(length);
    int32_t caret = static_cast<int32_t>(rng() % (length + 1));
    screen->Rebuild(*doc, ImageColorsFor(*doc, kSystem), ImageTopLineForCaret(caret, lines));
    ExpectShows(*screen, bytes, "attach");
    for (int step = 0; step < 150; ++step) {
      int32_t top = screen->Top(), next = top;
      switch (rng() % 4) {
        case 0: next = ImageMoveTarget(top, static_cast<ImageMove>(rng() % 6), lines); break;
        case 1: next = ImageWheelTarget(top, static_cast<int>(rng() % 1441) - 720, lines); break;
        case 2: next = ImageThumbTarget(static_cast<int32_t>(rng() % (lines + 20)) - 10, lines); break;
        default: {
          int x = static_cast<int>(rng() % kImageWidth), y = static_cast<int>(rng() % kImageRows);
          int32_t offset = ImageClickOffset(x, y, top, length);
          if (offset < length) {
            EXPECT_EQ(screen->At(x, y), Expected(bytes[static_cast<size_t>(offset)])) << x << ", " << y;
          } else {
            EXPECT_EQ(offset, length);
            EXPECT_EQ(screen->At(x, y), kEnd) << x << ", " << y;
          }
          continue;
        }
      }
      int64_t before = screen->BytesConverted();
      ImageUpdate update = screen->ScrollTo(*doc, next);
      int64_t shift = std::abs(next - top);
      EXPECT_EQ(update.rowCount, shift == 0 ? 0 : std::min<int64_t>(shift, kImageRows));
      if (shift < kImageRows) {
        EXPECT_LE(screen->BytesConverted() - before, shift * kImageWidth);
      }
      ExpectShows(*screen, bytes, "move");
      if (HasFailure()) return;
    }
  }
}

}  // namespace
