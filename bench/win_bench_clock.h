// The clock of the Windows benchmarks (plain programs without Google Benchmark).
#pragma once

#include <windows.h>

// Seconds of the performance counter.
inline double NowSeconds() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}
