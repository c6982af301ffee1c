// Shared pieces of the benchmarks: a clock, heap use, big test files, per-operation
// samples, and a reporter that keeps the results so goals can be printed as ratios.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Monotonic time in seconds (clock_gettime; <chrono> cannot be used with the
// project's Shift-JIS literals).
double NowSeconds();

// Bytes the C heap currently hands out (small and mapped allocations).
size_t HeapInUse();

// Writes a file of size pseudo-random bytes. Returns false on failure.
bool CreateBigFile(const std::string& path, int64_t size);

struct Document;

// Fills an empty document with size pseudo-random bytes (seed 1), in blocks of
// 43,690 bytes as loading lays them out.
void FillRandomDocument(Document& doc, int32_t size);

// Per-operation times in seconds; Median and Percentile sort a copy.
double Percentile(std::vector<double> samples, double fraction);

// Prints like the console reporter and keeps the median (or the only) real time
// and the counters of every benchmark, keyed by its name without the
// repetition and aggregate suffixes.
class ResultTable : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  // Seconds per iteration; -1 when the benchmark did not run.
  double Time(const std::string& name) const;
  // The fastest repetition's seconds per iteration; -1 when it did not run. On
  // virtual machines whose fresh-memory costs jump between runs, the minimums of
  // two loaders compare what the loaders themselves do.
  double BestTime(const std::string& name) const;
  double Counter(const std::string& name, const std::string& counter) const;

 private:
  std::map<std::string, double> times_;
  std::map<std::string, double> best_;
  std::map<std::string, std::map<std::string, double>> counters_;
};

// One goal line: "label: value (goal relation limit) ok|MISSED". lessThan tells
// the direction of the goal. Returns whether it was met.
bool PrintGoal(const std::string& label, double value, bool lessThan, double limit, const char* unit = "");

// Runs the registered benchmarks with repetitions interleaved at random (so that
// drifts of the machine hit every variant alike) into table.
void RunBenchmarks(int argc, char** argv, ResultTable& table);
