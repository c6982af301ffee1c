// Painting the dump of a 1920 x 1080 view: a full paint of a 1 GiB document
// costs what one of a 1 KiB document costs (only the visible lines are read),
// and a one-line scroll repaints only the entering row and the re-synchronised
// ANSI cells. The painter runs natively against a counting canvas: every text it
// hands to the canvas is one ExtTextOut call in the window, so the counts are the
// drawing work and the times are the painter's own (reading, classifying, formatting).
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/block_list.h"
#include "core/document.h"
#include "hexview/render/dump_paint.h"
#include "hexview/render/view_scroll.h"

namespace {

constexpr int32_t kKiB = 1 << 10;
constexpr int32_t kGiB = 1 << 30;
constexpr int kRepetitions = 5;
constexpr int kWidth = 1920, kHeight = 1080, kCellWidth = 8;

// Counts what a paint draws and touches every text so that nothing is skipped.
class CountingCanvas final : public DumpCanvas {
 public:
  int64_t texts = 0;
  int64_t fills = 0;
  uint32_t checksum = 0;

  void Fill(const PixelRect& rect, DumpBrush) override {
    ++fills;
    checksum += static_cast<uint32_t>(rect.left);
  }
  void UseFont(DumpFont) override {}
  void Text(int32_t x, int32_t y, const PixelRect*, const char* text, int length, ColorRef color) override {
    ++texts;
    checksum += static_cast<uint32_t>(x + y) + color + static_cast<uint8_t>(text[length - 1]);
  }
  void WideText(int32_t x, int32_t y, const PixelRect&, const char16_t* text, int length, ColorRef color) override {
    ++texts;
    checksum += static_cast<uint32_t>(x + y) + color + text[length - 1];
  }
};

// A document of size pseudo-random bytes (about a quarter of them Shift-JIS lead
// bytes) in blocks as loading makes them, shown in a 1920 x 1080 client area with
// 8-pixel cells; the 1 GiB one is scrolled to its middle.
Document& ViewDocument(int32_t size) {
  static std::unique_ptr<Document> small, big;
  std::unique_ptr<Document>& slot = size == kGiB ? big : small;
  if (!slot) {
    slot = std::make_unique<Document>();
    FillRandomDocument(*slot, size);
    slot->charWidth = kCellWidth;
    slot->clientWidth = kWidth;
    slot->clientHeight = kHeight;
    for (int v = 0; v < 256; ++v) slot->byteColors()[v] = static_cast<ColorRef>(v);
    slot->scrollLine = size == kGiB ? size / 16 / 2 : 0;
  }
  return *slot;
}

const PixelRect kClient{0, 0, kWidth, kHeight};

void BM_PaintFullView(benchmark::State& state) {
  Document& doc = ViewDocument(static_cast<int32_t>(state.range(0)));
  DumpPalette palette = DocumentPalette(doc);
  CountingCanvas canvas;
  int64_t paints = 0;
  for (auto _ : state) {
    PaintDump(canvas, doc, palette, kClient, true);
    ++paints;
  }
  benchmark::DoNotOptimize(canvas.checksum);
  state.counters["texts"] = static_cast<double>(canvas.texts) / static_cast<double>(paints);
  state.counters["fills"] = static_cast<double>(canvas.fills) / static_cast<double>(paints);
}

// One line down and repaint what the window would: the strip that scrolling
// uncovers at the bottom and the re-synchronised ANSI cells. Walks down through
// 4096 lines of the middle of 1 GiB and starts again.
void BM_ScrollOneLine(benchmark::State& state) {
  Document& doc = ViewDocument(kGiB);
  DumpPalette palette = DocumentPalette(doc);
  const int32_t start = doc.scrollLine;
  CountingCanvas canvas;
  int64_t scrolls = 0, resyncs = 0;
  for (auto _ : state) {
    int32_t previous = doc.scrollLine;
    doc.scrollLine = previous + 1 < start + 4096 ? previous + 1 : start;
    if (doc.scrollLine < previous) continue;  // the jump back is not a one-line scroll
    PaintDump(canvas, doc, palette, PixelRect{0, kHeight - 2 * kCellWidth, kWidth, kHeight}, true);
    PixelRect resync;
    if (AnsiResyncRect(doc, previous, &resync) == 1) {
      PaintDump(canvas, doc, palette, resync, true);
      ++resyncs;
    }
    ++scrolls;
  }
  doc.scrollLine = start;
  benchmark::DoNotOptimize(canvas.checksum);
  state.counters["texts"] = static_cast<double>(canvas.texts) / static_cast<double>(scrolls);
  state.counters["resync_share"] = static_cast<double>(resyncs) / static_cast<double>(scrolls);
}

BENCHMARK(BM_PaintFullView)->Arg(kKiB)->Arg(kGiB)->Repetitions(kRepetitions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollOneLine)->Repetitions(kRepetitions)->Unit(benchmark::kMicrosecond);

std::string Name(const char* function, int32_t size) { return std::string(function) + "/" + std::to_string(size); }

}  // namespace

int main(int argc, char** argv) {
  ViewDocument(kKiB);
  ViewDocument(kGiB);
  ResultTable table;
  RunBenchmarks(argc, argv, table);

  double big = table.Time(Name("BM_PaintFullView", kGiB)), small = table.Time(Name("BM_PaintFullView", kKiB));
  double bigTexts = table.Counter(Name("BM_PaintFullView", kGiB), "texts");
  double smallTexts = table.Counter(Name("BM_PaintFullView", kKiB), "texts");
  double scroll = table.Time("BM_ScrollOneLine");
  double scrollTexts = table.Counter("BM_ScrollOneLine", "texts");

  std::printf("\nFull paint of a 1920 x 1080 view (8-pixel cells, hexadecimal), medians of %d runs:\n", kRepetitions);
  std::printf("  %-58s %10.1f us, %6.0f texts\n", "1 GiB document, middle", big * 1e6, bigTexts);
  std::printf("  %-58s %10.1f us, %6.0f texts\n", "1 KiB document (64 of the 66 rows hold bytes)", small * 1e6,
              smallTexts);
  bool ok = true;
  ok &= PrintGoal("paint time, 1 GiB / 1 KiB", big / small, true, 1.2, "x");
  ok &= PrintGoal("paint time, 1 KiB / 1 GiB", small / big, true, 1.2, "x");
  std::printf("\nScrolling one line in the 1 GiB document:\n");
  std::printf("  %-58s %10.1f us, %6.1f texts (%.0f%% of the scrolls re-synchronise)\n",
              "repaint of the entering strip and the re-synchronised cells", scroll * 1e6, scrollTexts,
              table.Counter("BM_ScrollOneLine", "resync_share") * 100);
  ok &= PrintGoal("texts drawn, one-line scroll / full paint", scrollTexts / bigTexts, true, 0.1, "x");
  // No goal on the time: even a strip is classified from the top line, so every
  // paint reads and steps through the visible lines once.
  std::printf("  %-58s %10.3fx\n", "paint time, one-line scroll / full paint", scroll / big);
  return ok ? 0 : 1;
}
