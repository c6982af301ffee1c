// Repaint rectangles: the range helper's rectangles for same-line and multi-line
// ranges, and the ANSI re-synchronisation after a vertical scroll, checked
// literally and against a model of what the screen showed before and after.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "hexview/render/dump_paint.h"
#include "hexview/render/view_invalidate.h"
#include "hexview/render/view_scroll.h"
#include "hexview/render_recording.h"

namespace {

std::vector<PixelRect> Rects(const Document& doc, int32_t a, int32_t b) {
  PixelRect out[3];
  int n = RangeInvalidRects(doc, a, b, out);
  return std::vector<PixelRect>(out, out + n);
}

TEST(RenderInvalidate, SameLineRangesGiveOneRectanglePerArea) {
  auto doc = PaintDocument(std::vector<uint8_t>(200, 'x'));
  std::vector<PixelRect> expected = {{120, 16, 192, 32}, {472, 16, 496, 32}, {608, 16, 632, 32}};
  EXPECT_EQ(Rects(*doc, 2, 5), expected);
  EXPECT_EQ(Rects(*doc, 5, 2), expected);  // either order
  // Up to the last byte of a line: the numeric rectangle stops at hi's cell.
  EXPECT_EQ(Rects(*doc, 20, 31),
            (std::vector<PixelRect>{{168, 32, 432, 48}, {488, 32, 576, 48}, {624, 32, 712, 48}}));
  EXPECT_TRUE(Rects(*doc, 7, 7).empty());  // an empty range repaints nothing
  EXPECT_TRUE(Rects(*doc, 0, 0).empty());
}

TEST(RenderInvalidate, RangesOverLinesRepaintWholeRowsFromTheRowAbove) {
  auto doc = PaintDocument(std::vector<uint8_t>(200, 'x'));
  EXPECT_EQ(Rects(*doc, 20, 50), (std::vector<PixelRect>{{72, 16, 800, 80}}));
  EXPECT_EQ(Rects(*doc, 40, 70), (std::vector<PixelRect>{{72, 32, 800, 96}}));
  // A range starting a line also takes the end of the line before (its separator).
  EXPECT_EQ(Rects(*doc, 16, 20), (std::vector<PixelRect>{{72, 16, 800, 48}}));
  EXPECT_EQ(Rects(*doc, 32, 33), (std::vector<PixelRect>{{72, 16, 800, 64}}));
  auto dec = PaintDocument(std::vector<uint8_t>(200, 'x'), 0x08);
  EXPECT_EQ(Rects(*dec, 10, 13), (std::vector<PixelRect>{{72, 16, 800, 48}}));
}

TEST(RenderInvalidate, ScrolledViewsShiftAndCutTheRectangles) {
  auto doc = PaintDocument(std::vector<uint8_t>(4000, 'x'));
  doc->scrollLine = 2;
  EXPECT_EQ(Rects(*doc, 40, 45),
            (std::vector<PixelRect>{{264, 16, 384, 32}, {520, 16, 560, 32}, {656, 16, 696, 32}}));
  EXPECT_TRUE(Rects(*doc, 1600, 1603).empty());  // far below the window
  EXPECT_TRUE(Rects(*doc, 1, 3).empty());        // above it
  doc->scrollLine = 0;
  doc->scrollColumn = 10;
  // The numeric cells scrolled out of view; the character cells moved left.
  EXPECT_EQ(Rects(*doc, 1, 3), (std::vector<PixelRect>{{384, 16, 400, 32}, {520, 16, 536, 32}}));
}

std::vector<uint8_t> WithLineEnd(std::vector<uint8_t> line0, std::vector<uint8_t> rest) {
  line0.insert(line0.end(), rest.begin(), rest.end());
  return line0;
}

TEST(RenderInvalidate, ResyncAfterOneLineScrollsEitherWay) {
  std::vector<uint8_t> line0(15, 'A');
  line0.push_back(0x93);  // a lead byte ends line 0; its trail 0xFA starts line 1
  std::vector<uint8_t> rest = {0xFA, 'B'};
  rest.resize(400, 'C');
  auto doc = PaintDocument(WithLineEnd(line0, rest));
  PixelRect r;
  doc->scrollLine = 1;
  ASSERT_EQ(AnsiResyncRect(*doc, 0, &r), 1);
  EXPECT_EQ(r, (PixelRect{456, 16, 472, 32}));  // 0xFA (a lead byte itself) and "B"
  doc->scrollLine = 0;
  ASSERT_EQ(AnsiResyncRect(*doc, 1, &r), 1);
  EXPECT_EQ(r, (PixelRect{456, 32, 472, 48}));  // the same line, now in row 2
  doc->scrollLine = 2;
  EXPECT_EQ(AnsiResyncRect(*doc, 1, &r), 0);  // line 1 ends on a character boundary
  doc->scrollLine = 12;
  EXPECT_EQ(AnsiResyncRect(*doc, 0, &r), 0);  // a jump of a whole window repaints everything anyway
}

TEST(RenderInvalidate, ResyncOverALineOfLeadBytesCoversTheWholeAreaDown) {
  std::vector<uint8_t> line0(15, 'A');
  line0.push_back(0x93);
  std::vector<uint8_t> rest(16, 0x93);
  rest.push_back('B');
  rest.resize(400, 'C');
  auto doc = PaintDocument(WithLineEnd(line0, rest));
  PixelRect r;
  doc->scrollLine = 1;
  ASSERT_EQ(AnsiResyncRect(*doc, 0, &r), 1);
  EXPECT_EQ(r, (PixelRect{456, 16, 592, 48}));  // the ANSI cells and the separator over two rows
}

// Model check: for random bytes full of lead bytes and random scrolls of less than
// a window, every ANSI cell (and separator) of a line that stayed on screen whose
// pairing differs between the old and the new top line lies inside the resync
// rectangle.
TEST(RenderInvalidate, ResyncCoversEveryCellWhosePairingChanged) {
  std::mt19937 rng(42);
  int checkedChanges = 0;
  for (int run = 0; run < 400; ++run) {
    std::vector<uint8_t> bytes(static_cast<size_t>(rng() % 1200));
    for (auto& b : bytes) b = rng() % 3 != 0 ? static_cast<uint8_t>(0x81 + rng() % 4) : 'a';
    auto doc = PaintDocument(bytes, run % 2 == 0 ? 0x00 : 0x08);
    DumpGeometry g = GeometryOf(*doc);
    int32_t maxLine = MaxScrollLine(*doc);
    int32_t previous = static_cast<int32_t>(rng() % (maxLine + 1));
    int32_t now = std::clamp<int32_t>(previous + static_cast<int32_t>(rng() % 19) - 9, 0, maxLine);
    if (now == previous) continue;

    auto classes = [&](int32_t top) {
      int want = 10 * g.bytesPerLine + 1;  // what a paint of the 160-pixel client reads
      std::vector<uint8_t> buf(static_cast<size_t>(want)), cls(static_cast<size_t>(want));
      int n = ReadBytes(*doc, top * g.bytesPerLine, buf.data(), want);
      ClassifyAnsi(buf.data(), n, cls.data());
      cls.resize(static_cast<size_t>(n));
      return cls;
    };
    std::vector<uint8_t> before = classes(previous), after = classes(now);
    doc->scrollLine = now;
    PixelRect rect;
    int found = AnsiResyncRect(*doc, previous, &rect);
    ASSERT_GE(found, 0);

    for (int32_t line = std::max(previous, now); line <= std::min(previous, now) + 8; ++line) {
      for (int c = 0; c <= g.bytesPerLine; ++c) {  // c == bytesPerLine: the separator
        int col = c < g.bytesPerLine ? c : g.bytesPerLine - 1;
        size_t ib = static_cast<size_t>((line - previous) * g.bytesPerLine + col);
        size_t ia = static_cast<size_t>((line - now) * g.bytesPerLine + col);
        if (ib >= before.size() || ia >= after.size()) continue;
        bool differs = c < g.bytesPerLine ? before[ib] != after[ia]
                                          : (before[ib] == kAnsiLead) != (after[ia] == kAnsiLead);
        if (!differs) continue;
        ++checkedChanges;
        int32_t x = ColumnX(*doc, c < g.bytesPerLine ? g.AnsiColumn(c) : g.SeparatorColumn());
        PixelRect cell{x, LineY(*doc, line), x + 8, LineY(*doc, line) + 16};
        ASSERT_EQ(found, 1) << "run " << run;
        EXPECT_EQ(Intersect(cell, rect), cell) << "run " << run << " line " << line << " col " << c;
      }
    }
  }
  EXPECT_GT(checkedChanges, 100);  // the data really produces shifted pairings
}

}  // namespace
