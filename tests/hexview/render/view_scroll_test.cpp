// The ANSI re-synchronisation after a vertical scroll, checked against a model
// of what the screen showed before and after.
#include "hexview/render/view_scroll.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "support/render_recording.h"

namespace {

// Model check: for random bytes full of lead bytes and random scrolls of less than
// a window, every ANSI cell (and separator) of a line that stayed on screen whose
// pairing differs between the old and the new top line lies inside the resync
// rectangle.
TEST(ViewScroll, ResyncCoversEveryCellWhosePairingChanged) {
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
        int col = std::min(c, g.bytesPerLine - 1);
        size_t ib = static_cast<size_t>((line - previous) * g.bytesPerLine + col);
        size_t ia = static_cast<size_t>((line - now) * g.bytesPerLine + col);
        if (ib >= before.size() || ia >= after.size()) continue;
        if (c < g.bytesPerLine ? before[ib] == after[ia] : (before[ib] == kAnsiLead) == (after[ia] == kAnsiLead))
          continue;
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
