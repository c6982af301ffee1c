// Edits, jumps and sequential reads on documents of 1 MiB and 1 GiB.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>

#include "bench_support.h"
#include "core/block_list.h"
#include "core/document.h"
#include "core/edit.h"

namespace {

constexpr int32_t kMiB = 1 << 20;
constexpr int32_t kGiB = 1 << 30;
constexpr int kRepetitions = 5;

// A document of size pseudo-random bytes laid out as loading lays it out
// (blocks of 43,690 bytes), built once per size.
Document& BigDocument(int32_t size) {
  static std::unique_ptr<Document> small, big;
  std::unique_ptr<Document>& slot = size == kGiB ? big : small;
  if (!slot) {
    slot = std::make_unique<Document>();
    FillRandomDocument(*slot, size);
  }
  return *slot;
}

// The next edit lands within 2 KB of the previous one, as when a user types and
// corrects; the walk starts in the middle of the document.
class NearbyWalk {
 public:
  explicit NearbyWalk(const Document& doc) : at_(doc.length / 2) {}
  int32_t Next(const Document& doc) {
    at_ += static_cast<int32_t>(rng_() % 4097) - 2048;
    at_ = std::clamp(at_, 0, doc.length - 1);
    return at_;
  }

 private:
  int32_t at_;
  std::mt19937 rng_{7};
};

void ReportSamples(benchmark::State& state, const std::vector<double>& samples) {
  state.counters["median_ns"] = Percentile(samples, 0.5) * 1e9;
  state.counters["p99_ns"] = Percentile(samples, 0.99) * 1e9;
}

// Typing one byte in insert mode: ReplaceSelection and CommitStep. After each
// timed insert the byte is deleted again, untimed, so the document keeps its size.
void BM_TypeByte(benchmark::State& state) {
  Document& doc = BigDocument(static_cast<int32_t>(state.range(0)));
  NearbyWalk walk(doc);
  std::vector<double> samples;
  uint8_t byte = 0x41;
  for (auto _ : state) {
    doc.caret = walk.Next(doc);
    doc.anchor = -1;
    double t0 = NowSeconds();
    CommitStep(doc, ReplaceSelection(doc, &byte, 1, kCaretAfter, false, nullptr), nullptr);
    double t = NowSeconds() - t0;
    state.SetIterationTime(t);
    samples.push_back(t);
    DeleteBytes(doc, doc.caret - 1, 1);
  }
  FreeStepList(doc.undoList);
  ReportSamples(state, samples);
}

// Deleting one selected byte (the Delete key); the byte is put back untimed.
void BM_DeleteByte(benchmark::State& state) {
  Document& doc = BigDocument(static_cast<int32_t>(state.range(0)));
  NearbyWalk walk(doc);
  std::vector<double> samples;
  for (auto _ : state) {
    doc.caret = walk.Next(doc);
    doc.anchor = doc.caret + 1;
    double t0 = NowSeconds();
    CommitStep(doc, ReplaceSelection(doc, nullptr, 0, kCaretBefore, false, nullptr), nullptr);
    double t = NowSeconds() - t0;
    state.SetIterationTime(t);
    samples.push_back(t);
    InsertBytes(doc, doc.caret, doc.undoList->removed, 1);
  }
  FreeStepList(doc.undoList);
  ReportSamples(state, samples);
}

// The primitives alone, for comparison with the full edit path.
void BM_InsertDeletePrimitives(benchmark::State& state) {
  Document& doc = BigDocument(static_cast<int32_t>(state.range(0)));
  NearbyWalk walk(doc);
  uint8_t byte = 0x42;
  for (auto _ : state) {
    int32_t at = walk.Next(doc);
    InsertBytes(doc, at, &byte, 1);
    DeleteBytes(doc, at, 1);
  }
}

// Each iteration reads 16 bytes at offset 0 and then 16 bytes at far.
void ReadAtZeroThenAt(benchmark::State& state, Document& doc, int32_t far) {
  uint8_t buffer[16];
  for (auto _ : state) {
    ReadBytes(doc, 0, buffer, 16);
    ReadBytes(doc, far, buffer, 16);
    benchmark::DoNotOptimize(buffer);
  }
}

// A read at offset 0 and then at the very end of the document.
void BM_JumpReadEnds(benchmark::State& state) {
  Document& doc = BigDocument(static_cast<int32_t>(state.range(0)));
  ReadAtZeroThenAt(state, doc, doc.length - 16);
}

// Offset 0, then typing a byte at the end and taking it back.
void BM_JumpEditEnd(benchmark::State& state) {
  Document& doc = BigDocument(static_cast<int32_t>(state.range(0)));
  uint8_t buffer[16];
  for (auto _ : state) {
    ReadBytes(doc, 0, buffer, 16);
    InsertBytes(doc, doc.length - 8, buffer, 1);
    DeleteBytes(doc, doc.length - 9, 1);
  }
}

// The worst jump: from offset 0 to the middle, the farthest block from both ends.
void BM_JumpReadMiddle(benchmark::State& state) {
  Document& doc = BigDocument(static_cast<int32_t>(state.range(0)));
  ReadAtZeroThenAt(state, doc, doc.length / 2);
}

// Sequential ReadBytes of the whole document in 64 KiB pieces.
void BM_ReadWholeDocument(benchmark::State& state) {
  Document& doc = BigDocument(static_cast<int32_t>(state.range(0)));
  std::vector<uint8_t> buffer(64 * 1024);
  for (auto _ : state) {
    for (int32_t at = 0; at < doc.length; at += static_cast<int32_t>(buffer.size())) {
      ReadBytes(doc, at, buffer.data(), static_cast<int32_t>(buffer.size()));
    }
    benchmark::DoNotOptimize(buffer.data());
  }
  state.SetBytesProcessed(state.iterations() * doc.length);
}

// memcpy of the same amount from one contiguous buffer in the same pieces.
void BM_MemcpyWholeBuffer(benchmark::State& state) {
  int32_t size = static_cast<int32_t>(state.range(0));
  std::vector<uint8_t> source(static_cast<size_t>(size), 0x5A);
  std::vector<uint8_t> buffer(64 * 1024);
  for (auto _ : state) {
    for (int32_t at = 0; at < size; at += static_cast<int32_t>(buffer.size())) {
      std::memcpy(buffer.data(), source.data() + at, std::min<size_t>(buffer.size(), size - at));
      benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(buffer.data());
  }
  state.SetBytesProcessed(state.iterations() * size);
}

BENCHMARK(BM_TypeByte)->Arg(kMiB)->Arg(kGiB)->UseManualTime()->Repetitions(kRepetitions)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_DeleteByte)
    ->Arg(kMiB)
    ->Arg(kGiB)
    ->UseManualTime()
    ->Repetitions(kRepetitions)
    ->Unit(benchmark::kNanosecond);
BENCHMARK(BM_InsertDeletePrimitives)->Arg(kMiB)->Arg(kGiB)->Repetitions(kRepetitions)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_JumpReadEnds)->Arg(kGiB)->Repetitions(kRepetitions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JumpEditEnd)->Arg(kGiB)->Repetitions(kRepetitions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JumpReadMiddle)->Arg(kGiB)->Repetitions(kRepetitions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadWholeDocument)->Arg(kGiB)->Repetitions(kRepetitions)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MemcpyWholeBuffer)->Arg(kGiB)->Repetitions(kRepetitions)->Unit(benchmark::kMillisecond)->UseRealTime();

