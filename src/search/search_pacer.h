// Paces a long search by elapsed time: it lets messages through the progress
// dialog about every 30 ms and stops as soon as the user aborts.
#pragma once

#include <cstdint>

#include "core/progress.h"

// A monotonic clock; tests supply one that advances as they choose.
class PaceClock {
 public:
  virtual ~PaceClock() = default;
  virtual int64_t NowMicroseconds() = 0;
};

// The system's monotonic clock (process-wide, never destroyed).
PaceClock& SystemPaceClock();

// Time between two pumps: short enough that the abort button answers within 100 ms.
inline constexpr int64_t kPumpIntervalMicroseconds = 30000;

class SearchPacer {
 public:
  // progress and clock must outlive the pacer. The first pump comes one interval after construction.
  SearchPacer(Progress& progress, PaceClock& clock, int64_t intervalMicroseconds = kPumpIntervalMicroseconds);

  // Called between units of work. Returns true when the work must stop: the
  // abort flag was already set, or it is set by the pump made now because the
  // interval has passed since the last one.
  bool ShouldStop();

  bool aborted() const { return progress_.Aborted(); }

 private:
  Progress& progress_;
  PaceClock& clock_;
  int64_t interval_;
  int64_t lastPump_;
};
