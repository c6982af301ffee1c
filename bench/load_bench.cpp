// Loading a 1 GiB file into a document, against plain fread loops over the same file.
#include <malloc.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench_support.h"
#include "core/document.h"
#include "core/load_file.h"

namespace {

constexpr int64_t kFileSize = int64_t{1} << 30;
constexpr int kRepetitions = 5;
std::string g_path;

// Reading the file chunk by chunk into one small buffer: the cost of the I/O alone.
void BM_FreadReusedBuffer(benchmark::State& state) {
  std::vector<uint8_t> buffer(kBlockFill);
  for (auto _ : state) {
    FILE* f = std::fopen(g_path.c_str(), "rb");
    size_t total = 0, n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0) total += n;
    std::fclose(f);
    benchmark::DoNotOptimize(total);
  }
}

// Reads the whole file into buffer (kFileSize bytes) in kBlockFill-byte freads.
void FreadWholeFileInto(uint8_t* buffer) {
  FILE* f = std::fopen(g_path.c_str(), "rb");
  int64_t total = 0;
  size_t n;
  while ((n = std::fread(buffer + total, 1, static_cast<size_t>(std::min<int64_t>(kBlockFill, kFileSize - total)), f)) >
         0) {
    total += static_cast<int64_t>(n);
  }
  std::fclose(f);
  benchmark::DoNotOptimize(buffer);
}

// Reading the whole file into memory with a plain fread loop: the simplest loader.
void BM_FreadWholeFile(benchmark::State& state) {
  for (auto _ : state) {
    uint8_t* buffer = static_cast<uint8_t*>(std::malloc(kFileSize));
    FreadWholeFileInto(buffer);
    std::free(buffer);
  }
}

void BM_LoadFile(benchmark::State& state) {
  Document doc;
  std::strncpy(doc.path, g_path.c_str(), sizeof doc.path - 1);
  NoProgress progress;
  double memoryRatio = 0;
  for (auto _ : state) {
    size_t before = HeapInUse();
    if (LoadFile(doc, progress) != 0 || doc.length != kFileSize) state.SkipWithError("LoadFile failed");
    memoryRatio = static_cast<double>(HeapInUse() - before) / static_cast<double>(kFileSize);
    state.PauseTiming();
    FreeBlocks(doc);
    state.ResumeTiming();
  }
  state.counters["memory_ratio"] = memoryRatio;
}

// The same two loaders with memory the process already owns, so that the kernel's
// cost of handing out fresh pages (large and noisy in a virtual machine) drops out
// and only the loaders' own work is compared.
void BM_FreadWholeFileWarm(benchmark::State& state) {
  uint8_t* buffer = static_cast<uint8_t*>(std::malloc(kFileSize));
  std::memset(buffer, 1, kFileSize);
  for (auto _ : state) FreadWholeFileInto(buffer);
  std::free(buffer);
}

void BM_LoadFileWarm(benchmark::State& state) {
  mallopt(M_TRIM_THRESHOLD, INT_MAX);  // keep freed blocks in the heap between loads
  Document doc;
  std::strncpy(doc.path, g_path.c_str(), sizeof doc.path - 1);
  NoProgress progress;
  LoadFile(doc, progress);  // touches the pages once
  FreeBlocks(doc);
  for (auto _ : state) {
    if (LoadFile(doc, progress) != 0) state.SkipWithError("LoadFile failed");
    state.PauseTiming();
    FreeBlocks(doc);
    state.ResumeTiming();
  }
  mallopt(M_TRIM_THRESHOLD, 128 * 1024);
  malloc_trim(0);
}

BENCHMARK(BM_FreadReusedBuffer)->Iterations(1)->Repetitions(kRepetitions)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FreadWholeFile)->Iterations(1)->Repetitions(kRepetitions)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadFile)->Iterations(1)->Repetitions(kRepetitions)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FreadWholeFileWarm)
    ->Iterations(1)
    ->Repetitions(kRepetitions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_LoadFileWarm)->Iterations(1)->Repetitions(kRepetitions)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  g_path = "/tmp/varnel-load-bench-" + std::to_string(getpid()) + ".bin";
  if (!CreateBigFile(g_path, kFileSize)) {
    std::fprintf(stderr, "cannot create %s\n", g_path.c_str());
    return 1;
  }
  ResultTable table;
  RunBenchmarks(argc, argv, table);
  std::remove(g_path.c_str());

  // Fresh memory costs jump between runs on virtual machines (the same fread loop
  // takes 0.2 s or 3 s), so the fastest of the interleaved runs are compared.
  double load = table.BestTime("BM_LoadFile");
  std::printf("\nLoading a 1 GiB file (best of %d interleaved runs each):\n", kRepetitions);
  bool ok = PrintGoal("LoadFile / fread loop into a new file-sized buffer", load / table.BestTime("BM_FreadWholeFile"),
                      true, 1.3, "x");
  ok &= PrintGoal("LoadFile / the same with memory already owned",
                  table.BestTime("BM_LoadFileWarm") / table.BestTime("BM_FreadWholeFileWarm"), true, 1.3, "x");
  std::printf("  %-58s %10.3fx  (no goal: the floor is the fread loop into owned memory, %.3fx)\n",
              "LoadFile / fread loop into one reused 43,690-byte buffer", load / table.BestTime("BM_FreadReusedBuffer"),
              table.BestTime("BM_FreadWholeFileWarm") / table.BestTime("BM_FreadReusedBuffer"));
  ok &= PrintGoal("document heap / file size", table.Counter("BM_LoadFile", "memory_ratio"), true, 1.02, "x");
  return ok ? 0 : 1;
}
