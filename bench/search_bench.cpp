// Searching 1 GiB documents (exact, case-folded and width-insensitive) against
// glibc memmem and against the position-by-position rule, and replacing one
// million occurrences.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/block_list.h"
#include "core/document.h"
#include "core/edit.h"
#include "search/replace_loop.h"
#include "search/search_options.h"
#include "search/search_rule.h"
#include "search/searcher.h"

namespace {

constexpr int32_t kMiB = 1 << 20;
constexpr int32_t kGiB = 1 << 30;
constexpr int kRepetitions = 3;

constexpr int kExact = kSearchCaseSensitive | kSearchWidthSensitive;
constexpr int kAnyCase = kSearchWidthSensitive;
constexpr int kAnyCaseAnyWidth = 0;

const uint8_t kAbsent8[] = {0x3C, 0xA7, 0x11, 0xF0, 0x5E, 0x92, 0x0D, 0xB4};
const uint8_t kAbsentLetters[] = {'Q', 'u', 'I', 'c', 'K', 'z', 'I', 'p'};
const uint8_t kAbc[] = {'a', 'b', 'c'};

// Words of a Japanese text with Latin words, digits and letters of both widths
// and both cases, katakana of both widths, hiragana and kanji. No sequence of
// words spells abc in any case or width, so the search runs to the end.
std::vector<uint8_t> MixedText(size_t size) {
  static const char* const kWords[] = {
      "の", "検索は", "ファイル", "ﾌｧｲﾙ", "を", "開いて", "バイト列", "ﾊﾞｲﾄ", "です。", "漢字", "編集", "置換",
      "the ", "quick ", "brown ", "fox ", "jumps ", "over ", "lazy ", "dog ", "AB ", "ab1 ", "ａｂｄ", "ＡＢ",
      "１２３", "456 ", "Ｘｙｚ", "、", "「データ」", "ｱｲｳｴｵ", "あいうえお", "アイウエオ", "。\r\n", "テキスト"};
  std::vector<uint8_t> out;
  out.reserve(size + 64);
  uint32_t x = 12345;
  while (out.size() < size) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    const char* w = kWords[x % (sizeof kWords / sizeof kWords[0])];
    out.insert(out.end(), w, w + std::strlen(w));
  }
  out.resize(size);
  return out;
}

// A document of size bytes taken from text in turn, laid out as loading lays it out.
void Fill(Document& doc, const std::vector<uint8_t>& text, int32_t size) {
  ResetToEmpty(doc);
  for (size_t at = 0; doc.length < size;) {
    int32_t n = std::min<int32_t>(kBlockFill, size - doc.length);
    if (at + static_cast<size_t>(n) > text.size()) at = 0;
    InsertBytes(doc, doc.length, text.data() + at, n);
    at += static_cast<size_t>(n);
  }
}

Document& RandomDocument() {
  static std::unique_ptr<Document> doc;
  if (!doc) {
    doc = std::make_unique<Document>();
    FillRandomDocument(*doc, kGiB);
  }
  return *doc;
}

// The random document's bytes in one contiguous buffer.
const std::vector<uint8_t>& RandomBuffer() {
  static std::vector<uint8_t> buffer;
  if (buffer.empty()) {
    Document& doc = RandomDocument();
    buffer.resize(static_cast<size_t>(doc.length));
    ReadBytes(doc, 0, buffer.data(), doc.length);
  }
  return buffer;
}

Document& TextDocument(int32_t size) {
  static std::unique_ptr<Document> big, small;
  std::unique_ptr<Document>& slot = size == kGiB ? big : small;
  if (!slot) {
    slot = std::make_unique<Document>();
    Fill(*slot, MixedText(8 * static_cast<size_t>(kMiB)), size);
  }
  return *slot;
}

ScanHit Find(Document& doc, const uint8_t* pattern, int32_t count, int options) {
  Searcher searcher(pattern, count, options);
  NoProgress progress;
  SearchPacer pacer(progress, SystemPaceClock());
  return searcher.Find(doc, 0, doc.length, pacer);
}

void CheckAbsent(const ScanHit& hit, const char* what) {
  if (hit.offset >= 0 || hit.aborted) {
    std::fprintf(stderr, "%s: the pattern was found at %d; the benchmark needs it absent\n", what, hit.offset);
    std::exit(2);
  }
}

void BM_MemmemExact(benchmark::State& state) {
  const std::vector<uint8_t>& buffer = RandomBuffer();
  for (auto _ : state) {
    const void* at = memmem(buffer.data(), buffer.size(), kAbsent8, sizeof kAbsent8);
    if (at) state.SkipWithError("pattern present");
    benchmark::DoNotOptimize(at);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(buffer.size()));
}

void BM_SearchExact(benchmark::State& state) {
  Document& doc = RandomDocument();
  for (auto _ : state) CheckAbsent(Find(doc, kAbsent8, 8, kExact), "exact");
  state.SetBytesProcessed(state.iterations() * doc.length);
}

