// Clock, heap figures, big files, percentiles and the result table of the benchmarks.
#include "bench_support.h"

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "core/block_list.h"
#include "core/document.h"

double NowSeconds() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

size_t HeapInUse() {
  struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

bool CreateBigFile(const std::string& path, int64_t size) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  std::vector<uint64_t> chunk(1 << 17);  // 1 MiB
  uint64_t x = 0x9E3779B97F4A7C15ull;
  bool ok = true;
  for (int64_t done = 0; ok && done < size;) {
    for (auto& v : chunk) {
      x ^= x << 13;
      x ^= x >> 7;
      x ^= x << 17;
      v = x;
    }
    size_t n = static_cast<size_t>(std::min<int64_t>(size - done, chunk.size() * sizeof(uint64_t)));
    ok = std::fwrite(chunk.data(), 1, n, f) == n;
    done += static_cast<int64_t>(n);
  }
  return std::fclose(f) == 0 && ok;
}

double Percentile(std::vector<double> samples, double fraction) {
  if (samples.empty()) return 0;
  size_t i = static_cast<size_t>(fraction * static_cast<double>(samples.size() - 1));
  std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(i), samples.end());
  return samples[i];
}

void ResultTable::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    std::string name = run.run_name.function_name;
    if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
    if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
      double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      auto best = best_.find(name);
      if (best == best_.end() || seconds < best->second) best_[name] = seconds;
    }
    bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
    if (!median && !single) continue;
    times_[name] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    for (const auto& [key, counter] : run.counters) counters_[name][key] = counter.value;
  }
}

double ResultTable::Time(const std::string& name) const {
  auto it = times_.find(name);
  return it == times_.end() ? -1 : it->second;
}

double ResultTable::BestTime(const std::string& name) const {
  auto it = best_.find(name);
  return it == best_.end() ? -1 : it->second;
}

double ResultTable::Counter(const std::string& name, const std::string& counter) const {
  auto it = counters_.find(name);
  if (it == counters_.end()) return -1;
  auto c = it->second.find(counter);
  return c == it->second.end() ? -1 : c->second;
}

bool PrintGoal(const std::string& label, double value, bool lessThan, double limit, const char* unit) {
  bool met = value >= 0 && (lessThan ? value <= limit : value >= limit);
  std::printf("  %-58s %10.3f%s  (goal %s %g%s)  %s\n", label.c_str(), value, unit, lessThan ? "<=" : ">=", limit,
              unit, met ? "ok" : "MISSED");
  return met;
}

void RunBenchmarks(int argc, char** argv, ResultTable& table) {
  std::vector<char*> args(argv, argv + argc);
  static char interleave[] = "--benchmark_enable_random_interleaving=true";
  args.push_back(interleave);
  int n = static_cast<int>(args.size());
  benchmark::Initialize(&n, args.data());
  benchmark::RunSpecifiedBenchmarks(&table);
  benchmark::Shutdown();
}

void FillRandomDocument(Document& doc, int32_t size) {
  ResetToEmpty(doc);
  std::vector<uint8_t> chunk(kBlockFill);
  std::mt19937 rng(1);
  for (auto& b : chunk) b = static_cast<uint8_t>(rng());
  while (doc.length < size) {
    int32_t n = std::min(kBlockFill, size - doc.length);
    InsertBytes(doc, doc.length, chunk.data(), n);
  }
}