std::string Name(const char* function, int32_t size) { return std::string(function) + "/" + std::to_string(size); }

}  // namespace

int main(int argc, char** argv) {
  BigDocument(kMiB);
  BigDocument(kGiB);
  ResultTable table;
  RunBenchmarks(argc, argv, table);

  std::printf("\nEditing near the previous edit (medians of %d runs, per-operation medians):\n", kRepetitions);
  bool ok = true;
  for (const char* op : {"BM_TypeByte", "BM_DeleteByte"}) {
    double big = table.Counter(Name(op, kGiB), "median_ns") / 1000;
    double small = table.Counter(Name(op, kMiB), "median_ns") / 1000;
    ok &= PrintGoal(std::string(op + 3) + " median in 1 GiB", big, true, 5, " us");
    ok &= PrintGoal(std::string(op + 3) + " median, 1 GiB / 1 MiB", big / small, true, 2, "x");
  }
  std::printf("\nJumping across 1 GiB:\n");
  ok &=
      PrintGoal("read at 0, then read at the end", table.Time(Name("BM_JumpReadEnds", kGiB)) * 1e6, true, 5000, " us");
  ok &= PrintGoal("read at 0, then edit at the end", table.Time(Name("BM_JumpEditEnd", kGiB)) * 1e6, true, 5000, " us");
  std::printf("  %-58s %10.3f us  (no goal: the middle is farthest from every known block)\n",
              "read at 0, then read in the middle", table.Time(Name("BM_JumpReadMiddle", kGiB)) * 1e6);
  std::printf("\nSequential reading of 1 GiB:\n");
  ok &= PrintGoal("ReadBytes throughput / memcpy throughput",
                  table.Time(Name("BM_MemcpyWholeBuffer", kGiB)) / table.Time(Name("BM_ReadWholeDocument", kGiB)),
                  false, 0.5, "x");
  return ok ? 0 : 1;
}