void BM_SearchAnyCase(benchmark::State& state) {
  Document& doc = RandomDocument();
  for (auto _ : state) CheckAbsent(Find(doc, kAbsentLetters, 8, kAnyCase), "case-folded");
  state.SetBytesProcessed(state.iterations() * doc.length);
}

void BM_SearchAnyWidth(benchmark::State& state) {
  Document& doc = TextDocument(static_cast<int32_t>(state.range(0)));
  for (auto _ : state) CheckAbsent(Find(doc, kAbc, 3, kAnyCaseAnyWidth), "width-insensitive");
  state.SetBytesProcessed(state.iterations() * doc.length);
}

void BM_RuleAnyWidth(benchmark::State& state) {
  Document& doc = TextDocument(static_cast<int32_t>(state.range(0)));
  for (auto _ : state) CheckAbsent(FindByRule(doc, 0, doc.length, kAbc, 3, kAnyCaseAnyWidth), "rule");
  state.SetBytesProcessed(state.iterations() * doc.length);
}

class NoQuestions final : public ReplaceQuestions {
 public:
  int Confirm(const ReplaceConfirm&) override { return kConfirmCancel; }
};

// Replace all of 41 by 42 43 in 1,000,000 bytes of 41: the whole command.
void BM_ReplaceAllMillion(benchmark::State& state) {
  ReplaceRequest request;
  request.pattern.count = 1;
  request.pattern.bytes[0] = 0x41;
  request.replacement.count = 2;
  request.replacement.bytes[0] = 0x42;
  request.replacement.bytes[1] = 0x43;
  request.options = kExact;
  std::vector<uint8_t> as(1000000, 0x41);
  for (auto _ : state) {
    Document doc;
    Fill(doc, as, static_cast<int32_t>(as.size()));
    NoQuestions questions;
    NoProgress progress;
    double t0 = NowSeconds();
    ReplaceOutcome out = RunReplace(doc, request, kReplaceAll, questions, nullptr, progress);
    state.SetIterationTime(NowSeconds() - t0);
    if (out.replaced != 1000000 || doc.length != 2000000) state.SkipWithError("wrong replacement count");
  }
}

BENCHMARK(BM_MemmemExact)->Repetitions(kRepetitions)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SearchExact)->Repetitions(kRepetitions)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SearchAnyCase)->Repetitions(kRepetitions)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SearchAnyWidth)->Arg(kGiB)->Repetitions(kRepetitions)->Iterations(1)->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_SearchAnyWidth)->Arg(kMiB)->Repetitions(kRepetitions)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RuleAnyWidth)->Arg(kMiB)->Repetitions(kRepetitions)->Iterations(1)->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_ReplaceAllMillion)->Repetitions(kRepetitions)->Iterations(1)->Unit(benchmark::kMillisecond)
    ->UseManualTime();

std::string Name(const char* function, int32_t size) { return std::string(function) + "/" + std::to_string(size); }

}  // namespace

int main(int argc, char** argv) {
  RandomBuffer();
  TextDocument(kGiB);
  TextDocument(kMiB);
  ResultTable table;
  RunBenchmarks(argc, argv, table);

  const double memmem = table.Time("BM_MemmemExact");
  std::printf("\nSearching 1 GiB for an absent pattern (medians of %d runs):\n", kRepetitions);
  bool ok = true;
  ok &= PrintGoal("exact, 8 bytes: throughput / memmem throughput",
                  memmem / table.Time("BM_SearchExact"), false, 0.5, "x");
  ok &= PrintGoal("case-folded, 8 letters: throughput / memmem (exact)",
                  memmem / table.Time("BM_SearchAnyCase"), false, 0.25, "x");
  double wide = table.Time(Name("BM_SearchAnyWidth", kGiB));
  ok &= PrintGoal("width-insensitive abc over mixed Shift-JIS", wide > 0 ? kGiB / wide / 1e6 : -1, false, 200,
                  " MB/s");
  double ruleSmall = table.Time(Name("BM_RuleAnyWidth", kMiB));
  double wideSmall = table.Time(Name("BM_SearchAnyWidth", kMiB));
  double ruleBig = ruleSmall * (kGiB / kMiB);
  std::printf("  %-58s %10.1f s  (scaled from 1 MiB of the same text)\n", "position-by-position rule over 1 GiB",
              ruleBig);
  std::printf("  %-58s %10.1fx  (no goal)\n", "width-insensitive over 1 GiB: fast / position-by-position",
              wide > 0 ? ruleBig / wide : -1);
  std::printf("  %-58s %10.1fx  (no goal; includes learning the characters)\n",
              "the same over 1 MiB", wideSmall > 0 ? ruleSmall / wideSmall : -1);
  std::printf("\nReplacing all of 1,000,000 occurrences (41 -> 42 43), whole loop:\n");
  ok &= PrintGoal("native time", table.Time("BM_ReplaceAllMillion"), true, 1.0, " s");
  return ok ? 0 : 1;
}
