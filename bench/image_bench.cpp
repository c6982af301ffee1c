// The image view's picture: converting a whole 128 x 256 screen costs the same in
// the middle of a 1 GiB document as in a 64 KiB one (the blocks are found through
// the cursor and read directly), a one-line scroll converts 128 bytes rather than
// a screen, and the cost of a screen is set beside a plain copy of 32 KiB.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/document.h"
#include "imageview/image_screen.h"

namespace {

constexpr int32_t kKiB = 1 << 10;
constexpr int32_t kGiB = 1 << 30;
constexpr int32_t kSmall = 64 * kKiB;
constexpr int kRepetitions = 15;

// A document of size pseudo-random bytes in blocks as loading makes them, with
// a colour per byte value.
Document& ImageDocument(int32_t size) {
  static std::unique_ptr<Document> small, big;
  std::unique_ptr<Document>& slot = size == kGiB ? big : small;
  if (!slot) {
    slot = std::make_unique<Document>();
    FillRandomDocument(*slot, size);
    for (int v = 0; v < 256; ++v) slot->byteColors()[v] = static_cast<ColorRef>(v * 0x010101);
  }
  return *slot;
}

// The first line of a screen in the middle of the document.
int32_t MiddleTop(int32_t size) { return size / kImageWidth / 2 - kImageRows / 2; }

const SystemColorValues kSystem = MixSystemColors({0, 0xFFFFFF, 0x808080, 0xFFFFFF, 0x800000});

void BM_ConvertScreen(benchmark::State& state) {
  const int32_t size = static_cast<int32_t>(state.range(0));
  Document& doc = ImageDocument(size);
  ImageColors colors = ImageColorsFor(doc, kSystem);
  auto screen = std::make_unique<ImageScreen>();
  const int32_t top = MiddleTop(size);
  int64_t screens = 0;
  for (auto _ : state) {
    screen->Rebuild(doc, colors, top);
    benchmark::DoNotOptimize(screen->Pixels());
    ++screens;
  }
  state.counters["bytes"] = static_cast<double>(screen->BytesConverted()) / static_cast<double>(screens);
}

// One line down: the kept rows move in memory and one line is converted. Walks
// down 4096 lines from the middle of 1 GiB and starts again with a full screen.
void BM_ScrollOneLine(benchmark::State& state) {
  Document& doc = ImageDocument(kGiB);
  ImageColors colors = ImageColorsFor(doc, kSystem);
  auto screen = std::make_unique<ImageScreen>();
  const int32_t start = MiddleTop(kGiB);
  screen->Rebuild(doc, colors, start);
  int64_t scrolls = 0, converted = 0;
  for (auto _ : state) {
    if (screen->Top() == start + 4096) {
      state.PauseTiming();
      screen->Rebuild(doc, colors, start);
      state.ResumeTiming();
    }
    int64_t before = screen->BytesConverted();
    ImageUpdate update = screen->ScrollTo(doc, screen->Top() + 1);
    benchmark::DoNotOptimize(update);
    converted += screen->BytesConverted() - before;
    ++scrolls;
  }
  state.counters["bytes"] = static_cast<double>(converted) / static_cast<double>(scrolls);
}

// The baseline: copying one screen's worth of bytes (32 KiB).
void BM_Memcpy32K(benchmark::State& state) {
  std::vector<uint8_t> from(kImageScreenBytes, 7), to(kImageScreenBytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size());
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_ConvertScreen)->Arg(kSmall)->Arg(kGiB)->Repetitions(kRepetitions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollOneLine)->Repetitions(kRepetitions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Memcpy32K)->Repetitions(kRepetitions)->Unit(benchmark::kMicrosecond);

std::string Name(const char* function, int32_t size) { return std::string(function) + "/" + std::to_string(size); }

}  // namespace

int main(int argc, char** argv) {
  ImageDocument(kSmall);
  ImageDocument(kGiB);
  ResultTable table;
  RunBenchmarks(argc, argv, table);

  double big = table.Time(Name("BM_ConvertScreen", kGiB)), small = table.Time(Name("BM_ConvertScreen", kSmall));
  double scroll = table.Time("BM_ScrollOneLine"), copy = table.Time("BM_Memcpy32K");
  std::printf("\nConverting a 128 x 256 screen (32,768 bytes), medians of %d runs:\n", kRepetitions);
  std::printf("  %-52s %10.2f us\n", "1 GiB document, middle", big * 1e6);
  std::printf("  %-52s %10.2f us\n", "64 KiB document, middle", small * 1e6);
  std::printf("  %-52s %10.2f us\n", "plain memcpy of 32 KiB (baseline)", copy * 1e6);
  std::printf("  %-52s %10.2fx\n", "screen conversion (1 GiB) / memcpy of 32 KiB", big / copy);
  bool ok = true;
  ok &= PrintGoal("screen time, 1 GiB / 64 KiB", big / small, true, 1.2, "x");
  ok &= PrintGoal("screen time, 64 KiB / 1 GiB", small / big, true, 1.2, "x");
  std::printf("\nScrolling one line in the 1 GiB document:\n");
  std::printf("  %-52s %10.2f us\n", "move 255 rows and convert the entering line", scroll * 1e6);
  std::printf("  %-52s %10.3fx\n", "one-line scroll / full screen", scroll / big);
  ok &= PrintGoal("bytes converted per one-line scroll", table.Counter("BM_ScrollOneLine", "bytes"), true, 128);
  std::printf("  %-52s %10.0f\n", "bytes converted per full screen",
              table.Counter(Name("BM_ConvertScreen", kGiB), "bytes"));
  return ok ? 0 : 1;
}
